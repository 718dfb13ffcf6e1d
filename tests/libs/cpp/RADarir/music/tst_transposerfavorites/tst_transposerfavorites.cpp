// The transposer's favorites in a settings file of their own: the stored
// text, the sample song of a first start, saving, loading and deleting through
// the menu and its dialogs, and files left by earlier versions.
#include "RADarir/music/FavoriteText.h"
#include "RADarir/music/FavoritesDeleteDlg.h"
#include "RADarir/music/Transposer.h"
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/InputDialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QtTest>

using namespace RADarir;

namespace {

ZEDireroz::App* app()
{
    return ZEDireroz::App::theApp();
}

QVariant stored(QString const& key)
{
    return app()->settingsValue(key);
}

QMenu* favoritesMenu(Transposer& t)
{
    return t.findChild<QMenu*>("FavoritesMenu");
}

QStringList menuTexts(Transposer& t)
{
    QStringList texts;
    for (QAction* a : favoritesMenu(t)->actions())
        texts << (a->isSeparator() ? QStringLiteral("--") : a->text());
    return texts;
}

// The menu entry that loads the favorite of that name.
QAction* loadEntry(Transposer& t, QString const& name)
{
    for (QAction* a : favoritesMenu(t)->actions()) {
        if (a->data().toString() == name)
            return a;
    }
    return nullptr;
}

FavoritesDeleteDlg* deleteDialog(Transposer& t)
{
    return t.findChild<FavoritesDeleteDlg*>();
}

// Saves the current sequence under a name typed into the name dialog.
void saveAs(Transposer& t, QString const& name)
{
    ModalAnswer answer([name](QDialog* dialog) {
        auto* input = qobject_cast<ZEDireroz::InputDialog*>(dialog);
        QVERIFY(input);
        input->stringWidget()->setText(name);
        dialog->accept();
    });
    t.slotSaveFavorite();
    QVERIFY(answer.seen());
}

// Picks the name in the delete dialog, then answers the question with the button given.
void deleteFavorite(Transposer& t, QString const& name, int answerButton)
{
    bool asked = false;
    ModalAnswer::answerNextWindow([&](QWidget* window) {
        auto* dialog = qobject_cast<FavoritesDeleteDlg*>(window);
        QVERIFY(dialog);
        QListWidget* list = dialog->findChild<QListWidget*>();
        QList<QListWidgetItem*> const found = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list->setCurrentItem(found.first());
        ModalAnswer::answerNextWindow([&](QWidget* box) {
            asked = true;
            static_cast<QDialog*>(box)->done(answerButton);
        });
        dialog->accept();
    });
    t.slotDeleteFavorite();
    QVERIFY(asked);
}

QStringList const kSample = {"B\nm", "E\nm", "F #\n7", "A\n7", "D\n", "D\nm", "G\nm", "A\n7", "C\n7", "F\n"};

} // namespace

class TestTransposerFavorites : public QObject
{
    Q_OBJECT
private slots:
    void init() { app()->settings()->clear(); }

    void text_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("chords");
        QTest::newRow("plain") << "Song:A\nm,D\n"
                               << "Song" << QStringList({"A\nm", "D\n"});
        QTest::newRow("name with colon") << "Intro: verse:E\n"
                                         << "Intro: verse" << QStringList({"E\n"});
        QTest::newRow("name with comma") << "Slow, soft:E\n7"
                                         << "Slow, soft" << QStringList({"E\n7"});
        QTest::newRow("no chords") << "Empty:"
                                   << "Empty" << QStringList();
        QTest::newRow("empty entries dropped") << "Gaps:A\n,,B\n,"
                                               << "Gaps" << QStringList({"A\n", "B\n"});
        QTest::newRow("no colon") << "A\n,B\n"
                                  << "A\n,B\n"
                                  << QStringList({"A\n", "B\n"});
        QTest::newRow("empty name") << ":C\n"
                                    << "" << QStringList({"C\n"});
    }
    void text()
    {
        QFETCH(QString, value);
        QFETCH(QString, name);
        QFETCH(QStringList, chords);
        FavoriteText::Favorite const favorite = FavoriteText::fromText(value);
        QCOMPARE(favorite.name, name);
        QCOMPARE(favorite.chords, chords);
    }

    void textRoundTrip()
    {
        QString const name = "Live: part 1, take 2: & more";
        QStringList const chords = {"F #\nm7", "B" + QString(QChar(0x266D)) + "\n"};
        FavoriteText::Favorite const back = FavoriteText::fromText(FavoriteText::toText(name, chords));
        QCOMPARE(back.name, name);
        QCOMPARE(back.chords, chords);
        QCOMPARE(FavoriteText::toText("S", {"A\n", "B\nm"}), QString("S:A\n,B\nm"));
    }

    void firstStartOffersTheSample()
    {
        Transposer t(nullptr);
        QCOMPARE(menuTexts(t), QStringList({"&New", "&Save...", "&Delete...", "--", "Sample Song"}));
        QList<QAction*> const actions = favoritesMenu(t)->actions();
        QVERIFY(!actions.at(1)->isEnabled());
        QVERIFY(actions.at(2)->isEnabled());
        for (int i : {0, 1, 2})
            QVERIFY2(!actions.at(i)->icon().isNull(), qPrintable(actions.at(i)->text()));
        loadEntry(t, "Sample Song")->trigger();
        QCOMPARE(t.currentChords(), kSample);
        QVERIFY(actions.at(1)->isEnabled());
    }

    void savedInNameOrder()
    {
        Transposer t(nullptr);
        t.setCurrentChords({"E\nm"});
        saveAs(t, "Zeta");
        t.setCurrentChords({"A\n", "D\n7"});
        saveAs(t, "alpha");
        QCOMPARE(stored("FavoritesCount").toInt(), 3);
        QCOMPARE(stored("Favorite0").toString(), QString("Sample Song:") + kSample.join(","));
        QCOMPARE(stored("Favorite1").toString(), QString("Zeta:E\nm"));
        QCOMPARE(stored("Favorite2").toString(), QString("alpha:A\n,D\n7"));
        QCOMPARE(menuTexts(t).mid(4), QStringList({"Sample Song", "Zeta", "alpha"}));
        QCOMPARE(deleteDialog(t)->items(), QStringList({"alpha", "Zeta", "Sample Song"}));

        // The same name again replaces the chords; the count stays.
        t.setCurrentChords({"G\n"});
        saveAs(t, "Zeta");
        QCOMPARE(stored("FavoritesCount").toInt(), 3);
        QCOMPARE(stored("Favorite1").toString(), QString("Zeta:G\n"));
    }

    void loadReplacesTheSequence()
    {
        Transposer t(nullptr);
        t.setCurrentChords({"E\nm", "A\n"});
        saveAs(t, "Two");
        t.setCurrentChords({"C\n", "D\n", "E\n", "F\n"});
        t.setCurrentChordIndex(3);
        loadEntry(t, "Two")->trigger();
        QCOMPARE(t.currentChords(), QStringList({"E\nm", "A\n"}));
        favoritesMenu(t)->actions().at(0)->trigger(); // New
        QVERIFY(t.currentChords().isEmpty());
        QCOMPARE(stored("FavoritesCount").toInt(), 2);
    }

    void namesWithColonCommaAndAmpersand_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("colon") << "Verse: slow";
        QTest::newRow("colons and commas") << "a:b,c:d";
        QTest::newRow("ampersand") << "Rock & Roll";
    }
    void namesWithColonCommaAndAmpersand()
    {
        QFETCH(QString, name);
        {
            Transposer t(nullptr);
            t.setCurrentChords({"C\n7", "F\n"});
            saveAs(t, name);
        }
        Transposer restarted(nullptr);
        QVERIFY(restarted.favorites().contains(name));
        QAction* entry = loadEntry(restarted, name);
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(restarted.currentChords(), QStringList({"C\n7", "F\n"}));
        QVERIFY(deleteDialog(restarted)->items().contains(name));
    }

    void deletingLeavesNoStaleKey()
    {
        Transposer t(nullptr);
        t.setCurrentChords({"A\n"});
        saveAs(t, "One");
        saveAs(t, "Two");
        QCOMPARE(stored("FavoritesCount").toInt(), 3);

        deleteFavorite(t, "One", QMessageBox::Yes);
        QCOMPARE(stored("FavoritesCount").toInt(), 2);
        QCOMPARE(stored("Favorite0").toString(), QString("Sample Song:") + kSample.join(","));
        QCOMPARE(stored("Favorite1").toString(), QString("Two:A\n"));
        QVERIFY(!stored("Favorite2").isValid());
        QCOMPARE(menuTexts(t).mid(4), QStringList({"Sample Song", "Two"}));

        // Saving again must not bring the deleted favorite back.
        saveAs(t, "Three");
        QCOMPARE(menuTexts(t).mid(4), QStringList({"Sample Song", "Three", "Two"}));
    }

    void answeringNoKeepsTheFavorite()
    {
        Transposer t(nullptr);
        t.setCurrentChords({"A\n"});
        saveAs(t, "Keep");
        deleteFavorite(t, "Keep", QMessageBox::No);
        QCOMPARE(stored("FavoritesCount").toInt(), 2);
        QVERIFY(t.favorites().contains("Keep"));
    }

    void deletingTheLastFavorite()
    {
        {
            Transposer t(nullptr);
            deleteFavorite(t, "Sample Song", QMessageBox::Yes);
            QCOMPARE(stored("FavoritesCount").toInt(), 0);
            QCOMPARE(menuTexts(t), QStringList({"&New", "&Save...", "&Delete...", "--"}));
            QVERIFY(deleteDialog(t)->items().isEmpty());
        }
        Transposer restarted(nullptr);
        QVERIFY(restarted.favorites().isEmpty());
    }

    // A count that does not match the file hides no stored favorite: all are
    // read, and saving one more keeps every one of them.
    void damagedCountKeepsEveryFavorite_data()
    {
        QTest::addColumn<QVariant>("count");
        QTest::newRow("not a number") << QVariant("two");
        QTest::newRow("too small") << QVariant(1);
        QTest::newRow("negative") << QVariant(-1);
        QTest::newRow("absent") << QVariant();
        QTest::newRow("3000000") << QVariant(3000000);
        QTest::newRow("largest int") << QVariant(2147483647);
    }
    void damagedCountKeepsEveryFavorite()
    {
        QFETCH(QVariant, count);
        if (count.isValid())
            app()->setSettingsValue("FavoritesCount", count);
        app()->setSettingsValue("Favorite0", "Gamma:C\n");
        app()->setSettingsValue("Favorite1", "Alpha:A\n");
        app()->setSettingsValue("Favorite2", "Beta:B\nm");
        {
            Transposer t(nullptr);
            QCOMPARE(t.favorites().keys(), QStringList({"Alpha", "Beta", "Gamma"}));
            t.setCurrentChords({"D\n"});
            saveAs(t, "Delta");
        }
        QCOMPARE(stored("FavoritesCount").toInt(), 4);
        QStringList values;
        for (int i = 0; i < 5; ++i)
            values << stored(QStringLiteral("Favorite%1").arg(i)).toString();
        QCOMPARE(values, QStringList({"Alpha:A\n", "Beta:B\nm", "Delta:D\n", "Gamma:C\n", ""}));
        Transposer restarted(nullptr);
        QCOMPARE(restarted.favorites().keys(), QStringList({"Alpha", "Beta", "Delta", "Gamma"}));
    }

    // Two transposers share the file: what one stored is kept when the other
    // saves or deletes.
    void anotherTransposersFavoriteIsKept()
    {
        Transposer first(nullptr);
        Transposer second(nullptr);
        first.setCurrentChords({"A\n"});
        saveAs(first, "One");
        second.setCurrentChords({"B\n"});
        saveAs(second, "Two");
        QCOMPARE(second.favorites().keys(), QStringList({"One", "Sample Song", "Two"}));
        first.setCurrentChords({"C\n"});
        saveAs(first, "Three");
        deleteFavorite(second, "Sample Song", QMessageBox::Yes);
        Transposer restarted(nullptr);
        QCOMPARE(restarted.favorites().keys(), QStringList({"One", "Three", "Two"}));
    }

    // Keys that only look like a favorite's are neither read nor removed.
    void onlyFavoriteKeysAreRead()
    {
        app()->setSettingsValue("FavoritesCount", 1);
        app()->setSettingsValue("Favorite0", "One:A\n");
        app()->setSettingsValue("Favorite01", "Padded:B\n");
        app()->setSettingsValue("FavoriteX", "Other:C\n");
        Transposer t(nullptr);
        QCOMPARE(t.favorites().keys(), QStringList({"One"}));
        deleteFavorite(t, "One", QMessageBox::Yes);
        QVERIFY(!stored("Favorite0").isValid());
        QCOMPARE(stored("Favorite01").toString(), QString("Padded:B\n"));
        QCOMPARE(stored("FavoriteX").toString(), QString("Other:C\n"));
    }

    // Lines as a user types them into the settings file, with and without quotes.
    void handWrittenLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("chords");
        QTest::newRow("without quotes") << QByteArray("Favorite0=Verse:A\\nm,D\\n7") << "Verse"
                                        << QStringList({"A\nm", "D\n7"});
        QTest::newRow("with quotes") << QByteArray("Favorite0=\"Verse:A\\nm,D\\n7\"") << "Verse"
                                     << QStringList({"A\nm", "D\n7"});
        QTest::newRow("one chord, without quotes")
            << QByteArray("Favorite0=Solo:E\\n") << "Solo" << QStringList({"E\n"});
    }
    void handWrittenLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, name);
        QFETCH(QStringList, chords);
        QSettings* settings = app()->settings();
        settings->sync();
        {
            QFile file(settings->fileName());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("[" + QCoreApplication::applicationName().toUtf8() + "]\nFavoritesCount=1\n" + line + "\n");
        }
        settings->sync();
        Transposer t(nullptr);
        QCOMPARE(t.favorites().keys(), QStringList({name}));
        QCOMPARE(t.favorites().value(name), chords);
    }

    void missingKeyIsSkipped()
    {
        app()->setSettingsValue("FavoritesCount", 2);
        app()->setSettingsValue("Favorite0", "One:A\n");
        Transposer t(nullptr);
        QCOMPARE(t.favorites().keys(), QStringList({"One"}));
    }

    void emptyFavoriteLoadsEmpty()
    {
        app()->setSettingsValue("FavoritesCount", 1);
        app()->setSettingsValue("Favorite0", "Empty:");
        Transposer t(nullptr);
        t.setCurrentChords({"A\n"});
        loadEntry(t, "Empty")->trigger();
        QVERIFY(t.currentChords().isEmpty());
    }

    void cancelledOrNamelessSaveChangesNothing()
    {
        Transposer t(nullptr);
        t.setCurrentChords({"A\n"});
        {
            ModalAnswer answer([](QDialog* dialog) {
                qobject_cast<ZEDireroz::InputDialog*>(dialog)->stringWidget()->setText("Typed");
                dialog->reject();
            });
            t.slotSaveFavorite();
            QVERIFY(answer.seen());
        }
        QVERIFY(!stored("FavoritesCount").isValid());
        QString warned;
        {
            ModalAnswer answer([&warned](QDialog* dialog) {
                ModalAnswer::answerNextWindow([&warned](QWidget* box) {
                    for (QLabel* label : box->findChildren<QLabel*>())
                        warned += label->text();
                    static_cast<QDialog*>(box)->done(QMessageBox::Ok);
                });
                dialog->accept(); // with the empty name
            });
            t.slotSaveFavorite();
            QVERIFY(answer.seen());
        }
        QTRY_VERIFY(warned.contains("Can not create the favorite without name"));
        QVERIFY(!stored("FavoritesCount").isValid());
        QCOMPARE(t.favorites().keys(), QStringList({"Sample Song"}));
    }

    void deleteDialogBasics()
    {
        Transposer t(nullptr);
        FavoritesDeleteDlg* dialog = deleteDialog(t);
        QCOMPARE(dialog->parent(), &t);
        QCOMPARE(dialog->windowTitle(), QString("Delete the chords"));
        dialog->clearItems();
        QCOMPARE(dialog->item(), QString());
        dialog->addItem("b");
        dialog->addItem("a");
        QCOMPARE(dialog->items(), QStringList({"a", "b"}));
        bool checked = false;
        ModalAnswer answer([&](QDialog* d) {
            // Shown with the first entry current and Cancel focused.
            QCOMPARE(static_cast<FavoritesDeleteDlg*>(d)->item(), QString("a"));
            QCOMPARE(d->focusWidget(), ModalDriver::buttonWithText(d, "&Cancel"));
            checked = true;
            ModalDriver::buttonWithText(d, "&Cancel")->click();
        });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        QVERIFY(checked);
    }
};

TW_APP_TEST_MAIN(TestTransposerFavorites)
#include "tst_transposerfavorites.moc"

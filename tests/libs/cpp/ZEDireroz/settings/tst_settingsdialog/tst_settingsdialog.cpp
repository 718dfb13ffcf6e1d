// The settings dialog: page registry, Apply/OK/Cancel, and the settings file
// saved and loaded through the real file dialogs, driven as a user would.
#include "MTools/WholeFile.h"
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/settings/SettingsDialog.h"
#include "ZEDireroz/settings/SettingsWidget.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using ZEDireroz::App;
using ZEDireroz::SettingsDialog;

namespace {

QStringList g_log; // which page did what, in order

class TestPage : public ZEDireroz::SettingsWidget
{
    Q_OBJECT
public:
    TestPage(QString tag, QString value, QWidget* parent)
        : SettingsWidget(parent)
        , tag(std::move(tag))
        , value(std::move(value))
    {
    }
    void readSettings(QDomNode const& node) override
    {
        value = node.toElement().attribute(QStringLiteral("value"));
        g_log << "read " + tag;
    }
    QDomElement writeSettings(QDomDocument& document) override
    {
        QDomElement element = document.createElement(tag);
        element.setAttribute(QStringLiteral("value"), value);
        g_log << "write " + tag;
        return element;
    }
    QString settingsName() override { return tag; }
    void slotApply() override { g_log << "apply " + tag; }

    QString tag;
    QString value;
};

// Acts on the modal windows that come up, one step per window, in order. A
// window that no step expects, or that its step left open, is closed after a
// while and noted in seen, so that the test fails instead of waiting forever.
// Only the newest script acts, so that each one sees the windows of its own part.
class ModalScript : public QObject
{
public:
    using Action = std::function<void(QWidget*)>;
    void expect(char const* className, Action action) { m_steps.append({className, std::move(action)}); }
    QStringList seen; // class name and title of every window acted on
    bool done() const { return m_steps.isEmpty(); }

    ModalScript()
    {
        if (active())
            active()->m_timer.stop();
        active() = this;
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (m_steps.isEmpty() || modal == m_pLast || !modal->inherits(m_steps.first().first)) {
                closeWhenStuck(modal);
                return;
            }
            m_pLast = modal;
            Action action = m_steps.takeFirst().second;
            seen << QString::fromLatin1(modal->metaObject()->className()) + ": " + modal->windowTitle();
            // Queued, so that a window the action opens runs its loop outside this slot.
            QPointer<QWidget> target = modal;
            QTimer::singleShot(0, this, [target, action] {
                if (target)
                    action(target);
            });
        });
        m_timer.start();
    }

private:
    static QPointer<ModalScript>& active()
    {
        static QPointer<ModalScript> script;
        return script;
    }

    void closeWhenStuck(QWidget* modal)
    {
        if (modal != m_pStuck) {
            m_pStuck = modal;
            m_stuckClock.start();
            return;
        }
        if (m_stuckClock.elapsed() < 5000)
            return;
        m_pStuck = nullptr;
        seen << QStringLiteral("unanswered ") + QString::fromLatin1(modal->metaObject()->className()) + ": "
                    + modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }

    QList<QPair<char const*, Action>> m_steps;
    QTimer m_timer;
    QPointer<QWidget> m_pLast;
    QPointer<QWidget> m_pStuck;
    QElapsedTimer m_stuckClock;
};

ModalScript::Action chooseFile(QString const& path)
{
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides it; it checks the name
    };
}

ModalScript::Action cancelDialog()
{
    return [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
}

ModalScript::Action answer(QMessageBox::StandardButton button, QString* text)
{
    return [button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        *text = box->text();
        box->button(button)->click();
    };
}

// What a message box of ours showed before it was answered with Ok.
struct BoxSeen
{
    QString text;
    QImage icon;
};

ModalScript::Action answerOk(BoxSeen* seen)
{
    return [seen](QWidget* box) {
        // The text wraps; the icon label is the one that does not.
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (label->wordWrap())
                seen->text = label->text();
            else
                seen->icon = label->pixmap(Qt::ReturnByValue).toImage();
        }
        if (QPushButton* ok = ModalDriver::buttonWithText(box, QStringLiteral("Ok")))
            QTest::mouseClick(ok, Qt::LeftButton);
    };
}

bool isWarningPicture(QImage const& image)
{
    QImage const warning =
        QApplication::style()->standardPixmap(QStyle::SP_MessageBoxWarning, nullptr, nullptr).toImage();
    return !image.isNull()
           && image.convertToFormat(QImage::Format_ARGB32) == warning.convertToFormat(QImage::Format_ARGB32);
}

QByteArray readFile(QString const& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(QString const& path, QByteArray const& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void tabsInRegistrationOrderPagesInNameOrder();
    void okAndCancel_data();
    void okAndCancel();
    void duplicateNameReplacesInPlace();
    void closedDialogForgetsItsPages();

    void saveAndLoadRoundTrip();
    void suffix_data();
    void suffix();
    void overwriteIsAskedForTheRealFileName_data();
    void overwriteIsAskedForTheRealFileName();
    void cancelledDialogsChangeNothing();
    void failedSaveKeepsOldFileAndTellsUser();
    void failedLoadTellsUser();
    void loadRefusesFilesTooLarge_data();
    void loadRefusesFilesTooLarge();
    void processDomRootMatchesByTag();

private:
    QTemporaryDir m_dir;
};

void TestSettingsDialog::init()
{
    g_log.clear();
    App::theApp()->setSaveDirPath(m_dir.filePath(QStringLiteral("any")));
    App::theApp()->setOpenDirPath(m_dir.filePath(QStringLiteral("any")));
    for (QString const& name : QDir(m_dir.path()).entryList(QDir::Files))
        QFile::remove(m_dir.filePath(name));
}

void TestSettingsDialog::tabsInRegistrationOrderPagesInNameOrder()
{
    QWidget holder;
    SettingsDialog::addWidget(QStringLiteral("b"), new TestPage(QStringLiteral("beta"), QString(), &holder));
    SettingsDialog::addWidget(QStringLiteral("a"), new TestPage(QStringLiteral("alpha"), QString(), &holder));
    SettingsDialog::addWidget(QStringLiteral("plain"), new QWidget(&holder));

    SettingsDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("TickwrenTrial Settings"));
    QVERIFY(!dialog.findChild<QTabWidget*>()); // built on first show only
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>();
    QVERIFY(tabs);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles, (QStringList{"b", "a", "plain"}));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("StorageBrowserSS"))->toolTip(),
             QStringLiteral("Save the Settings"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("StorageBrowserLS"))->toolTip(),
             QStringLiteral("Load the Settings"));

    dialog.slotApply();
    QCOMPARE(g_log, (QStringList{"apply alpha", "apply beta"}));
}

void TestSettingsDialog::okAndCancel_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("Ok") << "&Ok" << int(QDialog::Accepted) << QStringList{"apply one", "apply two"};
    QTest::newRow("Apply") << "&Apply" << -1 << QStringList{"apply one", "apply two"};
    QTest::newRow("Cancel") << "&Cancel" << int(QDialog::Rejected) << QStringList{};
}

void TestSettingsDialog::okAndCancel()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(QStringList, log);
    QWidget holder;
    SettingsDialog::addWidget(QStringLiteral("2"), new TestPage(QStringLiteral("two"), QString(), &holder));
    SettingsDialog::addWidget(QStringLiteral("1"), new TestPage(QStringLiteral("one"), QString(), &holder));
    SettingsDialog dialog;
    dialog.setResult(-1);
    dialog.show();
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == button)
            b->click();
    QCOMPARE(dialog.result(), result);
    QCOMPARE(dialog.isVisible(), result == -1);
    QCOMPARE(g_log, log);
}

void TestSettingsDialog::duplicateNameReplacesInPlace()
{
    QWidget holder;
    auto* first = new TestPage(QStringLiteral("first"), QString(), &holder);
    SettingsDialog::addWidget(QStringLiteral("x"), first);
    SettingsDialog::addWidget(QStringLiteral("y"), new TestPage(QStringLiteral("other"), QString(), &holder));
    auto* second = new TestPage(QStringLiteral("second"), QString(), &holder);
    SettingsDialog::addWidget(QStringLiteral("x"), second);
    // The page that was replaced going away must not take its successor along.
    delete first;

    SettingsDialog dialog;
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("x"));
    QCOMPARE(tabs->widget(0), second);
    QCOMPARE(tabs->tabText(1), QStringLiteral("y"));
    dialog.slotApply();
    QCOMPARE(g_log, (QStringList{"apply second", "apply other"}));
}

void TestSettingsDialog::closedDialogForgetsItsPages()
{
    QPointer<TestPage> page = new TestPage(QStringLiteral("gone"), QStringLiteral("v"), nullptr);
    SettingsDialog::addWidget(QStringLiteral("gone"), page);
    {
        SettingsDialog dialog;
        dialog.show();
        dialog.reject();
    } // the dialog's tabs delete the page
    QVERIFY(page.isNull());

    // A new dialog neither shows nor touches the deleted page.
    SettingsDialog again;
    again.show();
    QCOMPARE(again.findChild<QTabWidget*>()->count(), 0);
    again.slotApply();
    QString const file = m_dir.filePath(QStringLiteral("after.lfsettings"));
    ModalScript script;
    script.expect("QFileDialog", chooseFile(file));
    again.slotSaveSettings();
    QVERIFY(script.done());
    QCOMPARE(readFile(file), QByteArray("<Settings/>\n"));
    QVERIFY(g_log.isEmpty());
}

void TestSettingsDialog::saveAndLoadRoundTrip()
{
    QWidget holder;
    auto* beta = new TestPage(QStringLiteral("beta"), QStringLiteral("Grüße, ☃ & \"日本語\""), &holder);
    auto* alpha = new TestPage(QStringLiteral("alpha"), QStringLiteral("Привет <1>"), &holder);
    SettingsDialog::addWidget(QStringLiteral("b"), beta);
    SettingsDialog::addWidget(QStringLiteral("a"), alpha);
    SettingsDialog dialog;
    dialog.show();

    QString const subdir = m_dir.filePath(QStringLiteral("Einstellungen ü"));
    QVERIFY(QDir().mkpath(subdir));
    QString const file = subdir + QStringLiteral("/Meine Einstellungen.lfsettings");
    ModalScript script;
    script.expect("QFileDialog", chooseFile(file));
    dialog.slotSaveSettings();
    QVERIFY(script.done());
    QCOMPARE(script.seen, QStringList{"QFileDialog: Save Settings"}); // and no message

    // Pages in name order, one blank of indentation, UTF-8.
    QByteArray const expected = QStringLiteral("<Settings>\n"
                                               " <alpha value=\"Привет &lt;1>\"/>\n"
                                               " <beta value=\"Grüße, ☃ &amp; &quot;日本語&quot;\"/>\n"
                                               "</Settings>\n")
                                    .toUtf8();
    QCOMPARE(readFile(file), expected);
    QCOMPARE(QDir::cleanPath(App::theApp()->saveDirPath()), subdir);

    alpha->value.clear();
    beta->value = QStringLiteral("changed");
    g_log.clear();
    ModalScript loadScript;
    loadScript.expect("QFileDialog", chooseFile(file));
    dialog.slotLoadSettings();
    QVERIFY(loadScript.done());
    QCOMPARE(loadScript.seen, QStringList{"QFileDialog: Load Settings"}); // and no message
    QCOMPARE(alpha->value, QStringLiteral("Привет <1>"));
    QCOMPARE(beta->value, QStringLiteral("Grüße, ☃ & \"日本語\""));
    QCOMPARE(g_log, (QStringList{"read alpha", "read beta"}));
    QCOMPARE(QDir::cleanPath(App::theApp()->openDirPath()), subdir);
}

void TestSettingsDialog::suffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "foo"
                                  << "foo.lfsettings";
    QTest::newRow("with extension") << "foo.lfsettings"
                                    << "foo.lfsettings";
    // Only the exact extension counts; anything else would be hidden by the
    // load dialog's "*.lfsettings" filter.
    QTest::newRow("capital extension") << "foo.LFSETTINGS"
                                       << "foo.LFSETTINGS.lfsettings";
    QTest::newRow("other extension") << "foo.xml"
                                     << "foo.xml.lfsettings";
}

void TestSettingsDialog::suffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    SettingsDialog dialog;
    dialog.show();
    ModalScript script;
    script.expect("QFileDialog", chooseFile(m_dir.filePath(typed)));
    dialog.slotSaveSettings();
    QVERIFY(script.done());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{written});
}

void TestSettingsDialog::overwriteIsAskedForTheRealFileName_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("existingName");
    QTest::newRow("replace") << true << "foo"
                             << "foo.lfsettings";
    QTest::newRow("keep") << false << "foo"
                          << "foo.lfsettings";
    QTest::newRow("other extension, replace") << true << "foo.xml"
                                              << "foo.xml.lfsettings";
    QTest::newRow("other extension, keep") << false << "foo.xml"
                                           << "foo.xml.lfsettings";
}

void TestSettingsDialog::overwriteIsAskedForTheRealFileName()
{
    QFETCH(bool, replace);
    QFETCH(QString, typed);
    QFETCH(QString, existingName);
    QString const existing = m_dir.filePath(existingName);
    writeFile(existing, "<Settings><old/></Settings>");

    SettingsDialog dialog;
    dialog.show();
    QString question;
    ModalScript script;
    script.expect("QFileDialog", chooseFile(m_dir.filePath(typed)));
    script.expect("QMessageBox", answer(replace ? QMessageBox::Yes : QMessageBox::No, &question));
    if (!replace)
        script.expect("QFileDialog", cancelDialog()); // back in the file dialog
    dialog.slotSaveSettings();
    QVERIFY(script.done());
    QVERIFY2(question.contains(existingName), qPrintable(question));
    QCOMPARE(readFile(existing), replace ? QByteArray("<Settings/>\n") : QByteArray("<Settings><old/></Settings>"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{existingName});
}

void TestSettingsDialog::cancelledDialogsChangeNothing()
{
    QWidget holder;
    auto* page = new TestPage(QStringLiteral("alpha"), QStringLiteral("kept"), &holder);
    SettingsDialog::addWidget(QStringLiteral("a"), page);
    SettingsDialog dialog;
    dialog.show();
    QString const saveDir = App::theApp()->saveDirPath();
    ModalScript script;
    script.expect("QFileDialog", cancelDialog());
    script.expect("QFileDialog", cancelDialog());
    dialog.slotSaveSettings();
    dialog.slotLoadSettings();
    QVERIFY(script.done());
    QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(page->value, QStringLiteral("kept"));
    QVERIFY(g_log.isEmpty());
    QCOMPARE(App::theApp()->saveDirPath(), saveDir);
    QCOMPARE(script.seen, (QStringList{"QFileDialog: Save Settings", "QFileDialog: Load Settings"}));
}

void TestSettingsDialog::failedSaveKeepsOldFileAndTellsUser()
{
    // As long as a name may be: the file itself can be made, but no temporary
    // file beside it, so the save fails after the user agreed to replace.
    QString const name = QString(255 - 11, QLatin1Char('n')) + QStringLiteral(".lfsettings");
    QString const existing = m_dir.filePath(name);
    writeFile(existing, "<Settings><old/></Settings>");
    QWidget holder;
    SettingsDialog::addWidget(QStringLiteral("a"), new TestPage(QStringLiteral("alpha"), QStringLiteral("x"), &holder));

    SettingsDialog dialog;
    dialog.show();
    QString question;
    BoxSeen box;
    ModalScript script;
    script.expect("QFileDialog", chooseFile(existing));
    script.expect("QMessageBox", answer(QMessageBox::Yes, &question));
    script.expect("ZEDireroz::MessageBox", answerOk(&box));
    dialog.slotSaveSettings();
    QVERIFY(script.done());
    QCOMPARE(script.seen.size(), 3);
    QCOMPARE(script.seen.last(), QStringLiteral("ZEDireroz::MessageBox: Save Settings"));
    QVERIFY2(box.text.startsWith(QStringLiteral("The settings could not be saved to ")
                                 + QDir::toNativeSeparators(existing) + QStringLiteral(": ")),
             qPrintable(box.text));
    QVERIFY(isWarningPicture(box.icon));
    QCOMPARE(readFile(existing), QByteArray("<Settings><old/></Settings>"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{name});

    // A later successful save shows no message.
    ModalScript again;
    again.expect("QFileDialog", chooseFile(m_dir.filePath(QStringLiteral("ok.lfsettings"))));
    dialog.slotSaveSettings();
    QVERIFY(again.done());
    QCOMPARE(again.seen, QStringList{"QFileDialog: Save Settings"});
}

void TestSettingsDialog::failedLoadTellsUser()
{
    QWidget holder;
    auto* page = new TestPage(QStringLiteral("alpha"), QStringLiteral("kept"), &holder);
    SettingsDialog::addWidget(QStringLiteral("a"), page);
    QString const broken = m_dir.filePath(QStringLiteral("broken.lfsettings"));
    writeFile(broken, "<Settings>\n <alpha value=\"new\">\n</Settings>\n");

    SettingsDialog dialog;
    dialog.show();
    BoxSeen box;
    ModalScript script;
    script.expect("QFileDialog", chooseFile(broken));
    script.expect("ZEDireroz::MessageBox", answerOk(&box));
    dialog.slotLoadSettings();
    QVERIFY(script.done());
    QCOMPARE(script.seen, (QStringList{"QFileDialog: Load Settings", "ZEDireroz::MessageBox: Load Settings"}));
    QCOMPARE(page->value, QStringLiteral("kept"));
    QVERIFY(g_log.isEmpty());
    // The parser stumbles where "alpha" is closed by the end of "Settings".
    QVERIFY2(box.text.startsWith(QStringLiteral("The settings could not be loaded from ")
                                 + QDir::toNativeSeparators(broken) + QStringLiteral(": ")),
             qPrintable(box.text));
    QVERIFY2(box.text.endsWith(QStringLiteral(" (line 3)")), qPrintable(box.text));
    QVERIFY(isWarningPicture(box.icon));
    QCOMPARE(QDir::cleanPath(App::theApp()->openDirPath()), m_dir.path());
}

void TestSettingsDialog::loadRefusesFilesTooLarge_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addRow("just above the bound") << qint64(16 * 1024 * 1024 + 1);
    QTest::addRow("over 2 GB") << qint64(2560) * 1024 * 1024;
}

// A settings file far larger than any the dialog writes is refused before it
// is read (a sparse file), named with its size.
void TestSettingsDialog::loadRefusesFilesTooLarge()
{
    QFETCH(qint64, size);
    QWidget holder;
    auto* page = new TestPage(QStringLiteral("alpha"), QStringLiteral("kept"), &holder);
    SettingsDialog::addWidget(QStringLiteral("a"), page);
    QString const huge = m_dir.filePath(QStringLiteral("huge.lfsettings"));
    {
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }
    SettingsDialog dialog;
    dialog.show();
    BoxSeen box;
    ModalScript script;
    script.expect("QFileDialog", chooseFile(huge));
    script.expect("ZEDireroz::MessageBox", answerOk(&box));
    dialog.slotLoadSettings();
    QVERIFY(script.done());
    QCOMPARE(page->value, QStringLiteral("kept"));
    QVERIFY(g_log.isEmpty());
    QVERIFY2(box.text.startsWith(QStringLiteral("The settings could not be loaded from ")
                                 + QDir::toNativeSeparators(huge) + QStringLiteral(": "))
                 && box.text.contains(MTools::fileSizeText(size)),
             qPrintable(box.text));
    QFile::remove(huge);
}

void TestSettingsDialog::processDomRootMatchesByTag()
{
    QWidget holder;
    auto* one = new TestPage(QStringLiteral("same"), QString(), &holder);
    auto* two = new TestPage(QStringLiteral("same"), QString(), &holder);
    auto* other = new TestPage(QStringLiteral("Other"), QStringLiteral("unchanged"), &holder);
    SettingsDialog::addWidget(QStringLiteral("p1"), one);
    SettingsDialog::addWidget(QStringLiteral("p2"), two);
    SettingsDialog::addWidget(QStringLiteral("p3"), other);

    QDomDocument document;
    QVERIFY(document.setContent(QByteArray("<NotSettings><!-- note --><same value=\"v\"/><other value=\"w\"/>"
                                           "<unknown value=\"u\"/>text</NotSettings>")));
    SettingsDialog dialog;
    dialog.processDomRoot(document.documentElement());
    QCOMPARE(one->value, QStringLiteral("v"));
    QCOMPARE(two->value, QStringLiteral("v"));
    QCOMPARE(other->value, QStringLiteral("unchanged")); // tags compare case-sensitively
    QCOMPARE(g_log, (QStringList{"read same", "read same"}));
}

TW_APP_TEST_MAIN(TestSettingsDialog)

#include "tst_settingsdialog.moc"

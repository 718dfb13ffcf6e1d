// The piano notes finder and its page: the staff and the keyboard follow each
// other and their exchange of signals ends, the page's shop links come with
// addShopMenu, and the page on a screen with a note chosen.
#include "RADarir/music/MusicShops.h"
#include "RADarir/piano/NotesWidget.h"
#include "RADarir/piano/PianoBoard.h"
#include "RADarir/piano/PianoNotesFinder.h"
#include "RADarir/piano/PianoNotesFinderMainPage.h"
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/Label.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

using namespace RADarir;

namespace {

void hover(NotesWidget* staff, QString const& name)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(staff->width() / 2, staff->nameToPos(name).y()), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(staff, &move);
    staff->grab();
}

// A key's point at the board's size, from its place in the 800 x 194 hit frame.
QPoint keyAt(PianoBoard* board, int x, int y)
{
    return QPoint(qRound((x + 0.5) * board->width() / 800.0), qRound((y + 0.5) * board->height() / 194.0));
}

int distinctColours(QImage const& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

struct Fixture
{
    PianoNotesFinder finder;
    NotesWidget* staff = finder.decoratedNotesWidget()->notesWidget();
    PianoBoard* board = finder.pianoBoard();
    Fixture()
    {
        finder.resize(900, 700);
        finder.show();
        // The staff names a note shown from outside when it paints.
        exposed = QTest::qWaitForWindowExposed(&finder);
    }
    bool exposed = false;
};

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

} // namespace

class TestPianoNotesFinder : public QObject
{
    Q_OBJECT
private slots:
    void startsEmpty()
    {
        Fixture f;
        f.finder.grab();
        QVERIFY(f.staff->currentName().isEmpty());
        QVERIFY(f.staff->findChild<QLabel*>("NoteLabel")->text().isEmpty());
        QVERIFY(f.board->key().isEmpty());
        QCOMPARE(f.staff->window(), &f.finder);
        QCOMPARE(f.board->parentWidget(), &f.finder);
        for (char const* side : {"PianoLeftLabel", "PianoRightLabel"}) {
            auto* label = f.finder.findChild<ZEDireroz::Label*>(side);
            QVERIFY2(label && !label->retinaPixmap().isNull(), side);
            QCOMPARE(label->mode(), ZEDireroz::Label::Fill);
        }
    }

    void staffLightsTheKey_data()
    {
        QTest::addColumn<QString>("accidental");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("key");
        QTest::newRow("E4") << "NaturalSignButton"
                            << "E4"
                            << "44";
        QTest::newRow("C sharp 4") << "SharpSignButton"
                                   << "C4"
                                   << "41";
        QTest::newRow("D flat 4") << "FlatSignButton"
                                  << "D4"
                                  << "41";
        QTest::newRow("A0") << "NaturalSignButton"
                            << "A0"
                            << "1";
        QTest::newRow("C8") << "NaturalSignButton"
                            << "C8"
                            << "88";
    }
    void staffLightsTheKey()
    {
        QFETCH(QString, accidental);
        QFETCH(QString, note);
        QFETCH(QString, key);
        Fixture f;
        QSignalSpy keyboard(f.board, &PianoBoard::noteChanged);
        f.staff->findChild<QPushButton*>(accidental)->click();
        hover(f.staff, note);
        QCOMPARE(f.board->key(), key);
        QCOMPARE(keyboard.count(), 0);
    }

    // A key clicked shows its note on the staff, which names it once more and
    // lights the same key; there the exchange ends.
    void keyShowsItsNoteAndTheExchangeEnds()
    {
        Fixture f;
        QVERIFY(f.exposed);
        hover(f.staff, "E4");
        QSignalSpy staffSaid(f.finder.decoratedNotesWidget(), &DecoratedNotesWidget::noteChanged);
        QSignalSpy keyboardSaid(f.board, &PianoBoard::noteChanged);
        QTest::mouseClick(f.board, Qt::LeftButton, Qt::NoModifier, keyAt(f.board, 374, 90));
        QCOMPARE(keyboardSaid.count(), 1);
        QCOMPARE(keyboardSaid.first(), (QList<QVariant>{"C4", 1}));
        QVERIFY(f.staff->isSharp());
        QVERIFY(f.staff->findChild<QLabel*>("NoteLabel")->text().contains(">#C4<"));
        QTRY_COMPARE(staffSaid.count(), 1);
        QCOMPARE(staffSaid.first(), (QList<QVariant>{"C4", 1}));
        QCOMPARE(f.board->key(), QString("41"));
        // Further paints and events bring no more signals from either side.
        f.finder.grab();
        f.staff->grab();
        QCoreApplication::processEvents();
        QCOMPARE(staffSaid.count(), 1);
        QCOMPARE(keyboardSaid.count(), 1);
    }

    // The staff plays the note it shows while the keyboard keeps the key lit.
    void staffClickKeepsTheKey()
    {
        Fixture f;
        f.staff->findChild<QPushButton*>("SharpSignButton")->click();
        hover(f.staff, "F4");
        QCOMPARE(f.board->key(), QString("46"));
        QTest::mouseClick(f.staff, Qt::LeftButton, Qt::NoModifier, f.staff->nameToPos("F4"));
        QCOMPARE(f.board->key(), QString("46"));
        QCOMPARE(f.staff->currentName(), QString("F4"));
    }

    void pageCarriesTheShopLinksOnceAsked()
    {
        PianoNotesFinderMainPage page;
        QCOMPARE(page.objectName(), QString("PianoNotesFinderMainPage"));
        QCOMPARE(page.finder()->parentWidget(), &page);
        QCOMPARE(page.promoMenuBar()->parentWidget(), &page);
        QMenu* more = page.promoMenuBar()->shopMenu();
        QStringList const before = menuTexts(more);
        QVERIFY(!before.contains("Wikipedia"));
        QVERIFY(!page.shop());
        page.addShopMenu();
        QVERIFY(qobject_cast<PianoShop*>(page.shop()));
        QCOMPARE(page.shop()->parent(), &page);
        QStringList const links{"Must Have", "Nice to Have", "Read", "Hear", "See", "Wikipedia"};
        QCOMPARE(menuTexts(more), before + links);
    }

    // The page on a screen with C sharp 4 chosen on the keyboard.
    void screenshotWithANoteChosen()
    {
        PianoNotesFinderMainPage page;
        page.addShopMenu();
        page.resize(1000, 820);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        PianoBoard* board = page.finder()->pianoBoard();
        NotesWidget* staff = page.finder()->decoratedNotesWidget()->notesWidget();
        QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, keyAt(board, 374, 90));
        QTRY_COMPARE(staff->currentName(), QString("C4"));
        QVERIFY(staff->isSharp());
        QCOMPARE(board->key(), QString("41"));

        QImage shot;
        QTRY_VERIFY(distinctColours(shot = page.screen()->grabWindow(page.winId()).toImage()) > 50);
        QCOMPARE(shot.size(), page.size() * page.devicePixelRatioF());
        // The lit key shows in blue where the keyboard lies on the page.
        QPoint const key = board->mapTo(&page, keyAt(board, 374, 90)) * page.devicePixelRatioF();
        QColor const lit = shot.pixelColor(key);
        QVERIFY2(lit.blue() > lit.red() + 40, qPrintable(lit.name()));
        QString const saveTo = qEnvironmentVariable("TW_PIANOFINDER_SHOT");
        if (!saveTo.isEmpty())
            shot.save(saveTo);
    }
};

TW_APP_TEST_MAIN(TestPianoNotesFinder)
#include "tst_pianonotesfinder.moc"

// The transposer's chord sequence: shifting entries by semitones, the
// Transpose menu, the buttons that follow the number of tabs, the Sound
// setting, clicks on tabs, and the tab bar's own mouse handling.
#include "RADarir/music/ChordsButtonsPanel.h"
#include "RADarir/music/ChordsTabBar.h"
#include "RADarir/music/Transposer.h"
#include "TestSupport/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

using namespace RADarir;

namespace {

QString const kFlat = QString(QChar(0x266D));

QString flat(char letter)
{
    return QString(QLatin1Char(letter)) + kFlat;
}

ChordsTabBar* tabBar(Transposer& t)
{
    return t.findChild<ChordsTabBar*>();
}

QPushButton* buttonWithText(Transposer& t, QString const& text)
{
    return ModalDriver::buttonWithText(&t, text);
}

QPushButton* soundButton(Transposer& t)
{
    for (QPushButton* b : t.findChildren<QPushButton*>("TransposerButton")) {
        if (b->isCheckable())
            return b;
    }
    return nullptr;
}

QAction* saveAction(Transposer& t)
{
    for (QAction* a : t.findChild<QMenu*>("FavoritesMenu")->actions()) {
        if (a->text() == "&Save...")
            return a;
    }
    return nullptr;
}

QMenu* transposeMenu(Transposer& t)
{
    return t.findChild<QMenu*>("TransposerMenu");
}

QAction* menuEntry(Transposer& t, QString const& text)
{
    for (QAction* a : transposeMenu(t)->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint const& pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Three tabs, A to C, on a bar wide enough for all of them.
void showThreeTabs(ChordsTabBar& bar)
{
    for (char const* text : {"A\n", "B\n", "C\n"})
        bar.addTab(text);
    bar.resize(600, 60);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
}

// The picture of each chord tab of a transposer made in the given direction,
// with plain tab rules such as the chord pages give, and whether the tabs ran
// in that direction.
struct TabPictures
{
    QList<QImage> tabs;
    bool runInDirection = false;
};

TabPictures tabPictures(Qt::LayoutDirection direction, QStringList const& chords)
{
    qApp->setLayoutDirection(direction);
    TabPictures pictures;
    {
        Transposer transposer;
        transposer.setStyleSheet("QTabBar::tab{width:55px;height:40px;margin:0px;color:black;background:white;}");
        transposer.setCurrentChords(chords);
        transposer.resize(600, 120);
        transposer.show();
        ChordsTabBar* bar = tabBar(transposer);
        if (QTest::qWaitForWindowExposed(&transposer) && bar->count() > 1) {
            QImage const whole = bar->grab().toImage();
            for (int i = 0; i < bar->count(); ++i)
                pictures.tabs << whole.copy(bar->tabRect(i));
            bool const fromRight = bar->tabRect(1).x() < bar->tabRect(0).x();
            pictures.runInDirection = fromRight == (direction == Qt::RightToLeft);
        }
    }
    qApp->setLayoutDirection(Qt::LeftToRight);
    return pictures;
}

} // namespace

class TestTransposer : public QObject
{
    Q_OBJECT
private slots:
    void init() { ZEDireroz::App::theApp()->settings()->clear(); }

    void transposeEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("semitones");
        QTest::addColumn<QString>("result");
        QTest::newRow("C up 2") << "C\n" << 2 << "D\n";
        QTest::newRow("F # m up 2") << "F #\nm" << 2 << "G #\nm";
        QTest::newRow("A flat 7 up 2") << flat('A') + "\n7" << 2 << flat('B') + "\n7";
        QTest::newRow("B up 11") << "B\n" << 11 << flat('B') + "\n";
        QTest::newRow("C down 11") << "C\n" << -11 << flat('D') + "\n";
        QTest::newRow("D flat down 1") << flat('D') + "\n" << -1 << "C\n";
        QTest::newRow("C # down 1") << "C #\n" << -1 << "C\n";
        QTest::newRow("F # 7 up 1") << "F #\n7" << 1 << "G\n7";
        QTest::newRow("G 7 up 1 goes flat") << "G\n7" << 1 << flat('A') + "\n7";
        QTest::newRow("C up 1") << "C\n" << 1 << flat('D') + "\n";
        QTest::newRow("C # up 1") << "C #\n" << 1 << "D\n";
        QTest::newRow("A up 3") << "A\n" << 3 << "C\n";
        QTest::newRow("C down 1") << "C\n" << -1 << "B\n";
        QTest::newRow("major keeps its line feed") << "D\n" << 2 << "E\n";
        QTest::newRow("no line feed gains one") << "A" << 2 << "B\n";
        QTest::newRow("parts between are dropped") << "A\nx\nm" << 2 << "B\nm";
        // Roots outside the twelve-name lists shift from the root of the same pitch.
        QTest::newRow("B # up 1") << "B #\n" << 1 << "C #\n";
        QTest::newRow("E # m down 1") << "E #\nm" << -1 << "E\nm";
        QTest::newRow("C flat 7 up 1") << flat('C') + "\n7" << 1 << "C\n7";
        QTest::newRow("F flat up 2") << flat('F') + "\n" << 2 << flat('G') + "\n";
        QTest::newRow("B # down 1") << "B #\n" << -1 << "B\n";
        // Shifts beyond 11 are taken modulo 12.
        QTest::newRow("up 12") << "E\nm" << 12 << "E\nm";
        QTest::newRow("up 14") << "E\nm" << 14 << flat('G') + "\nm";
        QTest::newRow("down 25") << "E\nm" << -25 << flat('E') + "\nm";
        QTest::newRow("not a root") << "H\n7" << 3 << "H\n7";
        QTest::newRow("empty") << "" << 3 << "";
    }
    void transposeEntry()
    {
        QFETCH(QString, entry);
        QFETCH(int, semitones);
        QFETCH(QString, result);
        QCOMPARE(Transposer::transposeEntry(entry, semitones), result);
    }

    void transposeMenuEntries()
    {
        Transposer t(nullptr);
        QStringList texts;
        for (QAction* a : transposeMenu(t)->actions()) {
            QVERIFY(a->shortcut().isEmpty());
            texts << a->text();
        }
        QStringList expected;
        for (int n = 11; n >= 1; --n)
            expected << QString::number(n) + " #";
        for (int n = 1; n <= 11; ++n)
            expected << QString::number(n) + kFlat;
        QCOMPARE(texts, expected);
    }

    void transposeTheSequence_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("result");
        QStringList const start = {"C\n", "F #\nm", flat('A') + "\n7"};
        QTest::newRow("2 #") << "2 #" << QStringList({"D\n", "G #\nm", flat('B') + "\n7"});
        QTest::newRow("2 flat") << "2" + kFlat << QStringList({flat('B') + "\n", "E\nm", flat('G') + "\n7"});
        QTest::newRow("with a keyboard mark") << "&2 #" << QStringList({"D\n", "G #\nm", flat('B') + "\n7"});
        QTest::newRow("14 # is 2 up") << "14 #" << QStringList({"D\n", "G #\nm", flat('B') + "\n7"});
        QTest::newRow("12 flat is no shift") << "12" + kFlat << start;
        QTest::newRow("not a number") << "x #" << start;
    }
    void transposeTheSequence()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, result);
        Transposer t(nullptr);
        ChordsButtonsPanel panel(nullptr);
        t.setChordsButtonsPanel(&panel);
        t.setCurrentChords({"C\n", "F #\nm", flat('A') + "\n7"});
        t.setCurrentChordIndex(1);
        QSignalSpy play(&t, &Transposer::play);
        QSignalSpy shown(&panel, &ChordsButtonsPanel::chordChanged);
        QAction entry(action, nullptr);
        t.transpose(&entry, !action.endsWith(kFlat));
        QCOMPARE(t.currentChords(), result);
        QCOMPARE(t.currentChordIndex(), 1);
        QCOMPARE(play.count(), 0);
        QCOMPARE(shown.count(), 0);
    }

    void menuEntriesShift()
    {
        Transposer t(nullptr);
        ChordsButtonsPanel panel(nullptr);
        t.setChordsButtonsPanel(&panel);
        t.setCurrentChords({"C\n"});
        menuEntry(t, "3 #")->trigger();
        QCOMPARE(t.currentChords(), QStringList({flat('E') + "\n"}));
        menuEntry(t, "5" + kFlat)->trigger();
        QCOMPARE(t.currentChords(), QStringList({flat('B') + "\n"}));
    }

    void withoutPanelNothingHappens()
    {
        Transposer t(nullptr);
        t.setCurrentChords({"C\n"});
        menuEntry(t, "3 #")->trigger();
        buttonWithText(t, "+")->click();
        QCOMPARE(t.currentChords(), QStringList({"C\n"}));
    }

    void buttonsFollowTheCount()
    {
        ChordsButtonsPanel panel(nullptr);
        Transposer t(nullptr);
        t.setChordsButtonsPanel(&panel);
        QPushButton* add = buttonWithText(t, "+");
        QPushButton* remove = buttonWithText(t, "-");
        QPushButton* transpose = buttonWithText(t, "Transpose");
        QPushButton* favorites = buttonWithText(t, "Favorites");
        QList<QObject*> const dependent = {remove, transpose, soundButton(t), saveAction(t)};
        auto enabled = [&](QObject* o) { return o->property("enabled").toBool(); };
        for (QObject* o : dependent)
            QVERIFY(!enabled(o));
        QVERIFY(add->isEnabled() && favorites->isEnabled());

        panel.setChord("F #m");
        add->click();
        QCOMPARE(t.currentChords(), QStringList({"F #\nm"}));
        for (QObject* o : dependent)
            QVERIFY(enabled(o));

        t.setCurrentChordIndex(0);
        remove->click();
        QCOMPARE(tabBar(t)->count(), 0);
        for (QObject* o : dependent)
            QVERIFY(!enabled(o));
        QVERIFY(add->isEnabled() && favorites->isEnabled());
    }

    // Tabs of a fixed width, as the chord pages style them, stand side by
    // side at that width in a wide bar, with no base line broken between them.
    void tabsSideBySide()
    {
        Transposer transposer;
        transposer.setStyleSheet("QTabBar::tab{width:55px;height:40px;margin:0px;}");
        transposer.setCurrentChords({"A", "C#\nm7", "F\nmaj7"});
        transposer.resize(600, 120);
        transposer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&transposer));
        auto* bar = transposer.findChild<QTabBar*>();
        QVERIFY(bar);
        QCOMPARE(bar->count(), 3);
        for (int i = 0; i < bar->count(); ++i) {
            QCOMPARE(bar->tabRect(i).width(), 55);
            if (i > 0)
                QCOMPARE(bar->tabRect(i).left(), bar->tabRect(i - 1).right() + 1);
        }
        QVERIFY(!bar->drawBase());
    }

    // In a right-to-left window the sequence runs from the right, but each
    // chord still reads as written: "A #", not "# A"; the letter before its
    // flat sign. Each tab looks exactly as it does left to right; its text,
    // which the transposer reads back, is the chord as it was given.
    void chordTabsReadLeftToRight()
    {
        QStringList const chords = {"A #\n", flat('B') + "\n", "F #\nm", flat('E') + "\n7", "C\nmaj7"};
        TabPictures const ltr = tabPictures(Qt::LeftToRight, chords);
        TabPictures const rtl = tabPictures(Qt::RightToLeft, chords);
        QVERIFY(ltr.runInDirection);
        QVERIFY(rtl.runInDirection);
        QCOMPARE(ltr.tabs.size(), chords.size());
        QCOMPARE(rtl.tabs.size(), chords.size());
        QStringList reversed;
        for (int i = 0; i < chords.size(); ++i)
            if (rtl.tabs.at(i) != ltr.tabs.at(i))
                reversed << chords.at(i);
        QCOMPARE(reversed.join(", "), QString());
    }

    void setCurrentChordsReplaces()
    {
        Transposer t(nullptr);
        t.setCurrentChords({"A\n", "B\n"});
        t.setCurrentChords({});
        QCOMPARE(tabBar(t)->count(), 0);
        t.setCurrentChords({"D\n"});
        QStringList const three = {"E\nm", "C\n7", "G\n"};
        t.setCurrentChords(three);
        QCOMPARE(t.currentChords(), three);
    }

    void soundSettingIsKept()
    {
        {
            Transposer t(nullptr);
            QVERIFY(soundButton(t)->isChecked());
            QCOMPARE(soundButton(t)->text(), QString("Sound On"));
            t.setCurrentChords({"A\n"});
            soundButton(t)->click();
            QCOMPARE(soundButton(t)->text(), QString("Sound Off"));
            QCOMPARE(ZEDireroz::App::theApp()->settingsValue("TransposerSoundOn"), QVariant(false));
        }
        Transposer restarted(nullptr);
        QVERIFY(!soundButton(restarted)->isChecked());
        QCOMPARE(soundButton(restarted)->text(), QString("Sound Off"));
        ZEDireroz::App::theApp()->setSettingsValue("TransposerSoundOn", true);
        restarted.updateState();
        QVERIFY(soundButton(restarted)->isChecked());
        QCOMPARE(soundButton(restarted)->text(), QString("Sound On"));
    }

    void clickOnTab_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<QString>("shown"); // empty: nothing shown
        QTest::addColumn<int>("plays");
        QTest::newRow("sound on") << "C #\n7" << true << "C #7" << 1;
        QTest::newRow("sound off") << "C #\n7" << false << "C #7" << 0;
        QTest::newRow("major") << flat('E') + "\n" << true << flat('E') << 1;
        QTest::newRow("unreadable") << "Ab\n" << true << "" << 0;
        QTest::newRow("empty tab") << "" << true << "" << 0;
    }
    void clickOnTab()
    {
        QFETCH(QString, entry);
        QFETCH(bool, soundOn);
        QFETCH(QString, shown);
        QFETCH(int, plays);
        ZEDireroz::App::theApp()->setSettingsValue("TransposerSoundOn", soundOn);
        ChordsButtonsPanel panel(nullptr);
        Transposer t(nullptr);
        t.setChordsButtonsPanel(&panel);
        t.setCurrentChords({"A\n", entry});
        t.setCurrentChordIndex(1);
        QSignalSpy play(&t, &Transposer::play);
        QSignalSpy chord(&panel, &ChordsButtonsPanel::chordChanged);
        emit tabBar(t)->tabClicked();
        QCOMPARE(play.count(), plays);
        if (shown.isEmpty()) {
            QCOMPARE(chord.count(), 0);
            QCOMPARE(panel.currentChord(), QString("A"));
        } else {
            QCOMPARE(chord.count(), 1);
            QCOMPARE(chord.at(0).at(1).toString(), shown);
            QCOMPARE(panel.currentChord(), shown);
        }
    }

    void clickWithoutCurrentTab()
    {
        ChordsButtonsPanel panel(nullptr);
        Transposer t(nullptr);
        t.setChordsButtonsPanel(&panel);
        QSignalSpy play(&t, &Transposer::play);
        QSignalSpy chord(&panel, &ChordsButtonsPanel::chordChanged);
        emit tabBar(t)->tabClicked();
        QCOMPARE(play.count(), 0);
        QCOMPARE(chord.count(), 0);
    }

    // A press and release on a tab makes it current and reports one click; a
    // release beside the tabs reports none.
    void tabBarClick()
    {
        ChordsTabBar bar;
        showThreeTabs(bar);
        QSignalSpy clicked(&bar, &ChordsTabBar::tabClicked);
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.tabRect(2).center());
        QCOMPARE(bar.currentIndex(), 2);
        QCOMPARE(clicked.count(), 1);
        QPoint const beside(bar.tabRect(2).right() + 50, bar.tabRect(2).center().y());
        QCOMPARE(bar.tabAt(beside), -1);
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, beside);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(bar.currentIndex(), 2);
    }

    // A tab dragged to the end stays where it was dropped and is the current
    // tab when the click is reported.
    void tabBarDrag()
    {
        ChordsTabBar bar;
        bar.setMovable(true);
        showThreeTabs(bar);
        QSignalSpy clicked(&bar, &ChordsTabBar::tabClicked);
        int currentAtClick = -1;
        connect(&bar, &ChordsTabBar::tabClicked, this, [&] { currentAtClick = bar.currentIndex(); });
        QPoint const from = bar.tabRect(0).center();
        QPoint const to = bar.tabRect(2).center() + QPoint(bar.tabRect(2).width() / 4, 0);
        sendMouse(&bar, QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int step = 1; step <= 20; ++step)
            sendMouse(&bar, QEvent::MouseMove, from + (to - from) * step / 20, Qt::LeftButton);
        sendMouse(&bar, QEvent::MouseButtonRelease, to, Qt::NoButton);
        QTRY_COMPARE(bar.tabText(2), QString("A\n"));
        // The drop is finished: the picture of the tab that followed the pointer is gone.
        auto overlays = [&bar] {
            int shown = 0;
            for (QWidget* child : bar.findChildren<QWidget*>())
                shown += child->isVisible() ? 1 : 0;
            return shown;
        };
        QTRY_COMPARE(overlays(), 0);
        QCOMPARE(bar.tabText(0), QString("B\n"));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(currentAtClick, 2);
        QCOMPARE(bar.currentIndex(), 2);
    }

    void countIsReported()
    {
        ChordsTabBar bar;
        QSignalSpy count(&bar, &ChordsTabBar::countChanged);
        bar.addTab("A\n");
        bar.addTab("B\n");
        bar.removeTab(0);
        QCOMPARE(count.count(), 3);
        QCOMPARE(count.at(0).at(0).toInt(), 1);
        QCOMPARE(count.at(1).at(0).toInt(), 2);
        QCOMPARE(count.at(2).at(0).toInt(), 1);
    }
};

TW_APP_TEST_MAIN(TestTransposer)
#include "tst_transposer.moc"

// The chord page base: its tables and layout after construction, the chord a
// panel report shows, the players a play request starts (and that each of
// them goes away, also for a missing sample), the forwarders to the panel and
// the transposer, and the page photographed with its style sheet.
#include "RADarir/chordviews/ChordPhotoView.h"
#include "RADarir/chordviews/ChordStandardView.h"
#include "RADarir/chordviews/ChordTabView.h"
#include "RADarir/chordviews/ChordView.h"
#include "RADarir/chordviews/ChordsMainPage.h"
#include "RADarir/music/ChordsButtonsPanel.h"
#include "RADarir/music/Transposer.h"
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"
#include "tests/libs/cpp/RADarir/chordviews/ChordsTesting.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

using namespace RADarir;
using ChordsTesting::GuitarPage;

namespace {

QPushButton* playButton(GuitarPage& page)
{
    return page.chordView()->findChild<QPushButton*>(QStringLiteral("PlayButton"));
}

// Every view of the frame shows this chord.
void verifyShown(GuitarPage& page, int index, QString const& name)
{
    ChordView* view = page.chordView();
    for (ChordBaseView* v : QList<ChordBaseView*>{view->standardView(), view->tabView(), view->photoView()}) {
        QCOMPARE(v->chordIndex(), index);
        QCOMPARE(v->name(), name);
        QCOMPARE(v->tab(), ChordsTesting::tabOf(index));
    }
}

int livePlayers(GuitarPage const& page)
{
    int live = 0;
    for (auto const& p : page.players)
        live += !p.isNull();
    return live;
}

// The three pictures of a chord whose name ends in a sign, in a page made in
// the given direction.
QList<QImage> chordPictures(Qt::LayoutDirection direction)
{
    qApp->setLayoutDirection(direction);
    QList<QImage> pictures;
    {
        GuitarPage page;
        page.setCurrentChord(QStringLiteral("A #"));
        ChordView* view = page.chordView();
        for (QWidget* w : QList<QWidget*>{view->standardView(), view->tabView(), view->photoView()}) {
            w->resize(180, 130);
            pictures << w->grab().toImage();
        }
    }
    qApp->setLayoutDirection(Qt::LeftToRight);
    return pictures;
}

// The transposer's chord tabs, each as its own picture, in a page made in the
// given direction with the chord pages' style sheet.
QList<QImage> transposerTabPictures(Qt::LayoutDirection direction, QStringList const& chords)
{
    qApp->setLayoutDirection(direction);
    ChordsMainPage::applyStyle();
    QList<QImage> pictures;
    {
        GuitarPage page;
        page.setCurrentTransposerChords(chords);
        page.resize(760, 820);
        page.show();
        auto* bar = page.transposer()->findChild<QTabBar*>();
        if (bar && QTest::qWaitForWindowExposed(&page)) {
            QImage const whole = bar->grab().toImage();
            for (int i = 0; i < bar->count(); ++i)
                pictures << whole.copy(bar->tabRect(i));
        }
    }
    qApp->setStyleSheet(QString());
    qApp->setLayoutDirection(Qt::LeftToRight);
    return pictures;
}

} // namespace

class TestChordsMainPage : public QObject
{
    Q_OBJECT
private slots:
    void construction()
    {
        // The base alone: a page that fills nothing.
        struct Empty : ChordsMainPage
        {
            void initChords() override { }
            void addShopMenu() override { }
            using ChordsMainPage::m_vecSounds;
            using ChordsMainPage::m_vecTabs;
        } page;
        QCOMPARE(page.objectName(), QString("MainPage"));
        QCOMPARE(page.minimumSize(), QSize(400, 600));
        QCOMPARE(page.delay(), 30);
        QCOMPARE(page.currentChordIndex(), 0);
        QCOMPARE(page.m_vecSounds.size(), 132);
        QCOMPARE(page.m_vecTabs.size(), 132);
        for (int i = 0; i < 132; ++i)
            QVERIFY(page.m_vecSounds.at(i).isEmpty() && page.m_vecTabs.at(i).isEmpty());
        QCOMPARE(page.resourcesPath(), ZEDireroz::App::theApp()->bundleResourcePath());
        QVERIFY(page.resourcesPath().endsWith('/'));

        QLayout* layout = page.layout();
        QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(layout->spacing(), 0);
        QList<QWidget*> const expected = {page.promoMenuBar(), page.chordsButtonsPanel(), page.chordView(),
                                          page.transposer()};
        QCOMPARE(layout->count(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(layout->itemAt(i)->widget(), expected.at(i));

        // Playing an entry the page did not fill starts nothing.
        QSignalSpy spy(page.chordView(), &ChordView::play);
        page.slotPlay();
        QVERIFY(page.findChildren<QMMultiMedia::NativeAudioPlayer*>().isEmpty());
    }

    void instrumentPageOpensOnChordA()
    {
        GuitarPage page;
        QCOMPARE(page.initCalls, 1);
        QCOMPARE(page.delay(), 50);
        QCOMPARE(page.chordView()->instrumentName(), QString("guitar"));
        QCOMPARE(page.chordView()->photoView()->instrumentName(), QString("guitar"));
        verifyShown(page, 0, "A");
    }

    // Before any panel report the play button plays chord 0: its five played
    // strings, the muted one skipped, in string order.
    void playButtonPlaysChordZero()
    {
        GuitarPage page;
        playButton(page)->click();
        QStringList expected;
        for (QString const& path : page.sounds().at(0)) {
            if (!path.isEmpty())
                expected << path;
        }
        QCOMPARE(expected.size(), 5);
        QCOMPARE(page.played, expected);
        for (QString const& path : expected)
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
    }

    void soundListWithEmptyEntryStartsThreePlayers()
    {
        GuitarPage page;
        QStringList const sounds = {page.samplePath(0, 3), QString(), page.samplePath(2, 2), page.samplePath(3, 0)};
        page.slotPlayChord(sounds);
        QCOMPARE(page.played, (QStringList{sounds.at(0), sounds.at(2), sounds.at(3)}));
        QCOMPARE(page.players.size(), 3);
        // No player belongs to the page: each goes by itself once its sound has ended.
        for (auto const& player : page.players) {
            QVERIFY(player);
            QVERIFY(!player->parent());
        }
        QTRY_COMPARE_WITH_TIMEOUT(livePlayers(page), 0, 20000);
    }

    // A chord whose samples are missing: every player still ends and goes
    // away, and the chord's other strings still play.
    void missingSamplesLeaveNoPlayerBehind()
    {
        GuitarPage page;
        QString const missing = page.resourcesPath() + "guitar_440_Zz9.mp3";
        QVERIFY(!QFileInfo::exists(missing));
        page.setSounds(5, {missing, QString(), missing + "2", page.samplePath(3, 0)});
        page.slotSetChordAndName(5, "A♭");
        page.slotPlay();
        QCOMPARE(page.played.size(), 3);
        QCOMPARE(page.played.last(), page.samplePath(3, 0));
        QTRY_VERIFY_WITH_TIMEOUT(page.players.at(0).isNull() && page.players.at(1).isNull(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(livePlayers(page), 0, 20000);
    }

    // Two presses in a row start two sets; neither stops the other.
    void twoPressesOverlap()
    {
        GuitarPage page;
        page.setDelay(80);
        page.slotPlay();
        int const first = page.played.size();
        page.slotPlay();
        QCOMPARE(page.played.size(), 2 * first);
        QCOMPARE(page.played.mid(first), page.played.mid(0, first));
        for (auto const& player : page.players)
            QVERIFY(player && player->awaitsFinished());
        QTRY_COMPARE_WITH_TIMEOUT(livePlayers(page), 0, 20000);
    }

    void transposerPlayPlaysCurrentChord()
    {
        GuitarPage page;
        page.slotSetChordAndName(17, "B♭m");
        emit page.transposer()->play();
        QCOMPARE(page.played.size(), 5);
        QCOMPARE(page.played.first(), page.sounds().at(17).first());
    }

    void panelReportShowsTab_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("E♭m") << QString("E♭m") << 89;
        QTest::newRow("sharp name kept") << QString("F #7") << 127;
        QTest::newRow("C") << QString("C") << 44;
    }
    void panelReportShowsTab()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        GuitarPage page;
        QSignalSpy spy(page.chordsButtonsPanel(), &ChordsButtonsPanel::chordChanged);
        page.setCurrentChord(name);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), index);
        QCOMPARE(page.currentChordIndex(), index);
        QCOMPARE(page.currentChord(), name);
        verifyShown(page, index, name);
        page.slotPlay();
        QCOMPARE(page.played.first(), page.sounds().at(index).first());
    }

    // A report of 131 for a name the panel could not read shows that tab
    // under the name as reported.
    void unreadNameShowsLastTab()
    {
        GuitarPage page;
        emit page.chordsButtonsPanel()->chordChanged(131, "H7");
        verifyShown(page, 131, "H7");
    }

    void transposerForwarders()
    {
        GuitarPage page;
        QStringList const chords = {"A\nm", "C\n7", "E♭\n"};
        page.setCurrentTransposerChords(chords);
        QCOMPARE(page.currentTransposerChords(), chords);
        QCOMPARE(page.transposer()->currentChords(), chords);
        page.setCurrentTransposerChordIndex(2);
        QCOMPARE(page.currentTransposerChordIndex(), 2);
        QCOMPARE(page.transposer()->currentChordIndex(), 2);
    }

    // In a right-to-left window a chord's name still reads as written: each
    // picture looks exactly as it does left to right.
    void chordNamesReadLeftToRight()
    {
        QList<QImage> const ltr = chordPictures(Qt::LeftToRight);
        QList<QImage> const rtl = chordPictures(Qt::RightToLeft);
        QCOMPARE(ltr.size(), 3);
        QCOMPARE(rtl.size(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(rtl[i] == ltr[i], qPrintable(QStringLiteral("picture %1").arg(i)));
    }

    // So do the transposer's tabs, with the page's own style sheet: "A #"
    // above its type, not "# A".
    void transposerTabsReadLeftToRight()
    {
        QStringList const chords = {"A #\n", "B♭\n7", "C #\nm"};
        QList<QImage> const ltr = transposerTabPictures(Qt::LeftToRight, chords);
        QList<QImage> const rtl = transposerTabPictures(Qt::RightToLeft, chords);
        QCOMPARE(ltr.size(), chords.size());
        QCOMPARE(rtl.size(), chords.size());
        QStringList reversed;
        for (int i = 0; i < chords.size(); ++i)
            if (rtl.at(i) != ltr.at(i))
                reversed << chords.at(i);
        QCOMPARE(reversed.join(", "), QString());
    }

    // The page as a user sees it: all three pictures of the chord, the panel
    // above and the transposer below, with the chord pages' style sheet.
    void screenshot()
    {
        ChordsMainPage::applyStyle();
        GuitarPage page;
        page.setCurrentChord("C");
        page.resize(760, 820);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QScreen* screen = QGuiApplication::primaryScreen();
        QImage const shot = screen->grabWindow(page.winId()).toImage();
        QVERIFY(!shot.isNull());
        shot.save(QDir::current().filePath("chordspage.png"));

        ChordView* view = page.chordView();
        auto area = [&](QWidget* w) { return QRect(w->mapTo(&page, QPoint(0, 0)), w->size()); };
        // The diagram and the tablature are white with black ink; the photo's ground is dark.
        for (QWidget* w : QList<QWidget*>{view->standardView(), view->tabView()}) {
            QRect const r = area(w);
            QVERIFY2(r.width() > 100 && r.height() > 80, qPrintable(QString("%1x%2").arg(r.width()).arg(r.height())));
            int white = 0, ink = 0;
            for (int y = r.top(); y <= r.bottom(); y += 3) {
                for (int x = r.left(); x <= r.right(); x += 3) {
                    int const g = qGray(shot.pixel(x, y));
                    white += g > 240;
                    ink += g < 40;
                }
            }
            QVERIFY2(white > ink && ink > 20, qPrintable(QString("white %1 ink %2").arg(white).arg(ink)));
        }
        QRect const photo = area(view->photoView());
        QVERIFY(photo.width() > 100);
        QCOMPARE(QColor(shot.pixel(photo.center())), QColor(71, 71, 71));
        // The sheet sizes the play button; the instrument label keeps its size.
        QPushButton* play = playButton(page);
        QVERIFY2(play->width() >= 48 && play->height() >= 48, qPrintable(QString::number(play->width())));
        QCOMPARE(view->instrumentLabel()->size(), QSize(40, 105));
        qApp->setStyleSheet(QString());
    }
};

TW_APP_TEST_MAIN(TestChordsMainPage)
#include "tst_chordsmainpage.moc"

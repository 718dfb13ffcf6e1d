// The metronome: its beats sounded by the audio engine (here its silent
// clock, where a frame is heard as it is rendered), every one at its frame
// however long the GUI thread is held; what the window shows, and when; the
// tick interval for a tempo; the pictures scaled off the GUI thread, and how
// they stand in the frame. What each beat lights, shows and sounds is
// tst_metronomebar's.
#include "RADarir/metronome/Metronome.h"
#include "RADarir/metronome/MetronomeBeats.h"
#include "RADarir/metronome/MetronomeControls.h"
#include "ZEDireroz/frame/App.h"
#include "platform/audio/AudioEngine.h"
#include "platform/audio/BeatTrack.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using RADarir::Metronome;
using RADarir::MetronomeBar;
using TickwrenAudio::RenderedBeat;

namespace {

class TestableMetronome : public Metronome
{
public:
    TestableMetronome()
    {
        // Small, so that scaling the pictures costs little.
        resize(60, 80);
        track().setHistory(true);
    }
    int litLamp() const
    {
        QList<QLabel*> const lamps = beats()->findChildren<QLabel*>("Beat", Qt::FindDirectChildrenOnly);
        for (int i = 0; i < lamps.size(); ++i)
            if (lamps[i]->isEnabled())
                return i;
        return -1;
    }
    void chooseBeats(int n)
    {
        QMenu* menu = controls()->findChild<QPushButton*>("BeatCombo")->menu();
        for (QAction* a : menu->actions())
            if (a->data().toInt() == n)
                a->trigger();
        QCOMPARE(controls()->beatsCount(), n);
    }
    void press(char const* button) { controls()->findChild<QPushButton*>(button)->click(); }
    // The beats the engine rendered since the last call, collected until
    // there are at least `count`; false when they do not come.
    bool collect(std::vector<RenderedBeat>& beats, std::size_t count)
    {
        return QTest::qWaitFor(
            [&] {
                std::vector<RenderedBeat> const more = track().takeHistory();
                beats.insert(beats.end(), more.begin(), more.end());
                return beats.size() >= count;
            },
            20000);
    }
};

// When a lamp of the row is lit, on the player's clock.
class LampWatch : public QObject
{
public:
    LampWatch(RADarir::MetronomeBeats* beats, QVector<qint64>* lit)
        : m_pLit(lit)
    {
        for (QLabel* lamp : beats->findChildren<QLabel*>("Beat", Qt::FindDirectChildrenOnly))
            lamp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange && static_cast<QWidget*>(watched)->isEnabled())
            *m_pLit << QMMultiMedia::NativeAudioPlayer::clockNs();
        return QObject::eventFilter(watched, event);
    }

private:
    QVector<qint64>* m_pLit;
};

QString soundName(int sound)
{
    return sound == MetronomeBar::TickSound ? "tick" : sound == MetronomeBar::BellSound ? "bell" : "-";
}

} // namespace

class TestMetronome : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        TestableMetronome m;
        QCOMPARE(m.objectName(), QString("Metronome"));
        QVERIFY(m.tickTimer().isActive());
        QCOMPARE(m.tickTimer().timerType(), Qt::PreciseTimer);
        QCOMPARE(m.tickTimer().interval(), 1578);
        QCOMPARE(m.beats()->count(), 4);
        QCOMPARE(m.litLamp(), -1);
        QVERIFY(m.currentPix().isNull());
    }

    void twelveLampsFitTheNarrowestWindow()
    {
        // In a window of the narrowest size, as the main page holds it.
        QWidget window;
        window.setMinimumSize(540, 765);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* metronome = new TestableMetronome;
        TestableMetronome& m = *metronome;
        layout->addWidget(metronome);
        window.resize(540, 765);
        m.chooseBeats(12);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(m.width(), 540);
        QTRY_VERIFY(m.beats()->geometry().right() < 540);
        QList<QLabel*> const lamps = m.beats()->findChildren<QLabel*>("Beat", Qt::FindDirectChildrenOnly);
        for (QLabel* lamp : lamps) {
            QRect const r(lamp->mapTo(&m, QPoint(0, 0)), lamp->size());
            QVERIFY2(m.beats()->geometry().contains(r), qPrintable(QString::number(r.right())));
        }
        // Back to four: full-size lamps.
        m.chooseBeats(4);
        QCOMPARE(lamps.first()->size(), QSize(50, 50));
    }

    void interval_data()
    {
        QTest::addColumn<int>("bpm");
        QTest::addColumn<int>("ms");
        QTest::newRow("38") << 38 << 1578;
        QTest::newRow("60") << 60 << 1000;
        QTest::newRow("120") << 120 << 500;
        QTest::newRow("208") << 208 << 288;
        QTest::newRow("0 would divide by zero") << 0 << 1578;
        QTest::newRow("negative") << -120 << 1578;
        QTest::newRow("above the range") << 400 << 288;
    }
    void interval()
    {
        QFETCH(int, bpm);
        QFETCH(int, ms);
        QCOMPARE(Metronome::intervalForTempo(bpm), ms);
        TestableMetronome m;
        m.slotTickIntervalChanged(bpm);
        QCOMPARE(m.tickTimer().interval(), ms);
        QVERIFY(m.tickTimer().isActive());
        QCOMPARE(m.tickTimer().timerType(), Qt::PreciseTimer);
    }

    void tempoFromTheControls()
    {
        TestableMetronome m;
        m.controls()->findChild<QPushButton*>("TempoIncButton")->click();
        QCOMPARE(m.tickTimer().interval(), 60000 / 39);
    }

    void sameTempoDoesNotRestartTheTimer()
    {
        TestableMetronome m;
        QTest::qWait(120);
        int const before = m.tickTimer().remainingTime();
        QVERIFY(before < 1578);
        // Minus at the bottom of the range announces 38 again; a restart would
        // push the next tick a whole interval away, and pressing repeatedly
        // would stop the ticking.
        m.controls()->findChild<QPushButton*>("TempoDecButton")->click();
        m.controls()->setInterval(38);
        QVERIFY(m.tickTimer().remainingTime() <= before);
        QCOMPARE(m.tickTimer().interval(), 1578);
        // A real change starts a new full interval.
        m.controls()->setInterval(120);
        QCOMPARE(m.tickTimer().interval(), 500);
        QVERIFY(m.tickTimer().remainingTime() > 400);
    }

    // The GUI thread held for two intervals and more at 208 bpm: the engine
    // still sounds every beat at its frame, exactly 288 ms of frames after
    // the one before, bell and ticks in their places, none late, none twice.
    void everyBeatSoundedWhileTheGuiThreadIsHeld()
    {
        TickwrenAudio::AudioMixer& mixer = TickwrenAudio::AudioEngine::instance().mixer();
        mixer.takePlacements();
        mixer.setPlacementRecording(true);
        TestableMetronome m;
        m.slotTickIntervalChanged(208);
        std::vector<RenderedBeat> beats;
        QVERIFY(m.collect(beats, 1));
        QThread::msleep(2 * 288 + 100); // the hold-up itself
        QVERIFY(m.collect(beats, 14));
        std::vector<TickwrenAudio::Placement> const placed = mixer.takePlacements();
        mixer.setPlacementRecording(false);

        QStringList sounds;
        for (std::size_t k = 0; k < beats.size(); ++k) {
            RenderedBeat const& b = beats[k];
            QCOMPARE(b.index, std::int64_t(k));
            QVERIFY2(!b.late, qPrintable(QString("beat %1 late").arg(k)));
            QCOMPARE(b.frame - beats[0].frame, std::int64_t(k) * 13824);
            sounds << soundName(b.sound);
        }
        // The bar from the start: a silent first beat, then bell and three ticks.
        QCOMPARE(sounds.mid(0, 9), (QStringList{"-", "tick", "tick", "tick", "bell", "tick", "tick", "tick", "bell"}));
        QCOMPARE(m.track().lateCount(), std::int64_t(0));
        // Each sound started at its beat's frame, once.
        std::vector<std::int64_t> soundFrames;
        for (RenderedBeat const& b : beats)
            if (b.sound >= 0)
                soundFrames.push_back(b.frame);
        std::vector<std::int64_t> startFrames;
        for (TickwrenAudio::Placement const& p : placed)
            if (p.startFrame <= beats.back().frame)
                startFrames.push_back(p.startFrame);
        auto text = [](std::vector<std::int64_t> const& frames) {
            QStringList l;
            for (std::int64_t f : frames)
                l << QString::number(f);
            return l.join(' ');
        };
        QCOMPARE(text(startFrames), text(soundFrames));
    }

    // The lamp of a beat is lit when the engine says the beat is heard, not
    // before, whatever the tick timer does.
    void tickShownWhenItsBeatIsHeard()
    {
        TestableMetronome m;
        m.slotTickIntervalChanged(208);
        QVector<qint64> lit;
        LampWatch watch(m.beats(), &lit);
        std::vector<RenderedBeat> beats;
        QVERIFY(m.collect(beats, 6));
        QTRY_VERIFY_WITH_TIMEOUT(lit.size() >= 6, 10000);
        for (int i = 0; i < 6; ++i)
            QVERIFY2(lit[i] >= beats[std::size_t(i)].heardNs - 1000000,
                     qPrintable(QString("lamp %1 lit %2 ms before its beat was heard")
                                    .arg(i)
                                    .arg((beats[std::size_t(i)].heardNs - lit[i]) / 1e6)));
        QVERIFY(m.beatsShown() >= 6);
    }

    // A switch is shown at once and heard from the next beat the engine
    // renders; so are the beats per bar.
    void changesHeardFromTheNextBeat()
    {
        TestableMetronome m;
        m.slotTickIntervalChanged(208);
        std::vector<RenderedBeat> beats;
        QVERIFY(m.collect(beats, 2));
        m.press("AudiableTickButton");
        QVERIFY(m.currentPicture() == MetronomeBar::MuteEyesLeft || m.currentPicture() == MetronomeBar::MuteEyesRight
                || m.currentPicture() == MetronomeBar::MuteBeat);
        m.track().takeHistory();
        beats.clear();
        QVERIFY(m.collect(beats, 6));
        for (RenderedBeat const& b : beats)
            QCOMPARE(soundName(b.sound), QString("-"));

        m.press("AudiableTickButton");
        m.chooseBeats(0);
        m.track().takeHistory();
        beats.clear();
        QVERIFY(m.collect(beats, 6));
        for (RenderedBeat const& b : beats)
            QCOMPARE(soundName(b.sound), QString("tick"));
        // No bar: the lamps stay.
        for (RenderedBeat const& b : beats)
            QCOMPARE(MetronomeBar::Step::fromTag(b.tag).lamp, -1);
    }

    // A new tempo starts a new series one full interval after the change;
    // no beat of the old one is rendered after it.
    void newTempoStartsANewSeries()
    {
        TestableMetronome m;
        m.slotTickIntervalChanged(208);
        std::vector<RenderedBeat> beats;
        QVERIFY(m.collect(beats, 2));
        qint64 const changed = QMMultiMedia::NativeAudioPlayer::clockNs();
        m.slotTickIntervalChanged(120);
        m.track().takeHistory();
        beats.clear();
        QVERIFY(m.collect(beats, 3));
        QCOMPARE(beats[0].index, std::int64_t(0));
        QVERIFY2(beats[0].heardNs >= changed + 500000000,
                 qPrintable(QString("heard %1 ms after the change").arg((beats[0].heardNs - changed) / 1e6)));
        QCOMPARE(beats[2].frame - beats[1].frame, std::int64_t(24000));
        QCOMPARE(beats[1].series, beats[0].series);
    }

    // A resize scales nothing on the GUI thread: the pictures of the old size
    // stay until their new copies arrive from another thread.
    void resizeScalesOffTheGuiThread()
    {
        TestableMetronome m;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QTRY_VERIFY_WITH_TIMEOUT(m.picturesScaled(), 10000);
        qint64 const before = m.beatPix().cacheKey();
        QSignalSpy rescaled(&m, &Metronome::picturesRescaled);
        m.resize(300, 400);
        QVERIFY(!m.picturesScaled());
        QCOMPARE(m.beatPix().cacheKey(), before);
        m.repaint(); // drawn at the new size meanwhile
        QVERIFY(rescaled.wait(10000));
        QVERIFY(m.picturesScaled());
        // At the size shown (the pictures are 3:4), in the screen's pixels.
        qreal const ratio = m.devicePixelRatioF();
        QCOMPARE(m.beatPix().size(), QSize(300, 400) * ratio);
        QCOMPARE(m.beatPix().devicePixelRatio(), ratio);
    }

    // A beat repaints where its picture differs from the one before (the
    // eyes), not the whole window: at 208 bpm a whole window a beat is most
    // of what the GUI thread does.
    void beatRepaintsOnlyWhatChanges()
    {
        TestableMetronome m;
        m.resize(540, 720);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QTRY_VERIFY_WITH_TIMEOUT(m.picturesScaled(), 10000);
        m.chooseBeats(0); // the eyes alternate on every beat
        m.slotTickIntervalChanged(208);
        class Paints : public QObject
        {
        public:
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::Paint)
                    rects << static_cast<QPaintEvent*>(event)->rect();
                return false;
            }
            QVector<QRect> rects;
        } paints;
        std::vector<RenderedBeat> beats;
        QVERIFY(m.collect(beats, 2));
        QTRY_VERIFY_WITH_TIMEOUT(m.beatsShown() >= 2, 10000);
        m.installEventFilter(&paints);
        qint64 const shown = m.beatsShown();
        QTRY_VERIFY_WITH_TIMEOUT(m.beatsShown() >= shown + 4, 10000);
        QVERIFY(!paints.rects.isEmpty());
        int const whole = m.width() * m.height();
        for (QRect const& r : paints.rects)
            QVERIFY2(r.width() * r.height() < whole / 2, qPrintable(QString("repainted %1 x %2 of %3 x %4")
                                                                        .arg(r.width())
                                                                        .arg(r.height())
                                                                        .arg(m.width())
                                                                        .arg(m.height())));
    }

    void pictureStandsCentred_data()
    {
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<QSize>("scaled");
        QTest::addColumn<QPoint>("outside");
        QTest::addColumn<QPoint>("inside");
        // Pictures are 3:4, kept at the size they are shown at (screen pixels).
        QTest::newRow("wide") << QSize(400, 300) << QSize(225, 300) << QPoint(20, 150) << QPoint(200, 150);
        QTest::newRow("tall") << QSize(300, 600) << QSize(300, 400) << QPoint(150, 40) << QPoint(150, 300);
    }
    void pictureStandsCentred()
    {
        QFETCH(QSize, widget);
        QFETCH(QSize, scaled);
        QFETCH(QPoint, outside);
        QFETCH(QPoint, inside);
        TestableMetronome m;
        m.controls()->hide();
        m.beats()->hide();
        m.baseEyesLeftPix(); // cached at the old size
        m.resize(widget);
        // Stretched to the new size at once, then scaled for it.
        for (int round = 0; round < 2; ++round) {
            QImage const shot = m.grab().toImage();
            QCOMPARE(shot.pixelColor(outside), QColor(Qt::black));
            QVERIFY(shot.pixelColor(inside) != QColor(Qt::black));
            QPoint const mirrored(widget.width() - 1 - outside.x(), widget.height() - 1 - outside.y());
            QCOMPARE(shot.pixelColor(mirrored), QColor(Qt::black));
            m.slotPrescalePictures();
            QTRY_VERIFY_WITH_TIMEOUT(m.picturesScaled(), 10000);
        }
        QCOMPARE(m.baseEyesLeftPix().size(), scaled * m.devicePixelRatioF());
    }
};

int main(int argc, char** argv)
{
    // The application object finds the build's resource folder, with the
    // tick and the bell the engine sounds.
    ZEDireroz::App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestMetronome test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_metronome.moc"

// The metronome engine: what every tick lights, shows and sounds, the tick
// interval for a tempo, and how the picture stands in the frame. Sounds are
// caught through play() instead of being played.
#include "RADarir/metronome/Metronome.h"
#include "RADarir/metronome/MetronomeBeats.h"
#include "RADarir/metronome/MetronomeControls.h"
#include "platform/audio/NativeAudioPlayer.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using RADarir::Metronome;

namespace {

class ListeningMetronome : public Metronome
{
public:
    ListeningMetronome()
    {
        // Small, so that scaling the pictures costs little.
        resize(60, 80);
    }
    QStringList sounds;
    QVector<qint64> dues;  // due time of every sound asked for
    QVector<qint64> asked; // and when it was asked for

    // One tick, described as "lamp/picture/sound", shown without waiting
    // for its beat to be heard.
    QString tick()
    {
        sounds.clear();
        slotTick();
        slotShowHeardTicks(true);
        return state();
    }
    QString state()
    {
        return QString("%1/%2/%3").arg(litLamp()).arg(pictureRole()).arg(sounds.isEmpty() ? "-" : sounds.join('+'));
    }
    int litLamp() const
    {
        QList<QLabel*> const lamps = beats()->findChildren<QLabel*>("Beat", Qt::FindDirectChildrenOnly);
        for (int i = 0; i < lamps.size(); ++i)
            if (lamps[i]->isEnabled())
                return i;
        return -1;
    }
    QString pictureRole()
    {
        if (currentPix().isNull())
            return "none";
        struct Role
        {
            char const* name;
            QPixmap (Metronome::*get)();
        };
        Role const roles[] = {
            {"base", &Metronome::baseEyesLeftPix},
            {"right", &Metronome::eyesRightPix},
            {"beat", &Metronome::beatPix},
            {"muteLeft", &Metronome::muteEyesLeftPix},
            {"muteRight", &Metronome::muteEyesRightPix},
            {"muteBeat", &Metronome::muteBeatPix},
            {"closed", &Metronome::eyesClosedPix},
            {"closedMute", &Metronome::closedMutePix},
        };
        for (Role const& r : roles)
            if (currentPix().cacheKey() == (this->*r.get)().cacheKey())
                return r.name;
        return "other";
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

protected:
    void play(QString const& fileName) override
    {
        sounds << fileName;
        dues << tickDueNs();
        asked << QMMultiMedia::NativeAudioPlayer::clockNs();
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

} // namespace

class TestMetronome : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        ListeningMetronome m;
        QCOMPARE(m.objectName(), QString("Metronome"));
        QVERIFY(m.tickTimer().isActive());
        QCOMPARE(m.tickTimer().timerType(), Qt::PreciseTimer);
        QCOMPARE(m.tickTimer().interval(), 1578);
        QCOMPARE(m.beats()->count(), 4);
        QCOMPARE(m.litLamp(), -1);
        QVERIFY(m.currentPix().isNull());
    }

    void tickSequence_data()
    {
        QTest::addColumn<int>("beats");
        QTest::addColumn<bool>("eyeOff");
        QTest::addColumn<bool>("earOff");
        QTest::addColumn<QStringList>("ticks");
        // The first tick after the start lights lamp 0 and is silent; the
        // first bell rings on tick n + 1.
        QTest::newRow("4 beats") << 4 << false << false
                                 << QStringList{"0/none/-",        "1/base/tick.wav", "2/right/tick.wav",
                                                "3/base/tick.wav", "0/beat/bell.wav", "1/base/tick.wav"};
        QTest::newRow("4 beats, eye off")
            << 4 << true << false << QStringList{"0/none/-",          "1/closed/tick.wav", "2/closed/tick.wav",
                                                 "3/closed/tick.wav", "0/closed/bell.wav", "1/closed/tick.wav"};
        QTest::newRow("4 beats, ear off")
            << 4 << false << true
            << QStringList{"0/none/-", "1/muteLeft/-", "2/muteRight/-", "3/muteLeft/-", "0/muteBeat/-", "1/muteLeft/-"};
        QTest::newRow("4 beats, both off")
            << 4 << true << true << QStringList{"0/none/-",       "1/closedMute/-", "2/closedMute/-",
                                                "3/closedMute/-", "0/closedMute/-", "1/closedMute/-"};
        QTest::newRow("2 beats") << 2 << false << false
                                 << QStringList{"0/none/-", "1/base/tick.wav", "0/beat/bell.wav", "1/base/tick.wav",
                                                "0/beat/bell.wav"};
        // No bar at all: every tick ticks, the eyes alternate from the right.
        QTest::newRow("0 beats") << 0 << false << false
                                 << QStringList{"-1/right/tick.wav", "-1/base/tick.wav", "-1/right/tick.wav",
                                                "-1/base/tick.wav"};
        QTest::newRow("0 beats, ear off")
            << 0 << false << true << QStringList{"-1/muteRight/-", "-1/muteLeft/-", "-1/muteRight/-"};
        QTest::newRow("0 beats, eye off")
            << 0 << true << false << QStringList{"-1/closed/tick.wav", "-1/closed/tick.wav"};
    }
    void tickSequence()
    {
        QFETCH(int, beats);
        QFETCH(bool, eyeOff);
        QFETCH(bool, earOff);
        QFETCH(QStringList, ticks);
        ListeningMetronome m;
        m.chooseBeats(beats);
        if (eyeOff)
            m.press("VisibleTickButton");
        if (earOff)
            m.press("AudiableTickButton");
        QVERIFY(m.sounds.isEmpty());
        QStringList seen;
        for (int i = 0; i < ticks.size(); ++i)
            seen << m.tick();
        QCOMPARE(seen, ticks);
        QCOMPARE(m.beats()->isHidden(), eyeOff);
        QCOMPARE(m.beats()->count(), beats);
    }

    void fewerBeatsInTheMiddleOfABar()
    {
        ListeningMetronome m;
        m.chooseBeats(8);
        QStringList seen;
        for (int i = 0; i < 6; ++i)
            seen << m.tick();
        QCOMPARE(seen.last(), QString("5/base/tick.wav"));
        // During beat 6 of 8 the bar shrinks to 3: the next tick starts a bar.
        m.chooseBeats(3);
        QCOMPARE(m.beats()->count(), 3);
        QCOMPARE(m.tick(), QString("0/beat/bell.wav"));
        QCOMPARE(m.tick(), QString("1/base/tick.wav"));
        QCOMPARE(m.tick(), QString("2/right/tick.wav"));
        QCOMPARE(m.tick(), QString("0/beat/bell.wav"));
    }

    void switchAtTheEndOfABar_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("after");
        // The switch starts the new bar at once, silently; the tick that
        // follows shows lamp 0 again without sound or a new picture.
        QTest::newRow("ear") << "AudiableTickButton"
                             << QStringList{"0/muteBeat/-", "0/muteBeat/-", "1/muteLeft/-", "2/muteRight/-"};
        QTest::newRow("eye") << "VisibleTickButton"
                             << QStringList{"0/closed/-", "0/closed/-", "1/closed/tick.wav", "2/closed/tick.wav"};
    }
    void switchAtTheEndOfABar()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, after);
        ListeningMetronome m;
        for (int i = 0; i < 4; ++i)
            m.tick();
        m.sounds.clear();
        m.press(qPrintable(button));
        QStringList seen{m.state()};
        for (int i = 1; i < after.size(); ++i)
            seen << m.tick();
        QCOMPARE(seen, after);
    }

    void switchesBackOn()
    {
        ListeningMetronome m;
        m.tick();
        m.tick();
        m.sounds.clear();
        m.press("VisibleTickButton");
        QVERIFY(m.beats()->isHidden());
        // In the middle of a bar the picture follows the switch at once, for
        // the coming beat, without a sound.
        QCOMPARE(m.state(), QString("2/closed/-"));
        m.press("VisibleTickButton");
        QVERIFY(!m.beats()->isHidden());
        QCOMPARE(m.state(), QString("2/right/-"));
        m.press("AudiableTickButton");
        QCOMPARE(m.state(), QString("2/muteRight/-"));
    }

    void twelveLampsFitTheNarrowestWindow()
    {
        // In a window of the narrowest size, as the main page holds it.
        QWidget window;
        window.setMinimumSize(540, 765);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* metronome = new ListeningMetronome;
        ListeningMetronome& m = *metronome;
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
        ListeningMetronome m;
        m.slotTickIntervalChanged(bpm);
        QCOMPARE(m.tickTimer().interval(), ms);
        QVERIFY(m.tickTimer().isActive());
        QCOMPARE(m.tickTimer().timerType(), Qt::PreciseTimer);
    }

    void tempoFromTheControls()
    {
        ListeningMetronome m;
        m.controls()->findChild<QPushButton*>("TempoIncButton")->click();
        QCOMPARE(m.tickTimer().interval(), 60000 / 39);
    }

    void sameTempoDoesNotRestartTheTimer()
    {
        ListeningMetronome m;
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

    void soundsAreDueOnTheBeatGrid()
    {
        // At 208 beats a minute, with the GUI thread held up for 30 ms now
        // and then: every sound is still due exactly 288 ms after the one before.
        ListeningMetronome m;
        m.chooseBeats(0);         // every tick sounds
        m.slotPrescalePictures(); // as showing the window does
        qint64 const changed = QMMultiMedia::NativeAudioPlayer::clockNs();
        m.slotTickIntervalChanged(208);
        QTimer stall;
        stall.setInterval(350);
        connect(&stall, &QTimer::timeout, [] { QThread::msleep(30); });
        stall.start();
        QTRY_VERIFY_WITH_TIMEOUT(m.dues.size() >= 8, 5000);
        // The first one interval after the change, plus the lead.
        qint64 const first = m.dues[0] - changed;
        qint64 const expected = 288000000 + Metronome::kSoundLeadNs;
        QVERIFY2(first >= expected && first < expected + 5000000, qPrintable(QString::number(first)));
        for (int i = 1; i < m.dues.size(); ++i)
            QVERIFY2(m.dues[i] - m.dues[i - 1] == 288000000,
                     qPrintable(QString("sound %1: %2 ns after the one before").arg(i).arg(m.dues[i] - m.dues[i - 1])));
    }

    // A GUI thread held up for three beats makes the timer drop the ticks it
    // missed; the grid starts again from the late tick, so the sounds that
    // follow are not due beats in the past, and keep the beat from there.
    void gridFollowsTheTimerAfterDroppedTicks()
    {
        ListeningMetronome m;
        m.chooseBeats(0);
        m.slotPrescalePictures();
        m.slotTickIntervalChanged(208);
        QTRY_VERIFY_WITH_TIMEOUT(m.dues.size() >= 2, 5000);
        QThread::msleep(3 * 288 + 100); // the hold-up itself
        int const first = m.dues.size();
        QTRY_VERIFY_WITH_TIMEOUT(m.dues.size() >= first + 4, 5000);
        for (int i = first; i < m.dues.size(); ++i)
            QVERIFY2(m.asked[i] - m.dues[i] < 288000000,
                     qPrintable(QString("sound %1 was due %2 ms before it was asked for")
                                    .arg(i - first)
                                    .arg((m.asked[i] - m.dues[i]) / 1000000)));
        for (int i = first + 1; i < m.dues.size(); ++i)
            QCOMPARE(m.dues[i] - m.dues[i - 1], qint64(288000000));
    }

    // The lamp and the picture of a tick change when its beat is heard, a
    // moment the engine tells from its stream (here its silent clock, where
    // a frame is heard as it is rendered), not when the timer fires ahead
    // of the sound.
    void tickShownWhenItsBeatIsHeard()
    {
        Metronome m;
        m.resize(60, 80);
        m.slotPrescalePictures();
        m.slotTickIntervalChanged(208);
        QVector<qint64> heard, lit;
        QVector<int> waiting;
        // Connected after the metronome's own tick, so this runs when it is done.
        connect(&m.tickTimer(), &QTimer::timeout, &m, [&] {
            heard << m.tickHeardNs();
            waiting << m.ticksToShow();
        });
        LampWatch watch(m.beats(), &lit);
        QTRY_VERIFY_WITH_TIMEOUT(lit.size() >= 6 && heard.size() >= 6, 10000);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(waiting[i], 1); // not shown at the tick
            QVERIFY2(lit[i] >= heard[i] - 1000000,
                     qPrintable(
                         QString("lamp %1 lit %2 ms before its beat was heard").arg(i).arg((heard[i] - lit[i]) / 1e6)));
        }
    }

    void picturesAreScaledBeforeTheTick()
    {
        ListeningMetronome m;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QTRY_VERIFY_WITH_TIMEOUT(m.picturesScaled(), 1000);
        // And again for a new size.
        m.resize(300, 400);
        QVERIFY(!m.picturesScaled());
        QTRY_VERIFY_WITH_TIMEOUT(m.picturesScaled(), 1000);
        // At the size shown (the pictures are 3:4), in the screen's pixels.
        qreal const ratio = m.devicePixelRatioF();
        QCOMPARE(m.beatPix().size(), QSize(300, 400) * ratio);
        QCOMPARE(m.beatPix().devicePixelRatio(), ratio);
        // The ticks that follow show them as they are, scaling nothing. The very
        // first tick after construction leaves the picture as it is (none yet),
        // so the check starts with the second.
        auto keys = [&m] {
            QList<qint64> k;
            for (auto get : {&Metronome::baseEyesLeftPix, &Metronome::eyesRightPix, &Metronome::beatPix,
                             &Metronome::muteEyesLeftPix, &Metronome::muteEyesRightPix, &Metronome::muteBeatPix,
                             &Metronome::eyesClosedPix, &Metronome::closedMutePix})
                k << (m.*get)().cacheKey();
            return k;
        };
        QList<qint64> const before = keys();
        m.tick();
        for (int i = 0; i < 6; ++i) {
            m.tick();
            QVERIFY2(before.contains(m.currentPix().cacheKey()), qPrintable(QString("tick %1").arg(i)));
        }
        QCOMPARE(keys(), before);
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
        ListeningMetronome m;
        m.controls()->hide();
        m.beats()->hide();
        m.baseEyesLeftPix(); // cached at the old size
        m.resize(widget);
        QImage const shot = m.grab().toImage();
        QCOMPARE(m.baseEyesLeftPix().size(), scaled * m.devicePixelRatioF());
        QCOMPARE(shot.pixelColor(outside), QColor(Qt::black));
        QVERIFY(shot.pixelColor(inside) != QColor(Qt::black));
        // Symmetric: black on both sides (or above and below).
        QPoint const mirrored(widget.width() - 1 - outside.x(), widget.height() - 1 - outside.y());
        QCOMPARE(shot.pixelColor(mirrored), QColor(Qt::black));
    }
};

QTEST_MAIN(TestMetronome)
#include "tst_metronome.moc"

// A track of beats on the silent clock, as its owner (a metronome's window)
// sees it: the beats it is given to show, each when it is heard. The last
// beat given must always be the current one, even while the engine's thread
// has still to render a beat heard by then (as after the program was
// stopped, when the window's thread may run before the engine's has caught up).
#include "platform/audio/AudioEngine.h"
#include "platform/audio/BeatTrack.h"

#include <QtTest>

using TickwrenAudio::AudioEngine;

namespace {

// Beats that sound nothing: only their steps count here.
class Steps : public TickwrenAudio::BeatPattern
{
public:
    TickwrenAudio::BeatChoice beat(std::int64_t index) override
    {
        return TickwrenAudio::BeatChoice{-1, std::uint32_t(index)};
    }
};

} // namespace

class TestBeatTrack : public QObject
{
    Q_OBJECT
private slots:
    void lastBeatGivenIsTheCurrentOne()
    {
        QVERIFY(AudioEngine::silentByEnvironment());
        TickwrenAudio::BeatTrack track({}, std::make_unique<Steps>());
        constexpr std::int64_t kInterval = 30000000;
        track.start(AudioEngine::nowNs() + kInterval, kInterval);
        QTRY_VERIFY_WITH_TIMEOUT(track.renderedCount() >= 3, 10000);

        // Asked for the beats heard by a moment the engine has not rendered
        // up to: those rendered so far are not the current beat then.
        std::int64_t const ahead = AudioEngine::nowNs() + 1000000000;
        std::vector<TickwrenAudio::RenderedBeat> const early = track.takeHeard(ahead);
        QVERIFY2(early.empty(), qPrintable(QString("beat %1 given as the one heard by then, %2 rendered")
                                               .arg(early.empty() ? -1 : early.back().index)
                                               .arg(track.renderedCount())));

        // Once the beats heard by a moment are rendered, they are given, the
        // last of them the current one then, and each of them once.
        std::vector<TickwrenAudio::RenderedBeat> heard;
        std::int64_t asked = 0;
        QVERIFY(QTest::qWaitFor(
            [&] {
                asked = AudioEngine::nowNs();
                heard = track.takeHeard(asked);
                return !heard.empty();
            },
            10000));
        QCOMPARE(heard.front().index, std::int64_t(0));
        for (std::size_t k = 0; k < heard.size(); ++k)
            QCOMPARE(heard[k].index, std::int64_t(k));
        QVERIFY(heard.back().heardNs <= asked);
        QVERIFY(track.nextHeardNs() > asked);
        track.stop();
    }
};

QTEST_GUILESS_MAIN(TestBeatTrack)
#include "tst_beattrack.moc"

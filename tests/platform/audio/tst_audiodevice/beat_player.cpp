// A program that sounds a metronome's beats on the sound server PULSE_SERVER
// names, and shows them as the metronome's window does (each when it is
// heard, the last of those heard on top), for the tests that stop the program
// itself (kill -STOP, as a debugger or a suspended laptop does).
//
//   beat_player <click.wav> <bpm>
//
// Prints "ready" once its beats reach the server, then "shown <beat> <ns>"
// each time it shows beats (the last of them, and the moment on the steady
// clock that it asked for the beats heard by). On "quit" on standard input, or at its end, it stops and prints its
// series ("series <first due ns> <interval ns>"), every beat the engine
// rendered ("beat <index> <frame> <heard ns> <rendered ns> <sound> <late>"),
// the engine's log lines ("log <text>") and "end".
#include "platform/audio/AudioEngine.h"
#include "platform/audio/BeatTrack.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <mutex>

using TickwrenAudio::AudioEngine;

namespace {

std::mutex s_logMutex;
QStringList s_log;

void keepLog(QtMsgType, QMessageLogContext const& context, QString const& message)
{
    if (context.category && qstrcmp(context.category, "tickwren.audio") == 0) {
        std::lock_guard<std::mutex> lock(s_logMutex);
        s_log << message;
    }
}

void printLine(QByteArray const& line)
{
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

class Clicks : public TickwrenAudio::BeatPattern
{
public:
    TickwrenAudio::BeatChoice beat(std::int64_t) override { return TickwrenAudio::BeatChoice{0, 0}; }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList const args = app.arguments();
    if (args.size() < 3)
        return 2;
    qInstallMessageHandler(&keepLog);
    qunsetenv("TICKWREN_SILENT_AUDIO");

    AudioEngine& engine = AudioEngine::instance();
    engine.prepare();
    TickwrenAudio::BeatTrack track({args[1]}, std::make_unique<Clicks>());
    track.setVolume(1.0f);
    track.setHistory(true);
    std::int64_t const interval = std::int64_t(60000 / args[2].toInt()) * 1000000;
    std::int64_t const first = AudioEngine::nowNs() + 300000000;
    track.start(first, interval);

    // Shown as the metronome's window shows its beats.
    QTimer show;
    show.setSingleShot(true);
    show.setTimerType(Qt::PreciseTimer);
    QObject::connect(&show, &QTimer::timeout, [&] {
        std::int64_t const now = AudioEngine::nowNs() + 1000000;
        std::vector<TickwrenAudio::RenderedBeat> const heard = track.takeHeard(now);
        if (!heard.empty())
            printLine("shown " + QByteArray::number(qint64(heard.back().index)) + ' '
                      + QByteArray::number(qint64(now)));
        std::int64_t const next = track.nextHeardNs();
        show.start(int(qBound<std::int64_t>(1, (next - now + 1000000 + 999999) / 1000000, 60000)));
    });
    show.start(1);

    QTimer ready;
    QObject::connect(&ready, &QTimer::timeout, [&] {
        if (!engine.isSilent() && track.renderedCount() >= 3) {
            ready.stop();
            printLine("ready");
        }
    });
    ready.start(10);

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[64];
        if (!std::fgets(line, sizeof line, stdin) || qstrncmp(line, "quit", 4) == 0)
            app.quit();
    });
    app.exec();

    track.stop();
    printLine("series " + QByteArray::number(qint64(first)) + ' ' + QByteArray::number(qint64(interval)));
    for (TickwrenAudio::RenderedBeat const& b : track.takeHistory())
        printLine("beat " + QByteArray::number(qint64(b.index)) + ' ' + QByteArray::number(qint64(b.frame)) + ' '
                  + QByteArray::number(qint64(b.heardNs)) + ' ' + QByteArray::number(qint64(b.renderedNs)) + ' '
                  + QByteArray::number(b.sound) + ' ' + QByteArray::number(b.late ? 1 : 0));
    {
        std::lock_guard<std::mutex> lock(s_logMutex);
        for (QString const& l : s_log)
            printLine("log " + l.toUtf8());
    }
    printLine("end");
    return 0;
}

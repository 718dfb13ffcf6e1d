// Fills the play-list model with a user's library: 2000 files of 3 minutes, a
// third each WAV, FLAC and MP3, written by this program into a temporary folder.
// It prints
//  1. the time per entry of reading a playing time from the file's header, by
//     format, against decoding the whole file (what loading every file into a
//     player costs);
//  2. the longest stall of the event loop while the model fills (the call that
//     sets the list included), and how long until every playing time is in.
//
// Usage: tw-bench-media [--files N] [--rate HZ] [--decode N]
// --files  entries in the list (2000)
// --rate   sample rate of the generated files, mono (11025; the decoding cost
//          grows with it, the header reads do not)
// --decode files per format decoded whole for the comparison (20)
// Build it optimised; a sanitizer build measures mostly the sanitizer.
#include "QMMultiMedia/PlayListModel.h"
#include "platform/audio/DecodedSound.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using QMMultiMedia::PlayListModel;

namespace {

constexpr double kSeconds = 180.0;

struct Format
{
    char const* name;
    char const* suffix;
    int sfFormat;
};

Format const kFormats[] = {
    {"WAV", "wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
    {"FLAC", "flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
    {"MP3", "mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III},
};

int argValue(QStringList const& args, char const* name, int fallback)
{
    int const i = args.indexOf(QLatin1String(name));
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
}

// Three minutes of a slowly changing chord, so that the encoders have music-like
// work rather than silence.
bool writeMaster(QString const& path, int sfFormat, int rate)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = sfFormat;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    sf_count_t const frames = sf_count_t(kSeconds * rate);
    std::vector<float> chunk(4096);
    bool ok = true;
    for (sf_count_t done = 0; done < frames && ok;) {
        sf_count_t const n = std::min<sf_count_t>(sf_count_t(chunk.size()), frames - done);
        for (sf_count_t i = 0; i < n; ++i) {
            double const t = double(done + i) / rate;
            double const swell = 0.5 + 0.5 * std::sin(0.7 * t);
            chunk[std::size_t(i)] = float(0.25 * swell
                                          * (std::sin(6.2831853 * 220.0 * t) + std::sin(6.2831853 * 277.2 * t)
                                             + std::sin(6.2831853 * 329.6 * t)));
        }
        ok = sf_writef_float(file, chunk.data(), n) == n;
        done += n;
    }
    return sf_close(file) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList const args = app.arguments();
    int const fileCount = argValue(args, "--files", 2000);
    int const rate = argValue(args, "--rate", 11025);
    int const decodeCount = argValue(args, "--decode", 20);

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    // One master per format, encoded once, then copied: every entry is a file
    // of its own that has to be opened and read.
    std::printf("Writing %d files of %.0f s (%d Hz, mono) to %s ...\n", fileCount, kSeconds, rate,
                qPrintable(dir.path()));
    std::fflush(stdout);
    QStringList masters;
    for (Format const& f : kFormats) {
        QString const master = dir.filePath(QStringLiteral("master.%1").arg(QLatin1String(f.suffix)));
        if (!writeMaster(master, f.sfFormat, rate)) {
            std::fprintf(stderr, "cannot write %s with libsndfile\n", f.name);
            return 1;
        }
        masters << master;
    }
    QStringList paths;
    QVector<int> formatOf;
    for (int i = 0; i < fileCount; ++i) {
        int const f = i % 3;
        QString const path = dir.filePath(
            QStringLiteral("song%1.%2").arg(i, 4, 10, QLatin1Char('0')).arg(QLatin1String(kFormats[f].suffix)));
        if (!QFile::copy(masters.at(f), path)) {
            std::fprintf(stderr, "cannot copy to %s\n", qPrintable(path));
            return 1;
        }
        paths << path;
        formatOf << f;
    }
    std::printf("(files just written: the reads below come from a warm file cache)\n\n");

    // 1. Per entry: header read against decoding the whole file.
    PlayListModel probe;
    std::printf("%-6s %14s %16s %9s\n", "format", "header (us)", "decode whole (ms)", "ratio");
    double headerTotalUs = 0;
    double decodeTotalMs = 0;
    for (int f = 0; f < 3; ++f) {
        QStringList own;
        for (int i = 0; i < fileCount; ++i) {
            if (formatOf.at(i) == f)
                own << paths.at(i);
        }
        QElapsedTimer clock;
        clock.start();
        int seconds = 0;
        for (QString const& p : own)
            seconds += QTime(0, 0).secsTo(probe.audioFileDuration(p));
        double const headerUs = double(clock.nsecsElapsed()) / 1000.0 / own.size();
        if (seconds / own.size() != int(kSeconds))
            std::printf("  (%s: %d s read, %d s expected)\n", kFormats[f].name, seconds / own.size(), int(kSeconds));

        int const decodes = std::min(decodeCount, int(own.size()));
        clock.restart();
        for (int i = 0; i < decodes; ++i) {
            if (!TickwrenAudio::DecodedSoundCache::decode(own.at(i)))
                std::printf("  (%s: decoding failed)\n", kFormats[f].name);
        }
        double const decodeMs = double(clock.nsecsElapsed()) / 1e6 / std::max(1, decodes);
        std::printf("%-6s %14.1f %16.1f %8.0fx\n", kFormats[f].name, headerUs, decodeMs, decodeMs * 1000.0 / headerUs);
        headerTotalUs += headerUs * own.size();
        decodeTotalMs += decodeMs * own.size();
    }
    std::printf("all    %14.1f %16.1f %8.0fx   per entry, over %d entries\n\n", headerTotalUs / fileCount,
                decodeTotalMs / fileCount, decodeTotalMs * 1000.0 / headerTotalUs, fileCount);

    // 2. The event loop while the model fills: a zero timer runs whenever the
    // loop is free; the longest gap between two runs is the longest stall.
    PlayListModel model;
    QElapsedTimer clock;
    qint64 longestNs = 0;
    qint64 last = 0;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&]() {
        qint64 const now = clock.nsecsElapsed();
        longestNs = std::max(longestNs, now - last);
        last = now;
        if (!model.isMeasuring())
            app.quit();
    });
    clock.start();
    model.setPlayList(paths);
    qint64 const setNs = clock.nsecsElapsed();
    last = setNs;
    longestNs = setNs;
    tick.start();
    app.exec();
    qint64 const fillNs = clock.nsecsElapsed();
    int measured = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        measured += model.data(model.index(row), PlayListModel::DurationRole).toTime() == QTime(0, 3) ? 1 : 0;

    std::printf("Filling the model with %d entries:\n", fileCount);
    std::printf("  setPlayList returned after       %8.2f ms\n", setNs / 1e6);
    std::printf("  every playing time in after      %8.2f ms (%d of %d read as 03:00)\n", fillNs / 1e6, measured,
                model.rowCount());
    std::printf("  longest event-loop stall         %8.2f ms\n", longestNs / 1e6);
    std::printf("  the same list measured by decoding on the GUI thread would block it for about %.1f s\n",
                decodeTotalMs / 1000.0);
    return measured == fileCount ? 0 : 1;
}

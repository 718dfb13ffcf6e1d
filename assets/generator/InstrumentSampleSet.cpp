// The instrument notes of the bundle's resource folder: every file of the
// sample table, synthesized and encoded as MP3 (libsndfile's MPEG writer,
// which encodes with LAME and writes the gapless-playback header, so a
// decoder gives back exactly the frames that went in). The notes are made by
// several threads at once; a file whose bytes did not change keeps its time
// stamp.
#include "AssetGenerator.h"
#include "InstrumentSamples.h"
#include "InstrumentSynth.h"

#include <sndfile.h>

#include <QByteArray>
#include <QElapsedTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

// Peak of every note before encoding, -3 dBFS: the encoder's ripple stays
// well inside the -6 to -0.5 dBFS the players are made for.
constexpr double kPeak = 0.708;
// VBR quality: 0 is the best, 1 the smallest.
constexpr double kCompression = 0.3;

// libsndfile writes through these into a byte array; the MPEG writer seeks
// back to the start at the end to fill in its header.
struct MemoryFile
{
    QByteArray bytes;
    sf_count_t position = 0;
};

sf_count_t memLength(void* user)
{
    return static_cast<MemoryFile*>(user)->bytes.size();
}

sf_count_t memSeek(sf_count_t offset, int whence, void* user)
{
    auto* file = static_cast<MemoryFile*>(user);
    sf_count_t const base = whence == SEEK_CUR ? file->position : whence == SEEK_END ? file->bytes.size() : 0;
    file->position = std::max<sf_count_t>(0, base + offset);
    return file->position;
}

sf_count_t memRead(void* ptr, sf_count_t count, void* user)
{
    auto* file = static_cast<MemoryFile*>(user);
    sf_count_t const n = std::max<sf_count_t>(0, std::min(count, file->bytes.size() - file->position));
    std::memcpy(ptr, file->bytes.constData() + file->position, size_t(n));
    file->position += n;
    return n;
}

sf_count_t memWrite(void const* ptr, sf_count_t count, void* user)
{
    auto* file = static_cast<MemoryFile*>(user);
    if (file->position + count > file->bytes.size())
        file->bytes.resize(int(file->position + count));
    std::memcpy(file->bytes.data() + file->position, ptr, size_t(count));
    file->position += count;
    return count;
}

sf_count_t memTell(void* user)
{
    return static_cast<MemoryFile*>(user)->position;
}

// The note as an MP3 file, or an empty array when libsndfile cannot write one.
QByteArray encodeMp3(std::vector<float> const& samples, int rate)
{
    SF_VIRTUAL_IO io{memLength, memSeek, memRead, memWrite, memTell};
    MemoryFile file;
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* sf = sf_open_virtual(&io, SFM_WRITE, &info, &file);
    if (!sf)
        return QByteArray();
    int mode = SF_BITRATE_MODE_VARIABLE;
    sf_command(sf, SFC_SET_BITRATE_MODE, &mode, sizeof(mode));
    double level = kCompression;
    sf_command(sf, SFC_SET_COMPRESSION_LEVEL, &level, sizeof(level));
    bool const written = sf_write_float(sf, samples.data(), sf_count_t(samples.size())) == sf_count_t(samples.size());
    if (sf_close(sf) != 0 || !written)
        return QByteArray();
    return file.bytes;
}

// Threads for the synthesis: TW_ASSETGEN_JOBS when set, else every core.
int workerCount()
{
    int const asked = std::atoi(qgetenv("TW_ASSETGEN_JOBS").constData());
    if (asked > 0)
        return asked;
    return std::max(1, int(std::thread::hardware_concurrency()));
}

void generateInstrumentSamples(AssetGen::Context& context)
{
    QVector<InstrumentSamples::Sample> const samples = InstrumentSamples::all();
    std::vector<QByteArray> encoded(std::size_t(samples.size()));
    std::atomic<int> next{0};
    QElapsedTimer clock;
    clock.start();
    auto work = [&] {
        for (int i = next++; i < samples.size(); i = next++) {
            InstrumentSamples::Sample const& s = samples[i];
            std::vector<float> const note = InstrumentSynth::render(
                s.prefix, s.frequency(), InstrumentSamples::kSampleRate, InstrumentSamples::kSeconds, kPeak);
            encoded[std::size_t(i)] = encodeMp3(note, InstrumentSamples::kSampleRate);
        }
    };
    int const workers = std::min(workerCount(), samples.size());
    std::vector<std::thread> threads;
    for (int t = 1; t < workers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();

    qint64 bytes = 0;
    for (int i = 0; i < samples.size(); ++i) {
        QByteArray const& data = encoded[std::size_t(i)];
        if (data.isEmpty()) {
            std::fprintf(stderr, "assetgen: cannot encode %s as MP3\n", qPrintable(samples[i].fileName()));
            context.fail();
            continue;
        }
        bytes += data.size();
        context.saveBundleFile(samples[i].fileName(), data);
    }
    std::printf("assetgen: %d instrument notes, %.1f MB, in %.1f s on %d threads\n", int(samples.size()),
                double(bytes) / 1e6, double(clock.elapsed()) / 1000.0, workers);
}

} // namespace

TW_ASSET_GENERATOR(generateInstrumentSamples)

#pragma once
// Whole sound files decoded into memory, shared between every player that plays
// them. A metronome plays the same two short files again and again, so a decoded
// file is kept by path, size and modification time: a repeated tick reads and
// decodes nothing.

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace TickwrenAudio {

struct DecodedSound
{
    int sampleRate = 0;
    int channels = 0;
    std::int64_t frames = 0;
    // Interleaved samples in -1..1, frames * channels of them.
    std::vector<float> samples;

    double durationSeconds() const { return sampleRate > 0 ? double(frames) / sampleRate : 0.0; }
};

using SoundPtr = std::shared_ptr<DecodedSound const>;

class DecodedSoundCache
{
public:
    // The decoded file, or null when it does not exist or cannot be decoded.
    static SoundPtr load(QString const& path);
    // Decodes without touching the cache.
    static SoundPtr decode(QString const& path);

    static void clear();
    // How many files have been decoded so far (cache misses).
    static int decodeCount();
    static std::int64_t cachedBytes();

    // Files whose decoded samples are larger than this are played but not kept.
    static constexpr std::int64_t kMaxCachedBytes = 64 * 1024 * 1024;
};

} // namespace TickwrenAudio

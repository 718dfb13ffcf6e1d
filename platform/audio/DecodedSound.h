#pragma once
// Where a voice's samples come from. Short files are decoded whole into memory
// and shared between every player that plays them: a metronome plays the same
// two short files again and again, so a decoded file is kept by path, size and
// modification time and a repeated tick reads and decodes nothing. Long files
// are never decoded whole: each player reads its own small window of the file
// from disk as it plays, in the engine's thread, through one open file shared
// by all plays of that file.

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace TickwrenAudio {

struct DecodedSound
{
    DecodedSound();
    ~DecodedSound();
    DecodedSound(DecodedSound const&) = delete;
    DecodedSound& operator=(DecodedSound const&) = delete;

    int sampleRate = 0;
    int channels = 0;
    std::int64_t frames = 0;
    // Interleaved samples in -1..1, frames * channels of them.
    std::vector<float> samples;

    double durationSeconds() const { return sampleRate > 0 ? double(frames) / sampleRate : 0.0; }

    // Counts the samples in DecodedSoundCache::liveBytes() until destruction.
    void countSamples();

private:
    std::int64_t m_iCountedBytes = 0;
};

using SoundPtr = std::shared_ptr<DecodedSound const>;

// A stretch of a sound's samples as the mixer reads them: frames
// [first, first + count) of a sound of `total` frames, interleaved.
struct SampleView
{
    float const* data = nullptr;
    std::int64_t first = 0;
    std::int64_t count = 0;
    std::int64_t total = 0;
    int channels = 1;
    int sampleRate = 0;
};

// A file read from disk while it plays, for files too long to decode whole.
// One per play: it holds a window of a few thousand frames. The open file
// behind it is shared by every play of the same file (path, size and
// modification time), so a long tick played again and again at a fast tempo
// keeps one file handle open, however many of its plays overlap. Reads from
// the shared file are serialised; a play is otherwise used only with the
// mixer's mutex held.
class StreamedSound
{
public:
    // Null when the file cannot be opened or decoded.
    static std::shared_ptr<StreamedSound> open(QString const& path);
    // A new play of a file that is open for another play now; null when none
    // is (nothing is opened, so it costs no file handle).
    static std::shared_ptr<StreamedSound> share(QString const& path);
    ~StreamedSound();
    StreamedSound(StreamedSound const&) = delete;
    StreamedSound& operator=(StreamedSound const&) = delete;

    int sampleRate() const;
    int channels() const;
    std::int64_t frames() const;
    // Frames [from, from + count) clipped to the file, read from disk unless
    // the window holds them already; valid until the next call.
    SampleView view(std::int64_t from, std::int64_t count);
    // The same for every play of one open file.
    void const* source() const { return m_pFile.get(); }

    // Streamed files open now (file handles), for leak checks.
    static int openCount();

    struct File;

private:
    explicit StreamedSound(std::shared_ptr<File> file);

    std::shared_ptr<File> m_pFile;
    std::int64_t m_iWindowFirst = 0;
    std::int64_t m_iWindowCount = 0;
    std::vector<float> m_lWindow;
};

using StreamPtr = std::shared_ptr<StreamedSound>;

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
    // Bytes of decoded samples held by every decoded sound alive, cached or not.
    static std::int64_t liveBytes();

    // Files whose decoded samples would be larger than this are streamed
    // from disk instead: decoding them would hold the caller for long.
    static constexpr std::int64_t kMaxDecodedBytes = 4 * 1024 * 1024;
    // What the cache keeps at most of the decoded files.
    static constexpr std::int64_t kMaxCachedBytes = 64 * 1024 * 1024;
    // Decoded bytes a file of this header would take; -1 when it cannot be opened.
    static std::int64_t decodedBytes(QString const& path);
    // Why the last file failed to open, in the decoder's words.
    static QString lastOpenError();
};

} // namespace TickwrenAudio

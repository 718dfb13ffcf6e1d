#include "platform/audio/DecodedSound.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>
#include <atomic>
#include <list>
#include <map>
#include <mutex>

namespace TickwrenAudio {

namespace {

struct CacheEntry
{
    QString path;
    qint64 size = 0;
    QDateTime modified;
    SoundPtr sound;
};

// A decoded file that the cache has let go of but a player may still hold.
struct LiveEntry
{
    qint64 size = 0;
    QDateTime modified;
    std::weak_ptr<DecodedSound const> sound;
};

struct Cache
{
    std::mutex mutex;
    std::list<CacheEntry> entries; // most recently used first
    // Every decoded file by path, so that a file dropped from the cache while
    // still sounding is taken up again rather than decoded a second time.
    std::map<QString, LiveEntry> live;
    std::int64_t bytes = 0;
    int decodes = 0;
};

Cache& cache()
{
    static Cache s_cache;
    return s_cache;
}

std::int64_t byteSize(DecodedSound const& s)
{
    return std::int64_t(s.samples.size() * sizeof(float));
}

// Puts a decoded file first in the cache and drops the least recently used
// ones beyond the limit; the caller holds the mutex.
void keep(Cache& c, CacheEntry entry, std::int64_t limit)
{
    std::int64_t const bytes = byteSize(*entry.sound);
    if (bytes > limit)
        return;
    c.entries.push_front(std::move(entry));
    c.bytes += bytes;
    while (c.bytes > limit && c.entries.size() > 1) {
        c.bytes -= byteSize(*c.entries.back().sound);
        c.entries.pop_back();
    }
}

std::atomic<std::int64_t> s_liveBytes{0};
std::atomic<int> s_openStreams{0};

struct FileKey
{
    QString path;
    qint64 size = 0;
    QDateTime modified;
};

FileKey fileKey(QString const& path)
{
    QFileInfo const fi(path);
    return FileKey{fi.absoluteFilePath(), fi.size(), fi.lastModified()};
}

// Frames read from disk at once for a streamed file: about 85 ms at 48 kHz.
constexpr std::int64_t kStreamChunkFrames = 4096;

} // namespace

DecodedSound::DecodedSound() = default;

DecodedSound::~DecodedSound()
{
    s_liveBytes -= m_iCountedBytes;
}

void DecodedSound::countSamples()
{
    s_liveBytes -= m_iCountedBytes;
    m_iCountedBytes = byteSize(*this);
    s_liveBytes += m_iCountedBytes;
}

std::int64_t DecodedSoundCache::liveBytes()
{
    return s_liveBytes.load();
}

std::int64_t DecodedSoundCache::decodedBytes(QString const& path)
{
    SF_INFO info{};
    SNDFILE* file = path.isEmpty() ? nullptr : sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return -1;
    sf_close(file);
    if (info.samplerate <= 0 || info.channels <= 0 || info.frames < 0)
        return -1;
    return std::int64_t(info.frames) * info.channels * std::int64_t(sizeof(float));
}

QString DecodedSoundCache::lastOpenError()
{
    return QString::fromLocal8Bit(sf_strerror(nullptr));
}

// One open streamed file, shared by its plays.
struct StreamedSound::File
{
    ~File()
    {
        if (!handle)
            return;
        sf_close(handle);
        --s_openStreams;
    }

    std::mutex mutex; // guards the handle and the file position
    SNDFILE* handle = nullptr;
    FileKey key;
    int sampleRate = 0;
    int channels = 0;
    std::int64_t frames = 0;
    std::int64_t filePos = 0;
};

namespace {

struct OpenFiles
{
    std::mutex mutex;
    std::map<QString, std::weak_ptr<StreamedSound::File>> byPath;
};

OpenFiles& openFiles()
{
    static OpenFiles s_files;
    return s_files;
}

// The open file for this key, if a play holds one; the caller holds the mutex.
std::shared_ptr<StreamedSound::File> findOpen(OpenFiles& files, FileKey const& key)
{
    auto const it = files.byPath.find(key.path);
    if (it == files.byPath.end())
        return {};
    std::shared_ptr<StreamedSound::File> file = it->second.lock();
    if (!file) {
        files.byPath.erase(it);
        return {};
    }
    // A file changed on disk is opened anew; plays of the old one go on.
    if (file->key.size != key.size || file->key.modified != key.modified)
        return {};
    return file;
}

} // namespace

StreamedSound::StreamedSound(std::shared_ptr<File> file)
    : m_pFile(std::move(file))
{
}

StreamedSound::~StreamedSound() = default;

std::shared_ptr<StreamedSound> StreamedSound::share(QString const& path)
{
    if (path.isEmpty())
        return {};
    FileKey const key = fileKey(path);
    OpenFiles& files = openFiles();
    std::lock_guard<std::mutex> lock(files.mutex);
    std::shared_ptr<File> file = findOpen(files, key);
    if (!file)
        return {};
    return std::shared_ptr<StreamedSound>(new StreamedSound(std::move(file)));
}

std::shared_ptr<StreamedSound> StreamedSound::open(QString const& path)
{
    if (path.isEmpty())
        return {};
    FileKey const key = fileKey(path);
    OpenFiles& files = openFiles();
    std::lock_guard<std::mutex> lock(files.mutex);
    if (std::shared_ptr<File> file = findOpen(files, key))
        return std::shared_ptr<StreamedSound>(new StreamedSound(std::move(file)));

    SF_INFO info{};
    SNDFILE* handle = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!handle)
        return {};
    if (info.samplerate <= 0 || info.channels <= 0 || info.frames <= 0 || !info.seekable) {
        sf_close(handle);
        return {};
    }
    auto file = std::make_shared<File>();
    file->handle = handle;
    ++s_openStreams;
    file->key = key;
    file->sampleRate = info.samplerate;
    file->channels = info.channels;
    file->frames = info.frames;
    for (auto it = files.byPath.begin(); it != files.byPath.end();)
        it = it->second.expired() ? files.byPath.erase(it) : std::next(it);
    files.byPath[key.path] = file;
    return std::shared_ptr<StreamedSound>(new StreamedSound(std::move(file)));
}

int StreamedSound::sampleRate() const
{
    return m_pFile->sampleRate;
}

int StreamedSound::channels() const
{
    return m_pFile->channels;
}

std::int64_t StreamedSound::frames() const
{
    return m_pFile->frames;
}

int StreamedSound::openCount()
{
    return s_openStreams.load();
}

SampleView StreamedSound::view(std::int64_t from, std::int64_t count)
{
    File& f = *m_pFile;
    from = std::clamp<std::int64_t>(from, 0, f.frames);
    count = std::clamp<std::int64_t>(count, 0, f.frames - from);
    if (from < m_iWindowFirst || from + count > m_iWindowFirst + m_iWindowCount) {
        std::int64_t const want = std::min(std::max(count, kStreamChunkFrames), f.frames - from);
        m_lWindow.resize(std::size_t(want) * std::size_t(f.channels));
        std::int64_t got = 0;
        {
            std::lock_guard<std::mutex> lock(f.mutex);
            // Another play may have moved the shared file elsewhere.
            if (f.filePos == from || sf_seek(f.handle, from, SEEK_SET) == from) {
                f.filePos = from;
                while (got < want) {
                    sf_count_t const n = sf_readf_float(f.handle, m_lWindow.data() + got * f.channels, want - got);
                    if (n <= 0)
                        break;
                    got += n;
                }
                f.filePos += got;
            } else {
                f.filePos = -1;
            }
        }
        // A file cut short on disk reads as silence from there on.
        std::fill(m_lWindow.begin() + std::ptrdiff_t(got * f.channels), m_lWindow.end(), 0.0f);
        m_iWindowFirst = from;
        m_iWindowCount = want;
    }
    SampleView v;
    v.data = m_lWindow.data();
    v.first = m_iWindowFirst;
    v.count = m_iWindowCount;
    v.total = f.frames;
    v.channels = f.channels;
    v.sampleRate = f.sampleRate;
    return v;
}

SoundPtr DecodedSoundCache::decode(QString const& path)
{
    if (path.isEmpty())
        return {};
    SF_INFO info{};
    QByteArray const native = QFile::encodeName(path);
    SNDFILE* file = sf_open(native.constData(), SFM_READ, &info);
    if (!file)
        return {};
    auto sound = std::make_shared<DecodedSound>();
    bool ok = info.samplerate > 0 && info.channels > 0 && info.frames >= 0;
    if (ok) {
        sound->sampleRate = info.samplerate;
        sound->channels = info.channels;
        // The frame count in the header is a hint for compressed formats; read
        // until the decoder gives no more.
        std::int64_t const hint = info.frames > 0 && info.frames < (std::int64_t(1) << 31) ? info.frames : 0;
        sound->samples.reserve(std::size_t(hint) * std::size_t(info.channels));
        std::vector<float> chunk(std::size_t(4096) * std::size_t(info.channels));
        for (;;) {
            sf_count_t const got = sf_readf_float(file, chunk.data(), 4096);
            if (got <= 0)
                break;
            sound->samples.insert(sound->samples.end(), chunk.begin(),
                                  chunk.begin() + std::ptrdiff_t(got * info.channels));
        }
        ok = sf_error(file) == SF_ERR_NO_ERROR;
        sound->frames = std::int64_t(sound->samples.size()) / info.channels;
    }
    sf_close(file);
    if (!ok)
        return {};
    sound->samples.shrink_to_fit();
    sound->countSamples();
    return sound;
}

SoundPtr DecodedSoundCache::load(QString const& path)
{
    QFileInfo const fi(path);
    if (path.isEmpty() || !fi.isFile())
        return {};
    QString const key = fi.absoluteFilePath();
    qint64 const size = fi.size();
    QDateTime const modified = fi.lastModified();

    Cache& c = cache();
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        for (auto it = c.entries.begin(); it != c.entries.end(); ++it) {
            if (it->path != key)
                continue;
            if (it->size == size && it->modified == modified) {
                c.entries.splice(c.entries.begin(), c.entries, it);
                return c.entries.front().sound;
            }
            // The file changed on disk: forget the old samples.
            c.bytes -= byteSize(*it->sound);
            c.entries.erase(it);
            break;
        }
        auto const live = c.live.find(key);
        if (live != c.live.end() && live->second.size == size && live->second.modified == modified) {
            if (SoundPtr held = live->second.sound.lock()) {
                keep(c, CacheEntry{key, size, modified, held}, kMaxCachedBytes);
                return held;
            }
        }
    }

    SoundPtr sound = decode(path);
    std::lock_guard<std::mutex> lock(c.mutex);
    ++c.decodes;
    if (!sound)
        return {};
    for (CacheEntry const& e : c.entries) {
        // Another thread decoded the same file meanwhile.
        if (e.path == key && e.size == size && e.modified == modified)
            return e.sound;
    }
    for (auto it = c.live.begin(); it != c.live.end();)
        it = it->second.sound.expired() ? c.live.erase(it) : std::next(it);
    c.live[key] = LiveEntry{size, modified, sound};
    keep(c, CacheEntry{key, size, modified, sound}, kMaxCachedBytes);
    return sound;
}

void DecodedSoundCache::clear()
{
    Cache& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.entries.clear();
    c.live.clear();
    c.bytes = 0;
}

int DecodedSoundCache::decodeCount()
{
    Cache& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    return c.decodes;
}

std::int64_t DecodedSoundCache::cachedBytes()
{
    Cache& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    return c.bytes;
}

} // namespace TickwrenAudio

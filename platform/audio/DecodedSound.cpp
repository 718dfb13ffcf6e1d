#include "platform/audio/DecodedSound.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>
#include <list>
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

struct Cache
{
    std::mutex mutex;
    std::list<CacheEntry> entries; // most recently used first
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

} // namespace

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
    std::int64_t const bytes = byteSize(*sound);
    if (bytes > kMaxCachedBytes)
        return sound;
    c.entries.push_front(CacheEntry{key, size, modified, sound});
    c.bytes += bytes;
    while (c.bytes > kMaxCachedBytes && c.entries.size() > 1) {
        c.bytes -= byteSize(*c.entries.back().sound);
        c.entries.pop_back();
    }
    return sound;
}

void DecodedSoundCache::clear()
{
    Cache& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.entries.clear();
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

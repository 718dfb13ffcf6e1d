#include "QMMultiMedia/AudioFileDuration_p.h"

#include <QFile>

#include <sndfile.h>

namespace QMMultiMedia {

namespace {

constexpr double kMaxSeconds = 1e12;
constexpr int kId3v2HeaderBytes = 10;
constexpr int kId3v1Bytes = 128;

// A part of a file, from `begin` to `end`, as a file of its own for libsndfile.
struct FileSpan
{
    QFile file;
    qint64 begin = 0;
    qint64 end = 0;
};

sf_count_t spanLength(void* user)
{
    auto* span = static_cast<FileSpan*>(user);
    return span->end - span->begin;
}

sf_count_t spanSeek(sf_count_t offset, int whence, void* user)
{
    auto* span = static_cast<FileSpan*>(user);
    qint64 const from = whence == SEEK_SET ? span->begin : whence == SEEK_CUR ? span->file.pos() : span->end;
    span->file.seek(qBound(span->begin, from + offset, span->end));
    return span->file.pos() - span->begin;
}

sf_count_t spanRead(void* data, sf_count_t count, void* user)
{
    auto* span = static_cast<FileSpan*>(user);
    qint64 const read = span->file.read(static_cast<char*>(data), qMin<qint64>(count, span->end - span->file.pos()));
    return read < 0 ? 0 : read;
}

sf_count_t spanWrite(void const*, sf_count_t, void*)
{
    return 0;
}

sf_count_t spanTell(void* user)
{
    auto* span = static_cast<FileSpan*>(user);
    return span->file.pos() - span->begin;
}

qint64 durationMs(SNDFILE* file, SF_INFO const& info)
{
    qint64 ms = -1;
    // A frame count of SF_COUNT_MAX means "unknown" (a stream without length).
    if (file && info.samplerate > 0 && info.channels > 0 && info.frames >= 0 && info.frames != SF_COUNT_MAX) {
        // Computed as the platform player computes a duration: seconds, then
        // milliseconds truncated.
        double const seconds = double(info.frames) / double(info.samplerate);
        // A length of more than 30000 years comes from a damaged header.
        if (seconds < kMaxSeconds)
            ms = qint64(seconds * 1000.0);
    }
    if (file)
        sf_close(file);
    return ms;
}

// The bytes of the ID3v2 tag whose first 10 bytes are `header`, its header and
// footer included; 0 when they start no tag.
qint64 id3v2TagBytes(QByteArray const& header)
{
    if (header.size() < kId3v2HeaderBytes || !header.startsWith("ID3"))
        return 0;
    auto const byte = [&header](int i) { return quint8(header.at(i)); };
    // Version 2 to 4; the size is "synchsafe": seven bits in each of four bytes.
    if (byte(3) < 2 || byte(3) > 4 || byte(4) == 0xff)
        return 0;
    qint64 size = 0;
    for (int i = 6; i < kId3v2HeaderBytes; ++i) {
        if (byte(i) & 0x80)
            return 0;
        size = (size << 7) | byte(i);
    }
    bool const footer = byte(3) == 4 && (byte(5) & 0x10);
    return kId3v2HeaderBytes + size + (footer ? kId3v2HeaderBytes : 0);
}

} // namespace

qint64 readAudioFileDurationMs(QString const& path)
{
    if (path.isEmpty())
        return -1;
    // Tags before and after the sound (pictures among them, megabytes at
    // times) are no sound: a decoder that estimates an MPEG file's length from
    // its size would count them. The decoder sees the sound alone.
    FileSpan span;
    span.file.setFileName(path);
    if (!span.file.open(QIODevice::ReadOnly))
        return -1;
    span.end = span.file.size();
    for (;;) {
        span.file.seek(span.begin);
        qint64 const tag = id3v2TagBytes(span.file.read(kId3v2HeaderBytes));
        if (tag == 0 || span.begin + tag >= span.end)
            break;
        span.begin += tag;
    }
    if (span.end - span.begin > kId3v1Bytes && span.file.seek(span.end - kId3v1Bytes) && span.file.read(3) == "TAG")
        span.end -= kId3v1Bytes;
    SF_INFO info{};
    if (span.begin == 0 && span.end == span.file.size()) {
        span.file.close();
        QByteArray const native = QFile::encodeName(path);
        SNDFILE* file = sf_open(native.constData(), SFM_READ, &info);
        return durationMs(file, info);
    }
    span.file.seek(span.begin);
    SF_VIRTUAL_IO io{spanLength, spanSeek, spanRead, spanWrite, spanTell};
    SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &span);
    return durationMs(file, info);
}

} // namespace QMMultiMedia

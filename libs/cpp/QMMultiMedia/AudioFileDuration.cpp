#include "QMMultiMedia/AudioFileDuration_p.h"

#include <QFile>
#include <QtEndian>

#include <sndfile.h>

namespace QMMultiMedia {

namespace {

constexpr double kMaxSeconds = 1e12;
constexpr int kId3v2HeaderBytes = 10;
constexpr int kId3v1Bytes = 128;
// Enough of the first frame for its VBRI header.
constexpr int kVbriFrameBytes = 64;

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

// The playing time that the VBRI header frame of an MPEG Layer III stream
// tells (the decoder library reads Xing and Info frames itself, but not this
// one), or -1 when `frame` starts no such frame.
qint64 vbriDurationMs(QByteArray const& frame)
{
    // Four bytes of frame header and 32 of side information come before it.
    constexpr int kVbriAt = 36;
    constexpr int kFramesAt = kVbriAt + 14;
    if (frame.size() < kFramesAt + 4 || frame.mid(kVbriAt, 4) != "VBRI")
        return -1;
    quint32 const header = qFromBigEndian<quint32>(frame.constData());
    int const version = (header >> 19) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    int const layer = (header >> 17) & 3;   // 1: Layer III
    int const rateIndex = (header >> 10) & 3;
    if ((header & 0xffe00000) != 0xffe00000 || version == 1 || layer != 1 || rateIndex == 3)
        return -1;
    static int const kMpeg1Rates[] = {44100, 48000, 32000};
    int const rate = kMpeg1Rates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    int const samplesPerFrame = version == 3 ? 1152 : 576;
    quint32 const frames = qFromBigEndian<quint32>(frame.constData() + kFramesAt);
    return qint64(frames) * samplesPerFrame * 1000 / rate;
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
    span.file.seek(span.begin);
    qint64 const vbriMs = vbriDurationMs(span.file.read(kVbriFrameBytes));
    SF_INFO info{};
    qint64 ms = -1;
    if (span.begin == 0 && span.end == span.file.size()) {
        span.file.close();
        QByteArray const native = QFile::encodeName(path);
        ms = durationMs(sf_open(native.constData(), SFM_READ, &info), info);
    } else {
        span.file.seek(span.begin);
        SF_VIRTUAL_IO io{spanLength, spanSeek, spanRead, spanWrite, spanTell};
        ms = durationMs(sf_open_virtual(&io, SFM_READ, &info, &span), info);
    }
    // Without the VBRI frame's count the decoder estimates a variable rate from
    // the first frame's, which may be far off.
    return ms >= 0 && vbriMs >= 0 ? vbriMs : ms;
}

} // namespace QMMultiMedia

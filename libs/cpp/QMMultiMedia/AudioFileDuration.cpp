#include "QMMultiMedia/AudioFileDuration_p.h"

#include <QFile>

#include <sndfile.h>

namespace QMMultiMedia {

namespace {
constexpr double kMaxSeconds = 1e12;
}

qint64 readAudioFileDurationMs(QString const& path)
{
    if (path.isEmpty())
        return -1;
    SF_INFO info{};
    QByteArray const native = QFile::encodeName(path);
    SNDFILE* file = sf_open(native.constData(), SFM_READ, &info);
    if (!file)
        return -1;
    qint64 ms = -1;
    // A frame count of SF_COUNT_MAX means "unknown" (a stream without length).
    if (info.samplerate > 0 && info.channels > 0 && info.frames >= 0 && info.frames != SF_COUNT_MAX) {
        // Computed as the platform player computes a duration: seconds, then
        // milliseconds truncated.
        double const seconds = double(info.frames) / double(info.samplerate);
        // A length of more than 30000 years comes from a damaged header.
        if (seconds < kMaxSeconds)
            ms = qint64(seconds * 1000.0);
    }
    sf_close(file);
    return ms;
}

} // namespace QMMultiMedia

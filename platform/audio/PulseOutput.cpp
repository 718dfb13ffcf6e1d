#include "platform/audio/PulseOutput_p.h"

#include <QCoreApplication>

#include <pulse/error.h>
#include <pulse/simple.h>

namespace TickwrenAudio {

bool PulseOutput::open()
{
    close();
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = kRate;
    spec.channels = kChannels;
    std::uint32_t const frameBytes = std::uint32_t(kChannels * 2);
    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(kRate * kBufferMs / 1000) * frameBytes;
    attr.prebuf = 0;
    attr.minreq = std::uint32_t(kBlockFrames) * frameBytes;
    attr.fragsize = std::uint32_t(-1);
    QByteArray name = QCoreApplication::applicationName().toUtf8();
    if (name.isEmpty())
        name = "Tickwren";
    int error = 0;
    m_pStream =
        pa_simple_new(nullptr, name.constData(), PA_STREAM_PLAYBACK, nullptr, "Sounds", &spec, nullptr, &attr, &error);
    if (!m_pStream) {
        m_sError = QString::fromUtf8(pa_strerror(error));
        return false;
    }
    m_sError.clear();
    return true;
}

void PulseOutput::close()
{
    if (m_pStream) {
        pa_simple_free(m_pStream);
        m_pStream = nullptr;
    }
}

bool PulseOutput::write(std::int16_t const* interleaved, int frames)
{
    if (!m_pStream)
        return false;
    int error = 0;
    if (pa_simple_write(m_pStream, interleaved, std::size_t(frames) * kChannels * 2, &error) < 0) {
        m_sError = QString::fromUtf8(pa_strerror(error));
        return false;
    }
    return true;
}

QString PulseOutput::serverName()
{
    QByteArray const server = qgetenv("PULSE_SERVER");
    return server.isEmpty() ? QStringLiteral("the session's sound server") : QString::fromLocal8Bit(server);
}

} // namespace TickwrenAudio

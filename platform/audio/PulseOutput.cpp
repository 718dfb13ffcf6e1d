#include "platform/audio/PulseOutput_p.h"

#include "platform/audio/AudioMixer.h"

#include <QCoreApplication>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

#include <algorithm>
#include <climits>

namespace TickwrenAudio {

namespace {

constexpr std::size_t kFrameBytes = std::size_t(PulseOutput::kChannels) * 2;
constexpr std::size_t kBlockBytes = std::size_t(PulseOutput::kBlockFrames) * kFrameBytes;

} // namespace

template <class Done>
bool PulseOutput::runUntil(Done const& done)
{
    std::int64_t const deadline = AudioMixer::nowNs() + std::int64_t(kAnswerMs) * 1000000;
    for (;;) {
        if (done())
            return true;
        if (m_bInterrupted.load())
            return false;
        std::int64_t const left = deadline - AudioMixer::nowNs();
        if (left <= 0)
            return false;
        int const timeoutUs = int(std::min<std::int64_t>(left / 1000 + 1, INT_MAX));
        if (pa_mainloop_prepare(m_pLoop, timeoutUs) < 0 || pa_mainloop_poll(m_pLoop) < 0
            || pa_mainloop_dispatch(m_pLoop) < 0)
            return false;
    }
}

bool PulseOutput::failed(char const* what)
{
    if (m_bInterrupted.load())
        m_sError = QStringLiteral("interrupted");
    else if (m_pContext && pa_context_errno(m_pContext) != PA_OK)
        m_sError = QString::fromUtf8(pa_strerror(pa_context_errno(m_pContext)));
    else
        m_sError = QString::fromLatin1(what);
    close();
    return false;
}

bool PulseOutput::open()
{
    close();
    {
        std::lock_guard<std::mutex> lock(m_loopMutex);
        m_pLoop = pa_mainloop_new();
    }
    if (!m_pLoop)
        return failed("no main loop");
    QByteArray name = QCoreApplication::applicationName().toUtf8();
    if (name.isEmpty())
        name = "Tickwren";
    m_pContext = pa_context_new(pa_mainloop_get_api(m_pLoop), name.constData());
    if (!m_pContext || pa_context_connect(m_pContext, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        return failed("no connection");
    bool const connected = runUntil([this] {
        pa_context_state_t const s = pa_context_get_state(m_pContext);
        return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
    });
    if (!connected || pa_context_get_state(m_pContext) != PA_CONTEXT_READY)
        return failed("the server did not answer");

    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = kRate;
    spec.channels = kChannels;
    m_pStream = pa_stream_new(m_pContext, "Sounds", &spec, nullptr);
    if (!m_pStream)
        return failed("no stream");
    pa_buffer_attr attr{};
    attr.maxlength = std::uint32_t(-1);
    attr.tlength = std::uint32_t(kRate * kBufferMs / 1000 * kFrameBytes);
    // No start threshold: a stream the engine could not feed in time plays
    // silence meanwhile and keeps to real time, so the beats after it stay
    // on their frames rather than all coming that much later.
    attr.prebuf = 0;
    attr.minreq = std::uint32_t(kBlockBytes);
    attr.fragsize = std::uint32_t(-1);
    pa_stream_set_underflow_callback(
        m_pStream, [](pa_stream*, void* self) { ++static_cast<PulseOutput*>(self)->m_nUnderflows; }, this);
    if (pa_stream_connect_playback(m_pStream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        return failed("the stream was refused");
    bool const ready = runUntil([this] {
        pa_stream_state_t const s = pa_stream_get_state(m_pStream);
        return s == PA_STREAM_READY || !PA_STREAM_IS_GOOD(s);
    });
    if (!ready || pa_stream_get_state(m_pStream) != PA_STREAM_READY)
        return failed("the stream did not start");
    m_sError.clear();
    return true;
}

void PulseOutput::close()
{
    // Nothing here waits for the server: a stopped one only finds its
    // connection closed when it runs again.
    if (m_pStream) {
        pa_stream_disconnect(m_pStream);
        pa_stream_unref(m_pStream);
        m_pStream = nullptr;
    }
    if (m_pContext) {
        pa_context_disconnect(m_pContext);
        pa_context_unref(m_pContext);
        m_pContext = nullptr;
    }
    std::lock_guard<std::mutex> lock(m_loopMutex);
    if (m_pLoop) {
        pa_mainloop_free(m_pLoop);
        m_pLoop = nullptr;
    }
}

int PulseOutput::roomFrames() const
{
    if (!m_pStream)
        return 0;
    std::size_t const bytes = pa_stream_writable_size(m_pStream);
    if (bytes == std::size_t(-1))
        return 0;
    return int(std::min<std::size_t>(bytes / kFrameBytes, INT_MAX));
}

PulseOutput::Wait PulseOutput::waitForRoom()
{
    if (!m_pStream) {
        m_sError = QStringLiteral("no stream");
        return Wait::Failed;
    }
    // What was written goes out as the loop runs: once now, whether or not
    // there is room already.
    if (pa_mainloop_iterate(m_pLoop, 0, nullptr) < 0) {
        failed("the main loop failed");
        return Wait::Failed;
    }
    bool const room =
        runUntil([this] { return !PA_STREAM_IS_GOOD(pa_stream_get_state(m_pStream)) || roomFrames() >= kBlockFrames; });
    if (m_bInterrupted.load())
        return Wait::Interrupted;
    if (!room) {
        failed("the server took no sound for two seconds");
        return Wait::Failed;
    }
    if (pa_stream_get_state(m_pStream) != PA_STREAM_READY) {
        failed("the stream ended");
        return Wait::Failed;
    }
    return Wait::Ready;
}

bool PulseOutput::write(std::int16_t const* interleaved, int frames)
{
    if (!m_pStream)
        return false;
    if (pa_stream_write(m_pStream, interleaved, std::size_t(frames) * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE) < 0)
        return failed("the write was refused");
    return true;
}

void PulseOutput::interrupt()
{
    m_bInterrupted = true;
    std::lock_guard<std::mutex> lock(m_loopMutex);
    if (m_pLoop)
        pa_mainloop_wakeup(m_pLoop);
}

QString PulseOutput::serverName()
{
    QByteArray const server = qgetenv("PULSE_SERVER");
    return server.isEmpty() ? QStringLiteral("the session's sound server") : QString::fromLocal8Bit(server);
}

} // namespace TickwrenAudio

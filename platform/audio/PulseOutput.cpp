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

void PulseOutput::fail(char const* what)
{
    if (m_bInterrupted.load())
        m_sError = QStringLiteral("interrupted");
    else if (m_pContext && pa_context_errno(m_pContext) != PA_OK)
        m_sError = QString::fromUtf8(pa_strerror(pa_context_errno(m_pContext)));
    else
        m_sError = QString::fromLatin1(what);
    close();
    m_state = State::Failed;
}

bool PulseOutput::begin()
{
    close();
    m_iUnansweredNs = 0;
    m_state = State::Connecting;
    {
        std::lock_guard<std::mutex> lock(m_loopMutex);
        m_pLoop = pa_mainloop_new();
    }
    if (!m_pLoop) {
        fail("no main loop");
        return false;
    }
    QByteArray name = QCoreApplication::applicationName().toUtf8();
    if (name.isEmpty())
        name = "Tickwren";
    m_pContext = pa_context_new(pa_mainloop_get_api(m_pLoop), name.constData());
    if (!m_pContext || pa_context_connect(m_pContext, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
        fail("no connection");
        return false;
    }
    return true;
}

bool PulseOutput::openStream()
{
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = kRate;
    spec.channels = kChannels;
    m_pStream = pa_stream_new(m_pContext, "Sounds", &spec, nullptr);
    if (!m_pStream) {
        fail("no stream");
        return false;
    }
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
    if (pa_stream_connect_playback(m_pStream, nullptr, &attr, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        fail("the stream was refused");
        return false;
    }
    return true;
}

void PulseOutput::pump(std::int64_t maxWaitNs)
{
    if (!m_pLoop || m_state == State::Failed || m_state == State::Closed)
        return;
    if (m_bInterrupted.load()) {
        fail("interrupted");
        return;
    }
    maxWaitNs = std::max<std::int64_t>(0, maxWaitNs);
    std::int64_t const before = AudioMixer::nowNs();
    int const timeoutUs = int(std::min<std::int64_t>(maxWaitNs / 1000, INT_MAX));
    if (pa_mainloop_prepare(m_pLoop, timeoutUs) < 0 || pa_mainloop_poll(m_pLoop) < 0
        || pa_mainloop_dispatch(m_pLoop) < 0) {
        fail("the main loop failed");
        return;
    }
    // A wait counts for no more than it was meant to last (and a little for a
    // thread woken late): one that took seconds had the program stopped.
    std::int64_t const kWakeSlackNs = 5000000;
    step(std::min(AudioMixer::nowNs() - before, maxWaitNs + kWakeSlackNs));
}

void PulseOutput::step(std::int64_t waitedNs)
{
    if (m_bInterrupted.load()) {
        fail("interrupted");
        return;
    }
    bool answered = false;
    if (m_state == State::Connecting && !m_pStream) {
        pa_context_state_t const c = pa_context_get_state(m_pContext);
        if (!PA_CONTEXT_IS_GOOD(c)) {
            fail("the server did not answer");
            return;
        }
        if (c == PA_CONTEXT_READY) {
            if (!openStream())
                return;
            answered = true;
        }
    } else if (m_state == State::Connecting) {
        pa_stream_state_t const st = pa_stream_get_state(m_pStream);
        if (!PA_STREAM_IS_GOOD(st)) {
            fail("the stream did not start");
            return;
        }
        if (st == PA_STREAM_READY) {
            m_state = State::Ready;
            answered = true;
        }
    } else if (m_state == State::Ready) {
        if (pa_stream_get_state(m_pStream) != PA_STREAM_READY) {
            fail("the stream ended");
            return;
        }
        answered = roomFrames() >= kBlockFrames;
    }
    if (answered) {
        m_iUnansweredNs = 0;
        return;
    }
    m_iUnansweredNs += waitedNs;
    if (m_iUnansweredNs >= std::int64_t(kAnswerMs) * 1000000)
        fail(m_state == State::Ready ? "the server took no sound for two seconds" : "the server did not answer");
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
    m_state = State::Closed;
}

int PulseOutput::roomFrames() const
{
    if (m_state != State::Ready || !m_pStream)
        return 0;
    std::size_t const bytes = pa_stream_writable_size(m_pStream);
    if (bytes == std::size_t(-1))
        return 0;
    return int(std::min<std::size_t>(bytes / kFrameBytes, INT_MAX));
}

bool PulseOutput::write(std::int16_t const* interleaved, int frames)
{
    if (!m_pStream)
        return false;
    if (pa_stream_write(m_pStream, interleaved, std::size_t(frames) * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
        fail("the write was refused");
        return false;
    }
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

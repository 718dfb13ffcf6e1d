#pragma once
// Records what a sound server plays into a sink, from the sink's monitor, in a
// thread of its own, as 48 kHz stereo 16-bit frames; and finds the onsets of
// clicks in such a recording. Link libpulse-simple to use it.

#include <pulse/simple.h>

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

class SinkRecorder
{
public:
    ~SinkRecorder() { stop(); }

    // False when the server or the monitor cannot be reached.
    bool start(QByteArray const& server, QByteArray const& monitor = "discard.monitor")
    {
        pa_sample_spec spec{};
        spec.format = PA_SAMPLE_S16LE;
        spec.rate = 48000;
        spec.channels = 2;
        pa_buffer_attr attr{};
        attr.maxlength = std::uint32_t(-1);
        attr.fragsize = 480 * 4; // 10 ms
        int error = 0;
        m_pStream = pa_simple_new(server.constData(), "SinkRecorder", PA_STREAM_RECORD, monitor.constData(),
                                  "recording", &spec, nullptr, &attr, &error);
        if (!m_pStream)
            return false;
        m_bRun = true;
        m_thread = std::thread([this] {
            std::vector<std::int16_t> chunk(480 * 2);
            while (m_bRun) {
                int error = 0;
                if (pa_simple_read(m_pStream, chunk.data(), chunk.size() * 2, &error) < 0)
                    break;
                std::lock_guard<std::mutex> lock(m_mutex);
                for (std::size_t i = 0; i < chunk.size(); i += 2)
                    m_lLeft.push_back(chunk[i]);
            }
        });
        return true;
    }

    void stop()
    {
        m_bRun = false;
        if (m_thread.joinable())
            m_thread.join();
        if (m_pStream) {
            pa_simple_free(m_pStream);
            m_pStream = nullptr;
        }
    }

    // The left channel so far.
    std::vector<std::int16_t> left() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lLeft;
    }

    // Frames where a sound rises above `threshold` after at least `quietFrames`
    // of near silence.
    static std::vector<std::int64_t> onsets(std::vector<std::int16_t> const& samples, int threshold = 6000,
                                            int quietFrames = 2400)
    {
        std::vector<std::int64_t> found;
        std::int64_t quiet = 0;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            int const v = std::abs(int(samples[i]));
            if (v > threshold && quiet >= quietFrames)
                found.push_back(std::int64_t(i));
            quiet = v < 300 ? quiet + 1 : 0;
        }
        return found;
    }

private:
    pa_simple* m_pStream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_bRun{false};
    mutable std::mutex m_mutex;
    std::vector<std::int16_t> m_lLeft;
};

#pragma once
// The engine's way to the sound server: one playback stream on the session's
// PulseAudio server (or PipeWire's PulseAudio service), driven from the
// engine's thread through a main loop of its own. Every wait on the server is
// bounded: a server that stops answering (stopped, hung, overloaded for
// seconds) fails the stream instead of holding the engine's thread, and
// interrupt() ends any wait at once from another thread, so quitting never
// waits on the server. Every attempt opens a connection of its own, so a
// server that starts late or comes back after a restart is found again.

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>

struct pa_mainloop;
struct pa_context;
struct pa_stream;

namespace TickwrenAudio {

class PulseOutput
{
public:
    // 48 kHz stereo 16-bit, the mix's own format.
    static constexpr int kRate = 48000;
    static constexpr int kChannels = 2;
    // Frames written at once: the server wakes the engine once a block.
    static constexpr int kBlockFrames = 480; // 10 ms
    // The latency asked of the server, from a frame written to its leaving
    // the sink; the server keeps most of it as the stream's buffer (about
    // 40 ms), the rest in the sink. The beats are rendered ahead by the
    // engine, so it need not be short for timing; it is what a change (a new
    // tempo, the ear switch) may take to be heard, so it stays well below
    // what the ear takes for "at once", and long enough that a loaded machine
    // rarely leaves the stream without sound.
    static constexpr int kBufferMs = 60;
    // How long the server may leave a connection, a stream or a block
    // unanswered before the stream counts as failed.
    static constexpr int kAnswerMs = 2000;

    enum class Wait { Ready, Interrupted, Failed };

    PulseOutput() = default;
    ~PulseOutput() { close(); }
    PulseOutput(PulseOutput const&) = delete;
    PulseOutput& operator=(PulseOutput const&) = delete;

    // False with error() set when no server answers in time or the stream is
    // refused (or when interrupted).
    bool open();
    void close();
    bool isOpen() const { return m_pStream != nullptr; }
    // Waits until the server has room for a block. Failed, with error() set,
    // once the server has gone or has not asked for sound for kAnswerMs.
    Wait waitForRoom();
    // Frames the server has room for now.
    int roomFrames() const;
    bool write(std::int16_t const* interleaved, int frames);
    // From any thread: a wait under way, or the next, returns at once.
    void interrupt();
    QString const& error() const { return m_sError; }
    // How often the server ran out of sound on this stream so far.
    int underflows() const { return m_nUnderflows; }
    // Which server the stream goes to, for messages.
    static QString serverName();

private:
    // Runs the main loop until `done` or kAnswerMs from now; false when it
    // did not come (time-out, interrupt or a loop failure).
    template <class Done>
    bool runUntil(Done const& done);
    bool failed(char const* what);

    pa_mainloop* m_pLoop = nullptr;
    pa_context* m_pContext = nullptr;
    pa_stream* m_pStream = nullptr;
    std::atomic<bool> m_bInterrupted{false};
    std::mutex m_loopMutex; // keeps the loop alive while interrupt() wakes it
    QString m_sError;
    int m_nUnderflows = 0;
};

} // namespace TickwrenAudio

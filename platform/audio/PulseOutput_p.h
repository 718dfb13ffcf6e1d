#pragma once
// The engine's way to the sound server: one playback stream on the session's
// PulseAudio server (or PipeWire's PulseAudio service), driven from the
// engine's thread through a main loop of its own. Nothing here blocks: the
// engine runs the connection in short slices (pump()) between the blocks it
// renders, so its beat never waits on the server. A server that stops
// answering (stopped, hung, overloaded for seconds) fails the stream, and
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
    // unanswered before the stream counts as failed. Only time this program
    // ran and waited counts: a program stopped (by a debugger, a suspend,
    // kill -STOP) has not been waiting on the server meanwhile.
    static constexpr int kAnswerMs = 2000;

    enum class State { Closed, Connecting, Ready, Failed };

    PulseOutput() = default;
    ~PulseOutput() { close(); }
    PulseOutput(PulseOutput const&) = delete;
    PulseOutput& operator=(PulseOutput const&) = delete;

    // Starts connecting to the server and opening the stream; pump() carries
    // it on. False, with error() set and the state Failed, when it cannot
    // even begin.
    bool begin();
    void close();
    State state() const { return m_state; }
    // Runs the connection for at most `maxWaitNs` (less when the server
    // answers or interrupt() is called): what was written goes out, the
    // connection and the stream come up, the server asks for sound. Moves to
    // Failed, with error() set, once the server has gone or has left the
    // connection, the stream or a block unanswered for kAnswerMs; each wait
    // counts for no more than it was meant to last, so a stop of this
    // program is not taken for a silent server.
    void pump(std::int64_t maxWaitNs);
    // How long the server has left the stream without asking for sound (or
    // the connection unanswered), counted as pump() counts it.
    std::int64_t unansweredNs() const { return m_iUnansweredNs; }
    // Frames the server has room for now; 0 until the stream is ready.
    int roomFrames() const;
    bool write(std::int16_t const* interleaved, int frames);
    // From any thread: a wait under way, or the next, returns at once, and
    // the state becomes Failed.
    void interrupt();
    QString const& error() const { return m_sError; }
    // How often the server ran out of sound on this stream so far.
    int underflows() const { return m_nUnderflows; }
    // Which server the stream goes to, for messages.
    static QString serverName();

private:
    void fail(char const* what);
    // After the loop ran: moves the state on from what the server did.
    void step(std::int64_t waitedNs);
    bool openStream();

    pa_mainloop* m_pLoop = nullptr;
    pa_context* m_pContext = nullptr;
    pa_stream* m_pStream = nullptr;
    State m_state = State::Closed;
    std::int64_t m_iUnansweredNs = 0;
    std::atomic<bool> m_bInterrupted{false};
    std::mutex m_loopMutex; // keeps the loop alive while interrupt() wakes it
    QString m_sError;
    int m_nUnderflows = 0;
};

} // namespace TickwrenAudio

#pragma once
// The engine's way to the sound server: one playback stream on the session's
// PulseAudio server (or PipeWire's PulseAudio service), written block by block
// from the engine's thread. Every attempt opens a connection of its own, so a
// server that starts late or comes back after a restart is found again.

#include <QString>

#include <cstdint>

struct pa_simple;

namespace TickwrenAudio {

class PulseOutput
{
public:
    // 48 kHz stereo 16-bit, the mix's own format.
    static constexpr int kRate = 48000;
    static constexpr int kChannels = 2;
    // Frames written at once; the server asks for more in steps of this.
    static constexpr int kBlockFrames = 240; // 5 ms
    // Audio the server holds for the stream before it plays.
    static constexpr int kBufferMs = 20;

    PulseOutput() = default;
    ~PulseOutput() { close(); }
    PulseOutput(PulseOutput const&) = delete;
    PulseOutput& operator=(PulseOutput const&) = delete;

    // False with error() set when no server answers or the stream is refused.
    bool open();
    void close();
    bool isOpen() const { return m_pStream != nullptr; }
    // Blocks until the server has room; false once the server has gone.
    bool write(std::int16_t const* interleaved, int frames);
    QString const& error() const { return m_sError; }
    // Which server the stream goes to, for messages.
    static QString serverName();

private:
    pa_simple* m_pStream = nullptr;
    QString m_sError;
};

} // namespace TickwrenAudio

#pragma once
// Where a recording goes: a file being written in one container and encoding.
// Linear PCM goes through libsndfile, AAC through FFmpeg's encoder and muxers.

#include <QString>

#include <cstdint>
#include <memory>

namespace TickwrenAudio {

class RecordingSink
{
public:
    struct Format
    {
        int formatId = 0; // RecorderSettings::kLinearPcm or kMpeg4Aac
        int sampleRate = 0;
        int channels = 0;
        int bitRate = 0;
        int quality = 0;
    };

    virtual ~RecordingSink() = default;

    // Empty when the file name's container can hold the encoding; otherwise
    // what is wrong. Touches no file.
    static QString checkContainer(QString const& fileName, int formatId);
    // Creates the file; null with *error set when it cannot be written or the
    // encoder refuses the format.
    static std::unique_ptr<RecordingSink> create(QString const& fileName, Format const& format, QString* error);

    // Interleaved 16-bit frames; false when they could not be written.
    virtual bool write(std::int16_t const* frames, std::int64_t count) = 0;
    // Writes what is pending and the file's header or index; false when the
    // file could not be completed. Called once.
    virtual bool finish() = 0;
    QString const& error() const { return m_sError; }

protected:
    QString m_sError;
};

// Defined in AacFileSink.cpp.
std::unique_ptr<RecordingSink> createAacFileSink(QString const& fileName, char const* muxer,
                                                 RecordingSink::Format const& format, QString* error);

} // namespace TickwrenAudio

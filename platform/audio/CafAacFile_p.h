#pragma once
// AAC packets in a Core Audio Format file (".caf"), written as they come: the
// file header, the stream's description and the decoder's set-up (a "magic
// cookie" holding an MPEG-4 elementary stream descriptor), then the packets in
// the data chunk; at the end the data chunk's size and the packet table, which
// gives every packet's size and the frames of priming and padding to drop.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace TickwrenAudio {

class CafAacFile
{
public:
    // Creates the file and writes everything up to the packets.
    // `audioSpecificConfig` is the encoder's set-up (its extradata). False,
    // with *error set and no file left, when it cannot be written.
    bool open(QString const& fileName, int sampleRate, int channels, int bitRate, QByteArray const& audioSpecificConfig,
              QString* error);
    // One encoded packet of 1024 frames.
    bool writePacket(char const* data, int size);
    // Completes the file: `validFrames` of sound after `primingFrames` of the
    // encoder's lead-in.
    bool finish(qint64 validFrames, int primingFrames);
    QString errorString() const { return m_file.errorString(); }

    static constexpr int kFramesPerPacket = 1024;

private:
    QFile m_file;
    qint64 m_nDataSizeAt = 0;
    qint64 m_nDataBytes = 0;
    qint64 m_nPackets = 0;
    QByteArray m_packetSizes;
};

} // namespace TickwrenAudio

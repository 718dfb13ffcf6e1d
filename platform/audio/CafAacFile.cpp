#include "platform/audio/CafAacFile_p.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

namespace TickwrenAudio {

namespace {

template <typename T>
void append(QByteArray* bytes, T value)
{
    char big[sizeof(T)];
    qToBigEndian<T>(value, big);
    bytes->append(big, int(sizeof(T)));
}

QByteArray chunk(char const* type, QByteArray const& body)
{
    QByteArray bytes(type, 4);
    append<qint64>(&bytes, body.size());
    return bytes + body;
}

// An MPEG-4 descriptor: its tag, its length in the four-byte form, its content.
QByteArray descriptor(quint8 tag, QByteArray const& content)
{
    QByteArray bytes(1, char(tag));
    int const length = content.size();
    for (int shift = 21; shift > 0; shift -= 7)
        bytes.append(char(0x80 | ((length >> shift) & 0x7f)));
    bytes.append(char(length & 0x7f));
    return bytes + content;
}

// The decoder's set-up as the cookie of an AAC stream: version and flags, then
// the elementary stream descriptor with the decoder configuration inside.
QByteArray magicCookie(int bitRate, QByteArray const& audioSpecificConfig)
{
    constexpr quint8 kEsDescriptor = 0x03;
    constexpr quint8 kDecoderConfig = 0x04;
    constexpr quint8 kDecoderSpecificInfo = 0x05;
    constexpr quint8 kSyncLayerConfig = 0x06;
    constexpr quint8 kMpeg4Audio = 0x40;
    constexpr quint8 kAudioStream = 0x05 << 2 | 1;

    QByteArray config;
    config.append(char(kMpeg4Audio));
    config.append(char(kAudioStream));
    config.append(3, '\0'); // buffer size, unknown
    append<quint32>(&config, quint32(bitRate));
    append<quint32>(&config, quint32(bitRate));
    config += descriptor(kDecoderSpecificInfo, audioSpecificConfig);

    QByteArray es;
    append<quint16>(&es, 0); // stream id
    es.append('\0');         // no flags
    es += descriptor(kDecoderConfig, config);
    es += descriptor(kSyncLayerConfig, QByteArray(1, '\x02'));

    QByteArray cookie(4, '\0');
    return cookie + descriptor(kEsDescriptor, es);
}

// A packet size in the packet table: seven bits a byte, the first byte the
// most significant, every byte but the last with its top bit set.
void appendVariableLength(QByteArray* bytes, quint64 value)
{
    char groups[10];
    int count = 0;
    do {
        groups[count++] = char(value & 0x7f);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        bytes->append(char(groups[--count] | 0x80));
    bytes->append(groups[0]);
}

} // namespace

bool CafAacFile::open(QString const& fileName, int sampleRate, int channels, int bitRate,
                      QByteArray const& audioSpecificConfig, QString* error)
{
    constexpr quint32 kMpeg4AacLowComplexity = 2;

    QByteArray header("caff", 4);
    append<quint16>(&header, 1); // file version
    append<quint16>(&header, 0); // flags

    QByteArray description;
    double const rate = sampleRate;
    quint64 rateBits = 0;
    std::memcpy(&rateBits, &rate, sizeof rateBits);
    append<quint64>(&description, rateBits);
    description.append("aac ", 4);
    append<quint32>(&description, kMpeg4AacLowComplexity);
    append<quint32>(&description, 0); // bytes per packet: they vary
    append<quint32>(&description, kFramesPerPacket);
    append<quint32>(&description, quint32(channels));
    append<quint32>(&description, 0); // bits per channel: none, it is compressed
    header += chunk("desc", description);
    header += chunk("kuki", magicCookie(bitRate, audioSpecificConfig));

    // The data chunk's size is known at the end; until then it says "to the end of the file".
    header.append("data", 4);
    m_nDataSizeAt = header.size();
    append<qint64>(&header, -1);
    append<quint32>(&header, 0); // edit count

    m_file.setFileName(fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate) || m_file.write(header) != header.size()) {
        *error = QCoreApplication::translate("TickwrenAudio::AudioRecorder", "The file %1 could not be written: %2")
                     .arg(fileName, m_file.errorString());
        if (m_file.isOpen())
            m_file.remove();
        return false;
    }
    m_nDataBytes = 4; // the edit count
    return true;
}

bool CafAacFile::writePacket(char const* data, int size)
{
    if (m_file.write(data, size) != size)
        return false;
    m_nDataBytes += size;
    ++m_nPackets;
    appendVariableLength(&m_packetSizes, quint64(size));
    return true;
}

bool CafAacFile::finish(qint64 validFrames, int primingFrames)
{
    qint64 const frames = m_nPackets * kFramesPerPacket;
    QByteArray table;
    append<qint64>(&table, m_nPackets);
    append<qint64>(&table, validFrames);
    append<qint32>(&table, primingFrames);
    append<qint32>(&table, qint32(qMax<qint64>(0, frames - primingFrames - validFrames)));
    table += m_packetSizes;
    QByteArray const packetTable = chunk("pakt", table);
    QByteArray dataSize;
    append<qint64>(&dataSize, m_nDataBytes);
    bool const ok = m_file.write(packetTable) == packetTable.size() && m_file.seek(m_nDataSizeAt)
                    && m_file.write(dataSize) == dataSize.size() && m_file.flush();
    m_file.close();
    return ok && m_file.error() == QFileDevice::NoError;
}

} // namespace TickwrenAudio

#include "MTools/Compression.h"

QByteArray phpCompress(const QByteArray& data)
{
    if (data.isEmpty()) {
        // qCompress gives only its length prefix here, not a stream. This is the
        // level-9 stream of nothing: header 78 DA, one final fixed-Huffman block
        // holding just its end code (03 00), and the Adler-32 of nothing, 1.
        static const char kEmptyStream[] = {'\x78', '\xDA', '\x03', '\x00', '\x00', '\x00', '\x00', '\x01'};
        return QByteArray(kEmptyStream, int(sizeof kEmptyStream));
    }
    // qCompress puts the length of data, four bytes big-endian, before the stream.
    const QByteArray packed = qCompress(data, 9);
    if (packed.size() <= 4)
        return QByteArray();
    return packed.mid(4);
}

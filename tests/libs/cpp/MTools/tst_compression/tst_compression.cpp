#include <QtTest>

#include <random>
#include <zlib.h>

#include "MTools/Compression.h"

namespace {

// Inflates a bare zlib stream with zlib itself; false unless the stream is
// complete and its checksum holds.
bool inflateStream(const QByteArray& stream, QByteArray* out)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return false;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    z.avail_in = uInt(stream.size());
    out->clear();
    char buffer[4096];
    int rc = Z_OK;
    while (rc == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        rc = inflate(&z, Z_NO_FLUSH);
        out->append(buffer, int(sizeof buffer - z.avail_out));
        if (rc == Z_BUF_ERROR && z.avail_in == 0)
            break;
    }
    const bool whole = rc == Z_STREAM_END && z.avail_in == 0;
    inflateEnd(&z);
    return whole;
}

} // namespace

class TestCompression : public QObject
{
    Q_OBJECT

private slots:
    void inflatesBack_data();
    void inflatesBack();
};

void TestCompression::inflatesBack_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray("a");
    QTest::newRow("text") << QByteArray("Tickwren keeps the beat. ").repeated(200);
    QByteArray noise(100000, Qt::Uninitialized);
    std::mt19937 random{7u};
    for (char& c : noise)
        c = char(random());
    QTest::newRow("random bytes") << noise;
}

void TestCompression::inflatesBack()
{
    QFETCH(QByteArray, data);
    const QByteArray stream = phpCompress(data);
    QVERIFY(stream.size() >= 8);
    QCOMPARE(uchar(stream.at(0)), uchar(0x78));
    // Highest compression level in the header's level bits.
    QCOMPARE(uchar(stream.at(1)) >> 6, 3);
    QByteArray back;
    QVERIFY(inflateStream(stream, &back));
    QCOMPARE(back, data);
    if (!data.isEmpty())
        QCOMPARE(stream, qCompress(data, 9).mid(4));
}

QTEST_APPLESS_MAIN(TestCompression)
#include "tst_compression.moc"

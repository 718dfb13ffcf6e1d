// Reading and writing plain text without a widget: the encoding, mark and line
// ends found in the bytes, the same bytes written back, and the line ends an
// edit leaves alone.
#include "ZEDireroz/editors/PlainTextFile.h"

#include <QtTest>

using ZEDireroz::LineEnd;
using ZEDireroz::PlainText;
using ZEDireroz::PlainTextFormat;

Q_DECLARE_METATYPE(ZEDireroz::LineEnd)

class TestPlainTextFile : public QObject
{
    Q_OBJECT
private slots:
    void readAndWriteBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<LineEnd>("lineEnd");
        QTest::addColumn<QString>("text");
        QString const emoji = QStringLiteral("a\U0001F600\n");
        QTest::addRow("UTF-8") << QByteArray("caf\xc3\xa9\r\n") << QByteArray("UTF-8") << false << LineEnd::CrLf
                               << QStringLiteral("caf\u00e9\n");
        QTest::addRow("Latin-1") << QByteArray("caf\xe9\r") << QByteArray("ISO-8859-1") << false << LineEnd::Cr
                                 << QStringLiteral("caf\u00e9\n");
        QTest::addRow("UTF-8 surrogate is no UTF-8") << QByteArray("\xed\xa0\x80") << QByteArray("ISO-8859-1") << false
                                                     << LineEnd::Lf << QStringLiteral("\u00ed\u00a0\u0080");
        QTest::addRow("UTF-8 overlong is no UTF-8") << QByteArray("\xc0\xaf") << QByteArray("ISO-8859-1") << false
                                                    << LineEnd::Lf << QStringLiteral("\u00c0\u00af");
        QTest::addRow("UTF-32 LE, emoji") << QByteArray("\xff\xfe\0\0a\0\0\0\x00\xf6\x01\0\n\0\0\0", 16)
                                          << QByteArray("UTF-32LE") << true << LineEnd::Lf << emoji;
        QTest::addRow("UTF-32 BE, emoji, no mark") << QByteArray("\0\0\0a\0\x01\xf6\x00\0\0\0\n", 12)
                                                   << QByteArray("UTF-32BE") << false << LineEnd::Lf << emoji;
        QTest::addRow("UTF-16 LE, emoji, no mark")
            << QByteArray("a\0\x3d\xd8\x00\xde\n\0", 8) << QByteArray("UTF-16LE") << false << LineEnd::Lf << emoji;
        QTest::addRow("UTF-16 BE, no mark, CR LF") << QByteArray("\0a\0\r\0\n", 6) << QByteArray("UTF-16BE") << false
                                                   << LineEnd::CrLf << QStringLiteral("a\n");
        // A lone surrogate is no UTF-16, and a stray byte makes the length odd.
        QTest::addRow("UTF-16 lone surrogate")
            << QByteArray("\xff\xfe\x3d\xd8"
                          "a\0",
                          6)
            << QByteArray("ISO-8859-1") << false << LineEnd::Lf << QStringLiteral("\u00ff\u00fe=\u00d8a\0");
        QTest::addRow("UTF-16 with mark, stray byte") << QByteArray("\xff\xfe"
                                                                    "a\0\r\0\n\0x",
                                                                    9)
                                                      << QByteArray("ISO-8859-1") << false << LineEnd::Cr
                                                      << QString::fromLatin1("\xff\xfe"
                                                                             "a\0\n\0\n\0x",
                                                                             9);
        // Mostly zero bytes are not UTF-16 text; all zeros are not either.
        QTest::addRow("zeros") << QByteArray(4, '\0') << QByteArray("UTF-8") << false << LineEnd::Lf
                               << QString(4, QChar(0));
        QTest::addRow("a line separator first")
            << QByteArray("a\xe2\x80\xa8"
                          "b\r\n")
            << QByteArray("UTF-8") << false << LineEnd::CrLf << QStringLiteral("a\nb\n");
    }
    void readAndWriteBack()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, codec);
        QFETCH(bool, mark);
        QFETCH(LineEnd, lineEnd);
        QFETCH(QString, text);
        PlainText const read = ZEDireroz::readPlainText(bytes);
        QCOMPARE(read.format.codec, codec);
        QCOMPARE(read.format.byteOrderMark, mark);
        QCOMPARE(read.format.lineEnd, lineEnd);
        QCOMPARE(read.text, text);
        QByteArray written;
        QVERIFY(ZEDireroz::writePlainText(read.text, read.format, &written));
        QCOMPARE(written.toHex(' '), bytes.toHex(' '));
    }

    // The lines an edit leaves alone keep their own line ends; new ones get
    // the file's style (its first CR, LF or CR LF). Each edit replaces `from`
    // with `to` once; the second edit runs on the text of the first save.
    void editsKeepOtherLineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("edits"); // from, to, from, to...
        QTest::addColumn<QByteArray>("saved");
        QTest::addRow("a letter") << QByteArray("a\r\nb\nc\rd\r\n") << QStringList{"c", "C"}
                                  << QByteArray("a\r\nb\nC\rd\r\n");
        QTest::addRow("a line added") << QByteArray("a\r\nb\nc\n") << QStringList{"a\n", "a\nnew\n"}
                                      << QByteArray("a\r\nnew\r\nb\nc\n");
        QTest::addRow("a line removed") << QByteArray("a\r\nb\nc\rd\n") << QStringList{"b\n", ""}
                                        << QByteArray("a\r\nc\rd\n");
        QTest::addRow("edits on both sides")
            << QByteArray("x\xe2\x80\xa8y\n") << QStringList{"x", "X", "y", "Y"} << QByteArray("X\xe2\x80\xa8Y\n");
        QTest::addRow("lines joined") << QByteArray("a\xe2\x80\xa8"
                                                    "b\nc")
                                      << QStringList{"a\nb", "ab"} << QByteArray("ab\nc");
        QTest::addRow("lines added at both ends")
            << QByteArray("a\r\nb\nc\rd\r\n") << QStringList{"a\nb\nc\nd\n", "0\na\nb\nc\nd\ne\n"}
            << QByteArray("0\r\na\r\nb\nc\rd\r\ne\r\n");
        QTest::addRow("a line removed, another added")
            << QByteArray("a\nb\r\nc\nd\re\n") << QStringList{"a\nb\nc\nd\ne\n", "b\nc\nd\ne\nf\n"}
            << QByteArray("b\r\nc\nd\re\nf\n");
        QTest::addRow("two saves") << QByteArray("1\r\n2\n3\r4\n") << QStringList{"1", "one", "4", "four"}
                                   << QByteArray("one\r\n2\n3\rfour\n");
    }
    void editsKeepOtherLineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, edits);
        QFETCH(QByteArray, saved);
        PlainText const read = ZEDireroz::readPlainText(bytes);
        QString text = read.text;
        PlainTextFormat format = read.format;
        QByteArray written;
        for (int i = 0; i + 1 < edits.size(); i += 2) {
            int const at = text.indexOf(edits.at(i));
            QVERIFY(at >= 0);
            text.replace(at, edits.at(i).size(), edits.at(i + 1));
            QVERIFY(ZEDireroz::writePlainText(text, format, &written, &format));
        }
        QCOMPARE(written, saved);
    }

    // What the encoding cannot hold is refused, and nothing is written.
    void unencodable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("added");
        QTest::addRow("euro in Latin-1") << QByteArray("caf\xe9") << QStringLiteral("\u20ac");
        QTest::addRow("lone surrogate in UTF-8") << QByteArray("abc") << QString(QChar(0xd800));
        QTest::addRow("lone surrogate in UTF-32") << QByteArray("\xff\xfe\0\0a\0\0\0", 8) << QString(QChar(0xdc00));
        QTest::addRow("line separator in Latin-1") << QByteArray("caf\xe9") << QString(QChar::LineSeparator);
    }
    void unencodable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, added);
        PlainText const read = ZEDireroz::readPlainText(bytes);
        QByteArray written("untouched");
        QVERIFY(!ZEDireroz::writePlainText(read.text + added, read.format, &written));
        QCOMPARE(written, QByteArray("untouched"));
    }
};

QTEST_GUILESS_MAIN(TestPlainTextFile)
#include "tst_plaintextfile.moc"

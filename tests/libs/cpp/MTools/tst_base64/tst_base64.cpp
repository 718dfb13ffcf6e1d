#include <QtTest>

#include "MTools/Base64.h"
#include "MTools/QByteArrayExtensions.h"
#include "MTools/RegExps.h"

using MTools::Base64;
using MTools::QByteArrayExtensions;
using MTools::RegExps;

class TestBase64 : public QObject
{
    Q_OBJECT

private slots:
    void byteForm_data();
    void byteForm();
    void oddByteCountEndsInHighByte();
    void highBytesAreNotSignExtended();
    void base64_data();
    void base64();
    void decodePassesOverForeignCharacters();
    void encodingAgreesWithQtForEveryLength();
    void decodingAgreesWithQt_data();
    void decodingAgreesWithQt();
    void email_data();
    void email();
};

void TestBase64::byteForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("abc") << QStringLiteral("abc") << QByteArray::fromHex("006100620063");
    QTest::newRow("e acute") << QString(QChar(0x00E9)) << QByteArray::fromHex("00e9");
    QTest::newRow("euro and high bytes") << QString(QChar(0x20AC)) + QChar(0xFFFE) << QByteArray::fromHex("20acfffe");
    // A character outside the basic plane stays two code units, four bytes.
    QTest::newRow("surrogate pair") << QString::fromUcs4(U"\U0001F3B5") << QByteArray::fromHex("d83cdfb5");
}

void TestBase64::byteForm()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArrayExtensions::convertFromQString(text), bytes);
    QCOMPARE(QByteArrayExtensions::convertToQString(bytes), text);
}

void TestBase64::oddByteCountEndsInHighByte()
{
    const QString text = QByteArrayExtensions::convertToQString(QByteArray::fromHex("004142"));
    QCOMPARE(text.size(), 2);
    QCOMPARE(text.at(0).unicode(), ushort(0x0041));
    QCOMPARE(text.at(1).unicode(), ushort(0x4200));
}

void TestBase64::highBytesAreNotSignExtended()
{
    // Every byte value in both positions must come back as itself.
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(char(b));
        all.append(char(255 - b));
    }
    const QString text = QByteArrayExtensions::convertToQString(all);
    for (int b = 0; b < 256; ++b)
        QCOMPARE(text.at(b).unicode(), ushort((b << 8) | (255 - b)));
    QCOMPARE(QByteArrayExtensions::convertFromQString(text), all);
    QCOMPARE(Base64::decodeQString(Base64::codeQString(QStringLiteral("caf\u00e9 \u00ff"))),
             QStringLiteral("caf\u00e9 \u00ff"));
}

void TestBase64::base64_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("code");
    // Test vectors of the Base64 standard.
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("f") << QByteArray("f") << QStringLiteral("Zg==");
    QTest::newRow("fo") << QByteArray("fo") << QStringLiteral("Zm8=");
    QTest::newRow("foo") << QByteArray("foo") << QStringLiteral("Zm9v");
    QTest::newRow("foobar") << QByteArray("foobar") << QStringLiteral("Zm9vYmFy");
    QTest::newRow("abc bytes only") << QByteArray("abc") << QStringLiteral("YWJj");
    QTest::newRow("binary") << QByteArray::fromHex("00fffe80") << QStringLiteral("AP/+gA==");
}

void TestBase64::base64()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, code);
    QCOMPARE(Base64::codeQByteArray(data), code);
    QCOMPARE(Base64::decodeQByteArray(code), data);
}

void TestBase64::decodePassesOverForeignCharacters()
{
    QCOMPARE(Base64::codeQString(QStringLiteral("abc")), QStringLiteral("AGEAYgBj"));
    QCOMPARE(Base64::decodeQString(QStringLiteral("AGEAYgBj")), QStringLiteral("abc"));
    QCOMPARE(Base64::decodeQByteArray(QStringLiteral("Zm9v\nYmFy")), QByteArray("foobar"));
    QCOMPARE(Base64::decodeQByteArray(QStringLiteral("Zm 9v*")), QByteArray("foo"));
}

void TestBase64::encodingAgreesWithQtForEveryLength()
{
    // Every length up to 300 covers the whole groups, both padded tails and the
    // table-driven inner loop with every byte value.
    QByteArray data;
    for (int length = 0; length <= 300; ++length) {
        const QString code = Base64::codeQByteArray(data);
        QCOMPARE(code, QString::fromLatin1(data.toBase64()));
        QCOMPARE(Base64::decodeQByteArray(code), data);
        data.append(char((length * 167 + 13) & 0xFF));
    }

    // A text of many megabytes takes the path that prepares its memory first.
    QByteArray large(6 * 1024 * 1024 + 1, Qt::Uninitialized);
    for (int i = 0; i < large.size(); ++i)
        large[i] = char((i * 131 + i / 251) & 0xFF);
    const QString code = Base64::codeQByteArray(large);
    QVERIFY(code == QString::fromLatin1(large.toBase64()));
    QVERIFY(Base64::decodeQByteArray(code) == large);
}

void TestBase64::decodingAgreesWithQt_data()
{
    QTest::addColumn<QString>("foreign");
    QTest::newRow("padding") << QStringLiteral("=");
    QTest::newRow("line break") << QStringLiteral("\r\n");
    QTest::newRow("space") << QStringLiteral(" ");
    QTest::newRow("url alphabet") << QStringLiteral("-_");
    QTest::newRow("nul") << QString(QChar(0));
    QTest::newRow("latin-1 letter") << QString(QChar(0x00E9));
    QTest::newRow("beyond latin-1") << QString(QChar(0x20AC));
    QTest::newRow("a letter's high byte") << QString(QChar(0x0141));
    QTest::newRow("surrogate pair") << QString::fromUcs4(U"\U0001F3B5");
}

void TestBase64::decodingAgreesWithQt()
{
    // Characters outside the alphabet, at every place of a group and with every
    // count of characters after them, shift the grouping of what follows; the
    // bytes must stay those of QByteArray's own decoding of the Latin-1 text.
    QFETCH(QString, foreign);
    QByteArray data;
    for (int i = 0; i < 40; ++i)
        data.append(char((i * 89 + 7) & 0xFF));
    const QString code = Base64::codeQByteArray(data);
    for (int at = 0; at <= code.size(); ++at) {
        for (int length = at; length <= code.size(); length += 3) {
            QString text = code.left(length);
            text.insert(at, foreign);
            QCOMPARE(Base64::decodeQByteArray(text), QByteArray::fromBase64(text.toLatin1()));
        }
    }
    // Foreign characters every few groups of a long text, as line breaks stand in
    // files: the whole groups between them go the quick way.
    QByteArray large(300 * 1000 + 2, Qt::Uninitialized);
    for (int i = 0; i < large.size(); ++i)
        large[i] = char((i * 131 + i / 251) & 0xFF);
    QString broken = Base64::codeQByteArray(large);
    for (int at = broken.size() - 1; at > 0; at -= 75)
        broken.insert(at, foreign);
    QVERIFY(Base64::decodeQByteArray(broken) == QByteArray::fromBase64(broken.toLatin1()));
}

void TestBase64::email_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");
    QTest::newRow("two letters") << "jo.smith@example.de" << true;
    QTest::newRow("three letters") << "jo_smith-1@mail.example.com" << true;
    QTest::newRow("four letters") << "a@b.info" << true;
    QTest::newRow("five letters") << "a@b.media" << true;
    QTest::newRow("long domain") << "someone@museum.photography" << true;
    QTest::newRow("digits") << "root@192.168.0.1" << true;
    QTest::newRow("upper case") << "Jo.Smith@EXAMPLE.COM" << true;
    QTest::newRow("one letter") << "a@b.c" << false;
    QTest::newRow("four digits") << "a@b.1234" << false;
    QTest::newRow("letters and digits") << "a@b.c0m" << false;
    QTest::newRow("no at sign") << "jo.example.com" << false;
    QTest::newRow("no dot after at") << "jo@localhost" << false;
    QTest::newRow("space in local part") << "jo smith@example.com" << false;
    QTest::newRow("plus in local part") << "jo+news@example.com" << false;
    QTest::newRow("two at signs") << "jo@x@example.com" << false;
    QTest::newRow("empty local part") << "@example.com" << false;
    QTest::newRow("trailing dot") << "jo@example.com." << false;
    QTest::newRow("empty") << "" << false;
}

void TestBase64::email()
{
    QFETCH(QString, address);
    QFETCH(bool, valid);
    QRegExp re = RegExps::email();
    QCOMPARE(re.caseSensitivity(), Qt::CaseSensitive);
    QCOMPARE(re.patternSyntax(), QRegExp::RegExp);
    QCOMPARE(re.exactMatch(address), valid);
}

QTEST_APPLESS_MAIN(TestBase64)
#include "tst_base64.moc"

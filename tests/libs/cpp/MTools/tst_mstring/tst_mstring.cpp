#include <QtTest>

#include <iostream>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include <sys/stat.h>

#include "MTools/Error.h"
#include "MTools/MString.h"
#include "MTools/MStringWrap.h"

using MTools::MStringWrap;

namespace {

const char kClassId[] = "41c69b52-961b-4eee-b5aa-36a830fc3d81";

std::string bytesOf(const MString& s)
{
    return std::string(s.c_str(), s.length());
}

MString fromBytes(const std::string& bytes)
{
    return MStringWrap(bytes.data(), bytes.size());
}

// The text a thrown `const char*` carries, or an empty text when nothing was thrown.
template <typename F>
QByteArray thrownText(F&& f)
{
    try {
        f();
    } catch (const char* text) {
        return QByteArray(text);
    }
    return QByteArray();
}

} // namespace

class TestMString : public QObject
{
    Q_OBJECT

private slots:
    void numbers();
    void againstStdString_data();
    void againstStdString();
    void ordering_data();
    void ordering();
    void find_data();
    void find();
    void getString_data();
    void getString();
    void indexOutOfRange_data();
    void indexOutOfRange();
    void ownBytesAsSource();
    void assignment();
    void nullPointers();
    void streams();
    void wrap_data();
    void wrap();
    void fileRoundTrip();
    void importRange_data();
    void importRange();
    void importErrors_data();
    void importErrors();
    void exportErrors_data();
    void exportErrors();
    void error();
};

void TestMString::numbers()
{
    // The string asked counts itself.
    QCOMPARE(MString().getCounter(), 1);
    {
        const MString a("a");
        const MString b("b");
        QCOMPARE(a.getObjectID(), MString(kClassId) + MString("0"));
        QCOMPARE(b.getObjectID(), MString(kClassId) + MString("1"));
        QCOMPARE(b.getCounter(), 2);
        const MStringWrap five(5);
        QCOMPARE(five.getObjectID(), MString(kClassId) + MString("2"));
    }
    const MString again;
    QCOMPARE(again.getObjectID(), MString(kClassId) + MString("0"));
    QCOMPARE(again.getClassID(), MString(kClassId));
    QCOMPARE(again.getClassName(), MString("MString"));
}

void TestMString::againstStdString_data()
{
    QTest::addColumn<uint>("seed");
    for (uint seed = 1; seed <= 40; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Random sequences of operations, each checked against the same on std::string.
// The alphabet holds a zero byte and a byte above 127.
void TestMString::againstStdString()
{
    QFETCH(uint, seed);
    std::mt19937 random(seed);
    auto pick = [&random](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };
    const std::string alphabet("abAB\0\xe9z", 7);
    auto randomBytes = [&] {
        std::string bytes;
        const int n = pick(6);
        for (int i = 0; i < n; ++i)
            bytes += alphabet[size_t(pick(int(alphabet.size())))];
        return bytes;
    };

    std::string expected = randomBytes();
    MString s = fromBytes(expected);
    for (int step = 0; step < 60; ++step) {
        const std::string other = randomBytes();
        const MString o = fromBytes(other);
        const int n = int(expected.size());
        switch (pick(10)) {
        case 0:
            s.cat(o);
            expected += other;
            break;
        case 1:
            s += s;
            expected += expected;
            break;
        case 2: {
            const MString sum = s + o;
            QCOMPARE(bytesOf(sum), expected + other);
            break;
        }
        case 3: {
            const int from = pick(n + 3) - 1;
            const int to = pick(n + 3) - 1;
            const int start = std::max(0, std::min(from, n));
            const int end = std::max(0, std::min(to, n));
            const std::string part = start < end ? expected.substr(size_t(start), size_t(end - start)) : "";
            QCOMPARE(bytesOf(s.getString(from, to)), part);
            break;
        }
        case 4:
            s.reverse();
            std::reverse(expected.begin(), expected.end());
            break;
        case 5:
            if (pick(2)) {
                s.toUpper();
                for (char& c : expected)
                    c = (c >= 'a' && c <= 'z') ? char(c - 32) : c;
            } else {
                s.toLower();
                for (char& c : expected)
                    c = (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
            }
            break;
        case 6: {
            const int from = pick(n + 2) - 1;
            const size_t start = size_t(std::max(0, from));
            const size_t hit = start < size_t(n) ? expected.find(other, start) : std::string::npos;
            QCOMPARE(s.find(o, from), hit == std::string::npos ? -1 : int(hit));
            break;
        }
        case 7:
            QCOMPARE(s == o, expected == other);
            QCOMPARE(s != o, expected != other);
            QCOMPARE(s.compare(o), expected == other ? 1 : 0);
            break;
        case 8:
            if (n > 0) {
                const long i = pick(n);
                s[i] = 'q';
                expected[size_t(i)] = 'q';
            }
            break;
        case 9:
            // The source lies inside the string's own bytes.
            if (n > 0) {
                const int from = pick(n);
                s.copy(s.c_str() + from);
                expected = std::string(expected.c_str() + from);
            }
            break;
        }
        QCOMPARE(bytesOf(s), expected);
        QCOMPARE(s.length(), (unsigned long)expected.size());
        QCOMPARE(s.isEmpty(), expected.empty());
        // Always zero-terminated behind the counted bytes.
        QCOMPARE(s.c_str()[s.length()], '\0');
    }
}

void TestMString::ordering_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("abc < abd") << QByteArray("abc") << QByteArray("abd") << -1;
    QTest::newRow("ab < abc") << QByteArray("ab") << QByteArray("abc") << -1;
    QTest::newRow("b > abc") << QByteArray("b") << QByteArray("abc") << 1;
    QTest::newRow("equal") << QByteArray("abc") << QByteArray("abc") << 0;
    QTest::newRow("empty < a") << QByteArray() << QByteArray("a") << -1;
    // Bytes compare as signed chars: 0xe9 is negative.
    QTest::newRow("high byte < a") << QByteArray("\xe9") << QByteArray("a") << -1;
    QTest::newRow("zero byte inside") << QByteArray("a\0b", 3) << QByteArray("a\0c", 3) << -1;
}

void TestMString::ordering()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(int, order);
    const MString x = MStringWrap(a.constData(), ulong(a.size()));
    const MString y = MStringWrap(b.constData(), ulong(b.size()));
    QCOMPARE(x < y, order < 0);
    QCOMPARE(x > y, order > 0);
    QCOMPARE(x == y, order == 0);
    QCOMPARE(x <= y, order <= 0);
    QCOMPARE(x >= y, order >= 0);
    QCOMPARE(y<x, order> 0);
}

void TestMString::find_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("index");
    QTest::newRow("ab in aab") << QByteArray("aab") << QByteArray("ab") << 0 << 1;
    QTest::newRow("x in abc") << QByteArray("abc") << QByteArray("x") << 0 << -1;
    QTest::newRow("from at the length") << QByteArray("abc") << QByteArray("c") << 3 << -1;
    QTest::newRow("from past the length") << QByteArray("abc") << QByteArray("c") << 7 << -1;
    QTest::newRow("negative from counts as 0") << QByteArray("abc") << QByteArray("a") << -5 << 0;
    QTest::newRow("after from") << QByteArray("abab") << QByteArray("ab") << 1 << 2;
    QTest::newRow("pattern longer than text") << QByteArray("ab") << QByteArray("abc") << 0 << -1;
    QTest::newRow("empty pattern") << QByteArray("abc") << QByteArray() << 1 << 1;
}

void TestMString::find()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, pattern);
    QFETCH(int, from);
    QTEST(MString(text.constData()).find(MString(pattern.constData()), from), "index");
}

void TestMString::getString_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QByteArray>("part");
    QTest::newRow("1, 3") << 1 << 3 << QByteArray("el");
    QTest::newRow("2, 2") << 2 << 2 << QByteArray();
    QTest::newRow("whole") << 0 << 5 << QByteArray("hello");
    QTest::newRow("negative from") << -4 << 2 << QByteArray("he");
    QTest::newRow("to past the end") << 3 << 99 << QByteArray("lo");
    QTest::newRow("inverted") << 4 << 1 << QByteArray();
    QTest::newRow("both negative") << -3 << -1 << QByteArray();
}

void TestMString::getString()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QByteArray, part);
    const MString hello("hello");
    const MString result = hello.getString(from, to);
    QCOMPARE(QByteArray(result.c_str(), int(result.length())), part);
}

void TestMString::indexOutOfRange_data()
{
    QTest::addColumn<long>("index");
    QTest::newRow("-1") << -1L;
    QTest::newRow("length") << 3L;
    QTest::newRow("past 32 bits") << (1L << 40);
}

void TestMString::indexOutOfRange()
{
    QFETCH(long, index);
    MString s("abc");
    const MString& constant = s;
    QCOMPARE(thrownText([&] { s[index] = 'x'; }), QByteArray("index out of range"));
    QCOMPARE(thrownText([&] { (void)constant[index]; }), QByteArray("index out of range"));
    QCOMPARE(bytesOf(s), std::string("abc"));
    QCOMPARE(s[2], 'c');
}

void TestMString::ownBytesAsSource()
{
    MString s("abc");
    s.cat(s);
    QCOMPARE(bytesOf(s), std::string("abcabc"));
    s += s;
    QCOMPARE(bytesOf(s), std::string("abcabcabcabc"));
    s.copy(s);
    QCOMPARE(bytesOf(s), std::string("abcabcabcabc"));
    s.copy(s.c_str() + 9);
    QCOMPARE(bytesOf(s), std::string("abc"));
    s.copy(s.data());
    QCOMPARE(bytesOf(s), std::string("abc"));
}

void TestMString::assignment()
{
    MString target("long enough to be on the heap");
    const MString id = target.getObjectID();
    {
        MString source("short");
        target = source;
        source[0] = 'S';
        QCOMPARE(bytesOf(target), std::string("short"));
    }
    // The number stays the object's own.
    QCOMPARE(target.getObjectID(), id);
    MString& self = target;
    target = self;
    QCOMPARE(bytesOf(target), std::string("short"));

    MStringWrap wrapped("wrapped");
    wrapped = MStringWrap(42);
    QCOMPARE(bytesOf(wrapped), std::string("42"));
}

void TestMString::nullPointers()
{
    const MString none(nullptr);
    QVERIFY(none.isEmpty());
    QCOMPARE(none.c_str(), "");
    MString s("abc");
    s.copy(static_cast<const char*>(nullptr));
    QVERIFY(s.isEmpty());
    QVERIFY(MStringWrap(static_cast<const char*>(nullptr)).isEmpty());
    QVERIFY(MStringWrap(static_cast<const char*>(nullptr), 5ul).isEmpty());
    QCOMPARE(thrownText([] { MString().importFromFile(static_cast<const char*>(nullptr)); }),
             QByteArray("can not open the file"));
}

void TestMString::streams()
{
    const MString s = MStringWrap("a\0b", 3ul);
    std::ostringstream printed;
    s.printOn(printed);
    QCOMPARE(printed.str(), std::string("a b"));
    std::ostringstream exported;
    s.exportToStream(exported);
    QCOMPARE(exported.str(), std::string("a"));

    std::ostringstream out;
    std::streambuf* old = std::cout.rdbuf(out.rdbuf());
    MStringWrap("hi").test();
    std::cout.rdbuf(old);
    QCOMPARE(out.str(), std::string("hi\n"));
}

void TestMString::wrap_data()
{
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("expected");
    auto text = [](const MString& s) { return QByteArray(s.c_str(), int(s.length())); };
    QTest::newRow("char") << text(MStringWrap('x')) << QByteArray("x");
    QTest::newRow("zero char") << text(MStringWrap('\0')) << QByteArray(1, '\0');
    QTest::newRow("int") << text(MStringWrap(-42)) << QByteArray("-42");
    QTest::newRow("long in 32 bits") << text(MStringWrap(-7L)) << QByteArray("-7");
    QTest::newRow("long past 32 bits") << text(MStringWrap(5000000000L)) << QByteArray("5000000000");
    QTest::newRow("long minimum") << text(MStringWrap(std::numeric_limits<long>::min()))
                                  << QByteArray("-9223372036854775808");
    QTest::newRow("unsigned") << text(MStringWrap(4000000000u)) << QByteArray("4000000000");
    QTest::newRow("float") << text(MStringWrap(1.5f)) << QByteArray("1.500000");
    QTest::newRow("double") << text(MStringWrap(-0.25)) << QByteArray("-0.250000");
    QTest::newRow("long double") << text(MStringWrap(2.0L)) << QByteArray("2.000000");
    // 1e308 prints with 309 digits before the point.
    const QByteArray huge = QByteArray::number(1e308, 'f', 6);
    QCOMPARE(huge.size(), 316);
    QTest::newRow("huge double") << text(MStringWrap(1e308)) << huge;
    QTest::newRow("huge negative double") << text(MStringWrap(-1e308)) << "-" + huge;
    QTest::newRow("first n bytes") << text(MStringWrap("ab\0cd", 4ul)) << QByteArray("ab\0c", 4);
    QTest::newRow("buffer of n") << text(MStringWrap(3ul)) << QByteArray(3, '\0');
}

void TestMString::wrap()
{
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QCOMPARE(actual, expected);
}

void TestMString::fileRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray path = dir.filePath("bytes.bin").toLocal8Bit();
    const MString written = MStringWrap("ab\0\xff", 4ul);
    MString writer(written);
    writer.exportToFile(path.constData());

    MString read;
    read.importFromFile(path.constData());
    QCOMPARE(read, written);

    MString pathString(path.constData());
    MString again("old");
    again.importFromFile(pathString);
    QCOMPARE(again, written);

    // Replaces a longer file completely.
    MString shorter("x");
    shorter.exportToFile(pathString);
    QCOMPARE(MString().importFromFile(path.constData()), MString("x"));
}

void TestMString::importRange_data()
{
    QTest::addColumn<long>("offset");
    QTest::addColumn<long>("count");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("middle") << 2L << 3L << QByteArray("234");
    QTest::newRow("nothing") << 4L << 0L << QByteArray();
    // A short read keeps only what the file had.
    QTest::newRow("count past the end") << 7L << 10L << QByteArray("789");
    QTest::newRow("offset at the end") << 10L << 5L << QByteArray();
    QTest::newRow("offset past the end") << 1000L << 5L << QByteArray();
    QTest::newRow("huge count") << 0L << std::numeric_limits<long>::max() << QByteArray("0123456789");
    QTest::newRow("huge offset") << std::numeric_limits<long>::max() << 4L << QByteArray();
}

void TestMString::importRange()
{
    QFETCH(long, offset);
    QFETCH(long, count);
    QFETCH(QByteArray, bytes);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write("0123456789");
    file.close();
    MString s("previous");
    s.importFromFile(file.fileName().toLocal8Bit().constData(), offset, count);
    QCOMPARE(QByteArray(s.c_str(), int(s.length())), bytes);
}

void TestMString::importErrors_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<long>("offset");
    QTest::addColumn<long>("count");
    QTest::addColumn<QByteArray>("thrown");
    QTest::newRow("missing file") << QString("missing") << 0L << 1L << QByteArray("can not open the file");
    QTest::newRow("negative offset") << QString() << -1L << 1L << QByteArray("invalid offset or count");
    QTest::newRow("negative count") << QString() << 0L << -1L << QByteArray("invalid offset or count");
}

void TestMString::importErrors()
{
    QFETCH(QString, path);
    QFETCH(long, offset);
    QFETCH(long, count);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write("0123456789");
    file.close();
    const QByteArray name = (path.isEmpty() ? file.fileName() : file.fileName() + path).toLocal8Bit();
    MString s("kept");
    QTEST(thrownText([&] { s.importFromFile(name.constData(), offset, count); }), "thrown");
    QCOMPARE(bytesOf(s), std::string("kept"));
    if (!path.isEmpty())
        QTEST(thrownText([&] { s.importFromFile(name.constData()); }), "thrown");
}

void TestMString::exportErrors_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("thrown");
    QTest::newRow("no such folder") << QByteArray("/nonexistent-folder/file") << QByteArray("can not create the file");
    // Opening works, writing fails: the device is always full.
    QTest::newRow("full device") << QByteArray("/dev/full") << QByteArray("can not write the file");
}

void TestMString::exportErrors()
{
    QFETCH(QByteArray, path);
    // Never create a plain file in /dev where the device is missing.
    struct stat device;
    if (path.startsWith("/dev/") && (stat(path.constData(), &device) != 0 || !S_ISCHR(device.st_mode)))
        QSKIP("No such device here");
    MString s("some bytes");
    QTEST(thrownText([&] { s.exportToFile(path.constData()); }), "thrown");
    QCOMPARE(bytesOf(s), std::string("some bytes"));
}

void TestMString::error()
{
    const MTools::Error fromText("disk full");
    QCOMPARE(fromText.message(), MString("disk full"));
    MTools::Error fromString(MString("bad input"));
    QCOMPARE(fromString.message(), MString("bad input"));
    fromString = fromText;
    QCOMPARE(fromString.message(), MString("disk full"));
}

QTEST_APPLESS_MAIN(TestMString)
#include "tst_mstring.moc"

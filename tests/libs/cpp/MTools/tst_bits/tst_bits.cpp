#include <QtTest>

#include <iostream>
#include <random>
#include <sstream>
#include <vector>

#include "MTools/Bits.h"

using MTools::Bits;

namespace {

using Ref = std::vector<bool>;

// Catches what is written to a standard stream while it lives.
class Capture
{
public:
    explicit Capture(std::ostream& stream)
        : m_stream(stream)
        , m_old(stream.rdbuf(m_text.rdbuf()))
    {
    }
    ~Capture() { m_stream.rdbuf(m_old); }
    std::string text() const { return m_text.str(); }

private:
    std::ostream& m_stream;
    std::ostringstream m_text;
    std::streambuf* m_old;
};

Ref bitsOf(const Bits& b)
{
    Ref r;
    for (unsigned i = 0; i < b.count(); ++i)
        r.push_back(b.getBit(i) == 1);
    return r;
}

Bits fromRef(const Ref& r)
{
    Bits b(int(r.size()));
    for (size_t i = 0; i < r.size(); ++i)
        b.setBit(unsigned(i), r[i]);
    return b;
}

Bits fromString(const char* lowestFirst)
{
    return fromRef([lowestFirst] {
        Ref r;
        for (const char* c = lowestFirst; *c; ++c)
            r.push_back(*c == '1');
        return r;
    }());
}

// The operations done round by round on a plain vector, as the simplest model.
int refRor(Ref& r, unsigned k)
{
    int last = 0;
    for (unsigned round = 0; round < k && !r.empty(); ++round) {
        const bool out = r.front();
        r.erase(r.begin());
        r.push_back(out);
        last = out;
    }
    return last;
}

int refRol(Ref& r, unsigned k)
{
    int last = 0;
    for (unsigned round = 0; round < k && !r.empty(); ++round) {
        const bool out = r.back();
        r.pop_back();
        r.insert(r.begin(), out);
        last = out;
    }
    return last;
}

int refShr(Ref& r, unsigned k)
{
    int last = 0;
    for (unsigned round = 0; round < k && !r.empty(); ++round) {
        last = r.front();
        r.erase(r.begin());
        r.push_back(false);
    }
    return last;
}

int refShl(Ref& r, unsigned k)
{
    int last = 0;
    for (unsigned round = 0; round < k && !r.empty(); ++round) {
        last = r.back();
        r.pop_back();
        r.insert(r.begin(), false);
    }
    return last;
}

// The first four bytes, little-endian, of the valid bits only.
int refInt(const Ref& r)
{
    unsigned value = 0;
    for (size_t i = 0; i < r.size() && i < 32; ++i)
        value |= unsigned(r[i]) << i;
    return int(value);
}

} // namespace

class TestBits : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void codes();
    void printing();
    void rotationsAndShifts_data();
    void rotationsAndShifts();
    void delAndCat();
    void againstVectorBool_data();
    void againstVectorBool();
    void errorLines_data();
    void errorLines();
    void spareBitsStayClear();
    void setCodeFromBytes_data();
    void setCodeFromBytes();
    void setCodeCopiesTheWholeArray_data();
    void setCodeCopiesTheWholeArray();
    void copyAndAssignment();
};

void TestBits::sizes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<uint>("count");
    QTest::addColumn<int>("bytes");
    QTest::newRow("10") << 10 << 10u << 2;
    QTest::newRow("16") << 16 << 16u << 2;
    QTest::newRow("17") << 17 << 17u << 3;
    QTest::newRow("0") << 0 << 0u << 0;
    QTest::newRow("negative") << -5 << 0u << 0;
}

void TestBits::sizes()
{
    QFETCH(int, n);
    Capture errors(std::cerr);
    const Bits b(n);
    QTEST(b.count(), "count");
    QTEST(b.byteCount(), "bytes");
    QCOMPARE(int(b), 0);
    QCOMPARE(errors.text().empty(), n >= 0);
}

void TestBits::codes()
{
    Bits b(32);
    b.setCode(11u);
    QCOMPARE(b.getCode(4), 11u);
    QCOMPARE(b.getBit(3), 1);
    QCOMPARE(b.getBit(2), 0);
    QCOMPARE(b.getBit(32), -1);
    QCOMPARE(int(b), 11);
    b.setCode(0xdeadbeefu);
    QCOMPARE(b.getCode(32), 0xdeadbeefu);
    QCOMPARE(b.getCode(16), 0xbeefu);
    QCOMPARE(int(b), int(0xdeadbeefu));
}

void TestBits::printing()
{
    const Bits b = fromString("1011");
    std::ostringstream os;
    b.printOn(os);
    QCOMPARE(os.str(), std::string("1101"));
    Capture out(std::cout);
    b.print();
    QCOMPARE(out.text(), std::string("1011\n"));
}

void TestBits::rotationsAndShifts_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<uint>("k");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("result");
    // Bits are written from position 0 up.
    QTest::newRow("ror 1") << "ror" << QByteArray("1000") << 1u << QByteArray("0001") << 1;
    QTest::newRow("rol 1") << "rol" << QByteArray("0001") << 1u << QByteArray("1000") << 1;
    QTest::newRow("shr 2") << "shr" << QByteArray("1101") << 2u << QByteArray("0100") << 1;
    QTest::newRow("shl 1") << "shl" << QByteArray("1101") << 1u << QByteArray("0110") << 1;
    QTest::newRow("ror 0") << "ror" << QByteArray("1101") << 0u << QByteArray("1101") << 0;
    QTest::newRow("shr 0") << "shr" << QByteArray("1101") << 0u << QByteArray("1101") << 0;
    QTest::newRow("ror 5 on 4") << "ror" << QByteArray("1100") << 5u << QByteArray("1001") << 1;
    QTest::newRow("rol 6 on 4") << "rol" << QByteArray("1000") << 6u << QByteArray("0010") << 0;
    QTest::newRow("shr the length") << "shr" << QByteArray("1101") << 4u << QByteArray("0000") << 1;
    QTest::newRow("shl the length") << "shl" << QByteArray("1101") << 4u << QByteArray("0000") << 1;
    // More rounds than bits: only zeros go out after the last real bit.
    QTest::newRow("shr past the length") << "shr" << QByteArray("1111") << 1000000u << QByteArray("0000") << 0;
    QTest::newRow("shl past the length") << "shl" << QByteArray("1111") << 4000000000u << QByteArray("0000") << 0;
    // 4000000000 = 3 * 1333333333 + 1: one place, and the last round moved bit 0.
    QTest::newRow("ror huge") << "ror" << QByteArray("100") << 4000000000u << QByteArray("001") << 1;
    QTest::newRow("ror empty") << "ror" << QByteArray() << 3u << QByteArray() << 0;
    QTest::newRow("rol empty") << "rol" << QByteArray() << 3u << QByteArray() << 0;
    QTest::newRow("shr empty") << "shr" << QByteArray() << 3u << QByteArray() << 0;
}

void TestBits::rotationsAndShifts()
{
    QFETCH(QString, operation);
    QFETCH(QByteArray, before);
    QFETCH(uint, k);
    QFETCH(QByteArray, after);
    Bits b = fromString(before.constData());
    int result = -1;
    if (operation == "ror")
        result = b.ror(k);
    else if (operation == "rol")
        result = b.rol(k);
    else if (operation == "shr")
        result = b.shr(k);
    else
        result = b.shl(k);
    QCOMPARE(bitsOf(b), bitsOf(fromString(after.constData())));
    QTEST(result, "result");
}

void TestBits::delAndCat()
{
    Bits b = fromString("01101011");
    b.del(3);
    QCOMPARE(b.count(), 5u);
    QCOMPARE(bitsOf(b), bitsOf(fromString("01011")));
    QCOMPARE(b.byteCount(), 1);

    Bits three(3);
    const Bits six = fromString("111111");
    three.cat(six);
    QCOMPARE(three.count(), 9u);
    QCOMPARE(three.byteCount(), 2);
    QCOMPARE(bitsOf(three), bitsOf(fromString("000111111")));

    Bits self = fromString("101");
    self.cat(self);
    QCOMPARE(bitsOf(self), bitsOf(fromString("101101")));

    Bits all = fromString("1111");
    all.del(100);
    QCOMPARE(all.count(), 0u);
    QCOMPARE(int(all), 0);
    Bits kept = fromString("1011");
    kept.del(-2);
    QCOMPARE(bitsOf(kept), bitsOf(fromString("1011")));
}

void TestBits::againstVectorBool_data()
{
    QTest::addColumn<uint>("seed");
    for (uint seed = 1; seed <= 60; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Random sequences of every operation, checked after each step against the same
// done round by round on std::vector<bool>.
void TestBits::againstVectorBool()
{
    QFETCH(uint, seed);
    std::mt19937 random(seed);
    auto pick = [&random](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random)); };
    auto randomRef = [&] {
        Ref r(size_t(pick(40)));
        for (size_t i = 0; i < r.size(); ++i)
            r[i] = pick(2);
        return r;
    };

    Ref expected = randomRef();
    Bits b = fromRef(expected);
    Capture errors(std::cerr);
    for (int step = 0; step < 80; ++step) {
        const int n = int(expected.size());
        const Ref other = randomRef();
        const Bits o = fromRef(other);
        const unsigned k = unsigned(pick(2 * n + 3));
        switch (pick(11)) {
        case 0:
            QCOMPARE(b.ror(k), refRor(expected, k));
            break;
        case 1:
            QCOMPARE(b.rol(k), refRol(expected, k));
            break;
        case 2:
            QCOMPARE(b.shr(k), refShr(expected, k));
            break;
        case 3:
            QCOMPARE(b.shl(k), refShl(expected, k));
            break;
        case 4:
            b.del(int(k));
            expected.erase(expected.begin(), expected.begin() + std::min<long>(k, n));
            break;
        case 5:
            if (n < 200) {
                b.cat(o);
                expected.insert(expected.end(), other.begin(), other.end());
            }
            break;
        case 6:
            b.andOp(o);
            for (size_t i = 0; i < expected.size(); ++i)
                expected[i] = i < other.size() && expected[i] && other[i];
            break;
        case 7:
            b.orOp(o);
            for (size_t i = 0; i < expected.size() && i < other.size(); ++i)
                expected[i] = expected[i] || other[i];
            break;
        case 8:
            b.xorOp(o);
            for (size_t i = 0; i < expected.size() && i < other.size(); ++i)
                expected[i] = expected[i] != other[i];
            break;
        case 9:
            b.negOp();
            expected.flip();
            break;
        case 10: {
            const unsigned pos = unsigned(pick(n + 2));
            const int value = pick(2);
            b.setBit(pos, value);
            if (pos < unsigned(n))
                expected[pos] = value;
            break;
        }
        }
        QCOMPARE(bitsOf(b), expected);
        QCOMPARE(b.byteCount(), (int(expected.size()) + 7) / 8);
        QCOMPARE(int(b), refInt(expected));
        if (!expected.empty()) {
            const unsigned count = std::min<unsigned>(unsigned(expected.size()), 32u);
            QCOMPARE(b.getCode(count), unsigned(refInt(expected)) & (count == 32 ? ~0u : (1u << count) - 1));
        }
    }
}

void TestBits::errorLines_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<uint>("argument");
    QTest::addColumn<uint>("result");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("lines");
    const QByteArray setBit = "Bits::setBit(int,int) Position is out of range\n";
    const QByteArray getCode = "Bits::getCode(int) Out Of Range\n";
    QTest::newRow("setBit at the length") << 8 << "setBit" << 8u << 0u << setBit << 1;
    QTest::newRow("setCode on 8 bits") << 8 << "setCode" << 0xffffffffu << 0u << setBit << 24;
    QTest::newRow("getCode 0") << 8 << "getCode" << 0u << 0u << getCode << 1;
    QTest::newRow("getCode past the length") << 8 << "getCode" << 9u << 0u << getCode << 1;
    // A 33-bit code does not fit the result.
    QTest::newRow("getCode 33 of 40") << 40 << "getCode" << 33u << 0u << getCode << 1;
    QTest::newRow("getCode 39 of 40") << 40 << "getCode" << 39u << 0u << getCode << 1;
    QTest::newRow("getCode 32 of 40") << 40 << "getCode" << 32u << 0xffffffffu << QByteArray() << 0;
}

void TestBits::errorLines()
{
    QFETCH(int, n);
    QFETCH(QString, operation);
    QFETCH(uint, argument);
    QFETCH(QByteArray, line);
    QFETCH(int, lines);
    Bits b(n);
    for (int i = 0; i < n; ++i)
        b.setBit(unsigned(i), 1);
    const Ref before = bitsOf(b);
    Capture errors(std::cerr);
    if (operation == "setBit") {
        b.setBit(argument, 0);
    } else if (operation == "setCode") {
        b.setCode(argument);
    } else {
        QTEST(b.getCode(argument), "result");
    }
    QCOMPARE(QByteArray::fromStdString(errors.text()), line.repeated(lines));
    QCOMPARE(bitsOf(b), before);
}

// The bits above the last position never show in whole-byte reads.
void TestBits::spareBitsStayClear()
{
    Bits four(4);
    four.negOp();
    QCOMPARE(int(four), 0xf);

    Bits thirteen(13);
    thirteen.negOp();
    thirteen.del(3);
    QCOMPARE(int(thirteen), 0x3ff);

    Bits low(3);
    low.negOp();
    low.cat(Bits(2));
    QCOMPARE(int(low), 0x7);

    Bits raw(4);
    const char bytes[] = {char(0xff)};
    raw.setCode(bytes, 1);
    QCOMPARE(int(raw), 0xf);
}

void TestBits::setCodeFromBytes_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("value");
    QTest::newRow("whole") << 16 << QByteArray("\x34\x12") << 2 << 0x1234;
    QTest::newRow("shorter keeps the rest") << 16 << QByteArray("\x34") << 1 << 0xff34;
    QTest::newRow("longer is cut") << 8 << QByteArray("\x34\x12\x56") << 3 << 0x34;
    QTest::newRow("negative length") << 8 << QByteArray("\x34") << -1 << 0xff;
}

void TestBits::setCodeFromBytes()
{
    QFETCH(int, n);
    QFETCH(QByteArray, bytes);
    QFETCH(int, length);
    Bits b(n);
    b.negOp();
    Capture errors(std::cerr);
    b.setCode(bytes.constData(), length);
    QTEST(int(b), "value");
    QCOMPARE(errors.text().empty(), length >= 0);
    b.setCode(nullptr, 4);
    QTEST(int(b), "value");
}

void TestBits::setCodeCopiesTheWholeArray_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("bytes"); // exactly the array's bytes, so a longer read shows
    QTest::addColumn<int>("value");
    QTest::newRow("two bytes") << 16 << QByteArray("\x34\x12") << 0x1234;
    QTest::newRow("spare bits stay clear") << 12 << QByteArray("\xff\xff") << 0xfff;
    QTest::newRow("one bit") << 1 << QByteArray("\x03") << 1;
}

void TestBits::setCodeCopiesTheWholeArray()
{
    QFETCH(int, n);
    QFETCH(QByteArray, bytes);
    Bits b(n);
    const std::vector<char> exact(bytes.begin(), bytes.end());
    b.setCode(exact.data());
    QTEST(int(b), "value");
    b.setCode(static_cast<const char*>(nullptr));
    QTEST(int(b), "value");
}

void TestBits::copyAndAssignment()
{
    Bits a = fromString("1011");
    Bits copy(a);
    a.setBit(0, 0);
    QCOMPARE(copy.getBit(0), 1);
    Bits target(40);
    target = a;
    a.setBit(1, 1);
    QCOMPARE(target.count(), 4u);
    QCOMPARE(bitsOf(target), bitsOf(fromString("0011")));
    Bits& self = target;
    target = self;
    QCOMPARE(bitsOf(target), bitsOf(fromString("0011")));
}

QTEST_APPLESS_MAIN(TestBits)
#include "tst_bits.moc"

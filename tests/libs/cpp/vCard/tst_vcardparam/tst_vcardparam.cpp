#include <QtTest>

#include "vCard/vCardParam.h"

using Params = QList<vCardParam>;
Q_DECLARE_METATYPE(Params)
Q_DECLARE_METATYPE(vCardVersion)

namespace {

vCardParam type(const QString& value)
{
    return vCardParam(value, vCardParam::Type);
}

vCardParam undefined(const QString& value)
{
    return vCardParam(value, vCardParam::Undefined);
}

vCardParam encoding(const QString& value)
{
    return vCardParam(value, vCardParam::Encoding);
}

vCardParam charset(const QString& value)
{
    return vCardParam(value, vCardParam::Charset);
}

} // namespace

class TestVCardParam : public QObject
{
    Q_OBJECT

private slots:
    void defaultAndValidity();
    void equality_data();
    void equality();
    void writeOne_data();
    void writeOne();
    void writeList_data();
    void writeList();
    void read_data();
    void read();
    void writtenListReadsBack_data();
    void writtenListReadsBack();
};

void TestVCardParam::defaultAndValidity()
{
    const vCardParam none;
    QCOMPARE(none.group(), vCardParam::Undefined);
    QVERIFY(none.value().isEmpty());
    QVERIFY(!none.isValid());
    QVERIFY(!type(QString()).isValid());
    QVERIFY(type(QStringLiteral("x")).isValid());
    QVERIFY(undefined(QStringLiteral(" ")).isValid());
}

void TestVCardParam::equality_data()
{
    QTest::addColumn<vCardParam>("a");
    QTest::addColumn<vCardParam>("b");
    QTest::addColumn<bool>("equal");
    QTest::newRow("same") << type("home") << type("home") << true;
    QTest::newRow("other group") << type("home") << undefined("home") << false;
    QTest::newRow("case differs") << type("home") << type("HOME") << false;
    QTest::newRow("other value") << charset("utf-8") << charset("latin1") << false;
}

void TestVCardParam::equality()
{
    QFETCH(vCardParam, a);
    QFETCH(vCardParam, b);
    QFETCH(bool, equal);
    QCOMPARE(a == b, equal);
    QCOMPARE(a != b, !equal);
}

void TestVCardParam::writeOne_data()
{
    QTest::addColumn<vCardParam>("param");
    QTest::addColumn<vCardVersion>("version");
    QTest::addColumn<QByteArray>("text");
    // 2.1 writes its own type words bare; a type 2.1 does not know keeps its
    // name, so that it is read back as a type.
    QTest::newRow("type 2.1") << type("home") << VC21 << QByteArray("home");
    QTest::newRow("type unknown to 2.1") << type("x-custom") << VC21 << QByteArray("TYPE=x-custom");
    QTest::newRow("type 3.0") << type("home") << VC30 << QByteArray("TYPE=home");
    QTest::newRow("encoding") << encoding("base64") << VC21 << QByteArray("ENCODING=base64");
    QTest::newRow("charset") << charset("utf-8") << VC30 << QByteArray("CHARSET=utf-8");
    QTest::newRow("bare word") << undefined("Pref") << VC21 << QByteArray("Pref");
    // Only a name is put in capitals, never a value.
    QTest::newRow("name and value") << undefined("x-service=Skype") << VC30 << QByteArray("X-SERVICE=Skype");
    QTest::newRow("semicolon quoted") << type("a;b") << VC21 << QByteArray("TYPE=\"a;b\"");
    QTest::newRow("colon quoted") << type("a:b") << VC30 << QByteArray("TYPE=\"a:b\"");
    QTest::newRow("comma quoted") << type("a,b") << VC30 << QByteArray("TYPE=\"a,b\"");
    QTest::newRow("blank at an end quoted") << type(" a") << VC30 << QByteArray("TYPE=\" a\"");
    QTest::newRow("quote, caret, line break")
        << type("say \"hi\"^\nbye") << VC30 << QByteArray("TYPE=say ^'hi^'^^^nbye");
    QTest::newRow("bare word with structure") << undefined("a b;c=d") << VC21 << QByteArray("\"a b;c=d\"");
    QTest::newRow("non-ASCII kept") << type(QStringLiteral("Büro")) << VC21 << QByteArray("TYPE=B\xC3\xBCro");
    QTest::newRow("unknown version") << type("home") << vCardVersion(2) << QByteArray();
}

void TestVCardParam::writeOne()
{
    QFETCH(vCardParam, param);
    QFETCH(vCardVersion, version);
    QFETCH(QByteArray, text);
    QCOMPARE(param.toByteArray(version), text);
}

void TestVCardParam::writeList_data()
{
    QTest::addColumn<Params>("params");
    QTest::addColumn<vCardVersion>("version");
    QTest::addColumn<QByteArray>("text");
    const Params mixed{encoding("8bit"), type("home"), undefined("PREF"), type("voice"), charset("utf-8")};
    QTest::newRow("empty 2.1") << Params() << VC21 << QByteArray();
    QTest::newRow("empty 3.0") << Params() << VC30 << QByteArray();
    QTest::newRow("mixed 2.1 in list order")
        << mixed << VC21 << QByteArray("ENCODING=8bit;home;PREF;voice;CHARSET=utf-8");
    // 3.0 gathers the types in front and puts the encodings last.
    QTest::newRow("mixed 3.0 by group") << mixed << VC30
                                        << QByteArray("TYPE=home,voice;PREF;CHARSET=utf-8;ENCODING=8bit");
    QTest::newRow("only undefined, same in both")
        << Params{undefined("a"), undefined("b")} << VC30 << QByteArray("a;b");
    QTest::newRow("3.0 type list quotes one value")
        << Params{type("a,b"), type("c")} << VC30 << QByteArray("TYPE=\"a,b\",c");
    QTest::newRow("unknown version") << mixed << vCardVersion(7) << QByteArray();
}

void TestVCardParam::writeList()
{
    QFETCH(Params, params);
    QFETCH(vCardVersion, version);
    QFETCH(QByteArray, text);
    QCOMPARE(vCardParam::toByteArray(params, version), text);
}

void TestVCardParam::read_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Params>("params");
    QTest::newRow("empty") << QByteArray() << Params();
    QTest::newRow("type list") << QByteArray("TYPE=home,cell") << Params{type("home"), type("cell")};
    QTest::newRow("lower-case name, value case kept") << QByteArray("type=Work") << Params{type("Work")};
    QTest::newRow("empty type value") << QByteArray("TYPE=") << Params{type("")};
    QTest::newRow("encoding and charset") << QByteArray("ENCODING=Quoted-Printable;charset=iso-8859-1")
                                          << Params{encoding("Quoted-Printable"), charset("iso-8859-1")};
    QTest::newRow("empty pieces skipped") << QByteArray(";;TYPE=work;") << Params{type("work")};
    // The name is what stands before "=", not a fixed number of characters.
    QTest::newRow("longer name is another parameter") << QByteArray("TYPEX=a") << Params{undefined("TYPEX=a")};
    QTest::newRow("encoding-like name") << QByteArray("ENCODINGS=x") << Params{undefined("ENCODINGS=x")};
    QTest::newRow("bare 2.1 type") << QByteArray("HOME;VOICE") << Params{undefined("HOME"), undefined("VOICE")};
    QTest::newRow("bare name word") << QByteArray("TYPE") << Params{undefined("TYPE")};
    QTest::newRow("blanks around pieces and =")
        << QByteArray(" TYPE = home ; X-A = 1 ") << Params{type("home"), undefined("X-A=1")};
    QTest::newRow("quoted values") << QByteArray("TYPE=\"a,b\",c;X-S=\"p;q:r\"")
                                   << Params{type("a,b"), type("c"), undefined("X-S=p;q:r")};
    QTest::newRow("caret escapes") << QByteArray("TYPE=^'x^'^n^^") << Params{type("\"x\"\n^")};
    QTest::newRow("inner blanks kept") << QByteArray("X-NOTE=\"a  b\"") << Params{undefined("X-NOTE=a  b")};
    QTest::newRow("up to NUL") << QByteArray("TYPE=a\0;TYPE=b", 15) << Params{type("a")};
}

void TestVCardParam::read()
{
    QFETCH(QByteArray, text);
    QFETCH(Params, params);
    QCOMPARE(vCardParam::fromByteArray(text), params);
}

void TestVCardParam::writtenListReadsBack_data()
{
    QTest::addColumn<Params>("params");
    QTest::addColumn<bool>("in21");
    // A bare 2.1 type word is a type only where the card says it is 2.1 text.
    QTest::newRow("types") << Params{type("home"), type("Voice")} << false;
    QTest::newRow("types unknown to 2.1") << Params{type("x-custom"), type("Voice mail")} << true;
    QTest::newRow("special characters") << Params{type("a;b"), type("c:d,e"), type(" f "), type("g\"h^i\nj"),
                                                  type(QStringLiteral("日本"))}
                                        << true;
    QTest::newRow("every group") << Params{charset("utf-8"), undefined("X-A=b;c"), encoding("8bit"), undefined("Pref")}
                                 << true;
}

void TestVCardParam::writtenListReadsBack()
{
    QFETCH(Params, params);
    QFETCH(bool, in21);
    for (vCardVersion version : {VC21, VC30}) {
        if (version == VC21 && !in21)
            continue;
        const Params back = vCardParam::fromByteArray(vCardParam::toByteArray(params, version));
        // 3.0 reorders by group; compare as sets of the same size.
        QCOMPARE(back.size(), params.size());
        for (const vCardParam& param : params)
            QVERIFY2(back.contains(param), qPrintable(param.value()));
        if (version == VC21)
            QCOMPARE(back, params);
    }
}

QTEST_APPLESS_MAIN(TestVCardParam)
#include "tst_vcardparam.moc"

#include <QtTest>

#include "vCard/vCardProperty.h"

using Params = QList<vCardParam>;
Q_DECLARE_METATYPE(Params)
Q_DECLARE_METATYPE(vCardVersion)

namespace {

vCardParam type(const QString& value)
{
    return vCardParam(value, vCardParam::Type);
}

vCardParam charset(const QString& value)
{
    return vCardParam(value, vCardParam::Charset);
}

vCardParam encoding(const QString& value)
{
    return vCardParam(value, vCardParam::Encoding);
}

vCardProperty grouped(const QString& group, vCardProperty property)
{
    property.setGroup(group);
    return property;
}

} // namespace

class TestVCardProperty : public QObject
{
    Q_OBJECT

private slots:
    void valueSplitting();
    void validity_data();
    void validity();
    void equalityIgnoresParamsAndGroup();
    void factories_data();
    void factories();
    void birthdayIsConvertedToUtc_data();
    void birthdayIsConvertedToUtc();
    void writeLine_data();
    void writeLine();
    void readLine_data();
    void readLine();
    void readSkipsFramingAndVersion();
};

void TestVCardProperty::valueSplitting()
{
    const vCardProperty note(QStringLiteral("NOTE"), QStringLiteral("a;;b"));
    QCOMPARE(note.values(), (QStringList{"a", "", "b"}));
    QCOMPARE(note.value(), QStringLiteral("a;;b"));
    QCOMPARE(vCardProperty(QStringLiteral("NOTE"), QString()).values(), QStringList{QString()});

    const vCardProperty tel(QStringLiteral("TEL"), QStringLiteral("1"), QStringLiteral("TYPE=home,cell;X-A=b"));
    QCOMPARE(tel.params(),
             (Params{type("home"), type("cell"), vCardParam(QStringLiteral("X-A=b"), vCardParam::Undefined)}));
    const vCardProperty list(QStringLiteral("ORG"), QStringList{"a;b", "c"}, QStringLiteral("CHARSET=x"));
    QCOMPARE(list.values(), (QStringList{"a;b", "c"}));
    QCOMPARE(list.params(), Params{charset("x")});
}

void TestVCardProperty::validity_data()
{
    QTest::addColumn<vCardProperty>("property");
    QTest::addColumn<bool>("valid");
    QTest::newRow("default") << vCardProperty() << false;
    QTest::newRow("empty value counts") << vCardProperty(QStringLiteral("NOTE"), QString()) << true;
    QTest::newRow("no values") << vCardProperty(QStringLiteral("NOTE"), QStringList()) << false;
    QTest::newRow("no name") << vCardProperty(QString(), QStringLiteral("x")) << false;
    QTest::newRow("empty parameter") << vCardProperty(QStringLiteral("TEL"), QStringLiteral("1"), Params{type("")})
                                     << false;
    QTest::newRow("good parameter") << vCardProperty(QStringLiteral("TEL"), QStringLiteral("1"), Params{type("a")})
                                    << true;
}

void TestVCardProperty::validity()
{
    QFETCH(vCardProperty, property);
    QFETCH(bool, valid);
    QCOMPARE(property.isValid(), valid);
}

void TestVCardProperty::equalityIgnoresParamsAndGroup()
{
    const vCardProperty a(QStringLiteral("TEL"), QStringLiteral("1;2"), Params{type("home")});
    QVERIFY(a == grouped(QStringLiteral("item1"), vCardProperty(QStringLiteral("TEL"), QStringLiteral("1;2"))));
    QVERIFY(a != vCardProperty(QStringLiteral("tel"), QStringLiteral("1;2")));
    QVERIFY(a != vCardProperty(QStringLiteral("TEL"), QStringLiteral("2;1")));
    QVERIFY(a != vCardProperty(QStringLiteral("TEL"), QStringLiteral("1;2;")));
}

void TestVCardProperty::factories_data()
{
    QTest::addColumn<vCardProperty>("property");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("values");
    const Params work{type("work")};
    QTest::newRow("address") << vCardProperty::createAddress("street", "town", "region", "12345", "country", "box",
                                                             "ext", work)
                             << "ADR" << QStringList{"box", "ext", "street", "town", "region", "12345", "country"};
    QTest::newRow("birthday date") << vCardProperty::createBirthday(QDate(1990, 5, 7), work) << "BDAY"
                                   << QStringList{"1990-05-07"};
    QTest::newRow("geo") << vCardProperty::createGeographicPosition(52.520008, 13.404954, work) << "GEO"
                         << QStringList{"52.52", "13.405"};
    QTest::newRow("geo negative, small") << vCardProperty::createGeographicPosition(-0.000012345, -122.08, work)
                                         << "GEO" << QStringList{"-1.2345e-05", "-122.08"};
    QTest::newRow("name") << vCardProperty::createName("given", "family", "more", "Dr.", "Jr.", work) << "N"
                          << QStringList{"family", "given", "more", "Dr.", "Jr."};
    QTest::newRow("organization") << vCardProperty::createOrganization("Olvenar", {"Sound", "Tempo"}, work) << "ORG"
                                  << QStringList{"Olvenar", "Sound", "Tempo"};
}

void TestVCardProperty::factories()
{
    QFETCH(vCardProperty, property);
    QFETCH(QString, name);
    QFETCH(QStringList, values);
    QCOMPARE(property.name(), name);
    QCOMPARE(property.values(), values);
    QCOMPARE(property.params(), Params{type("work")});
}

void TestVCardProperty::birthdayIsConvertedToUtc_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<QString>("value");
    const QDate day(1990, 5, 7);
    QTest::newRow("UTC") << QDateTime(day, QTime(8, 30), Qt::UTC) << "1990-05-07T08:30:00Z";
    QTest::newRow("two hours east") << QDateTime(day, QTime(8, 30), Qt::OffsetFromUTC, 2 * 3600)
                                    << "1990-05-07T06:30:00Z";
    QTest::newRow("west, across midnight")
        << QDateTime(day, QTime(22, 15, 5), Qt::OffsetFromUTC, -5 * 3600) << "1990-05-08T03:15:05Z";
}

void TestVCardProperty::birthdayIsConvertedToUtc()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(QString, value);
    const vCardProperty bday = vCardProperty::createBirthday(dateTime);
    QCOMPARE(bday.name(), QStringLiteral("BDAY"));
    QCOMPARE(bday.values(), QStringList{value});
}

void TestVCardProperty::writeLine_data()
{
    QTest::addColumn<vCardProperty>("property");
    QTest::addColumn<vCardVersion>("version");
    QTest::addColumn<QByteArray>("line");
    const vCardProperty tel(QStringLiteral("tel"), QStringLiteral("+49 30 1234"),
                            Params{type("home"), type("voice"), charset("utf-8")});
    QTest::newRow("tel 2.1") << tel << VC21 << QByteArray("TEL;home;voice;CHARSET=UTF-8:+49 30 1234");
    QTest::newRow("tel 3.0") << tel << VC30 << QByteArray("TEL;TYPE=home,voice;CHARSET=UTF-8:+49 30 1234");
    QTest::newRow("unknown version") << tel << vCardVersion(2) << QByteArray();
    QTest::newRow("no params") << vCardProperty("fn", "Anna") << VC30 << QByteArray("FN:Anna");
    QTest::newRow("group kept, name in capitals")
        << grouped("item1", vCardProperty("x-ablabel", "Work")) << VC30 << QByteArray("item1.X-ABLABEL:Work");

    // Escaping: a value may never split into more values or more lines.
    const vCardProperty special("NOTE", QStringList{"a;b", "c,d", "e:f", "g\\h"});
    QTest::newRow("special 3.0") << special << VC30 << QByteArray("NOTE:a\\;b;c\\,d;e:f;g\\\\h");
    QTest::newRow("special 2.1") << special << VC21 << QByteArray("NOTE:a\\;b;c,d;e:f;g\\\\h");
    const vCardProperty breaks("NOTE", "x\nEND:VCARD\r\ny");
    QTest::newRow("line break 3.0") << breaks << VC30 << QByteArray("NOTE:x\\nEND:VCARD\\ny");
    QTest::newRow("line break 2.1") << breaks << VC21
                                    << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:x=0AEND:VCARD=0D=0Ay");
    QTest::newRow("quoted-printable with equals and blank end 2.1")
        << vCardProperty("NOTE", "a=b ") << VC21 << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:a=3Db=20");
    QTest::newRow("non-ASCII 2.1 names its charset")
        << vCardProperty("FN", QStringLiteral("Zoë")) << VC21 << QByteArray("FN;CHARSET=UTF-8:Zo\xC3\xAB");
    QTest::newRow("non-ASCII 3.0") << vCardProperty("FN", QStringLiteral("Zoë")) << VC30 << QByteArray("FN:Zo\xC3\xAB");
    // The text is UTF-8 whatever character set the property was given; the
    // parameter must say so, or a reader decodes the bytes wrongly.
    QTest::newRow("given character set names the real one")
        << vCardProperty("FN", QStringLiteral("é"), Params{charset("iso-8859-1")}) << VC30
        << QByteArray("FN;CHARSET=UTF-8:\xC3\xA9");
    // A quoted-printable parameter asks for the encoding in 2.1; 3.0 has none.
    const vCardProperty askedQp("NOTE", "plain", Params{encoding("quoted-printable")});
    QTest::newRow("asked quoted-printable 2.1")
        << askedQp << VC21 << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLE:plain");
    QTest::newRow("asked quoted-printable 3.0") << askedQp << VC30 << QByteArray("NOTE:plain");
    // Base64 data with the line ends of its file still in it: never
    // quoted-printable as well, and the breaks are no part of the data.
    const vCardProperty photo("PHOTO", "/9j/\r\n 4AAQ\r",
                              Params{encoding("BASE64"), vCardParam("JPEG", vCardParam::Undefined)});
    QTest::newRow("base64 with line ends 2.1") << photo << VC21 << QByteArray("PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQ");
    QTest::newRow("quoted-printable replaces another encoding")
        << vCardProperty("NOTE", "a\nb", Params{encoding("8BIT"), type("x")}) << VC21
        << QByteArray("NOTE;TYPE=x;ENCODING=QUOTED-PRINTABLE:a=0Ab");
    QTest::newRow("3.0 photo with line ends as 2.1")
        << vCardProperty("PHOTO", "/9j/\r\n4AAQ", Params{encoding("b"), type("JPEG")}) << VC21
        << QByteArray("PHOTO;ENCODING=b;JPEG:/9j/4AAQ");
    QTest::newRow("base64 with line ends 3.0") << vCardProperty("PHOTO", "/9j/\n4AAQ ", Params{encoding("b")}) << VC30
                                               << QByteArray("PHOTO;ENCODING=b:/9j/4AAQ");
    QTest::newRow("bare base64 word 3.0")
        << vCardProperty("PHOTO", "/9j/\r\n4AAQ", Params{vCardParam("BASE64", vCardParam::Undefined)}) << VC30
        << QByteArray("PHOTO;BASE64:/9j/4AAQ");
    QTest::newRow("name cannot break the line")
        << vCardProperty("X A:B;C\nD", "v") << VC30 << QByteArray("X-A-B-C-D:v");
    // A property that would read as the end of the card must not end it.
    QTest::newRow("end of card as a property")
        << vCardProperty("END", "VCARD") << VC30 << QByteArray("END;ENCODING=QUOTED-PRINTABLE:VCARD");
    QTest::newRow("parameter value with structure")
        << vCardProperty("TEL", "1", Params{type("a;b:c")}) << VC21 << QByteArray("TEL;TYPE=\"a;b:c\":1");
}

void TestVCardProperty::writeLine()
{
    QFETCH(vCardProperty, property);
    QFETCH(vCardVersion, version);
    QFETCH(QByteArray, line);
    QCOMPARE(property.toByteArray(version), line);
}

void TestVCardProperty::readLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<Params>("params");
    QTest::newRow("plain") << QByteArray("FN:Anna") << ""
                           << "FN" << QStringList{"Anna"} << Params();
    QTest::newRow("name case kept") << QByteArray("tel:1") << ""
                                    << "tel" << QStringList{"1"} << Params();
    // Everything after the first ":" is the value.
    QTest::newRow("second colon") << QByteArray("BDAY:1990-05-07T08:30:00Z") << ""
                                  << "BDAY" << QStringList{"1990-05-07T08:30:00Z"} << Params();
    QTest::newRow("url") << QByteArray("URL:http://example.org:8080/a") << ""
                         << "URL" << QStringList{"http://example.org:8080/a"} << Params();
    QTest::newRow("blanks kept, line end dropped") << QByteArray("  NOTE: a   b\t\tc  \r") << ""
                                                   << "NOTE" << QStringList{" a   b\t\tc  "} << Params();
    QTest::newRow("empty value") << QByteArray("NOTE:") << ""
                                 << "NOTE" << QStringList{""} << Params();
    QTest::newRow("group") << QByteArray("item1.TEL;TYPE=home,cell:123") << "item1"
                           << "TEL" << QStringList{"123"} << Params{type("home"), type("cell")};
    QTest::newRow("leading dot starts no group") << QByteArray(".X.Y:1") << ""
                                                 << ".X.Y" << QStringList{"1"} << Params();
    QTest::newRow("empty parameter piece") << QByteArray("TEL;;TYPE=work:5") << ""
                                           << "TEL" << QStringList{"5"} << Params{type("work")};
    QTest::newRow("escapes 3.0") << QByteArray("NOTE:a\\;b;c\\,d\\nE\\\\\\x") << ""
                                 << "NOTE" << QStringList{"a;b", "c,d\nE\\\\x"} << Params();
    QTest::newRow("quoted colon in parameter")
        << QByteArray("X-A;X-P=\"u:v\":w") << ""
        << "X-A" << QStringList{"w"} << Params{vCardParam("X-P=u:v", vCardParam::Undefined)};
    QTest::newRow("quoted-printable in a character set")
        << QByteArray("N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg") << ""
        << "N" << QStringList{QStringLiteral("Müller"), QStringLiteral("Jörg")} << Params();
    QTest::newRow("quoted-printable bare word, UTF-8")
        << QByteArray("NOTE;HOME;QUOTED-PRINTABLE:=E6=97=A5=0D=0Ax=0Dy") << ""
        << "NOTE" << QStringList{QStringLiteral("日\nx\ny")} << Params{vCardParam("HOME", vCardParam::Undefined)};
    QTest::newRow("raw bytes in a character set") << QByteArray("FN;CHARSET=ISO-8859-1:Ren\xE9") << ""
                                                  << "FN" << QStringList{QStringLiteral("René")} << Params();
    QTest::newRow("invalid UTF-8 kept as Latin-1") << QByteArray("FN:Ren\xE9") << ""
                                                   << "FN" << QStringList{QStringLiteral("René")} << Params();
    // Only the bytes that are not UTF-8 are read otherwise; the text around them stays.
    QTest::newRow("one stray byte in UTF-8") << QByteArray("FN:Mu\xC3\xB1oz, Jos\xC3\xA9\xFF") << ""
                                             << "FN" << QStringList{QStringLiteral("Muñoz, Joséÿ")} << Params();
    QTest::newRow("sequence cut short") << QByteArray("N:Jos\xC3\xA9;\xE2\x82;\xF0\x9F\x98\x80\x80") << ""
                                        << "N"
                                        << QStringList{QStringLiteral("José"), QStringLiteral("â\u0082"),
                                                       QStringLiteral("😀\u0080")}
                                        << Params();
    QTest::newRow("overlong and surrogate forms are not UTF-8")
        << QByteArray("NOTE:\xC3\xA9\xC0\xAF\xED\xA0\x80") << ""
        << "NOTE" << QStringList{QStringLiteral("éÀ¯í\u00A0\u0080")} << Params();
    QTest::newRow("declared UTF-8, quoted-printable")
        << QByteArray("FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Mu=C3=B1oz=A0Jos=C3=A9") << ""
        << "FN" << QStringList{QStringLiteral("Muñoz\u00A0José")} << Params();
    QTest::newRow("base64 loses its blanks") << QByteArray("PHOTO;ENCODING=b:QUJD \t REVG") << ""
                                             << "PHOTO" << QStringList{"QUJDREVG"} << Params{encoding("b")};
}

void TestVCardProperty::readLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(QStringList, values);
    QFETCH(Params, params);
    const QList<vCardProperty> read = vCardProperty::fromByteArray(text);
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.at(0).group(), group);
    QCOMPARE(read.at(0).name(), name);
    QCOMPARE(read.at(0).values(), values);
    QCOMPARE(read.at(0).params(), params);
}

void TestVCardProperty::readSkipsFramingAndVersion()
{
    // "\n" is a line break by the rules of 3.0 only; 2.1 keeps it as it stands.
    const QList<vCardProperty> read = vCardProperty::fromByteArray("BEGIN:VCARD\nA:x\\ny\nno colon here\n"
                                                                   "VERSION:2.1\nB:x\\ny\nEND:VCARD");
    QCOMPARE(read.size(), 2);
    QCOMPARE(read.at(0).name(), QStringLiteral("A"));
    QCOMPARE(read.at(0).values(), QStringList{"x\ny"});
    QCOMPARE(read.at(1).name(), QStringLiteral("B"));
    QCOMPARE(read.at(1).values(), QStringList{"x\\ny"});
}

QTEST_APPLESS_MAIN(TestVCardProperty)
#include "tst_vcardproperty.moc"

#include <QtTest>

#include <csignal>
#include <random>
#include <sys/resource.h>

#include "TestSupport/ProcessMemory.h"
#include "vCard/vCard.h"

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

QString groupLetter(vCardParam::vCardParamGroup group)
{
    return QStringLiteral("TECU").mid(int(group), 1);
}

// One line per property: "group.name[params]=values", each value in braces, so
// that a test table can state a whole card and a failure shows what differs.
QStringList describe(const vCard& card)
{
    QStringList lines;
    for (const vCardProperty& property : card.properties()) {
        QString line = property.group().isEmpty() ? QString() : property.group() + QLatin1Char('.');
        line += property.name() + QLatin1Char('[');
        QStringList params;
        for (const vCardParam& param : property.params())
            params.append(groupLetter(param.group()) + QLatin1Char(':') + param.value());
        line += params.join(QLatin1Char(',')) + QStringLiteral("]=");
        for (const QString& value : property.values())
            line += QLatin1Char('{') + value + QLatin1Char('}');
        lines.append(line);
    }
    return lines;
}

QByteArray goldenFile(const QString& name)
{
    QFile file(QFINDTESTDATA("data/" + name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("cannot open ") + name.toUtf8();
    return file.readAll();
}

// The card of the golden files: every factory, grouped lines, parameters of every
// group, and values that need escaping or encoding.
vCard goldenCard()
{
    vCard card;
    card.addProperty(vCardProperty(QStringLiteral("FN"), QStringList{QStringLiteral("Anna Weiß")}));
    card.addProperty(vCardProperty::createName(QStringLiteral("Anna"), QStringLiteral("Weiß"), QString(), "Dr."));
    card.addProperty(vCardProperty("tel", "+49 30 1234",
                                   Params{type("home"), type("voice"), vCardParam("utf-8", vCardParam::Charset)}));
    card.addProperty(vCardProperty("TEL", "+49 170 5555",
                                   Params{vCardParam("8BIT", vCardParam::Encoding), type("cell"), undefined("PREF"),
                                          type("pager"), vCardParam("utf-8", vCardParam::Charset)}));
    vCardProperty email("EMAIL", "anna@example.org", Params{type("internet")});
    email.setGroup("item1");
    card.addProperty(email);
    vCardProperty label("X-ABLabel", "Work, main");
    label.setGroup("item1");
    card.addProperty(label);
    card.addProperty(vCardProperty::createAddress("Hauptstr. 1", "Berlin", "", "10115", "Germany", "",
                                                  "Building B; 3rd floor", Params{type("work")}));
    card.addProperty(vCardProperty("NOTE", "Call after 9:00\nnot on Sundays"));
    card.addProperty(
        vCardProperty::createBirthday(QDateTime(QDate(1990, 5, 7), QTime(8, 30), Qt::OffsetFromUTC, 2 * 3600)));
    card.addProperty(vCardProperty::createGeographicPosition(52.520008, 13.404954));
    card.addProperty(vCardProperty::createOrganization("Olvenar", {"Sound", "Tempo"}));
    card.addProperty(vCardProperty("X-IMPP", "anna.w", Params{undefined("x-service=sky;pe")}));
    return card;
}

} // namespace

class TestVCard : public QObject
{
    Q_OBJECT

private slots:
    void writesGoldenFiles_data();
    void writesGoldenFiles();
    void emptyCard();
    void reader_data();
    void reader();
    void phoneExport();
    void agentStaysWithItsOwner();
    void exportsRoundTrip_data();
    void exportsRoundTrip();
    void separatorsCostLittleMemory_data();
    void separatorsCostLittleMemory();
    void lookup_data();
    void lookup();
    void lookupByGroupedName_data();
    void lookupByGroupedName();
    void validity();
    void saveToFile();
    void saveToFileReportsFailure();
    void savedTypesSurvive();
    void fromFile();
    void roundTrip_data();
    void roundTrip();
};

void TestVCard::writesGoldenFiles_data()
{
    QTest::addColumn<vCardVersion>("version");
    QTest::addColumn<QString>("file");
    QTest::newRow("2.1") << VC21 << "card-2.1.vcf";
    QTest::newRow("3.0") << VC30 << "card-3.0.vcf";
    QTest::newRow("invalid version") << vCardVersion(2) << "invalid-version.vcf";
}

void TestVCard::writesGoldenFiles()
{
    QFETCH(vCardVersion, version);
    QFETCH(QString, file);
    const QByteArray golden = goldenFile(file);
    QCOMPARE(goldenCard().toByteArray(version), golden);
    if (golden.isEmpty())
        return;
    // What is written reads back as the same card.
    const QList<vCard> back = vCard::fromByteArray(golden);
    QCOMPARE(back.size(), 1);
    QStringList expected = describe(goldenCard());
    // Names are written in capitals, the writer's own character set is not kept.
    expected[0] = QStringLiteral("FN[]={Anna Weiß}");
    expected[2] = QStringLiteral("TEL[T:home,T:voice]={+49 30 1234}");
    // In 2.1 text a bare PREF is one of the format's own types.
    expected[3] = version == VC21 ? QStringLiteral("TEL[E:8BIT,T:cell,T:PREF,T:pager]={+49 170 5555}")
                                  : QStringLiteral("TEL[T:cell,T:pager,U:PREF,E:8BIT]={+49 170 5555}");
    expected[5] = QStringLiteral("item1.X-ABLABEL[]={Work, main}");
    expected[11] = QStringLiteral("X-IMPP[U:X-SERVICE=sky;pe]={anna.w}");
    QCOMPARE(describe(back.at(0)), expected);
}

void TestVCard::emptyCard()
{
    QCOMPARE(vCard().toByteArray(VC21), QByteArray("BEGIN:VCARD\nVERSION:2.1\nEND:VCARD"));
    QCOMPARE(vCard().toByteArray(VC30), QByteArray("BEGIN:VCARD\nVERSION:3.0\nEND:VCARD"));
    // The card writes its own version line only.
    const vCard withVersion(QList<vCardProperty>{vCardProperty("VERSION", "2.1")});
    QCOMPARE(withVersion.toByteArray(VC30), QByteArray("BEGIN:VCARD\nVERSION:3.0\nEND:VCARD"));
}

void TestVCard::reader_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QStringList>>("cards");
    using Cards = QList<QStringList>;
    QTest::newRow("CRLF") << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\nEND:VCARD\r\n")
                          << Cards{{"FN[]={Anna}"}};
    QTest::newRow("several cards, text around them")
        << QByteArray("junk\nBEGIN:VCARD\nFN:A\nEND:VCARD\nbetween:x\nBEGIN:VCARD\nFN:B\nTEL:1\nEND:VCARD\nafter")
        << Cards{{"FN[]={A}"}, {"FN[]={B}", "TEL[]={1}"}};
    QTest::newRow("unclosed last card dropped")
        << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B") << Cards{{"FN[]={A}"}};
    QTest::newRow("missing END before the next BEGIN")
        << QByteArray("BEGIN:VCARD\nFN:A\nBEGIN:VCARD\nFN:B\nEND:VCARD") << Cards{{"FN[]={A}"}, {"FN[]={B}"}};
    QTest::newRow("lower-case keywords") << QByteArray("begin:vcard\nversion:2.1\nfn:a\nEnd:VCard")
                                         << Cards{{"fn[]={a}"}};
    QTest::newRow("stray END ignored") << QByteArray("END:VCARD\nBEGIN:VCARD\nFN:A\nEND:VCARD") << Cards{{"FN[]={A}"}};
    QTest::newRow("empty card") << QByteArray("BEGIN:VCARD\nEND:VCARD") << Cards{QStringList()};
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                         "BEGIN:VCARD\nFN:A\nEND:VCARD")
                                           << Cards{{"FN[]={A}"}};
    QTest::newRow("UTF-16 text") << QByteArray(
        "\xFF\xFE"
        "B\0E\0G\0I\0N\0:\0V\0C\0A\0R\0D\0\n\0F\0N\0:\0\xE9\0\n\0E\0N\0D\0:\0V\0C\0A\0R\0D\0",
        54) << Cards{{QStringLiteral("FN[]={é}")}};
    QTest::newRow("photo unfolding 2.1") << QByteArray(
        "BEGIN:VCARD\nVERSION:2.1\nPHOTO;ENCODING=BASE64;TYPE=JPEG:\n    /9j/4AAQ\n    SkZJRg==\n\n"
        "TEL:1\nEND:VCARD") << Cards{{"PHOTO[E:BASE64,T:JPEG]={/9j/4AAQSkZJRg==}", "TEL[]={1}"}};
    QTest::newRow("photo unfolding 3.0") << QByteArray(
        "BEGIN:VCARD\nVERSION:3.0\nPHOTO;ENCODING=b;TYPE=JPEG:/9j/\n 4AAQ\n\tSkZJRg==\nEND:VCARD")
                                         << Cards{{"PHOTO[E:b,T:JPEG]={/9j/4AAQSkZJRg==}"}};
    // 3.0 drops the one blank of the fold; 2.1 keeps it as part of the text.
    QTest::newRow("general unfolding 3.0")
        << QByteArray("BEGIN:VCARD\nVERSION:3.0\nNOTE:a long\n  note\nX-A;TY\n PE=home:1\nEND:VCARD")
        << Cards{{"NOTE[]={a long note}", "X-A[T:home]={1}"}};
    QTest::newRow("general unfolding 2.1")
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\nNOTE:a long\n note\nEND:VCARD") << Cards{{"NOTE[]={a long note}"}};
    QTest::newRow("quoted-printable soft breaks")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nNOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Erste=0D=0AZ=\r\n"
                      "=C3=BCrich=\r\nstra=C3=9Fe\r\nTEL:1\r\nEND:VCARD\r\n")
        << Cards{{QStringLiteral("NOTE[]={Erste\nZürichstraße}"), "TEL[]={1}"}};
    // A soft break at the end of a value joins no frame line: the card still ends.
    QTest::newRow("soft break before END, last card")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nNOTE;ENCODING=QUOTED-PRINTABLE:a=\r\nEND:VCARD\r\n")
        << Cards{{"NOTE[]={a}"}};
    QTest::newRow("soft break before END, card follows")
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\nNOTE;QUOTED-PRINTABLE:a=\nEND:VCARD\nBEGIN:VCARD\nFN:B\nEND:VCARD")
        << Cards{{"NOTE[]={a}"}, {"FN[]={B}"}};
    QTest::newRow("soft break before BEGIN")
        << QByteArray("BEGIN:VCARD\nVERSION:2.1\nNOTE;QUOTED-PRINTABLE:a=3D=\n  begin:vcard\nFN:B\nEND:VCARD")
        << Cards{{"NOTE[]={a=}"}, {"FN[]={B}"}};
    QTest::newRow("a trailing = on a plain line is text")
        << QByteArray("BEGIN:VCARD\nNOTE:a=\nTEL:1\nEND:VCARD") << Cards{{"NOTE[]={a=}", "TEL[]={1}"}};
    QTest::newRow("groups kept")
        << QByteArray("BEGIN:VCARD\nitem1.TEL;TYPE=home,cell:123\nITEM1.X-ABLabel:Home\nitemA.URL:u\nEND:VCARD")
        << Cards{{"item1.TEL[T:home,T:cell]={123}", "ITEM1.X-ABLabel[]={Home}", "itemA.URL[]={u}"}};
    // 2.1 writes its types as bare words; where a card says it is 2.1 text, the
    // words the format knows as types are read as types.
    QTest::newRow("bare types in 2.1") << QByteArray(
        "BEGIN:VCARD\nVERSION:2.1\nTEL;HOME;voice;X-CUSTOM;TYPE=x-mine:1\nEND:VCARD")
                                       << Cards{{"TEL[T:HOME,T:voice,U:X-CUSTOM,T:x-mine]={1}"}};
    QTest::newRow("bare words in 3.0") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nTEL;HOME:1\nEND:VCARD")
                                       << Cards{{"TEL[U:HOME]={1}"}};
    QTest::newRow("empty parameter piece")
        << QByteArray("BEGIN:VCARD\nTEL;;TYPE=work:5\nEND:VCARD") << Cards{{"TEL[T:work]={5}"}};
    QTest::newRow("value after a second colon and inner blanks")
        << QByteArray("BEGIN:VCARD\nNOTE:at  9:00   sharp  \nEND:VCARD") << Cards{{"NOTE[]={at  9:00   sharp  }"}};
    // 3.0 has no escape for a blank: one that ends a value stands as it is. The
    // 2.1 writer encodes it, so a 2.1 line's end is trimmed.
    QTest::newRow("blanks ending a value, 3.0")
        << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nNOTE:trailing \r\nN:a;b \t\r\nEND:VCARD \r\n")
        << Cards{{"NOTE[]={trailing }", "N[]={a}{b \t}"}};
    QTest::newRow("blanks ending a line, 2.1")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\nNOTE:trailing \r\nEND:VCARD") << Cards{{"NOTE[]={trailing}"}};
    QTest::newRow("escaped line break ends no card") << QByteArray("BEGIN:VCARD\nNOTE:x\\nEND:VCARD\nFN:A\nEND:VCARD")
                                                     << Cards{{"NOTE[]={x\nEND:VCARD}", "FN[]={A}"}};
    // A frame line is a frame line however it is indented: it never continues
    // the line before it, and the lines of an indented card continue one another
    // only past the card's own indentation.
    QTest::newRow("indented END") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nFN:A\n  END:VCARD\n") << Cards{{"FN[]={A}"}};
    QTest::newRow("indented cards") << QByteArray(
        "  BEGIN:VCARD\n  VERSION:3.0\n  FN:A\n  NOTE:folded\n    note\n  END:VCARD\n"
        "\tBEGIN:VCARD\n\tVERSION:2.1\n\tFN:B\n\tEND:VCARD")
                                    << Cards{{"FN[]={A}", "NOTE[]={folded note}"}, {"FN[]={B}"}};
    QTest::newRow("indented body") << QByteArray("BEGIN:VCARD\n VERSION:3.0\n FN:A\n TEL:1\nEND:VCARD")
                                   << Cards{{"FN[]={A}", "TEL[]={1}"}};
    QTest::newRow("lines without colon skipped")
        << QByteArray("BEGIN:VCARD\nnothing\n\n   \nFN:A\nEND:VCARD") << Cards{{"FN[]={A}"}};
}

void TestVCard::reader()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<QStringList>, cards);
    const QList<vCard> read = vCard::fromByteArray(text);
    QList<QStringList> described;
    for (const vCard& card : read)
        described.append(describe(card));
    QCOMPARE(described, cards);
}

// A phone's export: CR CR LF line ends, quoted-printable values in UTF-8 with
// soft breaks, bare 2.1 types and a folded Base64 photo.
void TestVCard::phoneExport()
{
    const QList<vCard> cards = vCard::fromByteArray(goldenFile("phone-2.1.vcf"));
    QCOMPARE(cards.size(), 2);
    const QString photo =
        QStringLiteral("/9j/4AABAgMEBQYHCAkKCwwNDg8QERITFBUWFxgZGhscHR4fICEiIyQlJicoKSorLC0uLzAxMjM0NTY3");
    QCOMPARE(describe(cards.at(0)),
             (QStringList{QStringLiteral("N[]={Müller}{Jörg}{}{}{}"), QStringLiteral("FN[]={Jörg Müller}"),
                          "TEL[T:CELL,T:PREF]={+49 170 5555}", "TEL[T:HOME,T:VOICE]={+49 30 1234}",
                          "EMAIL[T:INTERNET,T:HOME]={joerg@example.org}",
                          QStringLiteral("ADR[T:HOME]={}{}{Hauptstraße 1}{Berlin}{}{10115}{Deutschland}"),
                          QStringLiteral("NOTE[]={Erste Zeile\nzweite Zeile, die länger ist}"),
                          "PHOTO[E:BASE64,T:JPEG]={" + photo + "}"}));
    QCOMPARE(describe(cards.at(1)), (QStringList{"N[]={}{Pizza}{}{}{}", "TEL[T:WORK]={0301234}"}));

    const QByteArray::FromBase64Result decoded = QByteArray::fromBase64Encoding(
        cards.at(0).property("PHOTO").value().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    QVERIFY(decoded);
    QByteArray jpeg("\xFF\xD8\xFF\xE0");
    for (char c = 0; c < 56; ++c)
        jpeg += c;
    QCOMPARE(decoded.decoded, jpeg);

    // Written again, the photo is Base64 alone: one encoding, the data unchanged.
    const QByteArray written = cards.at(0).toByteArray(VC21);
    QVERIFY2(written.contains("\nPHOTO;ENCODING=BASE64;JPEG:" + photo.toLatin1() + "\n"), written.constData());
    QVERIFY2(!written.contains('\r'), written.constData());
}

// A 2.1 agent: the card of someone acting for the owner, written inside the
// owner's card after an empty AGENT line.
void TestVCard::agentStaysWithItsOwner()
{
    const QByteArray text(
        "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Owner;Olga\r\nAGENT:\r\nBEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N:Friday;Fred\r\nTEL;WORK;VOICE:+1 555\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:Deputy\r\nEND:VCARD\r\n"
        "END:VCARD\r\nTEL;HOME:+49 1\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Next\r\nEND:VCARD\r\n");
    const QString agent("BEGIN:VCARD\nVERSION:2.1\nN:Friday;Fred\nTEL;WORK;VOICE:+1 555\nAGENT:\nBEGIN:VCARD\n"
                        "FN:Deputy\nEND:VCARD\nEND:VCARD");
    const QList<vCard> cards = vCard::fromByteArray(text);
    QCOMPARE(cards.size(), 2);
    QCOMPARE(cards.at(0).count(), 3);
    QCOMPARE(cards.at(0).properties().at(1).values(), QStringList{agent});
    QCOMPARE(cards.at(0).properties().at(2).value(), QStringLiteral("+49 1"));
    QCOMPARE(describe(cards.at(1)), QStringList{"FN[]={Next}"});

    // The agent's own card reads from the value, its agent included.
    const QList<vCard> agents = vCard::fromByteArray(agent.toUtf8());
    QCOMPARE(agents.size(), 1);
    QCOMPARE(agents.at(0).property("TEL").value(), QStringLiteral("+1 555"));
    QCOMPARE(vCard::fromByteArray(agents.at(0).property("AGENT").value().toUtf8()).size(), 1);

    // Either version writes the agent so that it reads back as it was.
    for (vCardVersion version : {VC21, VC30}) {
        const QList<vCard> back = vCard::fromByteArray(cards.at(0).toByteArray(version));
        QCOMPARE(back.size(), 1);
        QCOMPARE(describe(back.at(0)), describe(cards.at(0)));
    }
}

void TestVCard::exportsRoundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("count");
    // "name<TAB>value" of properties as they must read.
    QTest::addColumn<QStringList>("spots");
    QTest::newRow("phone, 2.1") << "phone-2.1.vcf" << 2
                                << QStringList{QStringLiteral("ADR\t;;Hauptstraße 1;Berlin;;10115;Deutschland")};
    // CR LF, folds at 75 bytes (one inside a character), groups, escapes, a
    // blank ending a value and a folded photo.
    QTest::newRow("address book, 3.0")
        << "addressbook-3.0.vcf" << 2
        << QStringList{QStringLiteral("FN\tDr. Anna Maria Weiß"), "item2.URL\thttps://example.org/anna?x=1:2",
                       QStringLiteral("NOTE\tErste Zeile\nZweite Zeile mit Komma, "
                                      "Semikolon; und Schrägstrich \\ am Ende "),
                       "ORG\tOlvenar GmbH;Klang, Takt",
                       "PHOTO\tiVBOR2RlZmdoaWprbG1ub3BxcnN0dXZ3eHl6e3x9fn+AgYKDhIWGh4iJiouMjY6PkJGSk5SVlp"
                       "eYmZqbnJ2en6ChoqOkpaanqKmqq6ytrq+wsbKztLW2t7i5uru8vQ=="};
    QTest::newRow("contacts, 4.0") << "contacts-4.0.vcf" << 1
                                   << QStringList{QStringLiteral("FN\tZoë Ødegård"), "TEL\ttel:+47-555-55555",
                                                  "GEO\tgeo:59.9139,10.7522"};
}

namespace {

// describe(), as a written card must read back: names of properties and of
// "name=value" parameters in capitals (names are not case-sensitive, and the
// writer puts them in capitals), each property's parameters in a fixed order
// when `sortParams` (3.0 writes them by group).
QStringList describeWritten(const vCard& card, bool sortParams)
{
    QList<vCardProperty> sorted;
    for (const vCardProperty& property : card.properties()) {
        QList<vCardParam> params;
        for (const vCardParam& param : property.params()) {
            const int equals = param.value().indexOf(QLatin1Char('='));
            if (param.group() == vCardParam::Undefined && equals > 0)
                params.append(undefined(param.value().left(equals).toUpper() + param.value().mid(equals)));
            else
                params.append(param);
        }
        if (sortParams) {
            std::sort(params.begin(), params.end(), [](const vCardParam& a, const vCardParam& b) {
                return a.group() != b.group() ? a.group() < b.group() : a.value() < b.value();
            });
        }
        vCardProperty copy(property.name().toUpper(), property.values(), params);
        copy.setGroup(property.group());
        sorted.append(copy);
    }
    return describe(vCard(sorted));
}

} // namespace

// Exports of address books and phones are read, written in 2.1, read, written
// in 3.0 and read again: every property, value and parameter stays.
void TestVCard::exportsRoundTrip()
{
    QFETCH(QString, file);
    QFETCH(int, count);
    QFETCH(QStringList, spots);
    const QList<vCard> cards = vCard::fromByteArray(goldenFile(file));
    QCOMPARE(cards.size(), count);
    for (const QString& spot : spots) {
        const QString name = spot.section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(cards.at(0).property(name).value(), spot.section(QLatin1Char('\t'), 1));
    }
    for (const vCard& card : cards) {
        const QByteArray as21 = card.toByteArray(VC21);
        const QList<vCard> back21 = vCard::fromByteArray(as21);
        QCOMPARE(back21.size(), 1);
        QCOMPARE(describeWritten(back21.at(0), false), describeWritten(card, false));
        const QByteArray as30 = back21.at(0).toByteArray(VC30);
        const QList<vCard> back30 = vCard::fromByteArray(as30);
        QCOMPARE(back30.size(), 1);
        QCOMPARE(describeWritten(back30.at(0), true), describeWritten(card, true));
    }
}

void TestVCard::separatorsCostLittleMemory_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<bool>("inValues");
    QTest::newRow("empty values") << QByteArray("NOTE:") << QByteArray(";") << QByteArray() << true;
    QTest::newRow("short values") << QByteArray("NOTE:") << QByteArray("a;") << QByteArray() << true;
    QTest::newRow("types") << QByteArray("TEL;TYPE=") << QByteArray(",") << QByteArray(":1") << false;
    QTest::newRow("parameters") << QByteArray("TEL;") << QByteArray("X;") << QByteArray(":1") << false;
}

// However many separators a line holds, reading it costs memory in proportion
// to its text, by a small factor: past a limit the rest of the line stays in
// its last value or parameter, nothing of it lost, and the reader says so.
void TestVCard::separatorsCostLittleMemory()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, piece);
    QFETCH(QByteArray, tail);
    QFETCH(bool, inValues);
    const QByteArray separators = piece.repeated((4 << 20) / piece.size());
    const QByteArray text = "BEGIN:VCARD\nVERSION:3.0\n" + head + separators + tail + "\nEND:VCARD\n";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("more than 1000"));
    const long before = ProcessMemory::residentKiB();
    QVERIFY(before > 0);
    const QList<vCard> cards = vCard::fromByteArray(text);
    const long grownKiB = ProcessMemory::residentKiB() - before;
    QVERIFY2(grownKiB < 16 * text.size() / 1024, qPrintable(QStringLiteral("%1 KiB").arg(grownKiB)));

    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards.at(0).count(), 1);
    const vCardProperty read = cards.at(0).properties().at(0);
    QStringList pieces = read.values();
    if (!inValues) {
        pieces.clear();
        for (const vCardParam& param : read.params())
            pieces.append(param.value());
    }
    QCOMPARE(pieces.join(QLatin1Char(separators.back())), QString::fromLatin1(separators));
}

void TestVCard::lookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Params>("params");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<QString>("found");
    QTest::newRow("loose, no params: first of the name") << "TEL" << Params() << false << "1";
    QTest::newRow("strict, no params: the bare one") << "TEL" << Params() << true << "4";
    QTest::newRow("loose: later one with the type") << "TEL" << Params{type("cell")} << false << "2";
    QTest::newRow("loose: order free") << "TEL" << Params{type("pref"), type("cell")} << false << "2";
    QTest::newRow("strict: exact list") << "TEL" << Params{type("cell"), type("pref")} << true << "2";
    QTest::newRow("strict: other order") << "TEL" << Params{type("pref"), type("cell")} << true << "";
    QTest::newRow("strict: one less") << "TEL" << Params{type("cell")} << true << "3";
    QTest::newRow("group counts") << "TEL" << Params{undefined("cell")} << false << "";
    QTest::newRow("name case-sensitive") << "tel" << Params() << false << "";
    QTest::newRow("missing name") << "EMAIL" << Params() << false << "";
}

void TestVCard::lookup()
{
    QFETCH(QString, name);
    QFETCH(Params, params);
    QFETCH(bool, strict);
    QFETCH(QString, found);
    const vCard card(QList<vCardProperty>{vCardProperty("TEL", "1", Params{type("home")}),
                                          vCardProperty("TEL", "2", Params{type("cell"), type("pref")}),
                                          vCardProperty("TEL", "3", Params{type("cell")}), vCardProperty("TEL", "4")});
    const vCardProperty property = card.property(name, params, strict);
    QCOMPARE(property.value(), found);
    QCOMPARE(card.contains(name, params, strict), !found.isEmpty());
    if (found.isEmpty()) {
        QVERIFY(property.name().isEmpty());
        QVERIFY(property.values().isEmpty());
    }
    QVERIFY(card.contains(vCardProperty("TEL", "3")));
    QVERIFY(!card.contains(vCardProperty("TEL", "5")));
}

void TestVCard::lookupByGroupedName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Params>("params");
    QTest::addColumn<QString>("found");
    QTest::newRow("name alone") << "TEL" << Params() << "1";
    QTest::newRow("numbered group") << "item1.TEL" << Params() << "1";
    QTest::newRow("lettered group") << "itemA.TEL" << Params() << "2";
    QTest::newRow("lettered group, parameters") << "itemA.TEL" << Params{type("cell")} << "2";
    QTest::newRow("capitals") << "Item2.EMAIL" << Params() << "e";
    QTest::newRow("other group") << "itemB.TEL" << Params() << "";
    QTest::newRow("group alone") << "itemA" << Params() << "";
}

// A group read off the front of a name still answers to the whole name.
void TestVCard::lookupByGroupedName()
{
    QFETCH(QString, name);
    QFETCH(Params, params);
    QFETCH(QString, found);
    const QList<vCard> cards =
        vCard::fromByteArray("BEGIN:VCARD\nitem1.TEL:1\nitemA.TEL;TYPE=cell:2\nItem2.EMAIL:e\nEND:VCARD");
    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards.at(0).property(name, params).value(), found);
    QCOMPARE(cards.at(0).contains(name, params), !found.isEmpty());
}

void TestVCard::validity()
{
    QVERIFY(!vCard().isValid());
    QVERIFY(!vCard(QList<vCardProperty>{vCardProperty()}).isValid());
    QVERIFY(
        !vCard(QList<vCardProperty>{vCardProperty("FN", "A"), vCardProperty("TEL", "1", Params{type("")})}).isValid());
    const QList<vCard> read = vCard::fromByteArray("BEGIN:VCARD\nNOTE:\nEND:VCARD");
    QCOMPARE(read.size(), 1);
    QVERIFY(read.at(0).isValid());
    QCOMPARE(read.at(0).count(), 1);
}

void TestVCard::saveToFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("card.vcf");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(2000, 'x'));
    }
    QVERIFY(goldenCard().saveToFile(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), goldenFile("card-2.1.vcf"));
}

void TestVCard::saveToFileReportsFailure()
{
    QTemporaryDir dir;
    QVERIFY(!goldenCard().saveToFile(dir.filePath("missing/card.vcf")));
    QVERIFY(!goldenCard().saveToFile(dir.path()));

    // A write that fails after the file was opened: the file size limit lets
    // only part of the text through.
    const QString path = dir.filePath("card.vcf");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved100 = goldenCard().saveToFile(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    QVERIFY(!saved100);
    // Nothing half-written took the old file's place.
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

void TestVCard::savedTypesSurvive()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("card.vcf");
    const vCard card(QList<vCardProperty>{vCardProperty("TEL", "1", Params{type("home"), type("Voice")})});
    QVERIFY(card.saveToFile(path));
    const QList<vCard> back = vCard::fromFile(path);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back.at(0).property("TEL", Params{type("home"), type("Voice")}, true).value(), QStringLiteral("1"));
}

void TestVCard::fromFile()
{
    QTemporaryDir dir;
    QCOMPARE(vCard::fromFile(dir.filePath("none.vcf")).size(), 0);
    const QString path = dir.filePath("two.vcf");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCARD\r\nVERSION:2.1\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n");
    file.close();
    const QList<vCard> cards = vCard::fromFile(path);
    QCOMPARE(cards.size(), 2);
    QCOMPARE(describe(cards.at(1)), QStringList{"FN[]={B}"});

    // A file larger than any address book (64 MiB) is refused before it is
    // read: a sparse file that starts with a card gives none.
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(64 * 1024 * 1024 + 1));
    file.close();
    QCOMPARE(vCard::fromFile(path).size(), 0);
}

namespace {

// Text made to break a careless writer: every character with a meaning in the
// format, line breaks, white space and text outside ASCII.
QString randomText(std::mt19937& random, int maxLength, bool allowEmpty)
{
    static const QStringList pieces{"a",
                                    "Z",
                                    "7",
                                    " ",
                                    "\t",
                                    ";",
                                    ":",
                                    ",",
                                    "=",
                                    "\\",
                                    "\"",
                                    "^",
                                    "\n",
                                    "\\n",
                                    "'",
                                    ".",
                                    "-",
                                    QStringLiteral("é"),
                                    QStringLiteral("日本"),
                                    QStringLiteral("😀"),
                                    "END:VCARD",
                                    "BEGIN:VCARD",
                                    "=0A",
                                    "item1."};
    const int length = int(random() % (maxLength + 1));
    QString text;
    for (int i = 0; i < length; ++i)
        text += pieces.at(int(random() % pieces.size()));
    if (text.isEmpty() && !allowEmpty)
        text = QStringLiteral("x");
    return text;
}

QString randomName(std::mt19937& random)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-");
    QString name = QStringLiteral("X-");
    const int length = 1 + int(random() % 8);
    for (int i = 0; i < length; ++i)
        name += letters.at(int(random() % letters.size()));
    return name;
}

vCard randomCard(std::mt19937& random)
{
    static const QStringList fixedNames{"FN", "N", "TEL", "EMAIL", "ADR", "NOTE", "END", "BEGIN", "VERSIONS"};
    vCard card;
    const int count = int(random() % 8);
    for (int i = 0; i < count; ++i) {
        const QString name = random() % 2 ? fixedNames.at(int(random() % fixedNames.size())) : randomName(random);
        QStringList values;
        const int valueCount = 1 + int(random() % 4);
        for (int v = 0; v < valueCount; ++v)
            values.append(randomText(random, 6, true));
        Params params;
        const int paramCount = int(random() % 4);
        for (int p = 0; p < paramCount; ++p) {
            switch (random() % 3) {
            case 0:
                params.append(type(randomText(random, 4, false)));
                break;
            case 1:
                params.append(undefined(randomName(random) + QLatin1Char('=') + randomText(random, 4, true)));
                break;
            default:
                params.append(undefined(QStringLiteral("W") + randomText(random, 3, true)));
                break;
            }
        }
        vCardProperty property(name, values, params);
        if (random() % 3 == 0)
            property.setGroup(QStringLiteral("item%1").arg(random() % 20));
        card.addProperty(property);
    }
    return card;
}

} // namespace

void TestVCard::roundTrip_data()
{
    QTest::addColumn<vCardVersion>("version");
    QTest::newRow("2.1") << VC21;
    QTest::newRow("3.0") << VC30;
}

void TestVCard::roundTrip()
{
    QFETCH(vCardVersion, version);
    std::mt19937 random(20261210u);
    for (int i = 0; i < 500; ++i) {
        const vCard card = randomCard(random);
        const QByteArray text = card.toByteArray(version);
        const QList<vCard> back = vCard::fromByteArray(text);
        QVERIFY2(back.size() == 1, text.constData());
        const QStringList expected = describe(card);
        // 3.0 writes every type in one TYPE list ahead of the other parameters.
        if (version == VC30) {
            QCOMPARE(back.at(0).count(), card.count());
            for (int p = 0; p < card.count(); ++p) {
                const vCardProperty a = card.properties().at(p);
                const vCardProperty b = back.at(0).properties().at(p);
                QVERIFY2(a == b && a.group() == b.group(), text.constData());
                QCOMPARE(b.params().size(), a.params().size());
                for (const vCardParam& param : a.params())
                    QVERIFY2(b.params().contains(param), text.constData());
            }
        } else {
            QCOMPARE(describe(back.at(0)), expected);
        }
    }
}

QTEST_APPLESS_MAIN(TestVCard)
#include "tst_vcard.moc"

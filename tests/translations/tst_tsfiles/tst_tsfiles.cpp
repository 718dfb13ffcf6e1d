// Every area's translation sources: all ten languages present, every text
// translated (nothing left unfinished), the translations keep the
// placeholders of their source text, and an Arabic shortcut letter leaves its
// word's letters joined.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QStringList const kLanguages = {"de", "ru", "es", "fr", "hi", "it", "pt", "ko", "ar", "zh_CN"};

QString translationsDir()
{
    return qEnvironmentVariable("TW_SOURCE_DIR") + "/translations";
}

QStringList placeholders(QString const& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%(\\d)").globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

// The text a user reads, with the position of its shortcut letter (-1 if none).
QString withoutMnemonic(QString const& text, int* mnemonic)
{
    QString plain;
    *mnemonic = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
            if (text[i] != QLatin1Char('&'))
                *mnemonic = plain.size();
        }
        plain += text[i];
    }
    return plain;
}

bool joinsForward(QChar c)
{
    return c.joiningType() == QChar::Joining_Dual || c.joiningType() == QChar::Joining_Left
           || c.joiningType() == QChar::Joining_Causing;
}

bool joinsBackward(QChar c)
{
    return c.joiningType() == QChar::Joining_Dual || c.joiningType() == QChar::Joining_Right
           || c.joiningType() == QChar::Joining_Causing;
}

// The letter next to position i in the given direction, past marks that join
// through (vowel signs), or a null character.
QChar neighbour(QString const& text, int i, int step)
{
    for (i += step; i >= 0 && i < text.size(); i += step)
        if (text[i].joiningType() != QChar::Joining_Transparent)
            return text[i];
    return QChar();
}

// A shortcut letter is drawn underlined, as a run of its own: where it would
// join a neighbour, the word falls apart into isolated letters.
bool mnemonicBreaksJoining(QString const& text)
{
    int at = -1;
    QString const plain = withoutMnemonic(text, &at);
    if (at < 0)
        return false;
    QChar const letter = plain[at];
    return (joinsBackward(letter) && joinsForward(neighbour(plain, at, -1)))
           || (joinsForward(letter) && joinsBackward(neighbour(plain, at, 1)));
}

} // namespace

class TestTsFiles : public QObject
{
    Q_OBJECT
private slots:
    void everyAreaHasEveryLanguage()
    {
        QDir dir(translationsDir());
        QVERIFY2(dir.exists(), qPrintable(dir.path()));
        QStringList const areas = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(areas.contains("frame"));
        for (QString const& area : areas) {
            QDir areaDir(dir.filePath(area));
            for (QString const stem : {"libs", "TickwrenTrial"}) {
                bool const any = !areaDir.entryList({stem + "_*.ts"}).isEmpty();
                if (!any)
                    continue;
                for (QString const& lang : kLanguages) {
                    QString const name = stem + "_" + lang + ".ts";
                    QVERIFY2(areaDir.exists(name), qPrintable(area + "/" + name + " is missing"));
                }
            }
        }
    }

    // The check itself, on letters that join and letters that do not.
    void mnemonicJoining_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("breaks");
        QTest::newRow("latin") << "&File" << false;
        QTest::newRow("arabic, first letter joins the next") << QString::fromUtf8("&تحرير") << true;
        QTest::newRow("arabic, inside a word") << QString::fromUtf8("ت&نسيق") << true;
        QTest::newRow("arabic, last letter joins the previous") << QString::fromUtf8("ملف&ب") << true;
        QTest::newRow("arabic, alef at the start of a word") << QString::fromUtf8("لا &أوافق") << false;
        QTest::newRow("arabic, latin letter apart") << QString::fromUtf8("ملف(&F)") << false;
        QTest::newRow("arabic, between letters that do not join on") << QString::fromUtf8("دا&ر") << false;
        QTest::newRow("escaped ampersand") << QString::fromUtf8("ملف && تحرير") << false;
    }
    void mnemonicJoining()
    {
        QFETCH(QString, text);
        QFETCH(bool, breaks);
        QCOMPARE(mnemonicBreaksJoining(text), breaks);
    }

    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("path");
        QDir dir(translationsDir());
        for (QString const& area : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QDir areaDir(dir.filePath(area));
            for (QString const& file : areaDir.entryList({"*.ts"}, QDir::Files))
                QTest::newRow(qPrintable(area + "/" + file)) << areaDir.filePath(file);
        }
    }
    void everyTextIsTranslated()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                QString const type = xml.attributes().value("type").toString();
                QString const translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                    continue;
                ++messages;
                QString const where = context + ": " + source;
                QVERIFY2(type != QLatin1String("unfinished"), qPrintable("unfinished: " + where));
                QVERIFY2(!translation.trimmed().isEmpty(), qPrintable("empty: " + where));
                QCOMPARE(placeholders(translation), placeholders(source));
                QVERIFY2(!mnemonicBreaksJoining(translation), qPrintable("shortcut splits a word: " + translation));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(messages > 0, "no texts");
    }
};

QTEST_GUILESS_MAIN(TestTsFiles)
#include "tst_tsfiles.moc"

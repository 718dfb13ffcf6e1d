// Every area's translation sources: all ten languages present, every text
// translated (nothing left unfinished), and the translations keep the
// placeholders of their source text.
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
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(messages > 0, "no texts");
    }
};

QTEST_GUILESS_MAIN(TestTsFiles)
#include "tst_tsfiles.moc"

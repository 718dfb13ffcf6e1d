// The chord view frame: what it hands to the three pictures, its play button,
// its layout on the desktop, and the line file it appends to: whole lines,
// UTF-8, plain file names only.
#include "RADarir/chordviews/ChordPhotoView.h"
#include "RADarir/chordviews/ChordStandardView.h"
#include "RADarir/chordviews/ChordTabView.h"
#include "RADarir/chordviews/ChordView.h"
#include "TestSupport/ModalDriver.h"

#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace RADarir;

namespace {

QString supportFile(QString const& name)
{
    return ZEDireroz::App::theApp()->supportDirectory() + name;
}

QByteArray contentOf(QString const& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(QString const& path, QByteArray const& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QList<ChordBaseView*> views(ChordView& frame)
{
    return {frame.standardView(), frame.tabView(), frame.photoView()};
}

} // namespace

class TestChordView : public QObject
{
    Q_OBJECT
private slots:
    void handsChordAndInstrumentToTheViews()
    {
        ChordView frame;
        QCOMPARE(frame.objectName(), QString("ChordView"));
        QCOMPARE(frame.minimumSize(), QSize(150, 150));
        frame.setInstrumentName("bass2");
        QCOMPARE(frame.instrumentLabel()->objectName(), QString("InstrumentLabel_bass2"));
        QCOMPARE(frame.instrumentLabel()->size(), QSize(40, 105));
        QCOMPARE(frame.instrumentLabel()->minimumSize(), QSize(40, 105));
        QCOMPARE(frame.instrumentLabel()->maximumSize(), QSize(40, 105));
        frame.setChordTabAndName(89, {-1, 6, 8, 8}, "E♭m");
        for (ChordBaseView* v : views(frame)) {
            QCOMPARE(v->instrumentName(), QString("bass2"));
            QCOMPARE(v->chordIndex(), 89);
            QCOMPARE(v->tab(), (QVector<int>{-1, 6, 8, 8}));
            QCOMPARE(v->name(), QString("E♭m"));
        }
    }

    void playButtonEmitsPlay()
    {
        ChordView frame;
        auto* play = frame.findChild<QPushButton*>("PlayButton");
        QVERIFY(play);
        QVERIFY(play->text().isEmpty());
        QSignalSpy spy(&frame, &ChordView::play);
        play->click();
        QCOMPARE(spy.count(), 1);
        play->click();
        QCOMPARE(spy.count(), 2);
    }

    // The left column: play button, label and stretch, at most 64 wide on the
    // desktop; the diagram above the tablature; the photo on the right.
    void desktopLayout()
    {
        ChordView frame;
        auto* column = frame.findChild<QFrame*>("ViewOptionsFrame");
        QVERIFY(column);
        QCOMPARE(column->maximumWidth(), 64);
        QLayout* columnLayout = column->layout();
        QCOMPARE(columnLayout->itemAt(0)->widget(), frame.findChild<QPushButton*>("PlayButton"));
        QCOMPARE(columnLayout->itemAt(1)->widget(), frame.instrumentLabel());
        QVERIFY(columnLayout->itemAt(2)->spacerItem());
        auto* row = qobject_cast<QHBoxLayout*>(frame.layout());
        QVERIFY(row);
        QCOMPARE(row->itemAt(0)->widget(), column);
        QLayout* pictures = row->itemAt(1)->layout();
        QCOMPARE(pictures->itemAt(0)->widget(), frame.standardView());
        QCOMPARE(pictures->itemAt(1)->widget(), frame.tabView());
        QCOMPARE(row->itemAt(2)->widget(), frame.photoView());
    }

    void protocol_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << "guitar 12" << QByteArray("guitar 12\n");
        QTest::newRow("present") << QByteArray("a\nguitar 12\nb\n") << "guitar 12" << QByteArray("a\nguitar 12\nb\n");
        QTest::newRow("end of a longer line")
            << QByteArray("old guitar 12\n") << "guitar 12" << QByteArray("old guitar 12\nguitar 12\n");
        QTest::newRow("start of a longer line")
            << QByteArray("guitar 123\n") << "guitar 12" << QByteArray("guitar 123\nguitar 12\n");
        QTest::newRow("last line without its end") << QByteArray("first") << "second" << QByteArray("first\nsecond\n");
        QTest::newRow("UTF-8") << QByteArray("E♭m\n") << "Ünïcödé ♭" << QByteArray("E♭m\nÜnïcödé ♭\n");
        QTest::newRow("UTF-8 present") << QByteArray("Ünïcödé ♭\n") << "Ünïcödé ♭" << QByteArray("Ünïcödé ♭\n");
    }
    void protocol()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, line);
        QFETCH(QByteArray, after);
        QString const path = supportFile("protocol.txt");
        QFile::remove(path);
        if (!before.isEmpty())
            writeFile(path, before);
        QVERIFY(ChordView::optimizationProtocol("protocol.txt", line));
        QCOMPARE(contentOf(path), after);
        // A second call finds the line.
        QVERIFY(ChordView::optimizationProtocol("protocol.txt", line));
        QCOMPARE(contentOf(path), after);
    }

    void protocolRefusesPaths_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("parent") << "../escaped.txt";
        QTest::newRow("sub-folder") << "sub/file.txt";
        QTest::newRow("absolute") << "/tmp/tickwren-protocol.txt";
        QTest::newRow("back slash") << "..\\escaped.txt";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("empty") << "";
    }
    void protocolRefusesPaths()
    {
        QFETCH(QString, fileName);
        QDir support(ZEDireroz::App::theApp()->supportDirectory());
        support.mkpath("sub");
        QStringList const files = support.entryList(QDir::Files);
        QStringList const parentFiles = QDir(support.filePath("..")).entryList(QDir::Files);
        QVERIFY(!ChordView::optimizationProtocol(fileName, "line"));
        QCOMPARE(support.entryList(QDir::Files), files);
        QCOMPARE(QDir(support.filePath("..")).entryList(QDir::Files), parentFiles);
        QVERIFY(!QFile::exists(support.filePath("sub/file.txt")));
        QVERIFY(!QFile::exists("/tmp/tickwren-protocol.txt"));
    }

    void protocolRefusesLineBreaks()
    {
        QString const path = supportFile("breaks.txt");
        QFile::remove(path);
        QVERIFY(!ChordView::optimizationProtocol("breaks.txt", "two\nlines"));
        QVERIFY(!QFile::exists(path));
    }
};

TW_APP_TEST_MAIN(TestChordView)
#include "tst_chordview.moc"

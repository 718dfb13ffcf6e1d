// Whole-file reads and writes: the bound checked before anything is read
// (sparse files just below, at and just above it, and the sizes at which a
// plain read fails: 1.1 GB and over 2 GB), failures told apart with the
// system's reason, and saves that go in place where the folder takes no new
// file, and that name a full disk.
#include "MTools/WholeFile.h"
#include "TestSupport/ChildNamespace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr qint64 kMiB = 1024 * 1024;

// A sparse file of size bytes whose last bytes are "end", so that a read that
// stops short shows.
void makeSparse(QString const& path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize(size));
    if (size >= 3) {
        QVERIFY(file.seek(size - 3));
        QCOMPARE(file.write("end"), qint64(3));
    }
}

void writeFile(QString const& path, QByteArray const& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray readFile(QString const& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Gives a folder its writing permission back, so that it can be removed.
struct WritableAgain
{
    QString folder;
    ~WritableAgain() { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
};

} // namespace

class TestWholeFile : public QObject
{
    Q_OBJECT
private slots:
    void readBound_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("bound");
        QTest::addColumn<bool>("read");
        QTest::addRow("empty") << qint64(0) << qint64(4096) << true;
        QTest::addRow("just below") << qint64(4095) << qint64(4096) << true;
        QTest::addRow("at the bound") << qint64(4096) << qint64(4096) << true;
        QTest::addRow("just above") << qint64(4097) << qint64(4096) << false;
        QTest::addRow("just below 128 MiB") << 128 * kMiB - 1 << 128 * kMiB << true;
        QTest::addRow("just above 128 MiB") << 128 * kMiB + 1 << 128 * kMiB << false;
        // A plain read of these runs out of memory, or comes back empty
        // without an error; neither is read here.
        QTest::addRow("1.1 GB, largest bound") << 1100 * kMiB << MTools::kMaxWholeFileBytes << false;
        QTest::addRow("2.5 GiB, largest bound") << 2560 * kMiB << MTools::kMaxWholeFileBytes << false;
        QTest::addRow("2.5 GiB, bound beyond the largest") << 2560 * kMiB << 4096 * kMiB << false;
    }
    void readBound()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, bound);
        QFETCH(bool, read);
        QTemporaryDir dir;
        QString const path = dir.filePath(QStringLiteral("log.txt"));
        makeSparse(path, size);
        MTools::WholeFileRead const result = MTools::readWholeFile(path, bound);
        QCOMPARE(result.size, size);
        if (read) {
            QCOMPARE(result.status, MTools::WholeFileRead::Read);
            QVERIFY(result.ok());
            QCOMPARE(qint64(result.bytes.size()), size);
            if (size >= 3)
                QVERIFY(result.bytes.endsWith("end"));
            QVERIFY(result.reason.isEmpty());
            return;
        }
        QCOMPARE(result.status, MTools::WholeFileRead::TooLarge);
        QVERIFY(!result.ok());
        QVERIFY(result.bytes.isEmpty());
        QVERIFY2(result.reason.contains(MTools::fileSizeText(size)), qPrintable(result.reason));
        QVERIFY2(result.reason.contains(MTools::fileSizeText(qMin(bound, MTools::kMaxWholeFileBytes))),
                 qPrintable(result.reason));
    }

    void readFailures_data()
    {
        QTest::addColumn<QString>("path"); // "@" stands for a temporary folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::addRow("missing") << "@/missing.txt" << int(MTools::WholeFileRead::CannotOpen)
                                 << "The file does not exist.";
        QTest::addRow("a folder") << "@" << int(MTools::WholeFileRead::CannotOpen) << "The name belongs to a folder.";
        // Opened, but reading a process's memory from its start fails.
        QTest::addRow("unreadable") << "/proc/self/mem" << int(MTools::WholeFileRead::CannotRead)
                                    << "The device reported an input or output error.";
        // A file that tells no size is read only up to the bound.
        QTest::addRow("endless") << "/dev/zero" << int(MTools::WholeFileRead::TooLarge)
                                 << "The file is 4.00 KiB, more than the 4.00 KiB that can be opened here.";
    }
    void readFailures()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        path.replace(QLatin1Char('@'), dir.path());
        MTools::WholeFileRead const result = MTools::readWholeFile(path, 4096);
        QCOMPARE(int(result.status), status);
        QVERIFY(result.bytes.isEmpty());
        QCOMPARE(result.reason, reason);
    }

    void write_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("reason");
        QTest::addRow("replaces a file") << "doc.txt" << true << QString();
        QTest::addRow("new file") << "new.txt" << true << QString();
        QTest::addRow("missing folder") << "gone/doc.txt" << false << "The folder does not exist.";
        QTest::addRow("name of a folder") << "folder" << false << "The name belongs to a folder.";
    }
    void write()
    {
        QFETCH(QString, name);
        QFETCH(bool, written);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("doc.txt")), "old words");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QString const path = dir.filePath(name);
        QByteArray const before = readFile(path);
        QString why;
        QCOMPARE(MTools::writeWholeFile(path, "new words", &why), written);
        QCOMPARE(why, reason);
        QCOMPARE(readFile(path), written ? QByteArray("new words") : before);
        // Nothing is left beside the files.
        QStringList expected{QStringLiteral("doc.txt"), QStringLiteral("folder")};
        if (name == QLatin1String("new.txt"))
            expected << name;
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
    }

    // A file the user may write, in a folder the user may not write, is
    // written in place; what the user may not write is refused with the reason.
    void writeWhereNoNewFileFits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("reason");
        QTest::addRow("writable file, read-only folder") << "ro/doc.txt" << true << QString();
        QTest::addRow("new file, read-only folder") << "ro/new.txt" << false << "Permission denied.";
        QTest::addRow("read-only file, writable folder") << "rw/locked.txt" << false << "Permission denied.";
    }
    void writeWhereNoNewFileFits()
    {
        TW_RUN_IN_CHILD_NAMESPACE(ChildNamespace::Unprivileged);
        QFETCH(QString, name);
        QFETCH(bool, written);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("ro"));
        QDir(dir.path()).mkdir(QStringLiteral("rw"));
        writeFile(dir.filePath(QStringLiteral("ro/doc.txt")), "old words");
        writeFile(dir.filePath(QStringLiteral("rw/locked.txt")), "old words");
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("rw/locked.txt")), QFile::ReadOwner));
        WritableAgain again{dir.filePath(QStringLiteral("ro"))};
        QVERIFY(QFile::setPermissions(again.folder, QFile::ReadOwner | QFile::ExeOwner));

        QString const path = dir.filePath(name);
        QByteArray const before = readFile(path);
        QString why;
        QCOMPARE(MTools::writeWholeFile(path, "new words", &why), written);
        QCOMPARE(why, reason);
        QCOMPARE(readFile(path), written ? QByteArray("new words") : before);
        QCOMPARE(QDir(again.folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("doc.txt")});
    }

    // On a full disk the reason is named and the old file stays whole, both
    // for more than the disk holds and for a few bytes that only fail when
    // they go out.
    void writeOnFullDisk_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addRow("a few bytes") << 10;
        QTest::addRow("more than the disk") << 256 * 1024;
    }
    void writeOnFullDisk()
    {
        TW_RUN_IN_CHILD_NAMESPACE(ChildNamespace::OwnMounts);
        QFETCH(int, bytes);
        QTemporaryDir dir;
        QString const mounted = ChildNamespace::mountSmallDisk(dir.path(), 64);
        if (!mounted.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no tmpfs: ") + mounted));
        QString const path = dir.filePath(QStringLiteral("song.txt"));
        writeFile(path, "old words");
        {
            QFile fill(dir.filePath(QStringLiteral("fill")));
            QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            QByteArray const block(4096, 'x');
            while (fill.write(block) == block.size()) { }
        }
        QString why;
        QVERIFY(!MTools::writeWholeFile(path, QByteArray(bytes, 'n'), &why));
        QCOMPARE(why, QStringLiteral("There is no space left on the device."));
        QCOMPARE(readFile(path), QByteArray("old words"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("fill"), QStringLiteral("song.txt")}));
        QVERIFY(::umount(QFile::encodeName(dir.path()).constData()) == 0);
    }
};

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"

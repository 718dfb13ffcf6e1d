// The play-list model: rows, roles and header, renaming an entry, and playing
// times read from the files of every kind, with unreadable files shown as such.
#include "QMMultiMedia/PlayListModel.h"

#include "TestSupport/TestTone.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <vector>

using QMMultiMedia::PlayListModel;

namespace {

// A sine tone of `seconds` in any format libsndfile writes.
bool writeSound(QString const& path, int format, double seconds, int rate = 44100)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    auto const frames = sf_count_t(std::llround(seconds * rate));
    std::vector<float> samples(static_cast<std::size_t>(frames));
    for (sf_count_t i = 0; i < frames; ++i)
        samples[std::size_t(i)] = float(0.4 * std::sin(6.283185307 * 440.0 * double(i) / rate));
    bool const ok = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && ok;
}

bool writeBytes(QString const& path, QByteArray const& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QTime durationAt(PlayListModel const& model, int row)
{
    return model.data(model.index(row), PlayListModel::DurationRole).toTime();
}

} // namespace

class TestPlayListModel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_sLong; // 3725.9 s

    QString path(QString const& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // An hour and more at a low rate keeps the file small.
        m_sLong = path(QStringLiteral("Song.wav"));
        QVERIFY(TestTone::writeWav(m_sLong, 372590, 100, 1));
    }

    void rolesOfARow()
    {
        PlayListModel model;
        model.setPlayList(QStringList{m_sLong});
        QCOMPARE(model.rowCount(), 1);
        QModelIndex const row = model.index(0);
        QCOMPARE(model.data(row, Qt::DisplayRole).toString(), QStringLiteral("Song.wav"));
        QCOMPARE(model.data(row, Qt::EditRole).toString(), QStringLiteral("Song.wav"));
        QCOMPARE(model.data(row, Qt::UserRole + 3).toString(), m_sLong);
        QCOMPARE(model.data(row, Qt::UserRole + 1).toDateTime(), QFileInfo(m_sLong).lastModified());
        // The milliseconds are dropped: 3725.9 s is 01:02:05.
        QTRY_COMPARE(model.data(row, Qt::UserRole + 4).toTime(), QTime(1, 2, 5));
        QVERIFY(!model.isMeasuring());
        QVERIFY(model.isReadable(0));
        QVERIFY(!model.data(row, Qt::ToolTipRole).isValid());
        QVERIFY(!model.data(row, Qt::UserRole).isValid());
        QVERIFY(!model.data(row, Qt::UserRole + 2).isValid());
        QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());
        QVERIFY(model.flags(row).testFlag(Qt::ItemIsEditable));
        QVERIFY(!model.flags(QModelIndex()).testFlag(Qt::ItemIsEditable));
        QCOMPARE(model.audioFileDuration(m_sLong), QTime(1, 2, 5));
    }

    void rowsBeyondTheListGiveNothing()
    {
        PlayListModel model;
        model.setPlayList(QStringList{m_sLong});
        // A valid index of another model, for a row this one does not have.
        QStringListModel other(QVector<QString>(10, QStringLiteral("x")).toList());
        QModelIndex const foreign = other.index(5);
        QVERIFY(foreign.isValid());
        for (int role : {int(Qt::DisplayRole), int(PlayListModel::PathRole), int(PlayListModel::DurationRole)})
            QVERIFY(!model.data(foreign, role).isValid());
        QVERIFY(!model.setData(foreign, QStringLiteral("x.wav"), Qt::EditRole));
        QVERIFY(!model.flags(foreign).testFlag(Qt::ItemIsEditable));
    }

    void header_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("horizontal") << 0 << Qt::Horizontal << int(Qt::DisplayRole) << QVariant("Number");
        QTest::newRow("vertical, first row") << 0 << Qt::Vertical << int(Qt::DisplayRole) << QVariant("0");
        QTest::newRow("vertical") << 3 << Qt::Vertical << int(Qt::DisplayRole) << QVariant("3");
        QTest::newRow("other role") << 0 << Qt::Horizontal << int(Qt::ToolTipRole) << QVariant();
        QTest::newRow("edit role") << 3 << Qt::Vertical << int(Qt::EditRole) << QVariant();
    }
    void header()
    {
        QFETCH(int, section);
        QFETCH(Qt::Orientation, orientation);
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        PlayListModel model;
        QCOMPARE(model.headerData(section, orientation, role), expected);
    }

    void durationsOfEveryKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format"); // 0: damaged bytes, -1: no file
        QTest::addColumn<QTime>("duration");
        QTest::addColumn<bool>("readable");
        QTest::newRow("wav") << "a.wav" << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << QTime(0, 0, 2) << true;
        QTest::newRow("flac") << "b.flac" << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << QTime(0, 0, 2) << true;
        QTest::newRow("ogg") << "c.ogg" << (SF_FORMAT_OGG | SF_FORMAT_VORBIS) << QTime(0, 0, 2) << true;
        QTest::newRow("mp3") << "d.mp3" << (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) << QTime(0, 0, 2) << true;
        QTest::newRow("damaged") << "e.mp3" << 0 << QTime(0, 0) << false;
        QTest::newRow("missing") << "f.wav" << -1 << QTime(0, 0) << false;
    }
    void durationsOfEveryKind()
    {
        QFETCH(QString, name);
        QFETCH(int, format);
        QFETCH(QTime, duration);
        QFETCH(bool, readable);
        QString const file = path(name);
        if (format > 0)
            QVERIFY(writeSound(file, format, 2.7));
        else if (format == 0)
            QVERIFY(writeBytes(file, QByteArray("ID3\x03garbage that is not a sound at all").repeated(50)));
        QCOMPARE(PlayListModel().audioFileDuration(file), duration);

        // Between two good files, the row is measured and marked, and the rows
        // after it are measured too.
        PlayListModel model;
        QSignalSpy changed(&model, &PlayListModel::dataChanged);
        model.setPlayList(QStringList{m_sLong, file, m_sLong});
        QTRY_VERIFY(!model.isMeasuring());
        QVERIFY(changed.count() >= 1);
        QCOMPARE(durationAt(model, 0), QTime(1, 2, 5));
        QCOMPARE(durationAt(model, 1), duration);
        QCOMPARE(durationAt(model, 2), QTime(1, 2, 5));
        QCOMPARE(model.isReadable(1), readable);
        QCOMPARE(model.data(model.index(1), Qt::ToolTipRole).isValid(), !readable);
        QCOMPARE(model.data(model.index(1), Qt::ForegroundRole).isValid(), !readable);
    }

    void renamingChangesTheNameOnly()
    {
        QString const other = path(QStringLiteral("Other.wav"));
        QVERIFY(TestTone::writeWav(other, 5200, 1000, 1)); // 5.2 s
        PlayListModel model;
        model.setPlayList(QStringList{m_sLong});
        QTRY_COMPARE(durationAt(model, 0), QTime(1, 2, 5));
        QSignalSpy changed(&model, &PlayListModel::dataChanged);
        QVERIFY(model.setData(model.index(0), QStringLiteral("Other.wav"), Qt::EditRole));
        // The folder stays; the duration is the renamed file's, not the old one.
        QCOMPARE(model.data(model.index(0), PlayListModel::PathRole).toString(), other);
        QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(), QStringLiteral("Other.wav"));
        QVERIFY(changed.count() >= 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), model.index(0));
        QTRY_COMPARE(durationAt(model, 0), QTime(0, 0, 5));
        QVERIFY(!model.isMeasuring());
    }

    void renamingRefused_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("role");
        QTest::newRow("display role") << QVariant("Other.wav") << int(Qt::DisplayRole);
        QTest::newRow("empty name") << QVariant("") << int(Qt::EditRole);
        QTest::newRow("a path") << QVariant("/elsewhere/Other.wav") << int(Qt::EditRole);
        QTest::newRow("parent folder") << QVariant("..") << int(Qt::EditRole);
    }
    void renamingRefused()
    {
        QFETCH(QVariant, value);
        QFETCH(int, role);
        PlayListModel model;
        model.setPlayList(QStringList{m_sLong});
        QSignalSpy changed(&model, &PlayListModel::dataChanged);
        QVERIFY(!model.setData(model.index(0), value, role));
        QCOMPARE(model.data(model.index(0), PlayListModel::PathRole).toString(), m_sLong);
        // Only the measured duration may arrive; nothing about the path changed.
        QTRY_VERIFY(!model.isMeasuring());
        for (QList<QVariant> const& signal : changed)
            QVERIFY(signal.at(2).value<QVector<int>>().contains(PlayListModel::DurationRole));
    }

    void appendAndReplace()
    {
        PlayListModel model;
        QSignalSpy reset(&model, &PlayListModel::modelReset);
        model.appendToPlayList({});
        QCOMPARE(reset.count(), 0);
        model.appendToPlayList({m_sLong});
        model.appendToPlayList({m_sLong, path(QStringLiteral("nothing.wav"))});
        QCOMPARE(reset.count(), 2);
        QCOMPARE(model.rowCount(), 3);
        QTRY_VERIFY(!model.isMeasuring());
        QCOMPARE(durationAt(model, 1), QTime(1, 2, 5));
        QVERIFY(!model.isReadable(2));
        model.setPlayList(QStringList());
        QCOMPARE(reset.count(), 3);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.isMeasuring());
    }

    void folderAsList()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir const d(dir.path());
        QVERIFY(TestTone::writeWav(d.filePath("one.wav"), 100, 100, 1));
        QVERIFY(TestTone::writeWav(d.filePath("two.wav"), 200, 100, 1));
        QVERIFY(writeBytes(d.filePath("notes.txt"), "text"));
        QVERIFY(d.mkdir(QStringLiteral("folder.wav")));
        PlayListModel model;
        model.setPlayList(d, {QStringLiteral("*.mp3")});
        QCOMPARE(model.rowCount(), 0);
        model.setPlayList(d, {QStringLiteral("*.wav")});
        QStringList paths;
        for (int row = 0; row < model.rowCount(); ++row)
            paths << model.data(model.index(row), PlayListModel::PathRole).toString();
        paths.sort();
        QCOMPARE(paths, (QStringList{d.absoluteFilePath("one.wav"), d.absoluteFilePath("two.wav")}));
    }

    void deletedWhileMeasuring()
    {
        // The worker still reading headers must neither outlive the model nor
        // deliver to it once it is gone.
        QStringList many;
        for (int i = 0; i < 500; ++i)
            many << m_sLong;
        auto* model = new PlayListModel;
        model->setPlayList(many);
        QVERIFY(model->isMeasuring());
        delete model;
        QTest::qWait(50);
    }
};

QTEST_MAIN(TestPlayListModel)

#include "tst_playlistmodel.moc"

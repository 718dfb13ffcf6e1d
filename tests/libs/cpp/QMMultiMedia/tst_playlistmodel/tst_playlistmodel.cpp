// The play-list model: rows, roles and header, renaming an entry, and playing
// times read from the files of every kind, with unreadable files shown as such.
#include "QMMultiMedia/PlayListModel.h"

#include "TestSupport/TestTone.h"

#include <QApplication>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QtEndian>
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

// How an MP3 file of the tests is encoded.
enum class Mp3Kind {
    CbrBare, // constant low bit rate, no header frame: the length follows from the size
    CbrInfo, // constant bit rate with its "Info" header frame
    VbrXing, // variable bit rate with its "Xing" header frame
    VbrVbri  // variable bit rate with a "VBRI" header frame in place of that
};

// The bytes of the first MPEG-1 Layer III frame at 44.1 kHz, from its header.
int firstFrameBytes(QByteArray const& mp3)
{
    static int const kBitRates[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    int const index = quint8(mp3.at(2)) >> 4;
    int const padding = (quint8(mp3.at(2)) >> 1) & 1;
    return index > 0 && index < 15 ? 144 * kBitRates[index] * 1000 / 44100 + padding : 0;
}

// The stream with its Xing frame (stereo: the fields 36 bytes into the frame)
// made a VBRI frame telling the same number of frames.
QByteArray xingToVbri(QByteArray mp3)
{
    int const length = firstFrameBytes(mp3);
    constexpr int kAt = 36;
    if (length < kAt + 32 || mp3.mid(kAt, 4) != "Xing" || !(mp3.at(kAt + 7) & 1))
        return QByteArray();
    quint32 const frames = qFromBigEndian<quint32>(mp3.constData() + kAt + 8);
    QByteArray vbri("VBRI");
    vbri += QByteArray::fromHex("0001"
                                "0000"
                                "004b"); // version, delay, quality
    QByteArray numbers(8, '\0');
    qToBigEndian<quint32>(quint32(mp3.size()), numbers.data());
    qToBigEndian<quint32>(frames, numbers.data() + 4);
    vbri += numbers
            + QByteArray::fromHex("0000"
                                  "0001"
                                  "0002"
                                  "0000"); // no table of contents
    mp3.replace(4, length - 4, QByteArray(length - 4, '\0'));
    mp3.replace(kAt, vbri.size(), vbri);
    return mp3;
}

QByteArray synchsafe(int value)
{
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i, value >>= 7)
        bytes[i] = char(value & 0x7f);
    return bytes;
}

// An ID3v2 tag (version 3 or 4) holding one attached picture of `pictureBytes`,
// with a footer on request (version 4 only).
QByteArray id3v2Tag(int version, int pictureBytes, bool footer)
{
    QByteArray const body = QByteArray("\0image/png\0\x03\0", 13) + QByteArray(pictureBytes, '\x5a');
    QByteArray frameSize(4, '\0');
    qToBigEndian<quint32>(quint32(body.size()), frameSize.data());
    QByteArray const frame = "APIC" + (version == 4 ? synchsafe(body.size()) : frameSize) + QByteArray(2, '\0') + body;
    QByteArray header = QByteArray("ID3") + char(version) + char(0) + char(footer ? 0x10 : 0) + synchsafe(frame.size());
    QByteArray tag = header + frame;
    if (footer)
        tag += "3DI" + header.mid(3);
    return tag;
}

// A 4.5 s tone as MP3 of the given kind behind an ID3v2 tag, with an ID3v1 tag
// after it on request.
bool writeTaggedMp3(QString const& path, Mp3Kind kind, QByteArray const& tag, bool id3v1)
{
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    QString const plain = path + QStringLiteral(".plain");
    SNDFILE* file = sf_open(QFile::encodeName(plain).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    // The answers to these say nothing; the header frame written shows what came.
    bool const variable = kind == Mp3Kind::VbrXing || kind == Mp3Kind::VbrVbri;
    int mode = variable ? SF_BITRATE_MODE_VARIABLE : SF_BITRATE_MODE_CONSTANT;
    sf_command(file, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
    // At a low constant rate (56 kbit/s) the encoder writes no header frame, and
    // a tag weighs many seconds.
    double compression = kind == Mp3Kind::CbrBare ? 0.9 : 0.5;
    sf_command(file, SFC_SET_COMPRESSION_LEVEL, &compression, sizeof compression);
    sf_count_t const frames = 198450;
    std::vector<float> samples(std::size_t(2 * frames));
    for (sf_count_t i = 0; i < frames; ++i) {
        // Loud and quiet stretches, so that a variable rate varies.
        float const level = (i / 22050) % 2 ? 0.4f : 0.01f;
        samples[std::size_t(2 * i)] = samples[std::size_t(2 * i + 1)] =
            level * float(std::sin(6.283185307 * 440.0 * double(i) / 44100.0));
    }
    bool const written = sf_writef_float(file, samples.data(), frames) == frames;
    if (sf_close(file) != 0 || !written)
        return false;
    QFile in(plain);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray mp3 = in.readAll();
    // The header frame, where there is one, is the first frame (at most 200 bytes here).
    QByteArray const first = mp3.left(200);
    QByteArray const header = variable ? "Xing" : kind == Mp3Kind::CbrInfo ? "Info" : "";
    if (header.isEmpty() ? first.contains("Info") || first.contains("Xing") : !first.contains(header))
        return false;
    if (kind == Mp3Kind::VbrVbri)
        mp3 = xingToVbri(mp3);
    if (mp3.isEmpty())
        return false;
    QByteArray trailer;
    if (id3v1)
        trailer = "TAG" + QByteArray(125, ' ');
    return writeBytes(path, tag + mp3 + trailer);
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

    void taggedMp3sCountTheSoundOnly_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("pictureBytes");
        QTest::addColumn<bool>("footer");
        QTest::addColumn<bool>("id3v1");
        int const cbr = int(Mp3Kind::CbrBare);
        QTest::newRow("CBR, v2.3 tag, 256 kB picture") << cbr << 3 << 256 * 1024 << false << false;
        QTest::newRow("CBR, v2.4 tag, 6 MB picture") << cbr << 4 << 6 * 1024 * 1024 << false << false;
        QTest::newRow("CBR, tag with footer, ID3v1 after") << cbr << 4 << 256 * 1024 << true << true;
        QTest::newRow("CBR with Info frame, 6 MB picture")
            << int(Mp3Kind::CbrInfo) << 3 << 6 * 1024 * 1024 << false << true;
        QTest::newRow("VBR with Xing frame, 256 kB picture")
            << int(Mp3Kind::VbrXing) << 4 << 256 * 1024 << false << false;
        QTest::newRow("VBR with VBRI frame, 256 kB picture")
            << int(Mp3Kind::VbrVbri) << 3 << 256 * 1024 << false << false;
        QTest::newRow("VBR with Xing frame, 6 MB picture")
            << int(Mp3Kind::VbrXing) << 3 << 6 * 1024 * 1024 << false << true;
    }
    void taggedMp3sCountTheSoundOnly()
    {
        QFETCH(int, kind);
        QFETCH(int, version);
        QFETCH(int, pictureBytes);
        QFETCH(bool, footer);
        QFETCH(bool, id3v1);
        QString const file = path(QStringLiteral("tagged.mp3"));
        QVERIFY(writeTaggedMp3(file, Mp3Kind(kind), id3v2Tag(version, pictureBytes, footer), id3v1));
        // 4.5 s of sound, whatever the tags weigh.
        QCOMPARE(PlayListModel().audioFileDuration(file), QTime(0, 0, 4));
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

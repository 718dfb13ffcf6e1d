// The media type of a file name: only the end of the name counts, in any case.
#include "QMMultiMedia/MediaCommon.h"

#include <QtTest>

using QMMultiMedia::MediaCommon;

Q_DECLARE_METATYPE(MediaCommon::MediaType)

class TestMediaCommon : public QObject
{
    Q_OBJECT
private slots:
    void mediaType_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<MediaCommon::MediaType>("type");
        QTest::newRow("upper-case audio") << "Song.MP3" << MediaCommon::Audio;
        QTest::newRow("path") << "/music/Song.mp3" << MediaCommon::Audio;
        QTest::newRow("dots in folders") << "/a.jpg/b.avi/c.wav" << MediaCommon::Audio;
        QTest::newRow("aiff") << "take.aiff" << MediaCommon::Audio;
        QTest::newRow("only a suffix") << ".mp3" << MediaCommon::Audio;
        QTest::newRow("jpeg") << "Cover.JPEG" << MediaCommon::Image;
        QTest::newRow("tif") << "scan.tif" << MediaCommon::Image;
        QTest::newRow("tiff") << "scan.tiff" << MediaCommon::Image;
        QTest::newRow("gif") << "a.gif" << MediaCommon::Image;
        QTest::newRow("3g2") << "clip.3G2" << MediaCommon::Video;
        QTest::newRow("vob") << "dvd.vob" << MediaCommon::Video;
        QTest::newRow("aif is not aiff") << "take.aif" << MediaCommon::NoMedia;
        QTest::newRow("mpeg") << "film.mpeg" << MediaCommon::NoMedia;
        QTest::newRow("flac") << "song.flac" << MediaCommon::NoMedia;
        QTest::newRow("webm") << "clip.webm" << MediaCommon::NoMedia;
        QTest::newRow("heic") << "photo.heic" << MediaCommon::NoMedia;
        QTest::newRow("archive of an mp3") << "Song.mp3.zip" << MediaCommon::NoMedia;
        QTest::newRow("suffix in the middle") << "song.mp3.txt" << MediaCommon::NoMedia;
        QTest::newRow("no dot") << "mp3" << MediaCommon::NoMedia;
        QTest::newRow("empty") << "" << MediaCommon::NoMedia;
    }
    void mediaType()
    {
        QFETCH(QString, name);
        QFETCH(MediaCommon::MediaType, type);
        QCOMPARE(MediaCommon::mediaType(name), type);
        QCOMPARE(MediaCommon::isAudio(name), type == MediaCommon::Audio);
        QCOMPARE(MediaCommon::isVideo(name), type == MediaCommon::Video);
        QCOMPARE(MediaCommon::isImage(name), type == MediaCommon::Image);
    }
};

QTEST_APPLESS_MAIN(TestMediaCommon)

#include "tst_mediacommon.moc"

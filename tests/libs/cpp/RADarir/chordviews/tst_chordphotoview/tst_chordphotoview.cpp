// The chord photo: the photo's name for each instrument and tab, and the dark
// ground that stays when there is no photo.
#include "RADarir/chordviews/ChordPhotoView.h"
#include "TestSupport/ModalDriver.h"
#include "tests/libs/cpp/RADarir/chordviews/PictureTesting.h"

#include <QImage>
#include <QtTest>

using RADarir::ChordPhotoView;

class TestChordPhotoView : public QObject
{
    Q_OBJECT
private slots:
    void photoName_data()
    {
        QTest::addColumn<QString>("instrument");
        QTest::addColumn<QVector<int>>("tab");
        QTest::addColumn<QString>("name");
        QTest::newRow("guitar") << "guitar" << QVector<int>{-1, 3, 2, 0, 1, 0} << "guitar_X32010.jpg";
        QTest::newRow("bass2 two digits") << "bass2" << QVector<int>{-1, 7, 10, 9} << "bass2_X7109.jpg";
        QTest::newRow("ukulele") << "ukulele" << QVector<int>{0, 0, 0, 3} << "ukulele_0003.jpg";
        QVector<int> piano(24, -1);
        piano[0] = piano[4] = piano[7] = 0;
        QTest::newRow("piano by keyboard code") << "piano" << piano << "piano_0XXX0XX0XXXX.jpg";
        QTest::newRow("Piano is a string instrument") << "Piano" << QVector<int>{0, -1, 12} << "Piano_0X12.jpg";
        QTest::newRow("unfilled entry") << "banjo" << QVector<int>{} << "banjo_.jpg";
        QTest::newRow("unfilled piano entry") << "piano" << QVector<int>{} << "piano_.jpg";
    }
    void photoName()
    {
        QFETCH(QString, instrument);
        QFETCH(QVector<int>, tab);
        QFETCH(QString, name);
        QCOMPARE(ChordPhotoView::photoName(instrument, tab), name);
        ChordPhotoView view;
        view.setInstrumentName(instrument);
        view.setChordTabAndName(7, tab, "G");
        QCOMPARE(view.photoName(), name);
    }

    // The instrument alone changes the photo at the next paint.
    void instrumentChangesThePhoto()
    {
        ChordPhotoView view;
        view.setChordTabAndName(0, {0, 0, 0, 3}, "C");
        view.setInstrumentName("ukulele");
        QCOMPARE(view.photoName(), QString("ukulele_0003.jpg"));
        view.setInstrumentName("mandolin");
        QCOMPARE(view.photoName(), QString("mandolin_0003.jpg"));
    }

    // Without a photo only the desktop's dark ground shows, and no name.
    void missingPhotoLeavesTheGround()
    {
        QImage const image =
            PictureTesting::render<ChordPhotoView>("guitar", {-1, 0, 2, 2, 2, 0}, QSize(200, 150), "A");
        for (int y = 0; y < 150; y += 7)
            for (int x = 0; x < 200; x += 7)
                QCOMPARE(image.pixelColor(x, y), QColor(71, 71, 71));
    }
};

TW_APP_TEST_MAIN(TestChordPhotoView)
#include "tst_chordphotoview.moc"

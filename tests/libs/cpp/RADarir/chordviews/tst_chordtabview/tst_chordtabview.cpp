// The tablature, checked pixel by pixel on a 300 x 300 rendering: staff
// lines, double bar, the fret written on each line (top line the last string),
// the TAB mark, and the piano's two-octave keyboard.
#include "RADarir/chordviews/ChordTabView.h"
#include "TestSupport/ModalDriver.h"
#include "tests/libs/cpp/RADarir/chordviews/PictureTesting.h"

#include <QtTest>

using RADarir::ChordTabView;
using namespace PictureTesting;

namespace {

QImage tablature(QString const& instrument, QVector<int> const& tab)
{
    return render<ChordTabView>(instrument, tab);
}

// The number as the view writes it: 42-pixel type, its baseline starting at (150, baseline).
QImage writtenNumber(QString const& number, int baseline)
{
    QImage image(300, 300, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font = ChordTabView().font();
    font.setPixelSize(42);
    p.setFont(font);
    p.setPen(QPen(Qt::black, 6));
    p.drawText(150, baseline, number);
    return image;
}

// The ink of the band between a staff line and the next, right of the middle.
QRect numberBand(int line)
{
    return QRect(150, line + 5, 40, 14);
}

} // namespace

class TestChordTabView : public QObject
{
    Q_OBJECT
private slots:
    // The guitar in 300 x 300: lines 41 apart from y = 56, from x = 40 to 260;
    // bars at x = 40 and 44 from y = 56 to 261.
    void staffOfTheGuitar()
    {
        QImage const image = tablature("guitar", {-1, -1, -1, -1, -1, -1});
        for (int y : {56, 97, 138, 179, 220, 261}) {
            QVERIFY2(isInk(image, 100, y), qPrintable(QString::number(y)));
            QVERIFY2(isInk(image, 258, y), qPrintable(QString::number(y)));
            QVERIFY2(isPaper(image, 100, y + 5), qPrintable(QString::number(y)));
            QVERIFY2(isPaper(image, 30, y), qPrintable(QString::number(y)));
        }
        QVERIFY(isPaper(image, 100, 270));
        // The double bar: ink from 37 to 47 between the outer lines, none above or below.
        for (int x : {38, 42, 46})
            QVERIFY2(isInk(image, x, 120), qPrintable(QString::number(x)));
        QVERIFY(isPaper(image, 50, 120));
        QVERIFY(isPaper(image, 42, 50));
        QVERIFY(isPaper(image, 42, 268));
        // No fret is written for a string not played.
        for (int y : {56, 97, 138, 179, 220, 261})
            QCOMPARE(inkIn(image, numberBand(y)), 0);
        // The TAB mark stands against the right end, between the first and the last line.
        QVERIFY(inkIn(image, QRect(235, 60, 24, 196)) > 100);
        QCOMPARE(inkIn(image, QRect(266, 0, 34, 300)), 0);
    }

    // Four strings (-1, 0, 2, 3): "3" on the top line, "2", "0", nothing on
    // the bottom line; lines 58 apart from y = 73, baselines 20 below.
    void fretsOnTheirLines()
    {
        QImage const image = tablature("ukulele", {-1, 0, 2, 3});
        int const lines[] = {73, 131, 189, 247};
        QString const expected[] = {"3", "2", "0", ""};
        for (int k = 0; k < 4; ++k) {
            QRect const band = numberBand(lines[k]);
            if (expected[k].isEmpty()) {
                QCOMPARE(inkIn(image, band), 0);
                continue;
            }
            QImage const written = writtenNumber(expected[k], lines[k] + 20);
            QVERIFY2(inkIn(image, band) > 20, qPrintable(expected[k]));
            for (int y = band.top(); y <= band.bottom(); ++y)
                for (int x = band.left(); x <= band.right(); ++x)
                    QCOMPARE(isInk(image, x, y), isInk(written, x, y));
        }
    }

    // Two-digit frets start at the middle like any other.
    void twoDigitFret()
    {
        QImage const image = tablature("bass2", {12, -1, -1, -1});
        QImage const written = writtenNumber("12", 247 + 20);
        QRect const band(150, 252, 60, 14);
        QVERIFY(inkIn(image, band) > 40);
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                QCOMPARE(isInk(image, x, y), isInk(written, x, y));
    }

    // The piano: the two-octave keyboard picture, fitted 300 x 200 from y = 50.
    void pianoKeyboard()
    {
        QVector<int> tab(24, -1);
        tab[2] = tab[18] = tab[21] = 0; // D3, F#4, A4
        QImage const image = tablature("piano", tab);
        QVERIFY(warmIn(image, QRect(0, 100, 300, 150)) > 500);
        QVERIFY(inkIn(image, QRect(120, 0, 60, 56)) > 50);
        QImage const strings = tablature("Piano", tab);
        QCOMPARE(warmIn(strings, strings.rect()), 0);
    }
};

TW_APP_TEST_MAIN(TestChordTabView)
#include "tst_chordtabview.moc"

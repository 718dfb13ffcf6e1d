// The chord diagram, checked pixel by pixel on a 300 x 300 rendering: string
// and fret lines, nut, dots, rings and crosses, fret numbers, the second bass
// layout without a nut, the banjo's short string, and the piano's keyboard.
#include "RADarir/chordviews/ChordStandardView.h"
#include "TestSupport/ModalDriver.h"
#include "tests/libs/cpp/RADarir/chordviews/PictureTesting.h"

#include <QtTest>

using RADarir::ChordStandardView;
using namespace PictureTesting;

namespace {

QImage diagram(QString const& instrument, QVector<int> const& tab)
{
    return render<ChordStandardView>(instrument, tab);
}

// The guitar in 300 x 300: strings 41 apart from y = 51, frets 40 apart from x = 30.
int const kStrings[] = {51, 92, 133, 174, 215, 256};
int const kFrets[] = {30, 70, 110, 150, 190, 230, 270};
QVector<int> const kMuted = {-1, -1, -1, -1, -1, -1};

} // namespace

class TestChordStandardView : public QObject
{
    Q_OBJECT
private slots:
    void gridOfTheGuitar()
    {
        QImage const image = diagram("guitar", kMuted);
        for (int y : kStrings) {
            QVERIFY2(isInk(image, 90, y), qPrintable(QString::number(y)));
            QVERIFY2(isInk(image, 268, y), qPrintable(QString::number(y)));
            QVERIFY2(isPaper(image, 90, y + 6), qPrintable(QString::number(y)));
        }
        // No string line below the lowest or above the highest.
        QVERIFY(isPaper(image, 90, 264));
        QVERIFY(isPaper(image, 90, 45));
        for (int x : kFrets) {
            QVERIFY2(isInk(image, x, 70), qPrintable(QString::number(x)));
            QVERIFY2(isInk(image, x, 250), qPrintable(QString::number(x)));
            if (x > 30)
                QVERIFY2(isPaper(image, x + 6, 70), qPrintable(QString::number(x)));
        }
        // The frets span the strings only.
        QVERIFY(isPaper(image, 110, 262));
        QVERIFY(isPaper(image, 110, 44));
        // The nut is 15 pixels wide: past the 6-pixel fret line's reach.
        QVERIFY(isInk(image, 36, 150));
        QVERIFY(isInk(image, 24, 150));
        QVERIFY(isPaper(image, 40, 150));
    }

    // Fret numbers 1 to 6 under the cells, on the baseline y = 297.
    void fretNumbers()
    {
        QImage const image = diagram("guitar", kMuted);
        for (int f = 1; f <= 6; ++f) {
            int const left = kFrets[f] - 20 - 3;
            QVERIFY2(inkIn(image, QRect(left, 270, 26, 27)) > 20, qPrintable(QString::number(f)));
        }
        // Nothing under the nut.
        QCOMPARE(inkIn(image, QRect(0, 275, 24, 22)), 0);
    }

    void marks_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("value");
        // Mark size 30, the box left of the nut from x = -7 to 22.
        QTest::newRow("dot fret 1 on entry 0") << 0 << 1;
        QTest::newRow("dot fret 4 on the top string") << 5 << 4;
        QTest::newRow("ring on entry 0") << 0 << 0;
        QTest::newRow("cross on entry 3") << 3 << -1;
    }
    void marks()
    {
        QFETCH(int, entry);
        QFETCH(int, value);
        QVector<int> tab(6, 2);
        tab[entry] = value;
        QImage const image = diagram("guitar", tab);
        int const y = kStrings[5 - entry];
        if (value >= 1) {
            // A filled circle of 30 centred in the cell: from x = 35 for fret 1.
            int const cx = value * 40 - 20 + 30;
            QVERIFY(isInk(image, cx, y - 10));
            QVERIFY(isInk(image, cx, y + 10));
            QVERIFY(isInk(image, cx - 13, y));
            QVERIFY(isPaper(image, cx, y - 21));
        } else {
            // Left of the nut, centred on the string line at x = 7.
            QVERIFY(isPaper(image, 7, y - 19));
            bool const ring = value == 0;
            // The ring's top and bottom are drawn, its centre is empty; the cross meets in the centre.
            QCOMPARE(isInk(image, 7, y - 14), ring);
            QCOMPARE(isInk(image, 7, y + 14), ring);
            QCOMPARE(isInk(image, 7, y), !ring);
            QCOMPARE(isInk(image, 12, y - 5), !ring);
        }
    }

    // The second bass layout: eight cells for frets 5 to 12, a dot for 5 in
    // the first cell, no nut.
    void secondBassLayout()
    {
        QImage const image = diagram("bass2", {5, -1, 12, 0});
        // d = 58: strings at 68, 126, 184, 242; fw = 30.
        QVERIFY(isInk(image, 45, 242 - 10));
        QVERIFY(isPaper(image, 45, 184 - 10));
        QVERIFY(isInk(image, 255, 126 - 10));
        // The first fret line at x = 30 stays thin.
        QVERIFY(isInk(image, 30, 100));
        QVERIFY(isPaper(image, 36, 100));
        QVERIFY(isInk(image, 270, 100));
        QVERIFY(isPaper(image, 276, 100));
        // Two-digit fret numbers: "12" under the last cell starts at 270 - 15 - 3.
        QVERIFY(inkIn(image, QRect(252, 275, 18, 24)) > 20);
    }

    // However small the view, fret numbers keep paper between them (the
    // second bass's 10, 11 and 12 read as three numbers) and a mark stays
    // clear of the neighbouring strings and fret lines.
    void smallViews_data()
    {
        QTest::addColumn<QString>("instrument");
        QTest::addColumn<int>("strings");
        QTest::addColumn<QSize>("size");
        QTest::newRow("second bass, chord page at its smallest") << "bass2" << 4 << QSize(150, 100);
        QTest::newRow("second bass, narrow") << "bass2" << 4 << QSize(140, 140);
        QTest::newRow("guitar, narrow and tall") << "guitar" << 6 << QSize(150, 220);
        QTest::newRow("balalaika, narrow and tall") << "balalaika" << 3 << QSize(140, 260);
    }
    void smallViews()
    {
        QFETCH(QString, instrument);
        QFETCH(int, strings);
        QFETCH(QSize, size);
        bool const bass2 = instrument == "bass2";
        int const cells = bass2 ? 8 : 6;
        int const fw = (size.width() - 60) / cells;
        int const d = (size.height() - 10) / (strings + 1);
        // Every string stopped at the last cell's fret but one, so its dots
        // stand beside the fret lines of both neighbouring cells.
        QVector<int> const tab(strings, bass2 ? 11 : 5);
        QImage const image = render<ChordStandardView>(instrument, tab, size);
        int const yNumbers = 10 + (strings + 1) * d;
        // Below the bottom string and the fret lines' ends.
        int const top = qMax(yNumbers - size.height() / 7, 10 + strings * d + size.height() / 50 + 1);
        for (int f = 1; f < cells; ++f) {
            // A column of paper between the middles of two neighbouring cells.
            int const from = 30 + f * fw - fw / 2;
            bool gap = false;
            for (int x = from; x <= from + fw && !gap; ++x)
                gap = inkIn(image, QRect(x, top, 1, qMin(yNumbers, size.height() - 1) - top + 1)) == 0;
            QVERIFY2(gap, qPrintable(QStringLiteral("numbers %1 and %2 run together").arg(f).arg(f + 1)));
        }
        int const s = ChordStandardView::markSize(size, strings, instrument);
        QVERIFY(s >= 2);
        // With its outline's pen a mark still leaves paper to the next string and fret.
        int const reach = s + size.height() / 50;
        QVERIFY2(reach < d && reach < fw,
                 qPrintable(QStringLiteral("mark %1, strings %2 apart, frets %3").arg(reach).arg(d).arg(fw)));
        // Between the dot of a string and the next string up there is paper.
        int const cell = cells - 1;
        int const x = 30 + cell * fw - fw / 2;
        for (int k = 1; k < strings; ++k) {
            int const line = 10 + k * d;
            bool paper = false;
            for (int y = line + 2; y < line + d - 1 && !paper; ++y)
                paper = isPaper(image, x, y);
            QVERIFY2(paper, qPrintable(QStringLiteral("dots of lines %1 and %2 meet").arg(k).arg(k + 1)));
        }
    }

    // The banjo's frets stop at the second-lowest string; its numbers stand on the lowest.
    void banjoShortString()
    {
        QImage const banjo = diagram("banjo", {0, 2, 0, 1, 2});
        QImage const guitarLike = diagram("mandolin", {0, 2, 0, 1, 2});
        // d = 48: strings at 58, 106, 154, 202, 250.
        QVERIFY(isInk(banjo, 70, 190));
        QVERIFY(isPaper(banjo, 70, 226));
        QVERIFY(isInk(guitarLike, 70, 226));
        QVERIFY(isPaper(banjo, 34, 226));
        QVERIFY(inkIn(banjo, QRect(27, 226, 26, 24)) > 20);
    }

    void stringsForEveryNameButPiano_data()
    {
        QTest::addColumn<QString>("instrument");
        QTest::newRow("Piano") << "Piano";
        QTest::newRow("unknown") << "lute";
        QTest::newRow("empty") << "";
    }
    void stringsForEveryNameButPiano()
    {
        QFETCH(QString, instrument);
        QVector<int> tab(24, -1);
        QImage const image = diagram(instrument, tab);
        // 24 strings: the grid's lines are there, and no keyboard.
        QVERIFY(isInk(image, 31, 150));
        QCOMPARE(warmIn(image, image.rect()), 0);
    }

    // The piano: the keyboard picture of the chord's code fitted into the
    // view, 300 x 200 from y = 50, under the name.
    void pianoKeyboard()
    {
        QVector<int> tab(24, -1);
        tab[0] = tab[4] = tab[7] = 0;
        QImage const image = diagram("piano", tab);
        QVERIFY(warmIn(image, QRect(0, 100, 300, 150)) > 1000);
        QVERIFY(!isPaper(image, 150, 240));
        for (int x = 0; x < 300; x += 10)
            QVERIFY(isPaper(image, x, 252));
        // The name on its box at the top.
        QVERIFY(inkIn(image, QRect(120, 0, 60, 56)) > 50);

        // A code without a picture: paper, the name and no keyboard.
        QImage const silent = diagram("piano", QVector<int>(24, -1));
        QCOMPARE(warmIn(silent, silent.rect()), 0);
        QVERIFY(isPaper(silent, 150, 200));
        QVERIFY(inkIn(silent, QRect(120, 0, 60, 56)) > 50);
    }

    // An empty tab: the name, the fret lines over the one line gap, no marks.
    void emptyTab()
    {
        QImage const image = diagram("guitar", {});
        QVERIFY(inkIn(image, QRect(120, 0, 60, 50)) > 50);
        QVERIFY(isPaper(image, 7, 150));
        QVERIFY(isPaper(image, 90, 150));
    }
};

TW_APP_TEST_MAIN(TestChordStandardView)
#include "tst_chordstandardview.moc"

// The tablature, checked pixel by pixel: staff lines, double bar, the fret
// written on each line (top line the last string) with the line cleared
// behind it, the TAB mark, and the piano's two-octave keyboard.
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
            // The lines run on to the mark, which stands on paper of its own.
            QVERIFY2(isInk(image, 220, y), qPrintable(QString::number(y)));
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

    // As printed tablature: each fret stands on its own line, which is
    // cleared behind it, and frets on neighbouring lines keep paper between
    // them; the letters of the mark are on paper too. Also at the size of a
    // chord page's smallest view, and for two-digit frets.
    void fretsOnClearedLines_data()
    {
        QTest::addColumn<QString>("instrument");
        QTest::addColumn<QVector<int>>("tab");
        QTest::addColumn<QSize>("size");
        QTest::newRow("four strings") << "ukulele" << QVector<int>{-1, 0, 2, 3} << QSize(300, 300);
        QTest::newRow("guitar, small") << "guitar" << QVector<int>{3, 2, 0, 0, 8, 8} << QSize(150, 100);
        QTest::newRow("balalaika, small") << "balalaika" << QVector<int>{2, 4, 9} << QSize(150, 100);
        QTest::newRow("second bass, small") << "bass2" << QVector<int>{12, 10, 11, 13} << QSize(150, 100);
        QTest::newRow("second bass") << "bass2" << QVector<int>{12, -1, -1, -1} << QSize(300, 300);
    }
    void fretsOnClearedLines()
    {
        QFETCH(QString, instrument);
        QFETCH(QVector<int>, tab);
        QFETCH(QSize, size);
        int const n = tab.size();
        int const d = (size.height() - 10) / (n + 1);
        QImage const image = render<ChordTabView>(instrument, tab, size);
        QVector<QRect> const frets = ChordTabView::fretRects(size, tab, ChordTabView().font());
        QCOMPARE(frets.size(), n);
        QRect previous;
        for (int k = 1; k <= n; ++k) {
            int const line = 15 + k * d;
            QRect const box = frets.at(k - 1);
            QString const where = QStringLiteral("line %1").arg(k);
            if (tab.at(n - k) < 0) {
                QVERIFY(box.isNull());
                QVERIFY2(isInk(image, size.width() / 2, line), qPrintable(where));
                continue;
            }
            // The line breaks just before the fret and goes on after it.
            QVERIFY2(isPaper(image, size.width() / 2 - 1, line), qPrintable(where));
            QVERIFY2(isInk(image, size.width() / 2 - 8, line), qPrintable(where));
            // The fret is written in its box, centred on the line.
            QVERIFY2(inkIn(image, box) > 4, qPrintable(where));
            QVERIFY2(qAbs(box.center().y() - line) <= 1, qPrintable(where));
            QVERIFY2(box.right() < size.width() - 40, qPrintable(where));
            if (!previous.isNull())
                QVERIFY2(previous.bottom() + 2 < box.top(), qPrintable(where + " touches the one above"));
            previous = box;
        }
        QVector<QRect> const letters = ChordTabView::markRects(size, n, ChordTabView().font());
        QCOMPARE(letters.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QRect const letter = letters.at(i);
            QVERIFY2(inkIn(image, letter) > 4, qPrintable(QString("TAB").at(i)));
            QVERIFY(letter.top() >= 15 + d && letter.bottom() <= 15 + n * d);
            if (i > 0)
                QVERIFY(letters.at(i - 1).bottom() < letter.top());
            // A line that runs through a letter is cleared behind it.
            for (int k = 1; k <= n; ++k) {
                int const line = 15 + k * d;
                if (line >= letter.top() && line <= letter.bottom())
                    QVERIFY2(isPaper(image, letter.left() - 1, line), qPrintable(QString("TAB").at(i)));
            }
        }
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

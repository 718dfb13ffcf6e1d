// The piano keyboard: the hit table, the key lit for a note, what a click
// reports and plays, that the pictures put every key where the hit table looks
// for it, and the proportions the widget keeps.
#include "RADarir/piano/PianoBoard.h"
#include "TestSupport/ModalDriver.h"
#include "tests/libs/cpp/RADarir/piano/PianoTesting.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

using RADarir::PianoBoard;
using Board = PianoTesting::Recording<PianoBoard>;

namespace {

// At 800 pixels wide the widget is 194 high: one pixel per unit of the hit frame.
constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 194;
constexpr int kBlackRow = 90;
constexpr int kWhiteRow = 123;

struct Fixture
{
    Board board;
    explicit Fixture(int width = kFrameWidth)
    {
        board.resize(width, 300);
        board.show();
    }
};

void click(PianoBoard& board, QPoint const& at)
{
    QTest::mouseClick(&board, Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace

class TestPianoBoard : public QObject
{
    Q_OBJECT
private slots:
    void heightFollowsWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        // The pictures are 1600 x 388.
        QTest::newRow("hit frame") << 800 << 194;
        QTest::newRow("narrow") << 300 << 72;
        QTest::newRow("wide") << 1600 << 388;
        QTest::newRow("odd") << 1234 << 299;
    }
    void heightFollowsWidth()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        Fixture f(width);
        QCOMPARE(f.board.width(), width);
        QCOMPARE(f.board.height(), height);
        QImage const picture(":/Piano_0.png");
        QCOMPARE(picture.width() * kFrameHeight, picture.height() * kFrameWidth);
    }

    void positionToNote_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("at"); // in hit-frame units
        QTest::addColumn<QString>("name");
        QTest::newRow("B4's sliver before C5's") << 800 << QPoint(460, kBlackRow) << "B4";
        QTest::newRow("A7# at 760") << 800 << QPoint(760, kBlackRow) << "A7#";
        QTest::newRow("A7# at 761") << 800 << QPoint(761, kBlackRow) << "A7#";
        QTest::newRow("border at 42") << 800 << QPoint(42, kBlackRow) << "";
        QTest::newRow("C8 at 789") << 800 << QPoint(789, kWhiteRow) << "C8";
        QTest::newRow("past C8") << 800 << QPoint(790, kWhiteRow) << "";
        QTest::newRow("before A0") << 800 << QPoint(19, kWhiteRow) << "";
        QTest::newRow("A0 front") << 800 << QPoint(20, kWhiteRow) << "A0";
        QTest::newRow("C4#") << 800 << QPoint(374, kBlackRow) << "C4#";
        QTest::newRow("C4 front") << 800 << QPoint(365, kWhiteRow) << "C4";
        QTest::newRow("C4 sliver") << 800 << QPoint(360, kBlackRow) << "C4";
        QTest::newRow("black row top") << 800 << QPoint(374, 69) << "C4#";
        QTest::newRow("above the keys") << 800 << QPoint(374, 68) << "";
        QTest::newRow("front row bottom") << 800 << QPoint(365, 134) << "C4";
        QTest::newRow("below the keys") << 800 << QPoint(365, 135) << "";
        QTest::newRow("scaled, B4") << 1600 << QPoint(460, kBlackRow) << "B4";
        QTest::newRow("scaled, A4#") << 1600 << QPoint(448, kBlackRow) << "A4#";
    }
    void positionToNote()
    {
        QFETCH(int, width);
        QFETCH(QPoint, at);
        QFETCH(QString, name);
        Fixture f(width);
        int const scale = width / kFrameWidth;
        QCOMPARE(f.board.positionToNote(at.x() * scale, at.y() * scale), name);
    }

    void slotSetNote_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("accidental");
        QTest::addColumn<QString>("key");
        QTest::newRow("A0") << "A0" << 0 << "1";
        QTest::newRow("A0 sharp") << "A0" << 1 << "2";
        QTest::newRow("C4") << "C4" << 0 << "40";
        QTest::newRow("A4") << "A4" << 0 << "49";
        QTest::newRow("C8") << "C8" << 0 << "88";
        QTest::newRow("A0 flat stays on A0") << "A0" << -1 << "1";
        QTest::newRow("D4 flat") << "D4" << -1 << "41";
        QTest::newRow("C4 sharp") << "C4" << 1 << "41";
        QTest::newRow("B3 sharp") << "B3" << 1 << "40";
        // Nothing beyond the last key; names that are no note leave the lit key.
        QTest::newRow("C8 sharp stays on C8") << "C8" << 1 << "88";
        QTest::newRow("D8 is no key") << "D8" << 0 << "27";
        QTest::newRow("G0 is no key") << "G0" << 0 << "27";
        QTest::newRow("H4") << "H4" << 0 << "27";
        QTest::newRow("lower case") << "c4" << 0 << "27";
        QTest::newRow("no octave") << "C" << 0 << "27";
        QTest::newRow("empty") << "" << 1 << "27";
        QTest::newRow("trailing text") << "C4x" << 0 << "27";
    }
    void slotSetNote()
    {
        QFETCH(QString, name);
        QFETCH(int, accidental);
        QFETCH(QString, key);
        Fixture f;
        QVERIFY(f.board.key().isEmpty());
        f.board.slotSetNote("C3", 0);
        QCOMPARE(f.board.key(), QString("28"));
        f.board.slotSetNote("B2", 0);
        QSignalSpy changed(&f.board, &PianoBoard::noteChanged);
        f.board.slotSetNote(name, accidental);
        QCOMPARE(f.board.key(), key);
        QCOMPARE(changed.count(), 0);
    }

    void clickReportsAndPlays_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("accidental");
        QTest::addColumn<QString>("sample");
        QTest::newRow("C4#") << QPoint(374, kBlackRow) << "41"
                             << "C4" << 1 << "Cd4";
        QTest::newRow("C8") << QPoint(789, kWhiteRow) << "88"
                            << "C8" << 0 << "C8";
        QTest::newRow("A0#") << QPoint(35, kBlackRow) << "2"
                             << "A0" << 1 << "Ad0";
        QTest::newRow("A4") << QPoint(440, kWhiteRow) << "49"
                            << "A4" << 0 << "A4";
    }
    void clickReportsAndPlays()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, key);
        QFETCH(QString, note);
        QFETCH(int, accidental);
        QFETCH(QString, sample);
        Fixture f;
        QSignalSpy changed(&f.board, &PianoBoard::noteChanged);
        click(f.board, at);
        QCOMPARE(f.board.key(), key);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first(), (QList<QVariant>{note, accidental}));
        QCOMPARE(f.board.played.size(), 1);
        QVERIFY2(f.board.played.first().endsWith("/piano_440_" + sample + ".mp3"), qPrintable(f.board.played.first()));
        QVERIFY(PianoTesting::isGeneratedPianoSample(f.board.played.first()));
        // The samples last two seconds; a loaded machine may take longer to end them.
        QTRY_VERIFY_WITH_TIMEOUT(f.board.lastPlayer.isNull(), 15000);
    }

    void clickOffTheKeysDoesNothing_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("border") << QPoint(42, kBlackRow);
        QTest::newRow("past C8") << QPoint(790, kWhiteRow);
        QTest::newRow("before A0") << QPoint(10, kWhiteRow);
        QTest::newRow("above") << QPoint(374, 40);
        QTest::newRow("below") << QPoint(365, 150);
    }
    void clickOffTheKeysDoesNothing()
    {
        QFETCH(QPoint, at);
        Fixture f;
        QSignalSpy changed(&f.board, &PianoBoard::noteChanged);
        click(f.board, at);
        QVERIFY(f.board.key().isEmpty());
        QCOMPARE(changed.count(), 0);
        QVERIFY(f.board.played.isEmpty());
    }

    // Each key's picture presses the key the hit table finds there: a click in
    // the middle of what Piano_k changes lights key k and plays an existing sample.
    void picturesAgreeWithTheHitTable()
    {
        Fixture f;
        QImage const base = QImage(":/Piano_0.png").convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!base.isNull());
        qreal const scale = qreal(base.width()) / kFrameWidth;
        QSet<QString> samples;
        for (int k = 1; k <= 88; ++k) {
            QImage const lit = QImage(QString(":/Piano_%1.png").arg(k)).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(lit.size(), base.size());
            int row = -1;
            int first = -1;
            int last = -1;
            for (int r : {kWhiteRow, kBlackRow}) {
                int const y = int(r * scale);
                for (int x = 0; x < base.width(); ++x)
                    if (lit.pixel(x, y) != base.pixel(x, y)) {
                        first = first < 0 ? x : first;
                        last = x;
                    }
                if (first >= 0) {
                    row = r;
                    break;
                }
            }
            QVERIFY2(row >= 0, qPrintable(QString("Piano_%1 presses no key").arg(k)));
            int const x = qRound((first + last) / 2.0 / scale);
            click(f.board, QPoint(x, row));
            QVERIFY2(f.board.key() == QString::number(k),
                     qPrintable(QString("Piano_%1 pressed at x %2 lit %3").arg(k).arg(x).arg(f.board.key())));
            QVERIFY(PianoTesting::isGeneratedPianoSample(f.board.played.last()));
            samples << f.board.played.last();
        }
        QCOMPARE(samples.size(), 88);
    }
};

TW_APP_TEST_MAIN(TestPianoBoard)
#include "tst_pianoboard.moc"

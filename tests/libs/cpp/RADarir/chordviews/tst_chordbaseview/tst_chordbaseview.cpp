// The chord picture base: the keyboard code of a piano tab, where a picture
// is placed, and the drag: its threshold, the file it writes and the URL it
// carries. The data folder of this test has "#", "?" and "%" in its name, so
// that the drag's URL must keep them as part of the path.
#include "RADarir/chordviews/ChordBaseView.h"
#include "TestSupport/ModalDriver.h"

#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

using RADarir::ChordBaseView;

namespace {

QString chordFile()
{
    return QDir(ZEDireroz::App::theApp()->workDirectory()).filePath("Chord.png");
}

void send(QWidget& w, QEvent::Type type, QPoint const& at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, w.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void press(QWidget& w, QPoint const& at, Qt::MouseButton button = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonPress, at, button, button);
}

void moveHolding(QWidget& w, QPoint const& at, Qt::MouseButtons buttons = Qt::LeftButton)
{
    send(w, QEvent::MouseMove, at, Qt::NoButton, buttons);
}

struct Fixture
{
    ChordBaseView view;
    Fixture()
    {
        QFile::remove(chordFile());
        view.resize(160, 120);
        view.setChordTabAndName(3, {0, 2, 2, 1, 0, 0}, "B♭");
    }
    bool dragged() const { return QFileInfo::exists(chordFile()); }
};

} // namespace

class TestChordBaseView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(chordFile().contains("#") && chordFile().contains("%")); }

    void keyboardCode_data()
    {
        QTest::addColumn<QVector<int>>("tab");
        QTest::addColumn<QString>("code");
        auto keys = [](std::initializer_list<int> down) {
            QVector<int> tab(24, -1);
            for (int k : down)
                tab[k] = 0;
            return tab;
        };
        QTest::newRow("C major with C4") << keys({0, 4, 7, 12}) << "0XXX0XX0XXXX";
        QTest::newRow("no key") << keys({}) << "XXXXXXXXXXXX";
        QTest::newRow("B4 only") << keys({23}) << "XXXXXXXXXXX0";
        QTest::newRow("upper octave only") << keys({13, 16, 20}) << "X0XX0XXX0XXX";
        QTest::newRow("D minor across octaves") << keys({2, 17, 21}) << "XX0XX0XXX0XX";
        QVector<int> other = keys({0});
        other[4] = 1;
        QTest::newRow("only 0 sounds") << other << "0XXXXXXXXXXX";
        // Shorter tabs are read only as far as they go.
        QTest::newRow("five keys") << QVector<int>{-1, -1, -1, -1, 0} << "XXXX0XXXXXXX";
        QTest::newRow("empty") << QVector<int>{} << "XXXXXXXXXXXX";
    }
    void keyboardCode()
    {
        QFETCH(QVector<int>, tab);
        QFETCH(QString, code);
        ChordBaseView view;
        view.setChordTabAndName(0, tab, "C");
        QCOMPARE(view.pianoTabToCode(), code);
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("widget");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("scaled");
        QTest::addColumn<QRect>("target");
        QTest::newRow("wide in square") << QSize(600, 400) << QSize(300, 300) << 1.0 << QSize(300, 200)
                                        << QRect(0, 50, 300, 200);
        QTest::newRow("full resolution") << QSize(600, 400) << QSize(300, 300) << 2.0 << QSize(600, 400)
                                         << QRect(0, 50, 300, 200);
        QTest::newRow("small grows") << QSize(100, 100) << QSize(300, 200) << 1.0 << QSize(200, 200)
                                     << QRect(50, 0, 200, 200);
        QTest::newRow("tall") << QSize(200, 400) << QSize(330, 225) << 1.0 << QSize(112, 225)
                              << QRect(109, 0, 112, 225);
    }
    void placement()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, widget);
        QFETCH(qreal, ratio);
        QFETCH(QSize, scaled);
        QFETCH(QRect, target);
        ChordBaseView::Placement const p = ChordBaseView::placePicture(picture, widget, ratio);
        QCOMPARE(p.scaled, scaled);
        QCOMPARE(p.target, target);
    }

    void chordPicturesLiveUnderTheOffset()
    {
        QCOMPARE(ChordBaseView::chordPicturePath("a_0XXX0XX0XXXX.png"),
                 QString(":/_resources/imgs/Chords/a_0XXX0XX0XXXX.png"));
        ZEDireroz::App::theApp()->setResourceOffset("guitar/");
        QCOMPARE(ChordBaseView::chordPicturePath("x.jpg"), QString(":/guitar/_resources/imgs/Chords/x.jpg"));
        ZEDireroz::App::theApp()->setResourceOffset(QString());
    }

    void dragThreshold_data()
    {
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("drags");
        QTest::newRow("at the distance") << 0 << false;
        QTest::newRow("one pixel more") << 1 << true;
    }
    void dragThreshold()
    {
        QFETCH(int, extra);
        QFETCH(bool, drags);
        Fixture f;
        int const distance = QApplication::startDragDistance();
        press(f.view, QPoint(20, 30));
        // Manhattan length: split between both axes.
        moveHolding(f.view, QPoint(20 + distance / 2, 30 + distance - distance / 2 + extra));
        QCOMPARE(f.dragged(), drags);
        // Without the left button held nothing drags, however far.
        Fixture g;
        press(g.view, QPoint(20, 30));
        moveHolding(g.view, QPoint(150, 110), Qt::RightButton);
        QVERIFY(!g.dragged());
    }

    // A right-button press does not move the start: the distance counts from
    // the last left press, or from (0, 0) before any.
    void rightPressKeepsStart()
    {
        Fixture f;
        int const distance = QApplication::startDragDistance();
        press(f.view, QPoint(100, 100), Qt::RightButton);
        moveHolding(f.view, QPoint(distance, 0));
        QVERIFY(!f.dragged());
        moveHolding(f.view, QPoint(distance + 1, 0));
        QVERIFY(f.dragged());

        Fixture g;
        press(g.view, QPoint(10, 10));
        press(g.view, QPoint(100, 100), Qt::RightButton);
        moveHolding(g.view, QPoint(10 + distance, 10));
        QVERIFY(!g.dragged());
    }

    // The drag carries the file as a local-file URL that names it exactly,
    // with a picture of the view; the file holds the view at its current size.
    void dragCarriesTheFile()
    {
        Fixture f;
        press(f.view, QPoint(10, 10));
        moveHolding(f.view, QPoint(60, 60));
        QDrag* drag = f.view.findChild<QDrag*>();
        QVERIFY(drag);
        QList<QUrl> const urls = drag->mimeData()->urls();
        QCOMPARE(urls.size(), 1);
        QVERIFY(urls.first().isLocalFile());
        QCOMPARE(urls.first().toLocalFile(), chordFile());
        QCOMPARE(drag->pixmap().size(), QSize(160, 120));
        QImage const saved(chordFile());
        QCOMPARE(saved.size(), QSize(160, 120));
        QCOMPARE(saved.pixelColor(80, 60), QColor(Qt::white));

        f.view.resize(90, 70);
        f.view.startDrag();
        QCOMPARE(QImage(chordFile()).size(), QSize(90, 70));
    }

    void dragDataKeepsSpecialCharacters_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("hash") << "/tmp/a #1/Chord.png";
        QTest::newRow("question mark") << "/tmp/why?/Chord.png";
        QTest::newRow("percent") << "/tmp/100%25 sure/Chord.png";
    }
    void dragDataKeepsSpecialCharacters()
    {
        QFETCH(QString, path);
        QScopedPointer<QMimeData> data(ChordBaseView::dragData(path));
        QCOMPARE(data->urls().size(), 1);
        QCOMPARE(data->urls().first().toLocalFile(), path);
    }

    // A work folder that cannot take the file: no drag starts.
    void unwritableFileStartsNoDrag()
    {
        Fixture f;
        QDir().mkpath(chordFile());
        f.view.startDrag();
        QVERIFY(!f.view.findChild<QDrag*>());
        QDir().rmdir(chordFile());
    }
};

int main(int argc, char** argv)
{
    // A data folder whose name a hand-made "file://" URL would break.
    QTemporaryDir base;
    QString const data = base.path() + "/data #7 ?x 50%25";
    QDir().mkpath(data);
    qputenv("XDG_DATA_HOME", data.toUtf8());
    TestChordBaseView test;
    return ModalDriver::run(&test, argc, argv);
}

#include "tst_chordbaseview.moc"

// The viewer's ring of pictures: stepping by keys and by the slide show, on a
// list of three, on an empty list and from a picture not in the list; and the
// bare viewer that stretches its picture.
#include "QMViewer/SimpleViewer.h"
#include "QMViewer/Viewer.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using QMViewer::SimpleViewer;
using QMViewer::Viewer;

namespace {

// Three pictures a, b and c, each of its own colour.
struct Ring
{
    QTemporaryDir dir;
    QStringList paths;

    Ring()
    {
        QList<QColor> const colours{Qt::red, Qt::green, Qt::blue};
        for (int i = 0; i < 3; ++i) {
            QImage image(20, 20, QImage::Format_RGB32);
            image.fill(colours.at(i));
            QString const path = dir.filePath(QString("%1.png").arg(QChar('a' + i)));
            if (image.save(path))
                paths << path;
        }
    }
    QString name(QString const& path) const { return path.isEmpty() ? QString() : QFileInfo(path).baseName(); }
};

} // namespace

class TestViewer : public QObject
{
    Q_OBJECT
private slots:
    // Each step starts from c shown (or from a, for the rows starting there).
    void stepsRoundTheRing_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("shown");
        QTest::newRow("page up from the last goes to the first") << "c"
                                                                 << "PageUp"
                                                                 << "a";
        QTest::newRow("page down goes back") << "c"
                                             << "PageDown"
                                             << "b";
        QTest::newRow("space goes back") << "c"
                                         << "Space"
                                         << "b";
        QTest::newRow("page up goes forward") << "a"
                                              << "PageUp"
                                              << "b";
        QTest::newRow("space from the first goes to the last") << "a"
                                                               << "Space"
                                                               << "c";
        QTest::newRow("the slide show runs backward") << "a"
                                                      << "timeout"
                                                      << "c";
        QTest::newRow("the slide show steps one back") << "c"
                                                       << "timeout"
                                                       << "b";
    }
    void stepsRoundTheRing()
    {
        QFETCH(QString, start);
        QFETCH(QString, step);
        QFETCH(QString, shown);
        Ring ring;
        QCOMPARE(ring.paths.size(), 3);
        Viewer viewer;
        viewer.resize(40, 40);
        viewer.displayItem(ring.dir.filePath(start + ".png"));
        viewer.slotSetItems(ring.paths);
        if (step == "timeout")
            viewer.slotTimeOut();
        else
            QTest::keyClick(&viewer, step == "PageUp"     ? Qt::Key_PageUp
                                     : step == "PageDown" ? Qt::Key_PageDown
                                                          : Qt::Key_Space);
        QCOMPARE(ring.name(viewer.itemPath()), shown);
    }

    void aFullTurnComesBack()
    {
        Ring ring;
        Viewer viewer;
        viewer.displayItem(ring.paths.at(1));
        viewer.slotSetItems(ring.paths);
        QStringList forward, backward;
        for (int i = 0; i < 3; ++i) {
            viewer.slotShowNext();
            forward << ring.name(viewer.itemPath());
        }
        for (int i = 0; i < 3; ++i) {
            viewer.slotShowPrevious();
            backward << ring.name(viewer.itemPath());
        }
        QCOMPARE(forward, QStringList({"c", "a", "b"}));
        QCOMPARE(backward, QStringList({"a", "c", "b"}));
    }

    // Stepping an empty list, or from a picture that is not in the list, must
    // not read outside the list.
    void stepsWithoutACurrentPicture_data()
    {
        QTest::addColumn<bool>("emptyList");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty: next") << true << "next"
                                     << "x";
        QTest::newRow("empty: previous") << true << "previous"
                                         << "x";
        QTest::newRow("empty: slide show") << true << "timeout"
                                           << "x";
        QTest::newRow("not listed: next starts at the first") << false << "next"
                                                              << "a";
        QTest::newRow("not listed: previous starts at the last") << false << "previous"
                                                                 << "c";
        QTest::newRow("not listed: slide show starts at the last") << false << "timeout"
                                                                   << "c";
    }
    void stepsWithoutACurrentPicture()
    {
        QFETCH(bool, emptyList);
        QFETCH(QString, step);
        QFETCH(QString, shown);
        Ring ring;
        QImage other(10, 10, QImage::Format_RGB32);
        other.fill(Qt::yellow);
        QString const x = ring.dir.filePath("x.png");
        QVERIFY(other.save(x));
        Viewer viewer;
        viewer.displayItem(x);
        viewer.slotSetItems(emptyList ? QStringList() : ring.paths);
        for (int i = 0; i < 2; ++i) {
            if (step == "next")
                viewer.slotShowNext();
            else if (step == "previous")
                viewer.slotShowPrevious();
            else
                viewer.slotTimeOut();
        }
        // Two steps: the first finds the ring, the second moves on it.
        QString const second = emptyList ? "x" : "b";
        QCOMPARE(ring.name(viewer.itemPath()), second);
        if (emptyList) {
            QTest::keyClick(&viewer, Qt::Key_PageUp);
            QTest::keyClick(&viewer, Qt::Key_Space);
            QTest::keyClick(&viewer, Qt::Key_PageDown);
        } else {
            viewer.slotSetItems(QStringList() << ring.paths.at(0) << ring.paths.at(2));
            // b is no longer listed: the position is none again.
            step == "next" ? viewer.slotShowNext() : viewer.slotShowPrevious();
        }
        QString const expected = emptyList ? "x" : shown;
        QCOMPARE(ring.name(viewer.itemPath()), expected);
    }

    void slideShowStartsStopsAndEndsOnInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("hides");
        QTest::newRow("escape") << "escape" << 1;
        QTest::newRow("another key") << "key" << 0;
        QTest::newRow("double click") << "double" << 1;
        QTest::newRow("slide show again") << "menu" << 0;
    }
    void slideShowStartsStopsAndEndsOnInput()
    {
        QFETCH(QString, input);
        QFETCH(int, hides);
        Viewer viewer;
        QSignalSpy hide(&viewer, &Viewer::hideMe);
        auto* menu = viewer.findChild<QMenu*>();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().at(0)->text(), QString("&Slide show"));
        menu->actions().at(0)->trigger();
        QVERIFY(viewer.isSlideShowRunning());
        auto* timer = viewer.findChild<QTimer*>();
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 5000);
        if (input == "escape")
            QTest::keyClick(&viewer, Qt::Key_Escape);
        else if (input == "key")
            QTest::keyClick(&viewer, Qt::Key_A);
        else if (input == "double")
            QTest::mouseDClick(&viewer, Qt::MiddleButton);
        else
            menu->actions().at(0)->trigger();
        QVERIFY(!viewer.isSlideShowRunning());
        QCOMPARE(hide.count(), hides);
    }

    void simpleViewerStretchesItsPicture()
    {
        QTemporaryDir dir;
        // Left half red, right half blue: stretched, the halves keep to the
        // widget's halves whatever its shape.
        QImage image(400, 100, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (int y = 0; y < 100; ++y)
            for (int x = 200; x < 400; ++x)
                image.setPixelColor(x, y, Qt::blue);
        QString const path = dir.filePath("halves.png");
        QVERIFY(image.save(path));

        SimpleViewer viewer;
        viewer.resize(60, 90);
        QImage blank = viewer.grab().toImage();
        QCOMPARE(blank.pixelColor(30, 45), QColor(Qt::darkGray));
        viewer.slotSetItem(path);
        QImage const shown = viewer.grab().toImage();
        QCOMPARE(shown.pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(5, 85), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(55, 85), QColor(Qt::blue));

        viewer.slotSetItem(dir.filePath("missing.png"));
        QCOMPARE(viewer.grab().toImage().pixelColor(30, 45), QColor(Qt::darkGray));
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"

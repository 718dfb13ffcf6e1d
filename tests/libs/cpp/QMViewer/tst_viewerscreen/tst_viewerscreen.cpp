// The viewer and the bare viewer shown on a virtual X display: what reaches the
// screen is the picture, not a blank window. Set TW_SCREENSHOT_DIR to keep the
// screenshots.
#include "QMViewer/SimpleViewer.h"
#include "QMViewer/Viewer.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using QMViewer::SimpleViewer;
using QMViewer::Viewer;

namespace {

// A picture with a red left half and a blue right half.
QString writeHalves(QTemporaryDir const& dir)
{
    QImage image(300, 150, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < image.height(); ++y)
        for (int x = image.width() / 2; x < image.width(); ++x)
            image.setPixelColor(x, y, Qt::blue);
    QString const path = dir.filePath("halves.png");
    return image.save(path) ? path : QString();
}

QImage screenshot(QWidget& widget, QString const& name)
{
    QImage const shot = widget.screen()->grabWindow(widget.winId()).toImage();
    QByteArray const keep = qgetenv("TW_SCREENSHOT_DIR");
    if (!keep.isEmpty())
        shot.save(QDir(QString::fromLocal8Bit(keep)).filePath(name));
    return shot;
}

} // namespace

class TestViewerScreen : public QObject
{
    Q_OBJECT
private slots:
    void viewerPaintsOnScreen()
    {
        QTemporaryDir dir;
        QString const path = writeHalves(dir);
        QVERIFY(!path.isEmpty());
        Viewer viewer;
        viewer.resize(300, 300);
        viewer.displayItem(path);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        // 300 x 150 in 300 x 300: 75-pixel dark grey bands above and below.
        QTRY_COMPARE(screenshot(viewer, "viewer.png").pixelColor(75, 150), QColor(Qt::red));
        QImage const shot = screenshot(viewer, "viewer.png");
        QCOMPARE(shot.pixelColor(225, 150), QColor(Qt::blue));
        QCOMPARE(shot.pixelColor(150, 40), QColor(Qt::darkGray));
        QCOMPARE(shot.pixelColor(150, 260), QColor(Qt::darkGray));
        // The frame's border is drawn over the picture.
        QCOMPARE(shot.pixelColor(0, 150), viewer.palette().color(QPalette::WindowText));
    }

    void simpleViewerPaintsOnScreen()
    {
        QTemporaryDir dir;
        QString const path = writeHalves(dir);
        SimpleViewer viewer;
        viewer.resize(200, 200);
        viewer.slotSetItem(path);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QTRY_COMPARE(screenshot(viewer, "simpleviewer.png").pixelColor(50, 190), QColor(Qt::red));
        QCOMPARE(screenshot(viewer, "simpleviewer.png").pixelColor(150, 10), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestViewerScreen)
#include "tst_viewerscreen.moc"

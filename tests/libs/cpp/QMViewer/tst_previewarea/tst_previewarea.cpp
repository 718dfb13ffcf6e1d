// The preview area: loading a picture file, keeping the previous one when a file
// does not load, and the requests of its mouse and menu.
#include "QMViewer/PreviewArea.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using QMViewer::PreviewArea;

namespace {

QString writePicture(QTemporaryDir const& dir, QString const& name, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QString const path = dir.filePath(name);
    return image.save(path) ? path : QString();
}

QString writeFile(QTemporaryDir const& dir, QString const& name, QByteArray const& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return file.fileName();
}

QAction* findAction(QMenu* menu, QString const& text)
{
    for (QAction* action : menu->findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class TestPreviewArea : public QObject
{
    Q_OBJECT
private slots:
    void showsAPictureFittedToTheWidget()
    {
        QTemporaryDir dir;
        QString const path = writePicture(dir, "wide.png", QSize(200, 100), Qt::red);
        PreviewArea area;
        area.resize(100, 100);
        area.displayItem(path);
        QCOMPARE(area.itemPath(), path);
        QImage const shown = area.pixmap().toImage();
        QCOMPARE(shown.size(), QSize(100, 100));
        QCOMPARE(shown.pixelColor(50, 10), QColor(Qt::darkGray));
        QCOMPARE(shown.pixelColor(50, 50), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(50, 90), QColor(Qt::darkGray));

        // Painting refits the picture to a new size.
        area.resize(60, 120);
        QImage const painted = area.grab().toImage();
        QCOMPARE(area.pixmap().size(), QSize(60, 120));
        QCOMPARE(painted.pixelColor(30, 60), QColor(Qt::red));
        QCOMPARE(painted.pixelColor(30, 20), QColor(Qt::darkGray));
    }

    void aFailedLoadKeepsThePreviousPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << "missing.png" << QByteArray();
        QTest::newRow("not a picture") << "notes.txt" << QByteArray("a line of notes\n");
        QTest::newRow("damaged") << "damaged.png" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }
    void aFailedLoadKeepsThePreviousPicture()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QString const good = writePicture(dir, "good.png", QSize(50, 50), Qt::green);
        QString const bad = content.isNull() ? dir.filePath(name) : writeFile(dir, name, content);
        PreviewArea area;
        area.resize(80, 80);
        area.displayItem(good);
        QImage const before = area.pixmap().toImage();

        QTest::ignoreMessage(QtDebugMsg, qPrintable(QString("Cannot load %1.").arg(bad)));
        area.displayItem(bad);
        QCOMPARE(area.itemPath(), good);
        QCOMPARE(area.pixmap().toImage(), before);
        QCOMPARE(area.grab().toImage().pixelColor(40, 40), QColor(Qt::green));
    }

    void displayPixmapKeepsThePath()
    {
        QTemporaryDir dir;
        QString const path = writePicture(dir, "x.png", QSize(10, 10), Qt::red);
        PreviewArea area;
        area.resize(40, 40);
        area.displayItem(path);
        QPixmap blue(20, 20);
        blue.fill(Qt::blue);
        area.displayPixmap(blue);
        QCOMPARE(area.itemPath(), path);
        QCOMPARE(area.pixmap().toImage().pixelColor(20, 20), QColor(Qt::blue));
    }

    void menuEntriesEmitRequests_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("rotate") << "&Rotate";
        QTest::newRow("negate") << "&Negate";
        QTest::newRow("contrast") << "&Contrast/Brightnes/Intensity";
    }
    void menuEntriesEmitRequests()
    {
        QFETCH(QString, entry);
        QTemporaryDir dir;
        QString const path = writePicture(dir, "x.png", QSize(10, 10), Qt::red);
        PreviewArea area;
        area.displayItem(path);
        auto* menu = area.findChild<QMenu*>();
        QVERIFY(menu);
        QSignalSpy operate(&area, &PreviewArea::operateItem);
        QSignalSpy edit(&area, &PreviewArea::editItem);
        QAction* action = findAction(menu, entry);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(operate.count(), 1);
        QCOMPARE(operate.at(0).at(0).toString(), path);
        QCOMPARE(operate.at(0).at(1).toString(), entry);

        findAction(menu, "&Edit")->trigger();
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.at(0).at(0).toString(), path);
    }

    void editBeforeAnyPictureEmitsAnEmptyPath()
    {
        PreviewArea area;
        QSignalSpy edit(&area, &PreviewArea::editItem);
        area.slotEditItem();
        QCOMPARE(edit.count(), 1);
        QCOMPARE(edit.at(0).at(0).toString(), QString());
        // Called directly rather than by a menu entry: nothing to report.
        QSignalSpy operate(&area, &PreviewArea::operateItem);
        area.slotOperateItem();
        QCOMPARE(operate.count(), 0);
    }

    void doubleClickAsksToShowTheItem_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("requests");
        QTest::newRow("left") << int(Qt::LeftButton) << 1;
        QTest::newRow("middle") << int(Qt::MiddleButton) << 0;
    }
    void doubleClickAsksToShowTheItem()
    {
        QFETCH(int, button);
        QFETCH(int, requests);
        QTemporaryDir dir;
        QString const path = writePicture(dir, "x.png", QSize(10, 10), Qt::red);
        PreviewArea area;
        area.displayItem(path);
        QSignalSpy show(&area, &PreviewArea::showItem);
        QTest::mouseDClick(&area, Qt::MouseButton(button));
        QCOMPARE(show.count(), requests);
        if (requests)
            QCOMPARE(show.at(0).at(0).toString(), path);
    }
};

QTEST_MAIN(TestPreviewArea)
#include "tst_previewarea.moc"

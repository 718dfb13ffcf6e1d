// The drag preview: when a move starts a drag, the file each drag writes (its
// own, in the work directory, holding the picture), and no drag for a missing picture.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/imagenotes/NoteEditDragPreview.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::NoteEditDragPreview;

namespace {

QPixmap picture()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, 90));
    return QPixmap::fromImage(image);
}

void moveWith(QWidget* widget, QPoint const& pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A preview whose drags are recorded instead of run.
struct Fixture
{
    Fixture()
    {
        preview.resize(80, 60);
        preview.setDragRunner([this](QDrag* drag) {
            QVERIFY(drag->mimeData()->urls().size() == 1);
            files << drag->mimeData()->urls().first().toLocalFile();
            dragSizes << drag->pixmap().size();
        });
    }
    NoteEditDragPreview preview;
    QStringList files;
    QList<QSize> dragSizes;
};

} // namespace

class TestNoteEditDragPreview : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        QDir folder(App::theApp()->workDirectory());
        for (QString const& name : folder.entryList({QStringLiteral("CropAndNoteDrag*")}))
            folder.remove(name);
    }

    void startDistance_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::addColumn<Qt::MouseButtons>("held");
        QTest::addColumn<int>("extra");
        QTest::addColumn<bool>("drags");
        QTest::newRow("exactly the distance") << int(Qt::LeftButton) << Qt::MouseButtons(Qt::LeftButton) << 0 << false;
        QTest::newRow("one pixel more") << int(Qt::LeftButton) << Qt::MouseButtons(Qt::LeftButton) << 1 << true;
        QTest::newRow("right button held") << int(Qt::RightButton) << Qt::MouseButtons(Qt::RightButton) << 5 << false;
    }
    void startDistance()
    {
        QFETCH(int, pressed);
        QFETCH(Qt::MouseButtons, held);
        QFETCH(int, extra);
        QFETCH(bool, drags);
        Fixture f;
        f.preview.slotSetPixmap(picture());
        QTest::mousePress(&f.preview, Qt::MouseButton(pressed), Qt::NoModifier, QPoint(10, 10));
        moveWith(&f.preview, QPoint(10 + QApplication::startDragDistance() + extra, 10), held);
        QCOMPARE(f.files.size(), drags ? 1 : 0);
        if (drags)
            QCOMPARE(f.dragSizes.first(), f.preview.size());
    }

    void everyDragHasItsOwnFile()
    {
        Fixture f;
        f.preview.slotSetPixmap(picture());
        f.preview.startDrag();
        f.preview.startDrag();
        QCOMPARE(f.files.size(), 2);
        QVERIFY(f.files.at(0) != f.files.at(1));
        // The test's own private data folder, never the user's real one.
        QString const home = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(home.startsWith(QDir::tempPath()));
        for (QString const& file : qAsConst(f.files)) {
            QVERIFY2(file.startsWith(App::theApp()->workDirectory()), qPrintable(file));
            QVERIFY2(file.startsWith(home), qPrintable(file));
            QVERIFY(QFileInfo(file).fileName().startsWith(QStringLiteral("CropAndNoteDrag")));
            QImage const written(file, "PNG");
            QCOMPARE(written.convertToFormat(QImage::Format_ARGB32),
                     picture().toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }

    void oldDragFilesAreRemoved()
    {
        Fixture f;
        f.preview.slotSetPixmap(picture());
        f.preview.startDrag();
        QString const old = f.files.first();
        QFile file(old);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        file.close();
        f.preview.startDrag();
        QVERIFY(!QFile::exists(old));
        QVERIFY(QFile::exists(f.files.last()));
    }

    void noPictureNoDrag()
    {
        Fixture f;
        f.preview.startDrag();
        QTest::mousePress(&f.preview, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        moveWith(&f.preview, QPoint(40, 40), Qt::LeftButton);
        QVERIFY(f.files.isEmpty());
        QVERIFY(QDir(App::theApp()->workDirectory()).entryList({QStringLiteral("CropAndNoteDrag*")}).isEmpty());
    }

    void unwritableFolderNoDrag()
    {
        Fixture f;
        f.preview.slotSetPixmap(picture());
        QString const work = App::theApp()->workDirectory();
        QDir(work).removeRecursively();
        // A plain file where the folder should be: nothing can be written into it.
        QFile blocker(work.chopped(1));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.preview.startDrag();
        QVERIFY(f.files.isEmpty());
        QFile::remove(work.chopped(1));
    }

    void paintsThumbnailAndLabel()
    {
        Fixture f;
        QPixmap red(10, 10);
        red.fill(Qt::red);
        f.preview.slotSetPixmap(red);
        QImage const shown = f.preview.grab().toImage();
        QCOMPARE(shown.size(), QSize(80, 60));
        // Stretched over the whole widget, under a dark band at the top.
        QColor const bottom = shown.pixelColor(40, 45);
        QVERIFY(bottom.red() > 180 && bottom.green() < 90);
        QColor const band = shown.pixelColor(2, 7);
        QVERIFY2(band.red() < bottom.red() - 40, qPrintable(band.name()));
    }
};

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestNoteEditDragPreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_noteeditdragpreview.moc"

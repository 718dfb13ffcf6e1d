// The icon view: which files of a folder become icons and in what order, the
// items' content, a newer fill replacing one still running, and the drag of a
// piece.
#include "ZEDireroz/widgets/IconView.h"
#include "ZEDireroz/widgets/ListWidgetItem.h"

#include <QAction>
#include <QDataStream>
#include <QDrag>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

using ZEDireroz::IconView;
using ZEDireroz::ListWidgetItem;

namespace {

bool writePicture(QString const& path, QSize size, QColor colour, char const* format = nullptr)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, format);
}

bool writeFile(QString const& path, QByteArray const& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The folder of the examples: two pictures named in mixed case, a text file, a
// damaged picture and a picture whose name has no dot.
struct MixedFolder
{
    QTemporaryDir dir;
    bool ok = false;

    MixedFolder()
    {
        ok = writePicture(dir.filePath("b.png"), QSize(40, 20), Qt::blue)
             && writePicture(dir.filePath("A.jpg"), QSize(200, 100), Qt::red, "JPG")
             && writeFile(dir.filePath("notes.txt"), "not a picture\n")
             && writeFile(dir.filePath("c.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16))
             && writePicture(dir.filePath("nodot"), QSize(10, 10), Qt::green, "PNG");
    }
};

QStringList names(QListWidget const& view)
{
    QStringList result;
    for (int i = 0; i < view.count(); ++i)
        result << view.item(i)->text();
    return result;
}

// The drag handlers made reachable.
class DraggingView : public IconView
{
public:
    using IconView::dragMoveEvent;
    using IconView::dropEvent;
    using IconView::startDrag;
};

} // namespace

class TestIconView : public QObject
{
    Q_OBJECT
private slots:
    void picturesOfTheFolderInNameOrder()
    {
        MixedFolder folder;
        QVERIFY(folder.ok);
        IconView view;
        view.addItems(folder.dir.path());
        QTRY_VERIFY(!view.isFilling());
        QCOMPARE(names(view), QStringList({"A", "b"}));
        QCOMPARE(view.folder(), folder.dir.path());

        QList<QPoint> const locations{QPoint(0, 0), QPoint(0, 1)};
        QStringList const files{"A.jpg", "b.png"};
        for (int i = 0; i < 2; ++i) {
            auto* item = dynamic_cast<ListWidgetItem*>(view.item(i));
            QVERIFY(item);
            QCOMPARE(item->fullPath(), QFileInfo(folder.dir.filePath(files.at(i))).absoluteFilePath());
            QCOMPARE(item->data(Qt::UserRole + 1).toPoint(), locations.at(i));
            QCOMPARE(int(item->flags()), 39);
            QCOMPARE(item->background().color(), QColor(Qt::darkGray));
            QImage const icon = item->data(Qt::UserRole).value<QPixmap>().toImage();
            QCOMPARE(icon.size(), QSize(80, 80));
            QVERIFY(!item->icon().isNull());
        }
        // b.png is 40 x 20 fitted to 80 x 40: dark grey bands of 20 above and below.
        QImage const b = view.item(1)->data(Qt::UserRole).value<QPixmap>().toImage();
        QCOMPARE(b.pixelColor(40, 10), QColor(Qt::darkGray));
        QCOMPARE(b.pixelColor(40, 40), QColor(Qt::blue));
        QCOMPARE(b.pixelColor(40, 70), QColor(Qt::darkGray));

        // refresh reads the folder again.
        QVERIFY(writePicture(folder.dir.filePath("a2.png"), QSize(8, 8), Qt::yellow));
        view.refresh();
        QTRY_VERIFY(!view.isFilling());
        QCOMPARE(names(view), QStringList({"A", "a2", "b"}));
    }

    void emptyAndMissingFoldersGiveNoIcons_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("empty") << true;
        QTest::newRow("missing") << false;
    }
    void emptyAndMissingFoldersGiveNoIcons()
    {
        QFETCH(bool, exists);
        MixedFolder folder;
        QTemporaryDir empty;
        IconView view;
        view.addItems(folder.dir.path());
        view.addItems(exists ? empty.path() : empty.filePath("gone"));
        QVERIFY(!view.isFilling());
        QCOMPARE(view.count(), 0);
        // Nothing of the first folder arrives later.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(view.count(), 0);
    }

    // A second folder chosen while the first still fills, directly or from a
    // slot that the first fill's icons set off, leaves only the second folder's
    // icons.
    void aNewerFillReplacesARunningOne_data()
    {
        QTest::addColumn<bool>("fromInsideTheFill");
        QTest::newRow("from outside") << false;
        QTest::newRow("while an icon goes in") << true;
    }
    void aNewerFillReplacesARunningOne()
    {
        QFETCH(bool, fromInsideTheFill);
        QTemporaryDir first;
        QTemporaryDir second;
        for (int i = 0; i < 500; ++i)
            QVERIFY(
                writePicture(first.filePath(QString("first%1.png").arg(i, 3, 10, QChar('0'))), QSize(4, 4), Qt::red));
        for (QString const name : {"x.png", "y.png", "z.png"})
            QVERIFY(writePicture(second.filePath(name), QSize(4, 4), Qt::blue));

        IconView view;
        bool switched = false;
        if (fromInsideTheFill)
            connect(view.model(), &QAbstractItemModel::rowsInserted, &view, [&] {
                if (!switched && view.count() == 10) {
                    QVERIFY(view.isFilling());
                    switched = true;
                    view.addItems(second.path());
                }
            });
        view.addItems(first.path());
        if (!fromInsideTheFill) {
            // Chosen before any of the first folder's pictures came back.
            QVERIFY(view.isFilling());
            view.addItems(second.path());
        }
        QTRY_VERIFY(!view.isFilling());
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(names(view), QStringList({"x", "y", "z"}));
        QCOMPARE(view.item(2)->data(Qt::UserRole + 1).toPoint(), QPoint(0, 2));
        // The pictures too are the second folder's (blue), not the first's (red).
        for (int i = 0; i < view.count(); ++i)
            QCOMPARE(view.item(i)->data(Qt::UserRole).value<QPixmap>().toImage().pixelColor(40, 40), QColor(Qt::blue));
        QCOMPARE(view.folder(), second.path());
    }

    void deletingTheViewDuringAFillIsSafe()
    {
        QTemporaryDir folder;
        for (int i = 0; i < 200; ++i)
            QVERIFY(writePicture(folder.filePath(QString("p%1.png").arg(i)), QSize(4, 4), Qt::red));
        QPointer<IconView> view = new IconView;
        connect(view->model(), &QAbstractItemModel::rowsInserted, view, [&] {
            if (view->count() == 5)
                view->deleteLater();
        });
        view->addItems(folder.path());
        QTRY_VERIFY(view.isNull());
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    void clicksAndMenuReportTheFullPath()
    {
        MixedFolder folder;
        IconView view;
        view.addItems(folder.dir.path());
        QTRY_VERIFY(!view.isFilling());
        QSignalSpy show(&view, &IconView::showItem);
        QSignalSpy viewer(&view, &IconView::showViewerItem);
        QSignalSpy separate(&view, &IconView::showInSeparateView);
        QString const a = QFileInfo(folder.dir.filePath("A.jpg")).absoluteFilePath();

        emit view.itemClicked(view.item(0));
        emit view.itemDoubleClicked(view.item(0));
        view.setCurrentItem(view.item(0));
        auto* menu = view.findChild<QMenu*>();
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 2);
        menu->actions().at(0)->trigger();

        QCOMPARE(show.count(), 1);
        QCOMPARE(show.at(0).at(0).toString(), a);
        QCOMPARE(viewer.count(), 1);
        QCOMPARE(viewer.at(0).at(0).toString(), a);
        QCOMPARE(separate.count(), 1);
        QCOMPARE(separate.at(0).at(0).toString(), a);
    }

    // With no current icon, "open in a separate view" and a drag have nothing
    // to act on.
    void noCurrentItemDoesNothing()
    {
        DraggingView view;
        QSignalSpy separate(&view, &IconView::showInSeparateView);
        view.slotSeparateView();
        view.startDrag(Qt::MoveAction);
        QCOMPARE(separate.count(), 0);
        QVERIFY(!view.findChild<QDrag*>());
    }

    void dragCarriesThePixmapAndThePoint()
    {
        MixedFolder folder;
        DraggingView view;
        view.addItems(folder.dir.path());
        QTRY_VERIFY(!view.isFilling());
        view.setCurrentItem(view.item(1));
        view.startDrag(Qt::CopyAction | Qt::MoveAction);

        // The drag is the view's; no drop took it, so the icon stays.
        auto* drag = view.findChild<QDrag*>();
        QVERIFY(drag);
        QCOMPARE(view.count(), 2);
        QVERIFY(drag->mimeData()->hasFormat("image/x-puzzle-piece"));
        QCOMPARE(drag->hotSpot(), QPoint(40, 40));
        QCOMPARE(drag->supportedActions(), Qt::DropActions(Qt::MoveAction));

        QByteArray const bytes = drag->mimeData()->data("image/x-puzzle-piece");
        QDataStream stream(bytes);
        QPixmap pixmap;
        QPoint point;
        stream >> pixmap >> point;
        QCOMPARE(stream.status(), QDataStream::Ok);
        QVERIFY(stream.atEnd());
        QCOMPARE(point, QPoint(0, 1));
        QCOMPARE(pixmap.toImage(), view.item(1)->data(Qt::UserRole).value<QPixmap>().toImage());
        QCOMPARE(pixmap.toImage().pixelColor(40, 40), QColor(Qt::blue));
        // The stream layout itself: a 32-bit flag 1, then the picture as PNG.
        QCOMPARE(bytes.left(4), QByteArray("\0\0\0\1", 4));
        QCOMPARE(bytes.mid(4, 4), QByteArray("\x89PNG"));
        QCOMPARE(bytes.right(8), QByteArray("\0\0\0\0\0\0\0\1", 8));
    }

    void acceptsOnlyPiecesAndDropsNothingOnItself_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("piece") << "image/x-puzzle-piece" << true;
        QTest::newRow("text") << "text/plain" << false;
    }
    void acceptsOnlyPiecesAndDropsNothingOnItself()
    {
        QFETCH(QString, format);
        QFETCH(bool, accepted);
        MixedFolder folder;
        DraggingView view;
        view.addItems(folder.dir.path());
        QTRY_VERIFY(!view.isFilling());
        QMimeData data;
        data.setData(format, "x");
        QDragMoveEvent move(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        move.ignore();
        view.dragMoveEvent(&move);
        QCOMPARE(move.isAccepted(), accepted);
        if (accepted)
            QCOMPARE(move.dropAction(), Qt::MoveAction);

        QDropEvent drop(QPointF(10, 10), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        drop.accept();
        view.dropEvent(&drop);
        QVERIFY(!drop.isAccepted());
        QCOMPARE(names(view), QStringList({"A", "b"}));
    }
};

QTEST_MAIN(TestIconView)
#include "tst_iconview.moc"

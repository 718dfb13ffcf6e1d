// The folder tree: a clicked folder or file reported by its absolute path, and
// only the name column shown.
#include "ZEDireroz/widgets/DirView.h"

#include <QFile>
#include <QFileSystemModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using ZEDireroz::DirView;

class TestDirView : public QObject
{
    Q_OBJECT
private slots:
    void clicksReportFoldersAndFiles_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("isFolder");
        QTest::newRow("folder") << "pictures" << true;
        QTest::newRow("file") << "a.png" << false;
        QTest::newRow("file without a dot") << "notes" << false;
    }
    void clicksReportFoldersAndFiles()
    {
        QFETCH(QString, entry);
        QFETCH(bool, isFolder);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("pictures"));
        for (QString const name : {"a.png", "notes"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        DirView view;
        QSignalSpy content(&view, &DirView::showContent);
        QSignalSpy item(&view, &DirView::showItem);
        QModelIndex const index = view.model()->index(dir.filePath(entry));
        QVERIFY(index.isValid());
        // As the tree reports a click.
        emit view.treeView()->clicked(index);
        QString const path = QFileInfo(dir.filePath(entry)).absoluteFilePath();
        QCOMPARE(content.count(), isFolder ? 1 : 0);
        QCOMPARE(item.count(), isFolder ? 0 : 1);
        QCOMPARE((isFolder ? content : item).at(0).at(0).toString(), path);
    }

    void onlyTheNameColumnShowsAndFillsTheWidth()
    {
        DirView view;
        QCOMPARE(view.minimumSize(), QSize(180, 100));
        QCOMPARE(view.treeView()->windowTitle(), QString("Dir View"));
        QVERIFY(!view.treeView()->isColumnHidden(0));
        for (int column : {1, 2, 3})
            QVERIFY(view.treeView()->isColumnHidden(column));
        view.resize(320, 240);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_COMPARE(view.treeView()->size(), QSize(320, 240));
        QCOMPARE(view.treeView()->columnWidth(0), 320);
        // The file system from its root.
        QCOMPARE(view.model()->rootPath(), QDir::rootPath());
    }
};

QTEST_MAIN(TestDirView)
#include "tst_dirview.moc"

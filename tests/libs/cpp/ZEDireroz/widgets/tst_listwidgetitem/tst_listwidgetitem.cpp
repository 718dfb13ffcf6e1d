// The list item's full path through construction, copies and clones.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/ListWidgetItem.h"

#include <QListWidget>
#include <memory>

using ZEDireroz::ListWidgetItem;

class TestListWidgetItem : public QObject
{
    Q_OBJECT
private slots:
    void constructorsLeaveThePathEmpty()
    {
        QListWidget view;
        auto* plain = new ListWidgetItem(&view);
        auto* text = new ListWidgetItem("text", &view);
        auto* icon = new ListWidgetItem(QIcon(), "icon", &view, QListWidgetItem::UserType + 1);
        for (ListWidgetItem* item : {plain, text, icon})
            QVERIFY(item->fullPath().isEmpty());
        QCOMPARE(view.count(), 3);
        QCOMPARE(icon->type(), int(QListWidgetItem::UserType + 1));
        icon->setFullPath("/pictures/a.png");
        QCOMPARE(icon->fullPath(), QString("/pictures/a.png"));
    }

    void copiesKeepThePath_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("expected");
        QTest::newRow("copy") << "copy"
                              << "/pictures/a.png";
        QTest::newRow("copy through the base type") << "base copy"
                                                    << "/pictures/a.png";
        QTest::newRow("clone") << "clone"
                               << "/pictures/a.png";
        QTest::newRow("from a plain item") << "plain"
                                           << "";
    }
    void copiesKeepThePath()
    {
        QFETCH(QString, how);
        QFETCH(QString, expected);
        ListWidgetItem original("a");
        original.setFullPath("/pictures/a.png");
        QListWidgetItem plain("a");
        std::unique_ptr<QListWidgetItem> made;
        if (how == "copy")
            made.reset(new ListWidgetItem(original));
        else if (how == "base copy")
            made.reset(new ListWidgetItem(static_cast<QListWidgetItem const&>(original)));
        else if (how == "clone")
            made.reset(original.clone());
        else
            made.reset(new ListWidgetItem(plain));
        auto* item = dynamic_cast<ListWidgetItem*>(made.get());
        QVERIFY(item);
        QCOMPARE(item->text(), QString("a"));
        QCOMPARE(item->fullPath(), expected);
    }
};

TW_APP_TEST_MAIN(TestListWidgetItem)
#include "tst_listwidgetitem.moc"

// On a pocket device the promotion dialogs stack their buttons in a column, use
// smaller headings and a smaller slide display.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/HelpDialog.h"
#include "ZEDireroz/promotion/HelpDisplay.h"
#include "ZEDireroz/promotion/HelpViewArea.h"
#include "ZEDireroz/promotion/JoinDialog.h"
#include "ZEDireroz/promotion/JoinWidget.h"
#include "ZEDireroz/promotion/TellDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using ZEDireroz::App;

namespace {

// The box layout that holds the widget, found from the top of the dialog.
QBoxLayout* boxHolding(QLayout* layout, QWidget* widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget)
            return qobject_cast<QBoxLayout*>(layout);
        if (QLayout* inner = item->layout()) {
            if (QBoxLayout* found = boxHolding(inner, widget))
                return found;
        }
    }
    return nullptr;
}

} // namespace

class TestPocketPromotion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(App::theApp()->isPocketDevice(), "the virtual screen is narrower than 481 pixels"); }

    void closeRowsAreColumns()
    {
        ZEDireroz::TellDialog tell(nullptr);
        ZEDireroz::JoinDialog join(nullptr);
        for (QDialog* dialog : {static_cast<QDialog*>(&tell), static_cast<QDialog*>(&join)}) {
            QPushButton* close = ModalDriver::buttonWithText(dialog, QStringLiteral("&Close"));
            QVERIFY(close);
            QBoxLayout* row = boxHolding(dialog->layout(), close);
            QVERIFY(row);
            QCOMPARE(row->direction(), QBoxLayout::TopToBottom);
        }
        QVERIFY(tell.textLabel()->text().contains(QStringLiteral("<H4>")));
        // The join panel's heading shrinks to H5; its list stays H4.
        QString const joinText = join.joinWidget()->textLabel()->text();
        QVERIFY(joinText.startsWith(QStringLiteral("<H5>")));
        QVERIFY(joinText.contains(QStringLiteral("<H4>")));
    }

    void slideShow()
    {
        ZEDireroz::HelpDialog dialog(nullptr);
        QCOMPARE(dialog.viewArea()->display()->minimumSize(), QSize(280, 220));
        QBoxLayout* row = boxHolding(dialog.layout(), dialog.closeButton());
        QVERIFY(row);
        QCOMPARE(row->direction(), QBoxLayout::TopToBottom);
    }
};

int main(int argc, char** argv)
{
    App application(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestPocketPromotion test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pocketpromotion.moc"

// On a pocket device the reminders put the logo centred above their text, use
// the smaller heading and stack their buttons in a column.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotionbar/ReminderDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace ZEDireroz;

class TestPocketReminders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(App::theApp()->isPocketDevice(), "the virtual screen is narrower than 481 pixels"); }

    void layout_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("rate") << 1
                              << "<CENTER><H4>If you like TickwrenTrial-App,<br>please rate it in the App "
                                 "Store.<br>Thanks!</H4></CENTER>";
        QTest::newRow("tell") << 2
                              << "<CENTER><H4>If you like TickwrenTrial-App,<br>Share it with Your "
                                 "Friends.<br>Thanks!</H4></CENTER>";
        QTest::newRow("join") << 4 << QString();
    }
    void layout()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        std::unique_ptr<ReminderDialog> dialog;
        if (kind == 1)
            dialog = std::make_unique<RateReminderDialog>(nullptr);
        else if (kind == 2)
            dialog = std::make_unique<TellReminderDialog>(nullptr);
        else
            dialog = std::make_unique<JoinReminderDialog>(nullptr);
        if (!text.isEmpty())
            QCOMPARE(dialog->textLabel()->text(), text);

        auto* main = qobject_cast<QBoxLayout*>(dialog->layout());
        QVERIFY(main);
        // Top: a row with the logo between two stretches, then the text.
        auto* top = qobject_cast<QBoxLayout*>(main->itemAt(0)->layout());
        QVERIFY(top);
        QCOMPARE(top->direction(), QBoxLayout::TopToBottom);
        auto* logoRow = qobject_cast<QBoxLayout*>(top->itemAt(0)->layout());
        QVERIFY(logoRow);
        QCOMPARE(logoRow->count(), 3);
        QVERIFY(logoRow->itemAt(0)->spacerItem() && logoRow->itemAt(2)->spacerItem());
        QCOMPARE(logoRow->itemAt(1)->widget(), dialog->logoLabel());
        QCOMPARE(top->itemAt(1)->widget(), dialog->textLabel());
        // The buttons in a column.
        auto* buttons = qobject_cast<QBoxLayout*>(main->itemAt(2)->layout());
        QVERIFY(buttons);
        QCOMPARE(buttons->direction(), QBoxLayout::TopToBottom);
        QCOMPARE(buttons->indexOf(dialog->neverButton()), 1);

        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QRect const logo = dialog->logoLabel()->geometry();
        QRect const label = dialog->textLabel()->geometry();
        if (!dialog->textLabel()->isHidden())
            QVERIFY(logo.bottom() < label.top());
        QVERIFY(qAbs(logo.center().x() - dialog->width() / 2) <= 10);
    }
};

int main(int argc, char** argv)
{
    App application(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestPocketReminders test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pocketreminders.moc"

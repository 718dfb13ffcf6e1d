// Input dialogs: what comes back after OK and after Cancel, the starting value
// inside a range, and the page that each type shows.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/InputDialog.h"

#include <QLabel>
#include <QSpinBox>
#include <QStackedWidget>

using ZEDireroz::InputDialog;

namespace {

// Presses the answer: "ok", "cancel" or "escape".
void answer(QWidget* dialog, QString const& how)
{
    if (how == "escape")
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(ModalDriver::buttonWithText(dialog, how == "ok" ? "Ok" : "Cancel"), Qt::LeftButton);
}

} // namespace

class TestInputDialog : public QObject
{
    Q_OBJECT
private slots:
    void init() { ModalAnswer::watchdogFired() = false; }
    void cleanup() { QVERIFY(!ModalAnswer::watchdogFired()); }

    void getText_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("expectedOk");
        QTest::newRow("ok returns the edit") << "Old" << int(QLineEdit::Normal) << "New"
                                             << "ok"
                                             << "OldNew" << true;
        QTest::newRow("cancel keeps the caller's text") << "Old" << int(QLineEdit::Normal) << "New"
                                                        << "cancel"
                                                        << "Old" << false;
        QTest::newRow("escape keeps the caller's text") << "Old" << int(QLineEdit::Normal) << "New"
                                                        << "escape"
                                                        << "Old" << false;
        QTest::newRow("password ok") << "" << int(QLineEdit::Password) << "secret"
                                     << "ok"
                                     << "secret" << true;
        QTest::newRow("password cancel") << "" << int(QLineEdit::Password) << "secret"
                                         << "cancel"
                                         << "" << false;
    }
    void getText()
    {
        QFETCH(QString, initial);
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, expected);
        QFETCH(bool, expectedOk);
        QWidget parent;
        QPointer<QWidget> seen;
        int shownMode = -1;
        QString shownTitle, shownLabel;
        ModalAnswer::answerNextWindow([&](QWidget* widget) {
            auto* dialog = qobject_cast<InputDialog*>(widget);
            QVERIFY(dialog);
            seen = dialog;
            QCOMPARE(dialog->type(), InputDialog::String);
            shownMode = dialog->stringWidget()->echoMode();
            shownTitle = dialog->windowTitle();
            shownLabel = dialog->findChild<QLabel*>()->text();
            dialog->stringWidget()->end(false);
            QTest::keyClicks(dialog->stringWidget(), typed);
            answer(dialog, how);
        });
        bool ok = !expectedOk;
        QString const result = InputDialog::getText(&parent, "Title", "Name:", QLineEdit::EchoMode(mode), initial, &ok);
        QCOMPARE(result, expected);
        QCOMPARE(ok, expectedOk);
        QCOMPARE(shownMode, mode);
        QCOMPARE(shownTitle, QString("Title"));
        QCOMPARE(shownLabel, QString("Name:"));
        QVERIFY(seen.isNull()); // deleted before returning
    }

    void getTextWithoutOkFlag()
    {
        ModalAnswer::answerNextWindow([](QWidget* widget) {
            auto* dialog = qobject_cast<InputDialog*>(widget);
            QTest::keyClicks(dialog->stringWidget(), "abc");
            answer(dialog, "ok");
        });
        QCOMPARE(InputDialog::getText(nullptr, "T", "L", QLineEdit::Normal, QString(), nullptr), QString("abc"));
    }

    void getInteger_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("minValue");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("typed"); // -1: leave the value alone
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("startsAt");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("expectedOk");
        QTest::newRow("value above 99 inside the range") << 150 << 0 << 200 << -1 << "ok" << 150 << 150 << true;
        QTest::newRow("value pulled into the range") << 50 << 0 << 10 << -1 << "ok" << 10 << 10 << true;
        QTest::newRow("negative range") << -40 << -100 << -20 << -1 << "ok" << -40 << -40 << true;
        QTest::newRow("edited and confirmed") << 5 << 0 << 200 << 123 << "ok" << 5 << 123 << true;
        QTest::newRow("edited and cancelled") << 5 << 0 << 200 << 123 << "cancel" << 5 << 5 << false;
        QTest::newRow("escape") << 150 << 0 << 200 << 7 << "escape" << 150 << 150 << false;
    }
    void getInteger()
    {
        QFETCH(int, value);
        QFETCH(int, minValue);
        QFETCH(int, maxValue);
        QFETCH(int, typed);
        QFETCH(QString, how);
        QFETCH(int, startsAt);
        QFETCH(int, expected);
        QFETCH(bool, expectedOk);
        int shownValue = 0, shownMin = 0, shownMax = 0;
        QPointer<QWidget> seen;
        ModalAnswer::answerNextWindow([&](QWidget* widget) {
            auto* dialog = qobject_cast<InputDialog*>(widget);
            QVERIFY(dialog);
            seen = dialog;
            QCOMPARE(dialog->type(), InputDialog::Value);
            QSpinBox* spin = dialog->valueWidget();
            shownValue = spin->value();
            shownMin = spin->minimum();
            shownMax = spin->maximum();
            if (typed >= 0) {
                spin->selectAll();
                QTest::keyClicks(spin, QString::number(typed));
            }
            answer(dialog, how);
        });
        bool ok = !expectedOk;
        int const result = InputDialog::getInteger(nullptr, "T", "Count:", value, minValue, maxValue, 1, &ok);
        QCOMPARE(shownValue, startsAt);
        QCOMPARE(shownMin, minValue);
        QCOMPARE(shownMax, maxValue);
        QCOMPARE(result, expected);
        QCOMPARE(ok, expectedOk);
        QVERIFY(seen.isNull());
    }

    void typeChoosesThePage()
    {
        InputDialog dialog("Label", nullptr, "name", true, InputDialog::String);
        QCOMPARE(dialog.objectName(), QString("InputDialog"));
        auto* stack = dialog.findChild<QStackedWidget*>();
        QVERIFY(stack);
        QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(dialog.stringWidget()));
        QCOMPARE(dialog.stringWidget()->height(), 32);
        dialog.setType(InputDialog::Value);
        QCOMPARE(dialog.type(), InputDialog::Value);
        QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(dialog.valueWidget()));
        // Any other value is only stored.
        dialog.setType(InputDialog::Type(7));
        QCOMPARE(int(dialog.type()), 7);
        QCOMPARE(stack->currentWidget(), static_cast<QWidget*>(dialog.valueWidget()));
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            QCOMPARE(button->objectName(), QString("PushButton"));
    }
};

TW_APP_TEST_MAIN(TestInputDialog)
#include "tst_inputdialog.moc"

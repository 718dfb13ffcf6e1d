// The three reminder dialogs: which button ends them with which answer, what
// they say and show, and where the keyboard focus goes.
#include "TestSupport/ModalAnswer.h"
#include "TestSupport/PromotionTesting.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/JoinWidget.h"
#include "ZEDireroz/promotion/PromotionActions.h"
#include "ZEDireroz/promotion/TellWidget.h"
#include "ZEDireroz/promotionbar/ReminderDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace ZEDireroz;

namespace {

enum Kind { Rate, Tell, Join };

std::unique_ptr<ReminderDialog> makeDialog(int kind, QWidget* parent = nullptr)
{
    switch (kind) {
    case Rate:
        return std::make_unique<RateReminderDialog>(parent);
    case Tell:
        return std::make_unique<TellReminderDialog>(parent);
    default:
        return std::make_unique<JoinReminderDialog>(parent);
    }
}

enum Button { NowButton, FirstLater, SecondLater, NeverButton };

QPushButton* button(ReminderDialog* dialog, int which)
{
    switch (which) {
    case NowButton:
        return dialog->nowButton();
    case FirstLater:
        return dialog->maybeLaterButton();
    case SecondLater:
        return dialog->secondMaybeLaterButton();
    default:
        return dialog->neverButton();
    }
}

// The texts of the buttons the user sees, left to right.
QStringList visibleButtonTexts(ReminderDialog* dialog)
{
    auto* main = qobject_cast<QBoxLayout*>(dialog->layout());
    auto* row = qobject_cast<QBoxLayout*>(main->itemAt(2)->layout());
    QStringList texts;
    for (int i = 0; i < row->count(); ++i) {
        QWidget* w = row->itemAt(i)->widget();
        if (w && !w->isHidden())
            texts << qobject_cast<QPushButton*>(w)->text();
    }
    return texts;
}

} // namespace

class TestReminderDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ZEDireroz::installPromotionActions();
        App::theApp()->currentLanguage();
    }

    void everyButtonAccepts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("state");
        QTest::newRow("rate, Rate It Now") << int(Rate) << int(NowButton) << 1;
        QTest::newRow("rate, Maybe Later") << int(Rate) << int(FirstLater) << 2;
        QTest::newRow("rate, Never") << int(Rate) << int(NeverButton) << 3;
        QTest::newRow("tell, Maybe Later") << int(Tell) << int(SecondLater) << 2;
        QTest::newRow("tell, Never") << int(Tell) << int(NeverButton) << 3;
        QTest::newRow("join, Maybe Later") << int(Join) << int(SecondLater) << 2;
        QTest::newRow("join, Never") << int(Join) << int(NeverButton) << 3;
    }
    void everyButtonAccepts()
    {
        QFETCH(int, kind);
        QFETCH(int, button);
        QFETCH(int, state);
        std::unique_ptr<ReminderDialog> dialog = makeDialog(kind);
        QCOMPARE(dialog->state(), 0);
        ModalAnswer answer([button](QDialog* d) {
            QPushButton* b = ::button(static_cast<ReminderDialog*>(d), button);
            QVERIFY(b->isVisible());
            QTest::mouseClick(b, Qt::LeftButton);
        });
        int const result = dialog->exec();
        QVERIFY(answer.seen());
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(dialog->state(), state);
    }

    void closingWithoutChoice_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("escape");
        for (int kind : {Rate, Tell, Join}) {
            QByteArray const name = QByteArray::number(kind);
            QTest::newRow("Escape, kind " + name) << kind << true;
            QTest::newRow("close control, kind " + name) << kind << false;
        }
    }
    void closingWithoutChoice()
    {
        QFETCH(int, kind);
        QFETCH(bool, escape);
        std::unique_ptr<ReminderDialog> dialog = makeDialog(kind);
        ModalAnswer answer([escape](QDialog* d) {
            if (escape)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->close();
        });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        QVERIFY(answer.seen());
        QCOMPARE(dialog->state(), 0);
    }

    void wordsAndButtons_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("rate") << int(Rate) << "Help Spread the Word about \"TickwrenTrial\""
                              << "<CENTER><H3>If you like TickwrenTrial-App,<br>please rate it in the App "
                                 "Store.<br>Thanks!</H3></CENTER>"
                              << QStringList{"&Maybe Later", "&Never Ask Me Again", "&Rate It Now"};
        QTest::newRow("tell") << int(Tell) << "Share"
                              << "<CENTER><H3>If you like TickwrenTrial-App,<br>Share it with Your "
                                 "Friends.<br>Thanks!</H3></CENTER>"
                              << QStringList{"&Never Ask Me Again", "&Maybe Later"};
        QTest::newRow("join") << int(Join) << "Join Us" << QString()
                              << QStringList{"&Never Ask Me Again", "&Maybe Later"};
    }
    void wordsAndButtons()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QStringList, buttons);
        std::unique_ptr<ReminderDialog> dialog = makeDialog(kind);
        QCOMPARE(dialog->objectName(), QStringLiteral("Dialog"));
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(visibleButtonTexts(dialog.get()), buttons);
        // The join reminder's only words are its panel's own.
        QCOMPARE(dialog->textLabel()->isHidden(), text.isEmpty());
        if (!text.isEmpty())
            QCOMPARE(dialog->textLabel()->text(), text);
        for (int b : {NowButton, FirstLater, SecondLater, NeverButton}) {
            QPushButton* pb = button(dialog.get(), b);
            QCOMPARE(pb->objectName(), QStringLiteral("PushButton"));
            QVERIFY(pb->isFlat());
            QCOMPARE(pb->minimumHeight(), 32);
        }
        QCOMPARE(dialog->logoLabel()->objectName(), QStringLiteral("LogoLabel"));
        QCOMPARE(dialog->logoLabel()->size(), QSize(90, 90));
        QCOMPARE(dialog->logoLabel()->minimumSize(), QSize(90, 90));
        QCOMPARE(dialog->logoLabel()->maximumSize(), QSize(90, 90));
        QCOMPARE(dialog->textLabel()->minimumHeight(), 90);
        // The middle row: the share or join panel between two stretches, or nothing.
        QHBoxLayout* row = dialog->contentRow();
        if (kind == Rate) {
            QCOMPARE(row->count(), 0);
        } else {
            QCOMPARE(row->count(), 3);
            QWidget* panel = row->itemAt(1)->widget();
            QVERIFY(kind == Tell ? qobject_cast<TellWidget*>(panel) != nullptr
                                 : qobject_cast<JoinWidget*>(panel) != nullptr);
            QVERIFY(row->itemAt(0)->spacerItem() && row->itemAt(2)->spacerItem());
        }
    }

    void focus_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("passedOn");
        QTest::newRow("rate") << int(Rate) << int(NowButton) << int(FirstLater);
        QTest::newRow("tell") << int(Tell) << int(SecondLater) << int(SecondLater);
        QTest::newRow("join") << int(Join) << int(SecondLater) << int(SecondLater);
    }
    void focus()
    {
        QFETCH(int, kind);
        QFETCH(int, first);
        QFETCH(int, passedOn);
        std::unique_ptr<ReminderDialog> dialog = makeDialog(kind);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        if (kind == Rate)
            QTRY_COMPARE(QApplication::focusWidget(), button(dialog.get(), first));
        // The dialog itself passes the focus on to a Maybe Later button.
        dialog->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), button(dialog.get(), passedOn));
    }
};

TW_PROMOTION_TEST_MAIN(TestReminderDialog)

#include "tst_reminderdialog.moc"

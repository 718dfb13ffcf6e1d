// On a pocket device the message and input boxes stand their buttons in a
// column, in the same order as the desktop row, centred between two stretches.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/InputDialog.h"
#include "ZEDireroz/dialogs/MessageBox.h"

#include <QLabel>
#include <QMessageBox>

namespace {

QList<QPushButton*> buttonsTopToBottom(QWidget* dialog)
{
    QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->y() < b->y(); });
    return buttons;
}

} // namespace

class TestPocketDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(ZEDireroz::App::theApp()->isPocketDevice()); }

    void messageBoxColumn()
    {
        ZEDireroz::MessageBox box(ZEDireroz::MessageBox::Question, "T", "Text",
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, nullptr);
        box.resize(300, 400);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QList<QPushButton*> const buttons = buttonsTopToBottom(&box);
        QStringList texts;
        for (QPushButton* b : buttons)
            texts << b->text();
        QCOMPARE(texts, (QStringList{"Cancel", "No", "Yes"}));
        for (QPushButton* b : buttons) {
            QCOMPARE(b->x(), buttons.first()->x());
            QVERIFY(b->y() >= buttons.first()->y());
        }
        QVERIFY(buttons[0]->geometry().bottom() < buttons[1]->y());
        QVERIFY(buttons[1]->geometry().bottom() < buttons[2]->y());
        // The stretches leave room above and below the column.
        int textBottom = 0;
        for (QLabel* label : box.findChildren<QLabel*>())
            textBottom = qMax(textBottom, label->geometry().bottom() + 1);
        int const above = buttons.first()->y() - textBottom;
        int const below = box.height() - (buttons.last()->geometry().bottom() + 1);
        QVERIFY2(above > 20 && qAbs(above - below) <= 20, qPrintable(QString("%1 %2").arg(above).arg(below)));
    }

    void inputDialogColumn()
    {
        ZEDireroz::InputDialog dialog("Label", nullptr, nullptr, true, ZEDireroz::InputDialog::String);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QList<QPushButton*> const buttons = buttonsTopToBottom(&dialog);
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons[0]->text(), QString("Ok"));
        QCOMPARE(buttons[1]->text(), QString("Cancel"));
        QCOMPARE(buttons[0]->x(), buttons[1]->x());
        QVERIFY(buttons[0]->geometry().bottom() < buttons[1]->y());
    }
};

TW_APP_TEST_MAIN(TestPocketDialogs)
#include "tst_pocketdialogs.moc"

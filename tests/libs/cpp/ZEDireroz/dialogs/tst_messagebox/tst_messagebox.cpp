// Message boxes: which buttons appear in which order, what each answer returns,
// the pictures, and that the static boxes clean up after themselves.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/dialogs/MessageBox.h"

#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QTranslator>

using ZEDireroz::MessageBox;

namespace {

QStringList buttonTextsLeftToRight(QWidget* box)
{
    QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList texts;
    for (QPushButton* button : buttons)
        texts << button->text();
    return texts;
}

QLabel* iconLabel(QWidget* box)
{
    // The icon label is the one that is not word-wrapped.
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (!label->wordWrap())
            return label;
    }
    return nullptr;
}

using StaticBox = int (*)(QWidget*, QString const&, QString const&, int, int);

} // namespace

Q_DECLARE_METATYPE(StaticBox)

class TestMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void init() { ModalAnswer::watchdogFired() = false; }
    void cleanup() { QVERIFY(!ModalAnswer::watchdogFired()); }

    void buttonsInFixedOrder_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("yes no cancel") << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                       << QStringList{"Cancel", "No", "Yes"};
        QTest::newRow("0x14000") << 0x14000 << QStringList{"No", "Yes"};
        QTest::newRow("all nine, combined backwards")
            << int(QMessageBox::NoToAll | QMessageBox::YesToAll | QMessageBox::Ignore | QMessageBox::Retry
                   | QMessageBox::Abort | QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok)
            << QStringList{"Ok", "Cancel", "No", "Yes", "Abort", "Retry", "Ignore", "YesAll", "NoAll"};
        QTest::newRow("unknown bits only") << int(QMessageBox::Save | QMessageBox::Help) << QStringList{};
        QTest::newRow("unknown bits ignored") << int(QMessageBox::Save | QMessageBox::Ok) << QStringList{"Ok"};
    }
    void buttonsInFixedOrder()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, texts);
        MessageBox box(MessageBox::Warning, "Title", "Text", buttons, nullptr);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.objectName(), QString("MessageBox"));
        QCOMPARE(box.windowTitle(), QString("Title"));
        QCOMPARE(buttonTextsLeftToRight(&box), texts);
        for (QPushButton* button : box.findChildren<QPushButton*>()) {
            QCOMPARE(button->objectName(), QString("PushButton"));
            QCOMPARE(button->y(), box.findChildren<QPushButton*>().first()->y());
        }
        if (texts.size() > 1) {
            // Centred between two stretches: equal room on both sides.
            QList<QPushButton*> list = box.findChildren<QPushButton*>();
            int left = box.width(), right = 0;
            for (QPushButton* b : list) {
                left = qMin(left, b->x());
                right = qMax(right, b->geometry().right());
            }
            QVERIFY(qAbs(left - (box.width() - 1 - right)) <= 2);
        }
    }

    void answerReturnsItsBit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bit");
        QTest::addColumn<bool>("withParent");
        QTest::newRow("Ok") << "Ok" << 0x400 << true;
        QTest::newRow("Cancel") << "Cancel" << 0x400000 << false;
        QTest::newRow("No") << "No" << 0x10000 << true;
        QTest::newRow("Yes") << "Yes" << 0x4000 << false;
        QTest::newRow("Abort") << "Abort" << 0x40000 << true;
        QTest::newRow("Retry") << "Retry" << 0x80000 << false;
        QTest::newRow("Ignore") << "Ignore" << 0x100000 << true;
        QTest::newRow("YesAll") << "YesAll" << 0x8000 << false;
        QTest::newRow("NoAll") << "NoAll" << 0x20000 << true;
    }
    void answerReturnsItsBit()
    {
        QFETCH(QString, text);
        QFETCH(int, bit);
        QFETCH(bool, withParent);
        QWidget parent;
        int const all = 0x400 | 0x400000 | 0x10000 | 0x4000 | 0x40000 | 0x80000 | 0x100000 | 0x8000 | 0x20000;
        QPointer<QWidget> seen;
        ModalAnswer::answerNextWindow([&](QWidget* box) {
            seen = box;
            QPushButton* button = ModalDriver::buttonWithText(box, text);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        });
        int const result = MessageBox::question(withParent ? &parent : nullptr, "T", "Choose", all, 0);
        QCOMPARE(result, bit);
        QVERIFY(seen.isNull()); // the static box is deleted once answered
        QVERIFY(parent.findChildren<MessageBox*>().isEmpty());
    }

    void closedWithoutAnswerReturnsZero_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("window close") << false;
    }
    void closedWithoutAnswerReturnsZero()
    {
        QFETCH(bool, escape);
        QWidget parent;
        ModalAnswer::answerNextWindow([&](QWidget* box) {
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        QCOMPARE(MessageBox::warning(&parent, "T", "Text", QMessageBox::Yes | QMessageBox::No, QMessageBox::No), 0);
        QVERIFY(parent.findChildren<MessageBox*>().isEmpty());
    }

    void boxWithoutButtonsClosesWithEscape()
    {
        ModalAnswer::answerNextWindow([](QWidget* box) {
            QVERIFY(box->findChildren<QPushButton*>().isEmpty());
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(MessageBox::information(nullptr, "T", "No buttons", 0, 0), 0);
    }

    void parentGoneWhileOpen()
    {
        auto* parent = new QWidget;
        ModalAnswer::answerNextWindow([&](QWidget*) { delete parent; });
        QCOMPARE(MessageBox::critical(parent, "T", "Text", QMessageBox::Ok, 0), 0);
    }

    void staticsShowTheirPicture_data()
    {
        QTest::addColumn<StaticBox>("function");
        QTest::addColumn<int>("standard");
        QTest::newRow("information") << StaticBox(&MessageBox::information) << int(QStyle::SP_MessageBoxInformation);
        QTest::newRow("warning") << StaticBox(&MessageBox::warning) << int(QStyle::SP_MessageBoxWarning);
        QTest::newRow("critical") << StaticBox(&MessageBox::critical) << int(QStyle::SP_MessageBoxCritical);
        QTest::newRow("question") << StaticBox(&MessageBox::question) << int(QStyle::SP_MessageBoxQuestion);
    }
    void staticsShowTheirPicture()
    {
        QFETCH(StaticBox, function);
        QFETCH(int, standard);
        QImage const expected =
            QApplication::style()->standardPixmap(QStyle::StandardPixmap(standard), nullptr, nullptr).toImage();
        QVERIFY(!expected.isNull());
        QImage shown;
        ModalAnswer::answerNextWindow([&](QWidget* box) {
            QLabel* label = iconLabel(box);
            QVERIFY(label);
            shown = label->pixmap(Qt::ReturnByValue).toImage();
            QCOMPARE(label->size(), expected.size());
            QTest::mouseClick(ModalDriver::buttonWithText(box, "Ok"), Qt::LeftButton);
        });
        QCOMPARE(function(nullptr, "T", "Text", QMessageBox::Ok, 0), int(QMessageBox::Ok));
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32));
    }

    void buttonsSpeakTheLanguage()
    {
        QTranslator translator;
        QVERIFY(translator.load(":/Translations/libs_de.qm"));
        QCoreApplication::installTranslator(&translator);
        MessageBox box(MessageBox::Question, "T", "Text", QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll,
                       nullptr);
        QCoreApplication::removeTranslator(&translator);
        box.show();
        QCOMPARE(buttonTextsLeftToRight(&box), (QStringList{"Nein", "Ja", "Ja, alle"}));
    }

    void unknownIconHasNoPicture_data()
    {
        QTest::addColumn<int>("icon");
        QTest::newRow("0") << 0;
        QTest::newRow("5") << 5;
    }
    void unknownIconHasNoPicture()
    {
        QFETCH(int, icon);
        QVERIFY(MessageBox::icon(MessageBox::Icon(icon)).isNull());
        MessageBox box(MessageBox::Icon(icon), "T", "Text", QMessageBox::Ok, nullptr);
        box.show();
        QLabel* label = iconLabel(&box);
        QVERIFY(label);
        QCOMPARE(label->size(), QSize(0, 0));
    }
};

TW_APP_TEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"

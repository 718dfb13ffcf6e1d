// The radio box's exclusive choice, and the compact radio box: its popup's
// opacity from the settings, a pick, hover pictures and buttons it never got.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/RadioBox.h"
#include "ZEDireroz/widgets/UltraRadioBox.h"

#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QVBoxLayout>

using ZEDireroz::RadioBox;
using ZEDireroz::UltraRadioBox;

namespace {

QString const opacityKey = "TickwrenTrial/TransparencyParameters/UltraRadioPopups";

// Three choices that look red unchecked and blue checked, in a compact box.
struct Fixture
{
    Fixture()
    {
        for (int i = 0; i < 3; ++i) {
            auto* button = new QPushButton(QString::number(i));
            button->setFixedSize(40, 30);
            button->setStyleSheet("QPushButton { background: red; border: none }"
                                  "QPushButton:checked { background: blue }");
            choices << button;
            box.addButton(button, QString("Choice %1").arg(i));
        }
    }
    QPushButton* textButton(int i) const
    {
        return ModalDriver::buttonWithText(box.popup(), QString("Choice %1").arg(i));
    }
    QColor shown() { return QColor(box.grab().toImage().pixel(box.width() / 4, box.height() / 4)); }
    UltraRadioBox box;
    QList<QPushButton*> choices;
};

} // namespace

class TestRadioBox : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { ZEDireroz::App::theApp()->settings()->remove(opacityKey); }

    void radioBoxKeepsOneChecked()
    {
        RadioBox box(QBoxLayout::LeftToRight);
        QList<QPushButton*> buttons;
        for (int i = 0; i < 3; ++i) {
            buttons << new QPushButton(QString::number(i));
            box.addButton(buttons.last());
        }
        box.show();
        buttons[0]->setChecked(true);
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(buttons[1], Qt::LeftButton);
            QVERIFY(!buttons[0]->isChecked());
            QVERIFY(buttons[1]->isChecked());
            QVERIFY(!buttons[2]->isChecked());
        }
    }

    void popupOpacityFromSettings_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<qreal>("expected");
        // 1.3 - v / 100, kept between the frame's least visible opacity (0.3) and opaque.
        QTest::newRow("absent") << QVariant() << 0.95;
        QTest::newRow("100") << QVariant(100) << 0.3;
        QTest::newRow("130 would be invisible") << QVariant(130) << 0.3;
        QTest::newRow("20 more than opaque") << QVariant(20) << 1.0;
        QTest::newRow("200 below zero") << QVariant(200) << 0.3;
        QTest::newRow("not a number reads as 0") << QVariant("abc") << 1.0;
    }
    void popupOpacityFromSettings()
    {
        QFETCH(QVariant, stored);
        QFETCH(qreal, expected);
        if (stored.isValid())
            ZEDireroz::App::theApp()->settings()->setValue(opacityKey, stored);
        Fixture f;
        f.box.show();
        QVERIFY(qAbs(f.box.popup()->windowOpacity() - 0.6) <= 1 / 255.0);
        f.box.setOpacity(0.5f);
        QVERIFY(qAbs(f.box.popup()->windowOpacity() - 0.5) <= 1 / 255.0);
        QSignalSpy actions(&f.box, &UltraRadioBox::actionPerformed);
        QTest::mousePress(&f.box, Qt::LeftButton);
        QVERIFY2(qAbs(f.box.popup()->windowOpacity() - expected) <= 1 / 255.0,
                 qPrintable(QString::number(f.box.popup()->windowOpacity())));
        QCOMPARE(actions.count(), 1);
    }

    void pressTogglesPopupBelowTheBox()
    {
        Fixture f;
        f.box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.box));
        QVERIFY(f.box.popup()->isHidden());
        QTest::mousePress(&f.box, Qt::LeftButton);
        QVERIFY(f.box.popup()->isVisible());
        QCOMPARE(f.box.popup()->pos(), f.box.mapToGlobal(QPoint(0, f.box.height())));
        QTest::mousePress(&f.box, Qt::LeftButton);
        QVERIFY(f.box.popup()->isHidden());
    }

    void pickEmitsOnceAndHidesPopup_data()
    {
        QTest::addColumn<bool>("byText");
        QTest::newRow("choice button") << false;
        QTest::newRow("text button") << true;
    }
    void pickEmitsOnceAndHidesPopup()
    {
        QFETCH(bool, byText);
        Fixture f;
        f.box.setCurrentButton(f.choices[0]);
        f.box.show();
        QTest::mousePress(&f.box, Qt::LeftButton);
        QVERIFY(f.box.popup()->isVisible());
        QSignalSpy picked(&f.box, &UltraRadioBox::buttonClicked);
        QTest::mouseClick(byText ? f.textButton(2) : f.choices[2], Qt::LeftButton);
        QCOMPARE(picked.count(), 1);
        QVERIFY(f.box.popup()->isHidden());
        QCOMPARE(f.box.currentButton(), f.choices[2]);
        QCOMPARE(f.box.toolTip(), QString("Choice 2"));
        // The popup lists the other choices, unchecked, and not the chosen one.
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.choices[i]->isHidden(), i == 2);
            QCOMPARE(f.textButton(i)->isHidden(), i == 2);
            QCOMPARE(f.choices[i]->isChecked(), i == 2);
        }
    }

    void hoverShowsTheUncheckedLook()
    {
        Fixture f;
        f.box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.box));
        QCOMPARE(f.box.size(), QSize(40, 30));
        QEvent enter(QEvent::Enter);
        QEvent leave(QEvent::Leave);
        // No choice yet: the last added button, unchecked, and hovering changes nothing.
        QCOMPARE(f.shown(), QColor(Qt::red));
        QApplication::sendEvent(&f.box, &enter);
        QCOMPARE(f.shown(), QColor(Qt::red));
        QApplication::sendEvent(&f.box, &leave);

        f.box.setCurrentButton(f.choices[1]);
        QCOMPARE(f.shown(), QColor(Qt::blue));
        QApplication::sendEvent(&f.box, &enter);
        QCOMPARE(f.shown(), QColor(Qt::red));
        QApplication::sendEvent(&f.box, &leave);
        QCOMPARE(f.shown(), QColor(Qt::blue));
    }

    void buttonsNeverAddedAreIgnored()
    {
        Fixture f;
        QPushButton stranger;
        f.box.setCurrentButton(nullptr);
        QCOMPARE(f.box.currentButton(), static_cast<QAbstractButton*>(nullptr));
        f.box.setCurrentButton(f.choices[1]);
        f.box.setCurrentButton(&stranger);
        f.box.setCurrentButton(nullptr);
        QCOMPARE(f.box.currentButton(), f.choices[1]);
        f.box.setVisibleButton(nullptr, false);
        f.box.setVisibleButton(&stranger, false);
        f.box.setVisibleButton(f.choices[0], false);
        QVERIFY(f.choices[0]->isHidden());
        QVERIFY(f.textButton(0)->isHidden());
        f.box.setVisibleButton(f.choices[0], true);
        QVERIFY(!f.textButton(0)->isHidden());
    }

    void focusElsewhereHidesPopup()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* box = new UltraRadioBox;
        auto* choice = new QPushButton("a");
        box->addButton(choice, "A");
        box->setCurrentButton(choice);
        auto* first = new QLineEdit;
        auto* second = new QLineEdit;
        layout->addWidget(box);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QTest::mousePress(box, Qt::LeftButton);
        QVERIFY(box->popup()->isVisible());
        second->setFocus();
        QTRY_VERIFY(box->popup()->isHidden());
    }
};

TW_APP_TEST_MAIN(TestRadioBox)
#include "tst_radiobox.moc"

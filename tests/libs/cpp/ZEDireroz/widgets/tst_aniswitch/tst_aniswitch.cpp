// The animated switch and its check button: the built parts, the start state,
// one toggled() per change whichever way it is made, and calls before init.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/AniSwitch.h"
#include "ZEDireroz/widgets/CheckButton.h"

#include <QSignalSpy>
#include <QStateMachine>

using ZEDireroz::AniSwitch;
using ZEDireroz::CheckButton;

namespace {

bool machineRunning(AniSwitch& aniSwitch)
{
    auto* machine = aniSwitch.findChild<QStateMachine*>();
    return machine && machine->isRunning();
}

} // namespace

class TestAniSwitch : public QObject
{
    Q_OBJECT
private slots:
    void checkButtonReportsEveryChangeOnce()
    {
        CheckButton button;
        QVERIFY(button.isCheckable());
        QVERIFY(!button.isChecked());
        QSignalSpy on(&button, &CheckButton::onClicked);
        QSignalSpy off(&button, &CheckButton::offClicked);
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(on.count(), 1);
        button.setChecked(false);
        QCOMPARE(off.count(), 1);
        button.setChecked(false);
        QCOMPARE(off.count(), 1);
        QCOMPARE(on.count(), 1);
    }

    void builtParts_data()
    {
        QTest::addColumn<bool>("withIcon");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QSize>("handleSize");
        QTest::addColumn<int>("handleX");
        QTest::addColumn<int>("toggledAtStart");
        QTest::newRow("icon, on") << true << true << QSize(40, 20) << 40 << 1;
        QTest::newRow("no icon, off") << false << false << QSize(50, 20) << 0 << 0;
        QTest::newRow("no icon, on") << false << true << QSize(50, 20) << 50 << 1;
    }
    void builtParts()
    {
        QFETCH(bool, withIcon);
        QFETCH(bool, on);
        QFETCH(QSize, handleSize);
        QFETCH(int, handleX);
        QFETCH(int, toggledAtStart);
        AniSwitch aniSwitch;
        aniSwitch.resize(100, 20);
        QSignalSpy toggled(&aniSwitch, &AniSwitch::toggled);
        aniSwitch.init(withIcon, on);
        aniSwitch.show();
        QTRY_VERIFY(machineRunning(aniSwitch));
        QCOMPARE(aniSwitch.handle()->size(), handleSize);
        QCOMPARE(aniSwitch.handle()->objectName(), QString("AniSwitchHandler"));
        QCOMPARE(aniSwitch.handle()->parentWidget(), aniSwitch.area());
        QCOMPARE(aniSwitch.icon()->objectName(), QString("AniSwitchIcon"));
        QCOMPARE(aniSwitch.icon()->isHidden(), !withIcon);
        QTRY_COMPARE(aniSwitch.handle()->pos(), QPoint(handleX, 0));
        QCOMPARE(aniSwitch.isChecked(), on);
        QCOMPARE(toggled.count(), toggledAtStart);

        // A second init changes nothing.
        aniSwitch.resize(300, 60);
        aniSwitch.init(!withIcon, !on);
        QCOMPARE(aniSwitch.handle()->size(), handleSize);
        QCOMPARE(aniSwitch.isChecked(), on);
        QCOMPARE(aniSwitch.findChildren<QStateMachine*>().size(), 1);
    }

    void oneToggledPerChange_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("setOn") << "setOn";
        QTest::newRow("slotSetOn and slotSetOff") << "slots";
        QTest::newRow("icon click") << "icon";
        QTest::newRow("handle click") << "handle";
        QTest::newRow("area click") << "area";
    }
    void oneToggledPerChange()
    {
        QFETCH(QString, route);
        AniSwitch aniSwitch;
        aniSwitch.resize(100, 20);
        aniSwitch.init(true, false);
        aniSwitch.show();
        QVERIFY(QTest::qWaitForWindowExposed(&aniSwitch));
        QTRY_VERIFY(machineRunning(aniSwitch));
        QSignalSpy toggled(&aniSwitch, &AniSwitch::toggled);
        auto change = [&](bool on) {
            if (route == "setOn")
                aniSwitch.setOn(on);
            else if (route == "slots")
                on ? aniSwitch.slotSetOn() : aniSwitch.slotSetOff();
            else if (route == "icon")
                QTest::mouseClick(aniSwitch.icon(), Qt::LeftButton);
            else if (route == "handle")
                QTest::mouseClick(aniSwitch.handle(), Qt::LeftButton);
            else
                QTest::mouseClick(
                    aniSwitch.area()->findChild<QPushButton*>(on ? "AniSwitchOffArea" : "AniSwitchOnArea"),
                    Qt::LeftButton);
        };
        for (bool on : {true, false, true}) {
            int const before = toggled.count();
            change(on);
            // The handle slides over 400 ms to the side that shows the state.
            QTRY_COMPARE(aniSwitch.handle()->pos(), QPoint(on ? 40 : 0, 0));
            QCOMPARE(aniSwitch.isChecked(), on);
            QCOMPARE(toggled.count(), before + 1);
            QCOMPARE(toggled.last().first().toBool(), on);
        }
        // Asking for the state it is in emits nothing.
        aniSwitch.setOn(true);
        QCOMPARE(toggled.count(), 3);
    }

    void stateSetBeforeTheMachineStartsHolds_data()
    {
        QTest::addColumn<bool>("initOn");
        QTest::addColumn<QString>("calls"); // "1" setOn(true), "0" setOn(false), in order
        QTest::addColumn<bool>("expected");
        QTest::addColumn<QList<bool>>("toggles");
        QTest::newRow("off, then on") << false << "1" << true << QList<bool>{true};
        QTest::newRow("off, on, off") << false << "10" << false << QList<bool>{true, false};
        QTest::newRow("off, asked off") << false << "0" << false << QList<bool>{};
        // On from init, reported at once: switching off is a change.
        QTest::newRow("on, then off") << true << "0" << false << QList<bool>{true, false};
        QTest::newRow("on, off, on") << true << "01" << true << QList<bool>{true, false, true};
        QTest::newRow("on, asked on") << true << "1" << true << QList<bool>{true};
    }
    void stateSetBeforeTheMachineStartsHolds()
    {
        QFETCH(bool, initOn);
        QFETCH(QString, calls);
        QFETCH(bool, expected);
        QFETCH(QList<bool>, toggles);
        AniSwitch aniSwitch;
        aniSwitch.resize(100, 20);
        QSignalSpy toggled(&aniSwitch, &AniSwitch::toggled);
        aniSwitch.init(true, initOn);
        QVERIFY(!machineRunning(aniSwitch));
        // The state asked for is the state reported, before the event loop has run.
        QCOMPARE(aniSwitch.isChecked(), initOn);
        for (QChar call : calls)
            aniSwitch.setOn(call == '1');
        aniSwitch.show();
        QTRY_VERIFY(machineRunning(aniSwitch));
        QCOMPARE(aniSwitch.isChecked(), expected);
        QTRY_COMPARE(aniSwitch.handle()->pos(), QPoint(expected ? 40 : 0, 0));
        QList<bool> seen;
        for (const QList<QVariant>& signal : toggled)
            seen << signal.first().toBool();
        QCOMPARE(seen, toggles);
        // And the running switch goes on from there.
        aniSwitch.setOn(!expected);
        QTRY_COMPARE(aniSwitch.handle()->pos(), QPoint(expected ? 0 : 40, 0));
        QCOMPARE(toggled.count(), toggles.size() + 1);
    }

    void stateCallsBeforeInitAreIgnored()
    {
        AniSwitch aniSwitch;
        QSignalSpy toggled(&aniSwitch, &AniSwitch::toggled);
        aniSwitch.setOn(true);
        aniSwitch.slotSetOn();
        aniSwitch.slotSetOff();
        QVERIFY(!aniSwitch.isChecked());
        QVERIFY(!aniSwitch.isBuilt());
        QCOMPARE(toggled.count(), 0);
        aniSwitch.resize(100, 20);
        aniSwitch.init(true, true);
        QVERIFY(aniSwitch.isChecked());
    }
};

TW_APP_TEST_MAIN(TestAniSwitch)
#include "tst_aniswitch.moc"

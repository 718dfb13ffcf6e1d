// The mobile simulator hosts widgets inside its 5-pixel margin.
#include "ZEDireroz/frame/MobileSimulator.h"

#include <QHBoxLayout>
#include <QtTest>

using ZEDireroz::MobileSimulator;

class TestMobileSimulator : public QObject
{
    Q_OBJECT
private slots:
    void emptyFrame()
    {
        MobileSimulator simulator(nullptr);
        QCOMPARE(simulator.objectName(), QString("MobileSimulator"));
        QVERIFY(qobject_cast<QHBoxLayout*>(simulator.layout()));
        QCOMPARE(simulator.layout()->contentsMargins(), QMargins(5, 5, 5, 5));
        QCOMPARE(simulator.layout()->spacing(), 3);
        QCOMPARE(simulator.layout()->count(), 0);
        QVERIFY(!simulator.mainWidget());
    }

    void hostsWidgets()
    {
        MobileSimulator simulator(nullptr);
        auto* first = new QWidget;
        auto* second = new QWidget;
        simulator.setMainWidget(first);
        QCOMPARE(first->parentWidget(), static_cast<QWidget*>(&simulator));
        simulator.setMainWidget(second);
        QCOMPARE(simulator.mainWidget(), second);
        simulator.resize(200, 100);
        simulator.show();
        QVERIFY(QTest::qWaitForWindowExposed(&simulator));
        // Side by side, inside the margin.
        QCOMPARE(first->geometry().topLeft(), QPoint(5 + simulator.frameWidth(), 5 + simulator.frameWidth()));
        QCOMPARE(second->x(), first->geometry().right() + 1 + 3);
        QCOMPARE(second->y(), first->y());
        delete second; // a hosted widget that goes is forgotten
        QVERIFY(!simulator.mainWidget());
    }
};

QTEST_MAIN(TestMobileSimulator)
#include "tst_mobilesimulator.moc"

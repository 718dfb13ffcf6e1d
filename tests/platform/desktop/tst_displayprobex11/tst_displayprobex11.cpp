// The display check against a real X server (the test's own virtual display):
// a reachable display must never be taken for a missing one.
#include "platform/desktop/DisplayProbe.h"

#include <QtTest>

class TestDisplayProbeX11 : public QObject
{
    Q_OBJECT
private slots:
    void reachableDisplayIsAvailable()
    {
        QString const display = qEnvironmentVariable("DISPLAY");
        QVERIFY2(!display.isEmpty(), "the test runs on its own X display");
        QVERIFY(DisplayProbe::connectX11(display));
        char arg0[] = "tickwren";
        char* argv[] = {arg0, nullptr};
        QCOMPARE(DisplayProbe::check(DisplayProbe::fromProcess(1, argv)), DisplayProbe::Result::Available);
    }
};

QTEST_GUILESS_MAIN(TestDisplayProbeX11)
#include "tst_displayprobex11.moc"

// The progress box through sequences of progress values and Stop presses: which
// side shows, what progress() reports, and how long a Stop holds.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/ComboProgress.h"

#include <QLabel>
#include <QProgressBar>

using ZEDireroz::ComboProgress;

namespace {

// "label", "bar", then the progress and "stopped" or "running", e.g. "bar 50 running".
QString state(ComboProgress& box)
{
    auto* bar = box.findChild<QProgressBar*>();
    auto* stop = box.findChild<QPushButton*>("ComboProgressStop");
    bool const labelShown = !box.label()->isHidden();
    if (labelShown == !bar->isHidden() || bar->isHidden() != stop->isHidden())
        return "mixed";
    return QString("%1 %2 %3")
        .arg(labelShown ? "label" : "bar")
        .arg(box.progress())
        .arg(box.isStopped() ? "stopped" : "running");
}

} // namespace

class TestComboProgress : public QObject
{
    Q_OBJECT
private slots:
    void sequences_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        // The end shows the label and leaves the bar at its last value.
        QTest::newRow("a run to the end")
            << QStringList{"0", "50", "100"} << QStringList{"bar 0 running", "bar 50 running", "label 50 running"};
        QTest::newRow("beyond the end") << QStringList{"30", "250"}
                                        << QStringList{"bar 30 running", "label 30 running"};
        QTest::newRow("Stop holds for the rest of the run")
            << QStringList{"20", "stop", "20", "60", "100", "10"}
            << QStringList{"bar 20 running",   "label 20 stopped", "label 20 stopped",
                           "label 60 stopped", "label 60 stopped", "bar 10 running"};
        QTest::newRow("a run started afresh forgets Stop")
            << QStringList{"40", "stop", "0", "5"}
            << QStringList{"bar 40 running", "label 40 stopped", "bar 0 running", "bar 5 running"};
        // Progress that falls belongs to a new run, whatever it starts at.
        QTest::newRow("a lower value begins a new run")
            << QStringList{"30", "stop", "10", "20"}
            << QStringList{"bar 30 running", "label 30 stopped", "bar 10 running", "bar 20 running"};
        QTest::newRow("Stop after the end") << QStringList{"10", "100", "stop"}
                                            << QStringList{"bar 10 running", "label 10 running", "label 10 stopped"};
    }
    void sequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        ComboProgress box;
        box.show();
        QVERIFY(state(box).startsWith("label "));
        QVERIFY(!box.isStopped());
        auto* stop = box.findChild<QPushButton*>("ComboProgressStop");
        QVERIFY(stop);
        QCOMPARE(stop->toolTip(), QString("Stop"));
        for (int i = 0; i < steps.size(); ++i) {
            if (steps[i] == "stop") {
                if (stop->isVisible())
                    QTest::mouseClick(stop, Qt::LeftButton);
                else
                    box.slotStopPressed();
            } else {
                box.slotSetProgress(steps[i].toInt());
            }
            QCOMPARE(state(box), expected[i]);
        }
    }

    void progressBeforeTheFirstShowShowsTheBar()
    {
        ComboProgress box;
        box.slotSetProgress(30);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(box.findChild<QProgressBar*>()->isVisible());
        QVERIFY(!box.label()->isVisible());
        QCOMPARE(box.progress(), 30);
    }

    void labelModeByHand()
    {
        ComboProgress box;
        box.setLabelMode(false);
        QCOMPARE(state(box).section(' ', 0, 0), QString("bar"));
        box.setLabelMode(true);
        QCOMPARE(state(box).section(' ', 0, 0), QString("label"));
    }
};

TW_APP_TEST_MAIN(TestComboProgress)
#include "tst_comboprogress.moc"

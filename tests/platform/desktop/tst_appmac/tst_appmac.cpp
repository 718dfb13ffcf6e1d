// The dock hook: a request to re-activate the running application while none
// of its windows is on screen becomes dockClicked().
#include "platform/desktop/App_mac.h"

#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

class TestAppMac : public QObject
{
    Q_OBJECT
private slots:
    void singleInstance()
    {
        QVERIFY(App_mac::instance() != nullptr);
        QCOMPARE(App_mac::instance(), App_mac::instance());
        QSignalSpy spy(App_mac::instance(), &App_mac::dockClicked);
        App_mac::instance()->emitClick();
        QCOMPARE(spy.count(), 1);
    }

    void reactivation_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("window"); // none, shown, hidden, minimized
        QTest::addColumn<bool>("clicked");
        QTest::newRow("active, no window") << int(Qt::ApplicationActive) << "none" << true;
        QTest::newRow("active, window hidden") << int(Qt::ApplicationActive) << "hidden" << true;
        QTest::newRow("active, window minimised") << int(Qt::ApplicationActive) << "minimized" << true;
        QTest::newRow("active, window shown") << int(Qt::ApplicationActive) << "shown" << false;
        QTest::newRow("inactive, no window") << int(Qt::ApplicationInactive) << "none" << false;
        QTest::newRow("hidden state, no window") << int(Qt::ApplicationHidden) << "none" << false;
    }
    void reactivation()
    {
        QFETCH(int, state);
        QFETCH(QString, window);
        QFETCH(bool, clicked);
        QWidget widget;
        if (window == QLatin1String("shown")) {
            widget.show();
            QVERIFY(QTest::qWaitForWindowExposed(&widget));
        } else if (window == QLatin1String("minimized")) {
            widget.showMinimized();
        } else if (window == QLatin1String("hidden")) {
            widget.show();
            widget.hide();
        }
        QSignalSpy spy(App_mac::instance(), &App_mac::dockClicked);
        App_mac::instance()->handleApplicationStateChanged(Qt::ApplicationState(state));
        QCOMPARE(spy.count(), clicked ? 1 : 0);
    }

    void followsTheApplicationState()
    {
        // The hook listens to the application's own state signal.
        QSignalSpy spy(App_mac::instance(), &App_mac::dockClicked);
        emit qApp->applicationStateChanged(Qt::ApplicationActive);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestAppMac)
#include "tst_appmac.moc"

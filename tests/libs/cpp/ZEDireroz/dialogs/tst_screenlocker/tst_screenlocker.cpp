// The screen locker on a real X display: it takes the keyboard and the mouse,
// takes them back when they are lost, keeps its window steady while locked,
// and lets go when the lock ends.
#include "FakeInput.h"
#include "ZEDireroz/dialogs/ScreenLocker.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

using ZEDireroz::ScreenLocker;

namespace {

// Counts the events that show a window being shown, hidden or re-created.
class WindowChurn : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide || event->type() == QEvent::WinIdChange)
            ++count;
        return false;
    }
};

// Counts the key and mouse presses that reach the widgets of one window, so that
// a test knows its input has arrived before it looks where it went.
class InputArrivals : public QObject
{
public:
    explicit InputArrivals(QWidget* window)
        : m_window(window)
    {
        qApp->installEventFilter(this);
    }
    ~InputArrivals() override { qApp->removeEventFilter(this); }

    int keys = 0;
    int clicks = 0;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->window() == m_window) {
            if (event->type() == QEvent::KeyPress)
                ++keys;
            else if (event->type() == QEvent::MouseButtonPress)
                ++clicks;
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

class TestScreenLocker : public QObject
{
    Q_OBJECT

    QWidget* m_pOther = nullptr;
    QLineEdit* m_pEdit = nullptr;

    // Puts the keyboard focus into the other window's line edit.
    void focusEdit()
    {
        m_pOther->activateWindow();
        QTRY_VERIFY(m_pOther->isActiveWindow());
        m_pEdit->setFocus();
    }

    void waitUntilLocked(ScreenLocker& locker)
    {
        QTRY_VERIFY(locker.isVisible());
        QTRY_VERIFY(locker.isActiveWindow());
        QTRY_COMPARE(QWidget::keyboardGrabber(), static_cast<QWidget*>(locker.unlockButton()));
        QTRY_COMPARE(QWidget::mouseGrabber(), static_cast<QWidget*>(locker.unlockButton()));
        // The X server's grab has taken effect once a key reaches the locker.
        InputArrivals probe(&locker);
        FakeInput::keys("Shift_L");
        QTRY_VERIFY(probe.keys > 0);
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X display");
        QVERIFY(FakeInput::open());
    }
    void cleanupTestCase() { FakeInput::close(); }

    void init()
    {
        m_pOther = new QWidget;
        m_pEdit = new QLineEdit;
        auto* layout = new QVBoxLayout(m_pOther);
        layout->addWidget(m_pEdit);
        m_pOther->setGeometry(100, 100, 300, 100);
        m_pOther->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pOther));
        focusEdit();
        // The fake keyboard reaches the application at all.
        FakeInput::keys("a");
        QTRY_COMPARE(m_pEdit->text(), QString("a"));
    }
    void cleanup()
    {
        delete m_pOther;
        m_pOther = nullptr;
    }

    void keepsInputOnUnlockButtonAndLetsGo()
    {
        ScreenLocker locker(nullptr);
        locker.showUnlockButton();
        QSignalSpy unlocked(&locker, &ScreenLocker::unlocked);
        waitUntilLocked(locker);
        QVERIFY(locker.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(locker.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(locker.windowState() & Qt::WindowFullScreen);

        // Typing while locked does not reach the other window: the keys go to the locker.
        InputArrivals arrivals(&locker);
        FakeInput::keys("b");
        QTRY_VERIFY(arrivals.keys > 0);
        QCOMPARE(m_pEdit->text(), QString("a"));
        // Nor does a click on it.
        FakeInput::click(m_pOther->mapToGlobal(m_pEdit->geometry().center()));
        QTRY_VERIFY(arrivals.clicks > 0);
        QCOMPARE(unlocked.count(), 0);
        QVERIFY(locker.isLocked());

        // The window stays as it is while nothing disturbs it.
        WindowChurn churn;
        locker.installEventFilter(&churn);
        WId const id = locker.winId();
        // A time with nothing in it: no event tells that nothing has happened.
        QTest::qWait(300);
        QCOMPARE(churn.count, 0);
        QCOMPARE(locker.winId(), id);

        // Unlock: one click, one signal, and the input is free again.
        QPushButton* button = locker.unlockButton();
        FakeInput::click(button->mapToGlobal(button->rect().center()));
        QTRY_COMPARE(unlocked.count(), 1);
        QVERIFY(!locker.isLocked());
        QTRY_VERIFY(!locker.isVisible());
        QVERIFY(!QWidget::keyboardGrabber());
        QVERIFY(!QWidget::mouseGrabber());
        // No re-lock: the check that takes the input back has stopped.
        auto* check = locker.findChild<QTimer*>();
        QVERIFY(check && !check->isActive());
        QVERIFY(!locker.isVisible());
        focusEdit();
        FakeInput::keys("c");
        QTRY_COMPARE(m_pEdit->text(), QString("ac"));
    }

    void takesBackWhatIsLost()
    {
        ScreenLocker locker(nullptr);
        waitUntilLocked(locker);
        // Another widget takes the keyboard and the mouse.
        m_pEdit->grabKeyboard();
        m_pEdit->grabMouse();
        QTRY_COMPARE(QWidget::keyboardGrabber(), static_cast<QWidget*>(locker.unlockButton()));
        QTRY_COMPARE(QWidget::mouseGrabber(), static_cast<QWidget*>(locker.unlockButton()));
        // Hidden, it comes back.
        locker.hide();
        QTRY_VERIFY(locker.isVisible());
        waitUntilLocked(locker);
        InputArrivals arrivals(&locker);
        FakeInput::keys("d");
        QTRY_VERIFY(arrivals.keys > 0);
        QCOMPARE(m_pEdit->text(), QString("a"));
    }

    void shortcutIsTheWayOutWithoutButton()
    {
        ScreenLocker locker(nullptr);
        locker.setUnlockShortcut(QKeySequence("Ctrl+Alt+U"));
        QSignalSpy unlocked(&locker, &ScreenLocker::unlocked);
        waitUntilLocked(locker);
        QVERIFY(!locker.unlockButton()->isVisible());
        // The hidden button cannot be pressed with the keys that press buttons.
        InputArrivals arrivals(&locker);
        FakeInput::keys("space");
        FakeInput::keys("Return");
        FakeInput::keys("u");
        QTRY_VERIFY(arrivals.keys >= 3);
        QCOMPARE(unlocked.count(), 0);
        QVERIFY(locker.isVisible());
        FakeInput::keys("Control_L+Alt_L+u");
        QTRY_COMPARE(unlocked.count(), 1);
        QTRY_VERIFY(!locker.isVisible());
        QVERIFY(!QWidget::keyboardGrabber());
        QCOMPARE(m_pEdit->text(), QString("a"));

        // The owner can lock again.
        locker.slotLock();
        waitUntilLocked(locker);
        FakeInput::keys("Control_L+Alt_L+u");
        QTRY_COMPARE(unlocked.count(), 2);
    }

    void destroyingReleases()
    {
        auto* locker = new ScreenLocker(nullptr);
        waitUntilLocked(*locker);
        delete locker;
        QVERIFY(!QWidget::keyboardGrabber());
        QVERIFY(!QWidget::mouseGrabber());
        focusEdit();
        FakeInput::keys("e");
        QTRY_COMPARE(m_pEdit->text(), QString("ae"));
    }
};

QTEST_MAIN(TestScreenLocker)
#include "tst_screenlocker.moc"

// The screen guard hides its content when the application loses its active
// window or a key is pressed in it.
#include "ZEDireroz/dialogs/ScreenGuard.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using ZEDireroz::NoScreenShotWidget;

class TestScreenGuard : public QObject
{
    Q_OBJECT
private slots:
    void setVisibleChildrenReachesAllLevels()
    {
        QWidget top;
        auto* child = new QWidget(&top);
        auto* grandchild = new QWidget(child);
        top.show();
        ZEDireroz::setVisibleChildren(&top, false);
        QVERIFY(top.isVisible());
        QVERIFY(child->isHidden());
        QVERIFY(grandchild->isHidden());
        ZEDireroz::setVisibleChildren(&top, true);
        QVERIFY(child->isVisible());
        QVERIFY(grandchild->isVisible());
    }

    void defaultText_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << "<H1><CENTER>No!</CENTER></H1>";
        QTest::newRow("own") << "Hidden"
                             << "Hidden";
    }
    void defaultText()
    {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        NoScreenShotWidget guard(given, nullptr);
        QCOMPARE(guard.text(), expected);
        NoScreenShotWidget plain(nullptr);
        QCOMPARE(plain.text(), QString("<H1><CENTER>No!</CENTER></H1>"));
    }

    void keyPressIsConsumedAndHidesContent()
    {
        NoScreenShotWidget guard(nullptr);
        auto* layout = new QVBoxLayout(&guard);
        auto* edit = new QLineEdit;
        auto* other = new QWidget;
        layout->addWidget(edit);
        layout->addWidget(other);
        guard.installFilters();
        guard.show();
        QVERIFY(edit->isVisible());
        QTest::keyClick(edit, Qt::Key_A);
        QVERIFY(edit->text().isEmpty());
        QVERIFY(edit->isHidden());
        QVERIFY(other->isHidden());
        QVERIFY(guard.isVisible());
    }

    void contentFollowsActiveWindow()
    {
        NoScreenShotWidget guard(nullptr);
        auto* layout = new QVBoxLayout(&guard);
        auto* content = new QWidget;
        layout->addWidget(content);
        guard.show();
        QVERIFY(QTest::qWaitForWindowActive(&guard));
        QApplication::setActiveWindow(nullptr); // the user switched to another program
        QVERIFY(!QApplication::activeWindow());
        guard.slotFocusChanged(nullptr, nullptr);
        QVERIFY(content->isHidden());
        QApplication::setActiveWindow(&guard);
        QVERIFY(QApplication::activeWindow());
        guard.slotFocusChanged(nullptr, nullptr);
        QVERIFY(content->isVisible());
    }
};

QTEST_MAIN(TestScreenGuard)
#include "tst_screenguard.moc"

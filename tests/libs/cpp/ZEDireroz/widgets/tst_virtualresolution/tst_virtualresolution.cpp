// Virtual resolution: the dialog's slider, mode and Apply; the hosting widget's
// size slots; and the hybrid widget entering and leaving virtual mode.
#include "TestSupport/ModalDriver.h"
#include "ZEDireroz/widgets/HybridWidget.h"
#include "ZEDireroz/widgets/VirtualResolution.h"

#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>

using ZEDireroz::HybridWidget;
using ZEDireroz::ResolutionSetupWidget;
using ZEDireroz::VirtualResolutionDialog;
using ZEDireroz::VirtualResolutionSingleton;
using ZEDireroz::VirtualResolutionWidget;

class TestVirtualResolution : public QObject
{
    Q_OBJECT
private slots:
    void dialogSliderAndApply_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("first") << 0 << QSize(1024, 768);
        QTest::newRow("eighth") << 7 << QSize(1920, 1200);
        QTest::newRow("ninth") << 8 << QSize(1980, 1250);
        QTest::newRow("eleventh") << 10 << QSize(2650, 1600);
        QTest::newRow("last") << 13 << QSize(5300, 3200);
    }
    void dialogSliderAndApply()
    {
        QFETCH(int, position);
        QFETCH(QSize, expected);
        VirtualResolutionDialog dialog;
        QCOMPARE(dialog.virtualResolution(), QSize(1024, 768));
        QCOMPARE(dialog.mode(), VirtualResolutionDialog::VirtualResolutionMode);
        auto* slider = dialog.resolutionSetup()->findChild<QSlider*>();
        QCOMPARE(slider->maximum(), 13);
        QSignalSpy changed(&dialog, &VirtualResolutionDialog::virtualResolutionChanged);
        QSignalSpy applied(&dialog, &VirtualResolutionDialog::changeVirtualResolution);
        QSignalSpy settings(&dialog, &VirtualResolutionDialog::changeSettings);
        dialog.resolutionSetup()->slotValueChanged(position);
        QCOMPARE(dialog.virtualResolution(), expected);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toSize(), expected);
        QTest::mouseClick(ModalDriver::buttonWithText(&dialog, "&Apply"), Qt::LeftButton);
        QCOMPARE(applied.count(), 1);
        QCOMPARE(applied.first().first().toSize(), expected);
        QCOMPARE(settings.count(), 1);
    }

    void dialogModes()
    {
        VirtualResolutionDialog dialog;
        dialog.show();
        QComboBox* modes = dialog.modeBox();
        QCOMPARE(modes->itemText(0), QString("Virtual Resolution Mode"));
        QCOMPARE(modes->itemText(1), QString("Normal Mode"));
        modes->setCurrentIndex(1);
        emit modes->activated(1);
        QCOMPARE(dialog.mode(), VirtualResolutionDialog::NormalMode);
        QVERIFY(!dialog.resolutionSetup()->isEnabled());
        modes->setCurrentIndex(0);
        emit modes->activated(0);
        QVERIFY(dialog.resolutionSetup()->isEnabled());
        QVERIFY(!dialog.findChild<QLabel*>()->pixmap(Qt::ReturnByValue).isNull());
    }

    void typedWidthIsRaisedToTheRange()
    {
        ResolutionSetupWidget setup;
        setup.addResolution(800, 600);
        auto* width = setup.findChildren<QSpinBox*>().first();
        width->setValue(50);
        QCOMPARE(setup.resolution(), QSize(100, 600));
    }

    void sizeSlotsBeforeTheWidget()
    {
        VirtualResolutionWidget host;
        host.slotSetWidth(640);
        host.slotSetHeight(480);
        host.slotSetSize(QSize(800, 600));
        auto* content = new QWidget;
        host.setWidget(content);
        QCOMPARE(host.widget(), content);
        QCOMPARE(content->size(), QSize(800, 600));
        host.slotSetWidth(1000);
        QCOMPARE(content->size(), QSize(1000, 600));
        QCOMPARE(host.virtualSize(), QSize(1000, 600));
    }

    void wholeSurfaceStretchedOverTheView()
    {
        VirtualResolutionWidget host;
        host.setWidget(new QLabel("content"));
        host.slotSetSize(QSize(800, 600));
        host.setFixedSize(200, 150);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QWidget* viewport = host.view()->viewport();
        // The virtual surface's corners land on the viewport's corners (fitInView keeps a small margin).
        QTRY_VERIFY(qAbs(host.view()->mapFromScene(QPointF(800, 600)).x() - viewport->width()) <= 4);
        QRect const shown = host.view()->mapFromScene(QRectF(0, 0, 800, 600)).boundingRect();
        QVERIFY2(qAbs(shown.left()) <= 4 && qAbs(shown.top()) <= 4,
                 qPrintable(QString("%1,%2").arg(shown.left()).arg(shown.top())));
        QVERIFY(qAbs(shown.bottom() - viewport->height()) <= 4);
        QVERIFY(viewport->width() >= 190);
    }

    void singletonIsShared()
    {
        VirtualResolutionWidget* shared = VirtualResolutionSingleton::instance();
        QVERIFY(shared);
        QCOMPARE(VirtualResolutionSingleton::instance(), shared);
    }

    void enteringAndLeavingRestoresTheWindow_data()
    {
        QTest::addColumn<bool>("dialogShown");
        QTest::addColumn<QSize>("virtualSize");
        QTest::newRow("before the dialog") << false << QSize(1280, 800);
        QTest::newRow("after the dialog") << true << QSize(1024, 768);
    }
    void enteringAndLeavingRestoresTheWindow()
    {
        QFETCH(bool, dialogShown);
        QFETCH(QSize, virtualSize);
        HybridWidget hybrid;
        hybrid.setWidget(new QLabel("content"));
        hybrid.setWindowCaption("Page");
        hybrid.resize(300, 200);
        hybrid.show();
        if (dialogShown) {
            hybrid.slotShowSettingsDialog();
            QVERIFY(hybrid.settingsDialog()->isVisible());
        }
        hybrid.slotSetVirtualResolutionMode(true);
        QVERIFY(hybrid.isInVirtualMode());
        QCOMPARE(hybrid.viewWidget()->windowTitle(), QString("Page"));
        QVERIFY(hybrid.viewWidget()->isVisible());
        QWidget* container = hybrid.viewWidget()->widget();
        QCOMPARE(hybrid.parentWidget(), container);
        QCOMPARE(container->size(), virtualSize);
        QCOMPARE(hybrid.geometry(), QRect(QPoint(0, 0), virtualSize));

        // A second call changes nothing.
        hybrid.slotSetVirtualResolutionMode(true);
        QCOMPARE(hybrid.parentWidget(), container);

        hybrid.slotSetSize(QSize(1600, 1200));
        QCOMPARE(hybrid.geometry(), QRect(0, 0, 1600, 1200));

        hybrid.slotSetVirtualResolutionMode(false);
        QVERIFY(!hybrid.isInVirtualMode());
        QCOMPARE(hybrid.parentWidget(), static_cast<QWidget*>(nullptr));
        QVERIFY(hybrid.isWindow());
        QVERIFY(hybrid.isVisible());
        QVERIFY(!hybrid.viewWidget()->isVisible());
        QCOMPARE(hybrid.size(), QSize(300, 200));
        QTRY_COMPARE(hybrid.pos(), QPoint(50, 50));
    }

    void embeddedHybridGoesBackToItsParent()
    {
        QWidget page;
        page.resize(500, 400);
        auto* hybrid = new HybridWidget(&page);
        hybrid->setGeometry(20, 30, 200, 100);
        page.show();
        hybrid->slotSetVirtualResolutionMode(true);
        QVERIFY(hybrid->parentWidget() != &page);
        hybrid->slotSetVirtualResolutionMode(false);
        QCOMPARE(hybrid->parentWidget(), &page);
        QCOMPARE(hybrid->geometry(), QRect(20, 30, 200, 100));
        QVERIFY(hybrid->isVisible());
    }

    void normalModeChosenInNormalModeChangesNothing()
    {
        HybridWidget hybrid;
        hybrid.resize(300, 200);
        hybrid.show();
        hybrid.slotSetMode(VirtualResolutionDialog::NormalMode);
        QVERIFY(!hybrid.isInVirtualMode());
        QVERIFY(hybrid.isWindow());
        // The same through the dialog's Apply.
        hybrid.slotShowSettingsDialog();
        hybrid.settingsDialog()->modeBox()->setCurrentIndex(1);
        hybrid.settingsDialog()->slotApply();
        QVERIFY(!hybrid.isInVirtualMode());
        // Choosing virtual mode and applying enters it; normal leaves it again.
        hybrid.settingsDialog()->modeBox()->setCurrentIndex(0);
        hybrid.settingsDialog()->slotApply();
        QVERIFY(hybrid.isInVirtualMode());
        hybrid.slotSetMode(VirtualResolutionDialog::NormalMode);
        QVERIFY(!hybrid.isInVirtualMode());
        QVERIFY(hybrid.isWindow());
    }

    void sizeInNormalModeDoesNothing()
    {
        HybridWidget hybrid;
        hybrid.resize(300, 200);
        hybrid.slotSetSize(QSize(1600, 1200));
        QCOMPARE(hybrid.size(), QSize(300, 200));
        QCOMPARE(hybrid.viewWidget()->virtualSize(), QSize(-1, -1));
    }

    void destroyedInVirtualMode()
    {
        auto* hybrid = new HybridWidget;
        QPointer<QLabel> content = new QLabel("content");
        hybrid->setWidget(content);
        hybrid->resize(300, 200);
        hybrid->show();
        hybrid->slotSetVirtualResolutionMode(true);
        QPointer<VirtualResolutionWidget> view = hybrid->viewWidget();
        // Each object goes exactly once (the sanitizer reports a second delete).
        delete hybrid;
        QVERIFY(content.isNull());
        QVERIFY(view.isNull());
    }
};

TW_APP_TEST_MAIN(TestVirtualResolution)
#include "tst_virtualresolution.moc"

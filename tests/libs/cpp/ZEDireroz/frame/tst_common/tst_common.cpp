// Style helpers: object names and tool tips, button looks, and the
// translucency of menus and chart dialogs.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"

#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::Common;

// A window keeps its opacity in whole steps of 1/255, rounded down.
static constexpr qreal kOpacityStep = 1.5 / 255.0;

class TestCommon : public QObject
{
    Q_OBJECT
private slots:
    void extend_data()
    {
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("expectedToolTip");
        QTest::newRow("new tool tip") << "Start"
                                      << "Start";
        QTest::newRow("empty keeps the earlier one") << ""
                                                     << "earlier";
    }
    void extend()
    {
        QFETCH(QString, toolTip);
        QFETCH(QString, expectedToolTip);
        QPushButton button;
        button.setToolTip("earlier");
        Common::extend(&button, "StartButton", toolTip);
        QCOMPARE(button.objectName(), QStringLiteral("StartButton"));
        QCOMPARE(button.toolTip(), expectedToolTip);
    }

    void buttonDetails()
    {
        QPushButton push("OK");
        Common::applyPushButtonDetails(&push);
        QCOMPARE(push.objectName(), QStringLiteral("PushButton"));
        QVERIFY(push.isFlat());
        QCOMPARE(push.minimumHeight(), 32);

        QPushButton tool("x");
        tool.setObjectName("Keep");
        Common::applyToolButtonDetails(&tool);
        QCOMPARE(tool.objectName(), QStringLiteral("Keep"));
        QCOMPARE(tool.text(), QStringLiteral("x"));
        QVERIFY(tool.isFlat());
        QCOMPARE(tool.minimumSize(), QSize(32, 32));
        QCOMPARE(tool.maximumSize(), QSize(32, 32));
    }

    void opacityRule_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<qreal>("opacity");
        QTest::newRow("default 35") << 35 << 0.95;
        QTest::newRow("50") << 50 << 0.8;
        QTest::newRow("30 is opaque") << 30 << 1.0;
        QTest::newRow("not a number reads 0: opaque, not more") << 0 << 1.0;
        QTest::newRow("negative") << -50 << 1.0;
        QTest::newRow("100 is the faintest") << 100 << Common::kMinimumOpacity;
        QTest::newRow("130 stays visible") << 130 << Common::kMinimumOpacity;
        QTest::newRow("1000 stays visible") << 1000 << Common::kMinimumOpacity;
    }
    void opacityRule()
    {
        QFETCH(int, value);
        QFETCH(qreal, opacity);
        QCOMPARE(Common::opacityFromSetting(value), opacity);
    }

    // A window keeps its opacity in steps of 1/255, rounded down: the rule must
    // land on the step it names, not one below.
    void opacitySteps_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("alpha");
        QTest::newRow("30 is opaque") << 30 << 255;
        QTest::newRow("50") << 50 << 204;
        QTest::newRow("35") << 35 << 242;
        QTest::newRow("100") << 100 << 76;
    }
    void opacitySteps()
    {
        QFETCH(int, value);
        QFETCH(int, alpha);
        QDialog dialog;
        dialog.setWindowOpacity(Common::opacityFromSetting(value));
        QCOMPARE(qRound(dialog.windowOpacity() * 255), alpha);
    }

    void menuOpacity_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid = nothing stored
        QTest::addColumn<qreal>("opacity");
        QTest::newRow("nothing stored") << QVariant() << 0.95;
        QTest::newRow("130") << QVariant(130) << Common::kMinimumOpacity;
        QTest::newRow("not a number") << QVariant("abc") << 1.0;
    }
    void menuOpacity()
    {
        QFETCH(QVariant, stored);
        QFETCH(qreal, opacity);
        QString const key = QStringLiteral("TransparencyParameters/ContextMenus");
        if (stored.isValid())
            App::theApp()->setSettingsValue(key, stored);
        else
            App::theApp()->settings()->remove(QStringLiteral("TickwrenTrial/") + key);
        QMenu menu;
        QMenu* sub = menu.addMenu("More");
        QMenu* subSub = sub->addMenu("Even more");
        Common::setMenuOpacity(&menu);
        for (QMenu* m : {&menu, sub, subSub})
            QVERIFY2(qAbs(m->windowOpacity() - opacity) <= kOpacityStep,
                     qPrintable(QString::number(m->windowOpacity())));
        App::theApp()->settings()->remove(QStringLiteral("TickwrenTrial/") + key);
    }

    void chartDialogOpacity()
    {
        App::theApp()->setSettingsValue("TransparencyParameters/ChartDialogs", 50);
        QDialog dialog;
        QMenu menu;
        Common::setChartDialogOpacity(&dialog);
        QVERIFY2(qAbs(dialog.windowOpacity() - 0.8) <= kOpacityStep,
                 qPrintable(QString::number(dialog.windowOpacity())));
        // The context-menu setting is separate.
        Common::setMenuOpacity(&menu);
        QVERIFY(qAbs(menu.windowOpacity() - 0.95) <= kOpacityStep);
    }

    void deviceSize_data()
    {
        QTest::addColumn<QSize>("points");
        QTest::addColumn<qreal>("factor");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("factor 2") << QSize(1440, 900) << 2.0 << QSize(2880, 1800);
        QTest::newRow("factor 1") << QSize(1440, 900) << 1.0 << QSize(1440, 900);
        QTest::newRow("fraction truncated") << QSize(1001, 667) << 1.5 << QSize(1501, 1000);
    }
    void deviceSize()
    {
        QFETCH(QSize, points);
        QFETCH(qreal, factor);
        QFETCH(QSize, pixels);
        QCOMPARE(Common::deviceSize(points, factor, factor), pixels);
    }

    void grabScreen()
    {
        // The offscreen platform pictures the screen through the window covering it.
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setStyleSheet("background: rgb(200, 30, 40)");
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPixmap const picture = Common::grabScreen();
        QSize const screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(picture.size(), screen); // the offscreen screen reports factor 1
        QImage const image = picture.toImage();
        QCOMPARE(QColor(image.pixel(screen.width() / 2, screen.height() / 2)), QColor(200, 30, 40));
    }
};

int main(int argc, char** argv)
{
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestCommon test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_common.moc"

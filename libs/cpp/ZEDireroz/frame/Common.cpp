#include "ZEDireroz/frame/Common.h"

#include "ZEDireroz/frame/App.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace ZEDireroz {

namespace {

qreal opacityFromKey(QString const& key)
{
    int value = 35;
    if (App* app = App::theApp())
        value = app->settingsValue(key, 35).toInt();
    return Common::opacityFromSetting(value);
}

} // namespace

void Common::extend(QWidget* widget, QString const& objectName, QString const& toolTip)
{
    widget->setObjectName(objectName);
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
}

qreal Common::opacityFromSetting(int value)
{
    // In double precision: in single precision 30 gave 254/255 instead of opaque
    // and 50 gave 203/255 instead of 204/255 once the window stored it in steps.
    qreal const opacity = 1.3 - value / 100.0;
    // A large stored value would make every menu invisible (and a window with
    // opacity 0 still takes the clicks); a small one asks for more than opaque.
    return qBound(kMinimumOpacity, opacity, 1.0);
}

void Common::setMenuOpacity(QMenu* menu)
{
    qreal const opacity = opacityFromKey(QStringLiteral("TransparencyParameters/ContextMenus"));
    menu->setWindowOpacity(opacity);
    for (QMenu* sub : menu->findChildren<QMenu*>())
        sub->setWindowOpacity(opacity);
}

void Common::setChartDialogOpacity(QWidget* widget)
{
    widget->setWindowOpacity(opacityFromKey(QStringLiteral("TransparencyParameters/ChartDialogs")));
}

void Common::applyPushButtonDetails(QPushButton* button)
{
    button->setObjectName(QStringLiteral("PushButton"));
    button->setFlat(true);
    button->setMinimumHeight(32);
}

void Common::applyToolButtonDetails(QPushButton* button)
{
    button->setFlat(true);
    button->setFixedSize(32, 32);
}

bool Common::isPocketDevice()
{
    App const* app = App::theApp();
    return app && app->isPocketDevice();
}

void Common::zeroMargins(QLayout* layout, int spacing)
{
    layout->setContentsMargins(0, 0, 0, 0);
    if (spacing >= 0)
        layout->setSpacing(spacing);
}

QSize Common::deviceSize(QSize const& size, qreal widthFactor, qreal heightFactor)
{
    return QSize(static_cast<int>(size.width() * widthFactor), static_cast<int>(size.height() * heightFactor));
}

QPixmap Common::grabScreen()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPixmap();
    QRect const geometry = screen->geometry();
    // The screen takes the rectangle in its own (scaled) units and grabs it
    // in device pixels, so the picture comes at the screen's native size;
    // scaling the size here as well would grab an area twice as large.
    // Window 0 is the whole desktop.
    return screen->grabWindow(0, geometry.x(), geometry.y(), geometry.width(), geometry.height());
}

} // namespace ZEDireroz

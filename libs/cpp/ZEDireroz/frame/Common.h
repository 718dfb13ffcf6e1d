#pragma once
// Widget conventions shared by every dialog and widget of the libraries: object
// names for the style sheet, the dialog push-button look, flat square tool
// buttons, the translucency of menus and chart dialogs, the pocket-screen test
// and layouts without margins.

#include <QPixmap>
#include <QSize>
#include <QString>

class QLayout;
class QMenu;
class QPushButton;
class QWidget;

namespace ZEDireroz {

class Common
{
public:
    Common() = delete;

    static void extend(QWidget* widget, QString const& objectName, QString const& toolTip = QString());
    static void setMenuOpacity(QMenu* menu);
    static void setChartDialogOpacity(QWidget* widget);
    static void applyPushButtonDetails(QPushButton* button);
    static void applyToolButtonDetails(QPushButton* button);

    // Whether the program runs on a pocket screen (App::isPocketDevice()); false
    // where there is no application object, as in a program without the frame's.
    static bool isPocketDevice();
    // Takes the margins off a layout nested in another, and sets the space
    // between its items unless spacing is negative (the style's spacing stays).
    static void zeroMargins(QLayout* layout, int spacing = -1);

    // A picture of the whole default screen at device resolution.
    static QPixmap grabScreen();
    // The size in device pixels of a screen area, each side truncated.
    static QSize deviceSize(QSize const& size, qreal widthFactor, qreal heightFactor);

    // The window opacity for a stored transparency setting (35 gives 0.95, 30 and
    // less are opaque), kept within a range where the window stays visible.
    static qreal opacityFromSetting(int value);
    static constexpr qreal kMinimumOpacity = 0.3;
};

} // namespace ZEDireroz

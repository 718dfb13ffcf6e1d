#pragma once
// Taking a picture of the screen for the screen tools. On X11 (and any platform
// that can read the screen) the picture comes from QScreen::grabWindow(0) of the
// screen under the pointer; under Wayland an application may not read the screen
// itself, so the picture comes from the desktop's screenshot portal over D-Bus.
//
// Every picture is in device pixels and carries the screen's device pixel ratio
// (devicePixelRatio()): the number of device pixels that make one screen point.
// A null picture means the grab failed.

#include <QPixmap>
#include <QString>

class QDBusConnection;
class QScreen;

namespace ZEDireroz {
namespace ScreenGrab {

// The screen the pointer is on; the primary screen when no screen holds it.
QScreen* screenUnderPointer();

// The whole of one screen at device resolution, through Qt's screen grab.
QPixmap grabScreen(QScreen* screen);

// A picture of the desktop from the screenshot portal on `bus`, waited for in a
// local event loop for at most timeoutMs; `scale` becomes its device pixel ratio.
// Null when the portal is missing, refuses or does not answer in time; `error`
// (when given) then says why.
QPixmap grabThroughPortal(QDBusConnection const& bus, qreal scale, int timeoutMs, QString* error = nullptr);

// How long the portal may take: it may first ask the user for permission.
constexpr int kPortalTimeoutMs = 120000;

// The screen under the pointer, by the road the platform allows.
QPixmap grabScreenUnderPointer();

} // namespace ScreenGrab
} // namespace ZEDireroz

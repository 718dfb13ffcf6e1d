#pragma once
// Tells, before any window system connection is made, whether the program can
// reach a graphical display. Without this check the toolkit aborts with a
// core dump when the display is missing; the program says so in one line instead.

#include <QByteArray>
#include <QString>

#include <functional>

class DisplayProbe
{
public:
    enum class Result {
        Available,
        NoDisplaySet,
        NoWaylandDisplay,
        ConnectionFailed,
        NoWaylandPlugin,        // only a Wayland display, and the toolkit cannot speak Wayland
        WaylandConnectionFailed // the Wayland display's socket does not answer
    };

    struct Environment
    {
        QString platform;                   // "-platform" argument, else QT_QPA_PLATFORM
        QString display;                    // DISPLAY
        QString waylandDisplay;             // WAYLAND_DISPLAY
        QString runtimeDir;                 // XDG_RUNTIME_DIR
        bool waylandPluginInstalled = true; // the toolkit's Wayland platform plugin is there
    };

    // Tries an X11 connection to the given display name.
    using Connector = std::function<bool(QString const& display)>;
    // Tries to connect to the Wayland compositor's socket at the given path.
    using WaylandConnector = std::function<bool(QString const& socketPath)>;

    static Environment fromProcess(int argc, char** argv);
    static Result check(Environment const& environment, Connector const& connectX11 = &DisplayProbe::connectX11,
                        WaylandConnector const& connectWayland = &DisplayProbe::connectWayland);
    static bool connectX11(QString const& display);
    static bool connectWayland(QString const& socketPath);
    // The Wayland socket the toolkit would use: WAYLAND_DISPLAY (absolute, or in
    // XDG_RUNTIME_DIR), else "wayland-0" there; empty when it cannot be named.
    static QString waylandSocketPath(Environment const& environment);
    // The platform the program must ask the toolkit for, where its own default
    // (X11) would fail although a display can be reached: "wayland" in a Wayland
    // session without an X display; empty to keep the toolkit's choice.
    static QString platformToUse(Environment const& environment);
    // The display a reason's "%1" names.
    static QString displayName(Environment const& environment, Result result);

    // The reason in English, as a source text for translation in the context
    // "DisplayProbe" ("%1" is the display name); empty for Available.
    static char const* reasonText(Result result);
};

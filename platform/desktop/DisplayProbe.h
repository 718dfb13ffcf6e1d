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
    enum class Result { Available, NoDisplaySet, NoWaylandDisplay, ConnectionFailed };

    struct Environment
    {
        QString platform;       // "-platform" argument, else QT_QPA_PLATFORM
        QString display;        // DISPLAY
        QString waylandDisplay; // WAYLAND_DISPLAY
        QString runtimeDir;     // XDG_RUNTIME_DIR
    };

    // Tries an X11 connection to the given display name.
    using Connector = std::function<bool(QString const& display)>;

    static Environment fromProcess(int argc, char** argv);
    static Result check(Environment const& environment, Connector const& connectX11 = &DisplayProbe::connectX11);
    static bool connectX11(QString const& display);

    // The reason in English, as a source text for translation in the context
    // "DisplayProbe" ("%1" is the display name); empty for Available.
    static char const* reasonText(Result result);
};

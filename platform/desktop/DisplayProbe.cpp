#include "platform/desktop/DisplayProbe.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdlib>
#include <dlfcn.h>

DisplayProbe::Environment DisplayProbe::fromProcess(int argc, char** argv)
{
    Environment env;
    env.platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        QByteArray const arg(argv[i]);
        if (arg == "-platform" || arg == "--platform")
            env.platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    env.display = qEnvironmentVariable("DISPLAY");
    env.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    env.runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return env;
}

DisplayProbe::Result DisplayProbe::check(Environment const& env, Connector const& connectX11)
{
    // The toolkit tries the platforms of a ";" list in turn; one that works is enough.
    QStringList candidates = env.platform.split(QLatin1Char(';'));
    Result first = Result::Available;
    for (int i = 0; i < candidates.size(); ++i) {
        QString const name = candidates.at(i).section(QLatin1Char(':'), 0, 0).trimmed();
        Result result = Result::Available;
        if (name.isEmpty() || name == QLatin1String("xcb")) {
            if (!env.display.isEmpty())
                result = connectX11(env.display) ? Result::Available : Result::ConnectionFailed;
            else if (name.isEmpty() && !env.waylandDisplay.isEmpty())
                result = Result::Available; // the toolkit may choose the Wayland session itself
            else
                result = Result::NoDisplaySet;
        } else if (name.startsWith(QLatin1String("wayland"))) {
            bool const socket =
                !env.runtimeDir.isEmpty() && QFileInfo::exists(env.runtimeDir + QStringLiteral("/wayland-0"));
            result = (!env.waylandDisplay.isEmpty() || socket) ? Result::Available : Result::NoWaylandDisplay;
        }
        if (result == Result::Available)
            return result;
        if (i == 0)
            first = result;
    }
    return first;
}

bool DisplayProbe::connectX11(QString const& display)
{
    // Loaded at run time so that the program needs no X11 development files;
    // the library is there wherever the toolkit's X11 platform is.
    void* lib = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!lib)
        return true; // cannot tell: let the toolkit try and report
    using Connect = void* (*)(char const*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    auto connect = reinterpret_cast<Connect>(dlsym(lib, "xcb_connect"));
    auto hasError = reinterpret_cast<HasError>(dlsym(lib, "xcb_connection_has_error"));
    auto disconnect = reinterpret_cast<Disconnect>(dlsym(lib, "xcb_disconnect"));
    bool ok = true;
    if (connect && hasError && disconnect) {
        QByteArray const name = display.toLocal8Bit();
        void* connection = connect(name.constData(), nullptr);
        ok = connection && hasError(connection) == 0;
        if (connection)
            disconnect(connection);
    }
    dlclose(lib);
    return ok;
}

char const* DisplayProbe::reasonText(Result result)
{
    switch (result) {
    case Result::Available:
        return "";
    case Result::NoDisplaySet:
        return QT_TRANSLATE_NOOP("DisplayProbe",
                                 "no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).");
    case Result::NoWaylandDisplay:
        return QT_TRANSLATE_NOOP("DisplayProbe", "no Wayland display is available (WAYLAND_DISPLAY is not set).");
    case Result::ConnectionFailed:
        return QT_TRANSLATE_NOOP("DisplayProbe", "cannot connect to the display \"%1\".");
    }
    return "";
}

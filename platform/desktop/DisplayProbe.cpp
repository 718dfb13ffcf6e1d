#include "platform/desktop/DisplayProbe.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <QDir>
#include <QLibraryInfo>

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool waylandPluginInstalled()
{
    QDir const platforms(QLibraryInfo::location(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty();
}

} // namespace

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
    env.waylandPluginInstalled = waylandPluginInstalled();
    return env;
}

QString DisplayProbe::waylandSocketPath(Environment const& env)
{
    QString const name = env.waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : env.waylandDisplay;
    if (name.startsWith(QLatin1Char('/')))
        return name;
    if (env.runtimeDir.isEmpty())
        return QString();
    return env.runtimeDir + QLatin1Char('/') + name;
}

QString DisplayProbe::platformToUse(Environment const& env)
{
    // The toolkit's default platform is X11 even in a Wayland session; without
    // an X display it would abort there.
    if (env.platform.isEmpty() && env.display.isEmpty() && !env.waylandDisplay.isEmpty())
        return QStringLiteral("wayland");
    return QString();
}

QString DisplayProbe::displayName(Environment const& env, Result result)
{
    if (result == Result::WaylandConnectionFailed)
        return env.waylandDisplay.isEmpty() ? waylandSocketPath(env) : env.waylandDisplay;
    return env.display;
}

DisplayProbe::Result DisplayProbe::check(Environment const& env, Connector const& connectX11,
                                         WaylandConnector const& connectWayland)
{
    auto wayland = [&]() {
        if (!env.waylandPluginInstalled)
            return Result::NoWaylandPlugin;
        QString const socket = waylandSocketPath(env);
        if (env.waylandDisplay.isEmpty() && (socket.isEmpty() || !QFileInfo::exists(socket)))
            return Result::NoWaylandDisplay;
        return connectWayland(socket) ? Result::Available : Result::WaylandConnectionFailed;
    };
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
                result = wayland(); // the program then asks for the Wayland platform (platformToUse)
            else
                result = Result::NoDisplaySet;
        } else if (name.startsWith(QLatin1String("wayland"))) {
            result = wayland();
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

bool DisplayProbe::connectWayland(QString const& socketPath)
{
    QByteArray const path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    int const fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool const ok = ::connect(fd, reinterpret_cast<sockaddr const*>(&address), sizeof(address)) == 0;
    ::close(fd);
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
    case Result::NoWaylandPlugin:
        return QT_TRANSLATE_NOOP("DisplayProbe", "only a Wayland display is available (DISPLAY is not set), and "
                                                 "the toolkit's Wayland support (package qtwayland5) is not "
                                                 "installed.");
    case Result::WaylandConnectionFailed:
        return QT_TRANSLATE_NOOP("DisplayProbe", "cannot connect to the Wayland display \"%1\".");
    }
    return "";
}

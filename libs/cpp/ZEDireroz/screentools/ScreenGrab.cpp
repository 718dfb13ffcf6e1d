#include "ZEDireroz/screentools/ScreenGrab.h"

#include "ZEDireroz/screentools/ScreenGrab_p.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QUuid>

Q_LOGGING_CATEGORY(lcScreenGrab, "tickwren.screentools.grab")

namespace ZEDireroz {
namespace ScreenGrab {

namespace {

QString const kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
QString const kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
QString const kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
QString const kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

void setError(QString* error, QString const& text)
{
    qCWarning(lcScreenGrab) << text;
    if (error)
        *error = text;
}

// The object path under which the portal publishes the request: the caller's
// unique bus name without its colon, dots turned into underscores, and the token.
QString requestPath(QDBusConnection const& bus, QString const& token)
{
    QString sender = bus.baseService();
    if (sender.startsWith(QLatin1Char(':')))
        sender.remove(0, 1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

bool listen(QDBusConnection bus, QString const& path, PortalResponse* response)
{
    return bus.connect(QString(), path, kRequestInterface, QStringLiteral("Response"), response,
                       SLOT(onResponse(uint, QVariantMap)));
}

void unlisten(QDBusConnection bus, QString const& path, PortalResponse* response)
{
    bus.disconnect(QString(), path, kRequestInterface, QStringLiteral("Response"), response,
                   SLOT(onResponse(uint, QVariantMap)));
}

} // namespace

QScreen* screenUnderPointer()
{
    if (QScreen* screen = QGuiApplication::screenAt(QCursor::pos()))
        return screen;
    return QGuiApplication::primaryScreen();
}

QPixmap grabScreen(QScreen* screen)
{
    if (!screen)
        return QPixmap();
    // Window 0 is the whole desktop, which on X11 spans every screen. Qt hands it
    // over at native size with the scale factor as its pixel ratio, so the size is
    // not multiplied again here.
    QPixmap desktop = screen->grabWindow(0);
    if (desktop.isNull())
        return desktop;
    qreal const ratio = desktop.devicePixelRatio();
    // A screen keeps its native top-left corner as its position; only its size
    // is in scaled points.
    QRect const geometry = screen->geometry();
    QRect const native(geometry.topLeft(), QSize(qRound(geometry.width() * ratio), qRound(geometry.height() * ratio)));
    if (native == desktop.rect())
        return desktop;
    QRect const part = native.intersected(desktop.rect());
    if (part.isEmpty())
        return desktop;
    return desktop.copy(part);
}

QPixmap grabThroughPortal(QDBusConnection const& connection, qreal scale, int timeoutMs, QString* error)
{
    QDBusConnection bus = connection;
    if (!bus.isConnected()) {
        setError(error, QStringLiteral("no session bus for the screenshot portal"));
        return QPixmap();
    }
    QString const token = QStringLiteral("tickwren") + QUuid::createUuid().toString(QUuid::Id128);
    PortalResponse response;
    // Listen before asking: the answer may come before the call's reply.
    QString path = requestPath(bus, token);
    listen(bus, path, &response);

    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortalService, kPortalPath, kScreenshotInterface, QStringLiteral("Screenshot"));
    QVariantMap options;
    options.insert(QStringLiteral("handle_token"), token);
    options.insert(QStringLiteral("interactive"), false);
    options.insert(QStringLiteral("modal"), true);
    call << QString() << options;

    // Call and answer are both waited for in one local loop, so the window keeps
    // painting while the desktop asks the user.
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&response, &PortalResponse::arrived, &loop, &QEventLoop::quit);
    QString callError;
    QDBusPendingCallWatcher watcher(bus.asyncCall(call, timeoutMs));
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, [&] {
        QDBusPendingReply<QDBusObjectPath> const reply = watcher;
        if (reply.isError()) {
            callError = reply.error().message();
            loop.quit();
            return;
        }
        // Older portals choose the request path themselves.
        QString const given = reply.value().path();
        if (given != path && !response.answered) {
            unlisten(bus, path, &response);
            path = given;
            listen(bus, path, &response);
        }
    });
    limit.start(timeoutMs);
    if (!response.answered)
        loop.exec();
    unlisten(bus, path, &response);

    if (!response.answered) {
        setError(error, callError.isEmpty()
                            ? QStringLiteral("the screenshot portal did not answer")
                            : QStringLiteral("the screenshot portal did not take the request: ") + callError);
        return QPixmap();
    }
    if (response.code != 0) {
        setError(error, QStringLiteral("the screenshot portal refused the picture (%1)").arg(response.code));
        return QPixmap();
    }
    QUrl const url(response.results.value(QStringLiteral("uri")).toString());
    QImage const image(url.toLocalFile());
    if (image.isNull()) {
        setError(error, QStringLiteral("the screenshot portal's picture cannot be read: ") + url.toString());
        return QPixmap();
    }
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(scale > 0 ? scale : 1.0);
    return picture;
}

QPixmap grabScreenUnderPointer()
{
    QScreen* screen = screenUnderPointer();
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        return grabThroughPortal(QDBusConnection::sessionBus(), screen ? screen->devicePixelRatio() : 1.0,
                                 kPortalTimeoutMs);
    return grabScreen(screen);
}

} // namespace ScreenGrab
} // namespace ZEDireroz

#include "platform/desktop/Os_Mac.h"

#include "platform/desktop/Os.h"
#include "platform/desktop/Os_Mac_Notifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QVariantMap>

namespace {

Os_Mac_Notifier* s_notifier = nullptr;

QString const launcherInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");
QString const launcherPath = QStringLiteral("/org/tickwren/LauncherEntry");

QString const fileManagerService = QStringLiteral("org.freedesktop.FileManager1");
QString const fileManagerPath = QStringLiteral("/org/freedesktop/FileManager1");
int const fileManagerTimeoutMs = 5000;

void sendLauncherUpdate(QVariantMap const& properties)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(launcherPath, launcherInterface, QStringLiteral("Update"));
    signal << QStringLiteral("application://%1.desktop").arg(Os_Mac::desktopId()) << properties;
    bus.send(signal);
}

// One argument of an Exec line: quoted when it holds a character the launcher
// would otherwise interpret, then written as a desktop-entry string value.
QString execValue(QString const& program)
{
    static QString const reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    QString arg;
    for (QChar c : program) {
        if (reserved.contains(c))
            needsQuotes = true;
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            arg += QLatin1Char('\\');
        arg += c;
    }
    if (needsQuotes)
        arg = QLatin1Char('"') + arg + QLatin1Char('"');
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));

    QString value;
    for (QChar c : arg) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

QString ownExecValue()
{
    QString const program = QCoreApplication::applicationFilePath();
    return program.isEmpty() ? QString() : execValue(program);
}

// The keys of the [Desktop Entry] group of a desktop file, values left raw.
QMap<QString, QString> desktopEntryKeys(QString const& path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        QString const line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        int const eq = line.indexOf(QLatin1Char('='));
        if (!inEntry || eq <= 0 || line.startsWith(QLatin1Char('#')))
            continue;
        keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return keys;
}

// An autostart entry is ours when it starts this very program; an entry of the
// same name for another program (or one the user rewrote) is left alone.
bool isOwnEntry(QMap<QString, QString> const& keys)
{
    QString const own = ownExecValue();
    return !own.isEmpty() && keys.value(QStringLiteral("Exec")) == own;
}

} // namespace

void Os_Mac::initNotifications()
{
    // One observer for the life of the process, however often Os is re-created.
    if (!s_notifier)
        s_notifier = new Os_Mac_Notifier();
}

void Os_Mac::emitSignalAtSwitchToStandBy()
{
    emit Os::instance()->atSwitchToStandBy();
}

void Os_Mac::emitSignalAtWakeUpFromStandBy()
{
    emit Os::instance()->atWakeUpFromStandBy();
}

void Os_Mac::emitSignalAtUserLogout()
{
    emit Os::instance()->atUserLogout();
}

void Os_Mac::setAppIconNumber(int n)
{
    sendLauncherUpdate(
        {{QStringLiteral("count"), QVariant::fromValue<qint64>(n)}, {QStringLiteral("count-visible"), true}});
}

void Os_Mac::unsetAppIconNumber()
{
    sendLauncherUpdate({{QStringLiteral("count-visible"), false}});
}

QString Os_Mac::desktopId()
{
    QString id = QGuiApplication::desktopFileName();
    if (id.endsWith(QLatin1String(".desktop")))
        id.chop(8);
    return id.isEmpty() ? QStringLiteral("tickwren") : id;
}

QString Os_Mac::autostartFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/")
           + desktopId() + QStringLiteral(".desktop");
}

bool Os_Mac::isAutorunAtLogon()
{
    QMap<QString, QString> const keys = desktopEntryKeys(autostartFilePath());
    return isOwnEntry(keys) && keys.value(QStringLiteral("Hidden")) != QLatin1String("true");
}

void Os_Mac::changeAutorunAtLogon(bool on)
{
    QString const path = autostartFilePath();
    QString const exec = ownExecValue();
    if (exec.isEmpty())
        return;
    if (!on) {
        if (isOwnEntry(desktopEntryKeys(path)))
            QFile::remove(path);
        return;
    }
    // Writing the one file of our own name makes a second "on" replace the first
    // rather than add another entry.
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return;
    QString name = QGuiApplication::applicationDisplayName();
    if (name.isEmpty())
        name = desktopId();
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QString const text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "Terminal=false\n")
                             .arg(name, exec);
    file.write(text.toUtf8());
    file.commit();
}

bool Os_Mac::openFolderAndSelectFile(QString const& path)
{
    if (path.isEmpty())
        return false;
    QFileInfo const info(path);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(fileManagerService, fileManagerPath, fileManagerService,
                                                           QStringLiteral("ShowItems"));
        call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)} << QString();
        QDBusMessage const reply = bus.call(call, QDBus::Block, fileManagerTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
    }
    // No file manager that selects items: at least show the folder.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absolutePath()));
}

qreal Os_Mac::scaleFactor()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 1.0;
    QScreen const* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    qreal const ratio = screen->devicePixelRatio();
    return ratio > 0 ? ratio : 1.0;
}

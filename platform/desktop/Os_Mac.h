#pragma once
// The desktop services behind Os, one static operation each:
//  - sleep, wake, power-off and session-lock notices come from the login
//    manager's D-Bus signals on the system bus (Os_Mac_Notifier);
//  - the badge is the launcher-entry D-Bus signal on the session bus, which docks
//    and task bars understand (with none listening nothing happens);
//  - start at login is an XDG autostart .desktop file;
//  - revealing a file is the file manager's ShowItems D-Bus call, else the folder
//    is opened;
//  - the scale factor is the primary QScreen's device pixel ratio.
// Both buses are the ones libdbus names through DBUS_SESSION_BUS_ADDRESS and
// DBUS_SYSTEM_BUS_ADDRESS, so a private bus can stand in for either.

#include <QString>

class Os_Mac
{
public:
    Os_Mac() = delete;

    static void initNotifications();
    static void emitSignalAtSwitchToStandBy();
    static void emitSignalAtWakeUpFromStandBy();
    static void emitSignalAtUserLogout();

    static void setAppIconNumber(int n);
    static void unsetAppIconNumber();
    static bool isAutorunAtLogon();
    static void changeAutorunAtLogon(bool on);
    static bool openFolderAndSelectFile(QString const& path);
    static qreal scaleFactor();

    // The desktop-entry name the launcher and the autostart folder know us by
    // (QGuiApplication::desktopFileName(), else "tickwren"), without ".desktop".
    static QString desktopId();
    // The autostart entry written for this program.
    static QString autostartFilePath();
};

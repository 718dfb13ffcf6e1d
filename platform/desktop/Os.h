#pragma once
// The operating-system facade: one place for the few services the program asks of
// the desktop (sleep and logout notices, the launcher badge, start at login,
// revealing a file, the screen's scale factor). The rest of the program stays on Qt.

#include <QObject>
#include <QString>

class QWidget;

class Os : public QObject
{
    Q_OBJECT
public:
    // The single instance, created on first use and kept for the life of the
    // process; creating it starts listening for the session's notices.
    static Os* instance();
    ~Os() override;

    // Launcher badge: n in decimal (0 included); unset removes it.
    static void setAppIconNumber(int n);
    static void unsetAppIconNumber();

    // Start at login.
    static bool isAutorunAtLogon();
    static void changeAutorunAtLogon(bool on);

    // Nothing to do on this platform; the caller still passes a real widget.
    static void hideWindowFromTaskBar(QWidget* w);

    // The platform's file name of a shared library called name.
    static QString nativeLibraryName(QString const& name);

    // Opens the file manager with the file selected (or at least its folder);
    // true when something accepted the request.
    static bool openFolderAndSelectFile(QString const& path);

    // The primary screen's device pixel ratio; 1.0 when no screen can tell.
    static qreal scaleFactor();

    // Nothing to do on this platform.
    static void setDisableSleepMode(bool disable);

signals:
    void atSwitchToStandBy();
    void atWakeUpFromStandBy();
    void atUserLogout();

private:
    Os();
    static Os* s_instance;
};

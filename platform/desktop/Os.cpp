#include "platform/desktop/Os.h"

#include "platform/desktop/Os_Mac.h"

Os* Os::s_instance = nullptr;

Os::Os()
    : QObject(nullptr)
{
    // Set before the observer starts, so that a notice arriving at once reaches
    // this object rather than creating a second one.
    s_instance = this;
    Os_Mac::initNotifications();
}

Os::~Os()
{
    if (s_instance == this)
        s_instance = nullptr;
}

Os* Os::instance()
{
    if (!s_instance)
        new Os();
    return s_instance;
}

void Os::setAppIconNumber(int n)
{
    Os_Mac::setAppIconNumber(n);
}

void Os::unsetAppIconNumber()
{
    Os_Mac::unsetAppIconNumber();
}

bool Os::isAutorunAtLogon()
{
    return Os_Mac::isAutorunAtLogon();
}

void Os::changeAutorunAtLogon(bool on)
{
    Os_Mac::changeAutorunAtLogon(on);
}

void Os::hideWindowFromTaskBar(QWidget* w)
{
    Q_ASSERT(w);
    Q_UNUSED(w);
}

QString Os::nativeLibraryName(QString const& name)
{
    return QStringLiteral("lib") + name + QStringLiteral(".so");
}

bool Os::openFolderAndSelectFile(QString const& path)
{
    return Os_Mac::openFolderAndSelectFile(path);
}

qreal Os::scaleFactor()
{
    return Os_Mac::scaleFactor();
}

void Os::setDisableSleepMode(bool disable)
{
    Q_UNUSED(disable);
}

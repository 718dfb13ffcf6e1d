// The application object's construction, its device and build tests and its
// small utilities. Its other concerns each have a file of their own: settings and
// folders (AppFolders.cpp), language (AppLanguage.cpp), the main window and
// activation (AppWindow.cpp), identity, links and promotion slots
// (AppPromotion.cpp) and reminders (AppReminders.cpp).
#include "ZEDireroz/frame/App.h"

#include "platform/desktop/App_mac.h"
#include "platform/desktop/TerminationSignals.h"

#include <QDebug>
#include <QDesktopWidget>
#include <QDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

#ifndef TW_BUILD_RESOURCE_DIR
#define TW_BUILD_RESOURCE_DIR ""
#endif

namespace ZEDireroz {

App::App(int& argc, char** argv, QString const& organizationName, QString const& applicationName)
    : QApplication(argc, argv)
    , m_sCurrentLanguage(QStringLiteral("en"))
{
    connect(App_mac::instance(), &App_mac::dockClicked, this, &App::dockClicked);
    // A session that ends (SIGHUP), a `kill` (SIGTERM) or Ctrl-C in the
    // terminal (SIGINT) closes the program the way Quit does: the event loop ends, the settings are saved, and a save
    // already under way is finished first.
    connect(new TerminationSignals(this), &TerminationSignals::received, this, [] { QCoreApplication::quit(); });

    QCoreApplication::setOrganizationName(organizationName);
    QCoreApplication::setApplicationName(applicationName);

    m_sSaveDirPath = workDirectory();
    m_sOpenDirPath = m_sSaveDirPath;

    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, supportDirectory());
    m_pSettings = new QSettings(supportDirectory() + QStringLiteral("settings.plist"), QSettings::IniFormat, this);

    m_sBundleResourcePath =
        resolveBundleResourcePath(qEnvironmentVariable("TICKWREN_RESOURCE_DIR"), QCoreApplication::applicationDirPath(),
                                  QStringLiteral(TW_BUILD_RESOURCE_DIR));
}

App::~App()
{
    // A dialog opened while no window was active has no parent to take it along.
    delete m_pHelpDialog;
}

App* App::theApp()
{
    return qobject_cast<App*>(QCoreApplication::instance());
}

bool App::isPocketScreen(QSize const& screenSize)
{
    return screenSize.width() < 481 || screenSize.height() < 481;
}

bool App::isPocketDevice() const
{
    return isPocketScreen(QApplication::desktop()->size());
}

bool App::isLandscape() const
{
    QSize const size = QApplication::desktop()->size();
    return size.width() > size.height();
}

bool App::isPortrait() const
{
    QSize const size = QApplication::desktop()->size();
    return size.width() <= size.height();
}

qreal App::devicePixelRatio() const
{
    QScreen const* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

bool App::isAppStore()
{
    return !QFileInfo::exists(bundleResourcePath() + QStringLiteral("independent"));
}

bool App::isChartAutoUpdateOn() const
{
    return !QFileInfo::exists(bundleResourcePath() + QStringLiteral("noautoupdate"));
}

void App::setChartAutoUpdateOn(bool)
{
}

QString App::buildFromDateText(QString const& compilerDate)
{
    static char const* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QString text = compilerDate.simplified().replace(QLatin1Char(' '), QLatin1Char('/'));
    for (int i = 0; i < 12; ++i)
        text.replace(QLatin1String(months[i]), QString::number(i + 1));
    return text;
}

QDate App::buildDateFromDateText(QString const& compilerDate)
{
    return QDate::fromString(buildFromDateText(compilerDate), QStringLiteral("M/d/yyyy"));
}

QString App::build() const
{
    return buildFromDateText(QStringLiteral(__DATE__));
}

QDate App::buildDate() const
{
    QDate const date = buildDateFromDateText(QStringLiteral(__DATE__));
    qDebug() << "&&&BUILD:" << build();
    qDebug() << "&&&DATE:" << date;
    return date;
}

QString App::bundleIdentifierFor(QString const& organizationDomain, QString const& applicationName)
{
    // Reverse-domain form: every label of the domain, last first.
    QStringList labels = organizationDomain.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    std::reverse(labels.begin(), labels.end());
    labels << applicationName;
    return labels.join(QLatin1Char('.'));
}

QString App::bundleIdentifier()
{
    return bundleIdentifierFor(QCoreApplication::organizationDomain(), QCoreApplication::applicationName());
}

bool App::isSandboxed() const
{
    return m_bSandboxed;
}

void App::setSandboxed(bool sandboxed)
{
    m_bSandboxed = sandboxed;
}

void App::setProxy()
{
}

QWidget* App::getWidgetByClassName(QString const& className)
{
    QWidget* result = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (className == QLatin1String(top->metaObject()->className()))
            return top;
        for (QWidget* child : top->findChildren<QWidget*>()) {
            if (className == QLatin1String(child->metaObject()->className())) {
                result = child;
                break;
            }
        }
    }
    return result;
}

bool App::isChildOf(QObject* object, QObject* ancestor)
{
    if (!object || !ancestor)
        return false;
    for (QObject* p = object->parent(); p; p = p->parent()) {
        if (p == ancestor)
            return true;
    }
    return false;
}

void App::postMouseEvent(QWidget* widget, QEvent::Type type, QPoint const& pos, Qt::MouseButton button,
                         Qt::MouseButtons buttons)
{
    if (!widget)
        return;
    QCoreApplication::postEvent(widget, new QMouseEvent(type, QPointF(pos), button, buttons, Qt::NoModifier));
}

void App::mousePress(QWidget* widget, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    postMouseEvent(widget, QEvent::MouseButtonPress, QPoint(x, y), button, buttons);
}

void App::mouseRelease(QWidget* widget, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    postMouseEvent(widget, QEvent::MouseButtonRelease, QPoint(x, y), button, buttons);
}

void App::mouseClick(QWidget* widget, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    if (!widget)
        return;
    QPoint const pos = calculateMousePosition(widget, x, y);
    postMouseEvent(widget, QEvent::MouseButtonPress, pos, button, buttons);
    postMouseEvent(widget, QEvent::MouseButtonRelease, pos, button, buttons);
}

QPoint App::calculateMousePosition(QWidget* widget, int x, int y)
{
    // A negative coordinate stands for the middle; any other is taken as given.
    return QPoint(x < 0 ? widget->width() / 2 : x, y < 0 ? widget->height() / 2 : y);
}

} // namespace ZEDireroz

#include "ZEDireroz/frame/App.h"

#include "platform/desktop/App_mac.h"
#include "ZEDireroz/editors/CssEditor.h"
#include "ZEDireroz/promotion/HelpDialog.h"
#include "ZEDireroz/promotion/JoinDialog.h"
#include "ZEDireroz/promotion/PromotionLinks.h"
#include "ZEDireroz/promotionbar/ReminderDialog.h"
#include "ZEDireroz/promotion/TellDialog.h"
#include "ZEDireroz/frame/TranslationsManager.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDesktopWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPointer>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QWidget>

#include <limits>

#ifndef TW_BUILD_RESOURCE_DIR
#define TW_BUILD_RESOURCE_DIR ""
#endif

namespace ZEDireroz {

namespace {

QString withTrailingSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

App::App(int& argc, char** argv, QString const& organizationName, QString const& applicationName)
    : QApplication(argc, argv)
    , m_sCurrentLanguage(QStringLiteral("en"))
{
    connect(App_mac::instance(), &App_mac::dockClicked, this, &App::dockClicked);

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

// ---------------------------------------------------------------- settings

QString App::settingsKey(QString const& key) const
{
    if (m_bOldSettingsMode)
        return key;
    return QCoreApplication::applicationName() + QLatin1Char('/') + key;
}

QVariant App::settingsValue(QString const& key, QVariant const& defaultValue)
{
    return m_pSettings->value(settingsKey(key), defaultValue);
}

void App::setSettingsValue(QString const& key, QVariant const& value)
{
    m_pSettings->setValue(settingsKey(key), value);
}

void App::removeSettingsValue(QString const& key)
{
    m_pSettings->remove(settingsKey(key));
}

QSettings* App::settings()
{
    return m_pSettings;
}

void App::setOldSettingsMode(bool on)
{
    m_bOldSettingsMode = on;
}

// ---------------------------------------------------------------- folders

void App::ensureDirExists(QString const& path)
{
    QDir dir(path);
    if (!dir.exists())
        dir.mkpath(path);
}

QString App::userFolder(QString const& base, QString const& name)
{
    QString path = withTrailingSlash(base);
    if (!name.isEmpty())
        path += name + QLatin1Char('/');
    ensureDirExists(path);
    return path;
}

QString App::workDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QStringLiteral("Work"));
}

QString App::supportDirectory()
{
    QString const path = userFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QString());
    qDebug() << "!!!" << path;
    return path;
}

QString App::cachesDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation), QString());
}

QString App::picturesDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                      QCoreApplication::applicationName());
}

QString App::musicDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::MusicLocation),
                      QCoreApplication::applicationName());
}

QString App::moviesDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::MoviesLocation),
                      QCoreApplication::applicationName());
}

QString App::downloadsDirectory()
{
    return userFolder(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
                      QCoreApplication::applicationName());
}

QString App::bundleResourcePath() const
{
    return m_sBundleResourcePath;
}

QString App::resolveBundleResourcePath(QString const& overridePath, QString const& applicationDirPath,
                                       QString const& buildResourcePath)
{
    if (!overridePath.isEmpty())
        return withTrailingSlash(overridePath);
    QString const installed = QDir::cleanPath(applicationDirPath + QStringLiteral("/../share/tickwren"));
    if (QFileInfo(installed).isDir())
        return withTrailingSlash(installed);
    if (!buildResourcePath.isEmpty())
        return withTrailingSlash(buildResourcePath);
    return withTrailingSlash(applicationDirPath);
}

QString App::openDirPath() const
{
    return m_sOpenDirPath;
}

QString App::saveDirPath() const
{
    return m_sSaveDirPath;
}

// Callers append a file name to these folders, so they keep their trailing
// slash after being set, as they have before.
void App::setOpenDirPath(QString const& filePath)
{
    m_sOpenDirPath = withTrailingSlash(QFileInfo(filePath).absolutePath());
}

void App::setSaveDirPath(QString const& filePath)
{
    m_sSaveDirPath = withTrailingSlash(QFileInfo(filePath).absolutePath());
}

bool App::copyTo(QString const& sourceFile, QString const& targetFolder, QString const& newName)
{
    ensureDirExists(targetFolder);
    QString const name = newName.isEmpty() ? QFileInfo(sourceFile).fileName() : newName;
    QString const target = targetFolder + QLatin1Char('/') + name;
    // An existing file is never overwritten, and then nothing was copied.
    if (QFileInfo::exists(target))
        return false;

    QFile in(sourceFile);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // The copy appears under its name only once every byte is written.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        qint64 const n = in.read(buffer, sizeof buffer);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

bool App::copyToSupportDirectory(QString const& sourceFile, QString const& newName)
{
    return copyTo(sourceFile, supportDirectory(), newName);
}

// ---------------------------------------------------------------- device and build tests

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

// ---------------------------------------------------------------- language

QString App::currentLanguage() const
{
    TranslationsManager::instance();
    return m_sCurrentLanguage;
}

void App::setCurrentLanguage(QString const& language)
{
    m_sCurrentLanguage = language;
}

QString App::currentLanguageOptimized() const
{
    TranslationsManager::instance();
    if (m_sCurrentLanguage.contains(QLatin1String("en")))
        return QString();
    return m_sCurrentLanguage + QLatin1Char('/');
}

// ---------------------------------------------------------------- main widget and activation

void App::setMainWidget(QWidget* widget)
{
    m_pMainWidget = widget;
}

QWidget* App::mainWidget()
{
    return m_pMainWidget;
}

void App::setCoverWidget(QWidget* widget)
{
    m_pCoverWidget = widget;
}

QWidget* App::coverWidget() const
{
    return m_pCoverWidget;
}

bool App::notify(QObject* receiver, QEvent* event)
{
    QEvent::Type const type = event->type();
    if (type == QEvent::ApplicationDeactivate) {
        m_bDeactivated = true;
        emit applicationDeactivated();
    } else if (type == QEvent::ApplicationActivate) {
        m_bDeactivated = false;
        emit applicationActivated();
    }
    return QApplication::notify(receiver, event);
}

bool App::isDeactivated() const
{
    return m_bDeactivated;
}

// ---------------------------------------------------------------- identity and links

void App::setAppId(QString const& id)
{
    m_sAppId = id;
}

QString App::appId() const
{
    return m_sAppId;
}

void App::setPromotedAppNameAndID(QString const& name, QString const& id)
{
    m_sPromotedAppName = name;
    m_sPromotedAppId = id;
}

void App::setPromotedLink(QString const& link)
{
    m_sPromotedLink = link;
}

void App::setAppSupportPage(QString const& link)
{
    m_sSupportPage = link;
}

void App::setFaceBookShareLink(QString const& link)
{
    m_sFaceBookShareLink = link;
}

void App::setTwitterShareLink(QString const& link)
{
    m_sTwitterShareLink = link;
}

void App::setVKontakteShareLink(QString const& link)
{
    m_sVKontakteShareLink = link;
}

QString App::faceBookShareLink() const
{
    return m_sFaceBookShareLink;
}

QString App::twitterShareLink() const
{
    return m_sTwitterShareLink;
}

QString App::vkontakteShareLink() const
{
    return m_sVKontakteShareLink;
}

void App::setResourceOffset(QString const& offset)
{
    m_sResourceOffset = offset;
}

QString App::resourceOffset() const
{
    return m_sResourceOffset;
}

// ---------------------------------------------------------------- slides and reminders

void App::setIntroductionSlides(QStringList const& slides)
{
    m_lIntroductionSlides = slides;
}

void App::setRemiderCount(int count)
{
    m_nReminderCount = count;
}

void App::setRemiderDelay(int delay)
{
    m_nReminderDelay = delay;
}

// ---------------------------------------------------------------- links and promotion actions

void App::slotRateApp()
{
    QDesktopServices::openUrl(PromotionLinks::storeLink(QCoreApplication::applicationName(), appId()));
}

void App::slotShowMoreApps()
{
    QDesktopServices::openUrl(PromotionLinks::artistPage());
}

void App::slotContactUs()
{
    // The running system's own name and version, so that an answer can refer to it.
    QString const system =
        PromotionLinks::contactSystemPart(QSysInfo::prettyProductName(), currentLanguage(), isAppStore());
    QDesktopServices::openUrl(PromotionLinks::contactMail(QCoreApplication::applicationName(),
                                                          QCoreApplication::applicationVersion(), system));
}

void App::slotSupportPage()
{
    QDesktopServices::openUrl(m_sSupportPage.isEmpty() ? PromotionLinks::makerHomePage()
                                                       : QUrl(m_sSupportPage, QUrl::TolerantMode));
}

void App::slotTellFriend()
{
    QString const name = QCoreApplication::applicationName();
    QString link = m_sSupportPage;
    if (link.isEmpty()) {
        link = isAppStore() ? PromotionLinks::localisedStoreLink(currentLanguageOptimized(), name, appId()).toString()
                            : PromotionLinks::makerAppPage(name).toString();
    }
    QDesktopServices::openUrl(PromotionLinks::tellFriendMail(name, link));
}

void App::slotGoToPromotedApp()
{
    QDesktopServices::openUrl(m_sPromotedLink.isEmpty()
                                  ? PromotionLinks::storeLink(m_sPromotedAppName, m_sPromotedAppId)
                                  : QUrl(m_sPromotedLink, QUrl::TolerantMode));
}

void App::slotShareApp()
{
    TellDialog dialog(QApplication::activeWindow());
    dialog.exec();
}

void App::slotJoin()
{
    JoinDialog dialog(QApplication::activeWindow());
    dialog.exec();
}

void App::slotHelp()
{
    if (!m_pHelpDialog) {
        m_pHelpDialog = new HelpDialog(QApplication::activeWindow());
        for (QString const& slide : qAsConst(m_lIntroductionSlides))
            m_pHelpDialog->addSlide(slide);
    }
    m_pHelpDialog->exec();
}

void App::showHelpOnStart()
{
    if (HelpDialog::isShowOnStartAvailable())
        QTimer::singleShot(500, this, &App::slotHelp);
}

void App::slotShowCssEditor()
{
    // The window lives until the user closes it and then deletes itself.
    CssEditor* editor = new CssEditor(nullptr);
    editor->show();
}

void App::slotFocusChanged(QWidget*, QWidget*)
{
    // Nothing to cover without a cover widget and a main window.
    if (!m_pCoverWidget || !m_pMainWidget)
        return;
    if (QApplication::activeWindow() != m_pMainWidget) {
        m_pCoverWidget->setFixedSize(m_pMainWidget->size());
        m_pCoverWidget->show();
        m_pCoverWidget->raise();
    } else {
        m_pCoverWidget->hide();
    }
}

// ---------------------------------------------------------------- reminders

namespace {

enum ReminderKind { RateKind = 1, TellKind = 2, JoinKind = 4, StoreDependentKind = 8 };

quint32 systemDraw()
{
    return QRandomGenerator::global()->generate();
}

} // namespace

int App::reminderKindFor(int kinds, bool appStore, std::function<quint32()> const& draw)
{
    if (kinds == StoreDependentKind)
        return appStore ? RateKind : TellKind;
    bool const rate = kinds & RateKind;
    bool const tell = kinds & TellKind;
    bool const join = kinds & JoinKind;
    if (!rate) {
        if (tell && join)
            return draw() % 2 == 0 ? JoinKind : TellKind;
        return kinds;
    }
    if (tell) {
        quint32 const r = draw();
        if (join) {
            static int const byRemainder[] = {RateKind, TellKind, JoinKind};
            return byRemainder[r % 3];
        }
        return r % 2 == 0 ? RateKind : TellKind;
    }
    if (join)
        return draw() % 2 == 0 ? RateKind : JoinKind;
    return kinds;
}

void App::setReminderDraw(std::function<quint32()> draw)
{
    m_reminderDraw = std::move(draw);
}

int App::reminderKind() const
{
    return m_nReminderKind;
}

int App::reminderCount() const
{
    return m_nReminderCount;
}

void App::callReminder(int count, int kinds)
{
    bool const appStore = kinds == StoreDependentKind && isAppStore();
    m_nReminderKind = reminderKindFor(kinds, appStore, m_reminderDraw ? m_reminderDraw : systemDraw);
    m_nReminderCount = count;
    startReminderCheck();
}

void App::callRateReminder(int count)
{
    m_nReminderCount = count;
    slotCallRateReminder();
}

void App::callTellReminder(int count)
{
    m_nReminderCount = count;
    slotCallTellReminder();
}

void App::callJoinReminder(int count)
{
    m_nReminderCount = count;
    slotCallJoinReminder();
}

void App::slotCallRateReminder()
{
    m_nReminderKind = RateKind;
    startReminderCheck();
}

void App::slotCallTellReminder()
{
    m_nReminderKind = TellKind;
    startReminderCheck();
}

void App::slotCallJoinReminder()
{
    m_nReminderKind = JoinKind;
    startReminderCheck();
}

void App::startReminderCheck()
{
    QTimer::singleShot(m_nReminderDelay, this, &App::slotCallRateReminderInternal);
}

void App::slotCallRateReminderInternal()
{
    if (!settingsValue(QStringLiteral("AutoReminder"), true).toBool())
        return;
    // A stored value that is not a number, or one beyond the range of the
    // counter, counts as 0, which is always due.
    bool ok = false;
    qlonglong const stored = settingsValue(QStringLiteral("AutoReminderCount"), 1).toLongLong(&ok);
    bool const inRange = ok && stored >= std::numeric_limits<int>::min() && stored <= std::numeric_limits<int>::max();
    int const counter = inRange ? int(stored) : 0;
    // A period of 0 or below would divide by zero: it means every start.
    int const period = qMax(1, m_nReminderCount);
    if (counter % period == 0) {
        QWidget* parent = QApplication::activeWindow();
        // Guarded: a window closing while the dialog is open takes its child along.
        QPointer<ReminderDialog> dialog;
        if (m_nReminderKind == RateKind)
            dialog = new RateReminderDialog(parent);
        else if (m_nReminderKind == TellKind)
            dialog = new TellReminderDialog(parent);
        else
            dialog = new JoinReminderDialog(parent);
        dialog->exec();
        int const state = dialog ? dialog->state() : int(ReminderDialog::Closed);
        delete dialog;
        if (state == ReminderDialog::NeverAskMeAgain) {
            setSettingsValue(QStringLiteral("AutoReminder"), false);
        } else if (state == ReminderDialog::Now) {
            slotRateApp();
            setSettingsValue(QStringLiteral("AutoReminder"), false);
        }
    }
    // The counter never turns negative: past the largest number it starts again at 1.
    qint64 const next = qint64(counter) + 1;
    bool const wraps = next > std::numeric_limits<int>::max() || next < 0;
    setSettingsValue(QStringLiteral("AutoReminderCount"), wraps ? 1 : int(next));
}

// ---------------------------------------------------------------- small utilities

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

#pragma once
// The one application object of the process: settings store, per-user folders,
// the bundle's resource folder, device and build tests, and the state the
// promotion frame shares (store identifier, links, language, main widget,
// introduction slides, reminder schedule).

#include <QApplication>
#include <QDate>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QDialog;
class QSettings;

namespace ZEDireroz {

enum class PromotionLink;
struct PromotionContext;

class App : public QApplication
{
    Q_OBJECT
public:
    App(int& argc, char** argv, QString const& organizationName, QString const& applicationName);
    ~App() override;

    static App* theApp();

    // Settings: keys live under the application name ("TickwrenTrial/Language").
    QVariant settingsValue(QString const& key, QVariant const& defaultValue = QVariant());
    void setSettingsValue(QString const& key, QVariant const& value);
    // Removes the key (in the same key form) from the settings file.
    void removeSettingsValue(QString const& key);
    // The keys stored at the level settingsValue() reads, in the same key form;
    // keys inside further groups are not listed.
    QStringList settingsKeys();
    // Reads the key, writes what `change` makes of the value read, and saves at
    // once, with the settings file locked from the read to the write, so that
    // copies of the program started together each see the others' writes (a
    // start counter loses no start). Returns the value read. When the lock
    // cannot be had (an unwritable folder, a copy that holds it too long), the
    // change is made all the same, as an ordinary write.
    QVariant updateSettingsValue(QString const& key, QVariant const& defaultValue,
                                 std::function<QVariant(QVariant const&)> const& change);
    QSettings* settings();
    // Whether the settings file can be written: a file can be created in the
    // support folder, and the settings file, when there is one, is writable.
    bool canSaveSettings();
    void setOldSettingsMode(bool on);

    // Per-user folders, each created when missing and ending in "/".
    QString workDirectory();
    QString supportDirectory();
    QString cachesDirectory();
    QString picturesDirectory();
    QString musicDirectory();
    QString moviesDirectory();
    QString downloadsDirectory();
    void ensureDirExists(QString const& path);

    QString bundleResourcePath() const;
    // The resource-folder rule: an explicit override, else the installed share
    // folder next to the program, else the build tree's folder; always ending in "/".
    static QString resolveBundleResourcePath(QString const& overridePath, QString const& applicationDirPath,
                                             QString const& buildResourcePath);

    QString openDirPath() const;
    QString saveDirPath() const;
    void setOpenDirPath(QString const& filePath);
    void setSaveDirPath(QString const& filePath);

    bool copyTo(QString const& sourceFile, QString const& targetFolder, QString const& newName = QString());
    bool copyToSupportDirectory(QString const& sourceFile, QString const& newName = QString());

    // Device, build and platform tests.
    bool isPocketDevice() const;
    static bool isPocketScreen(QSize const& screenSize);
    bool isLandscape() const;
    bool isPortrait() const;
    qreal devicePixelRatio() const;
    bool isAppStore();
    bool isChartAutoUpdateOn() const;
    void setChartAutoUpdateOn(bool on);
    QString build() const;
    QDate buildDate() const;
    // The same, from a compiler date text such as "Mar 13 2014".
    static QString buildFromDateText(QString const& compilerDate);
    static QDate buildDateFromDateText(QString const& compilerDate);
    QString bundleIdentifier();
    static QString bundleIdentifierFor(QString const& organizationDomain, QString const& applicationName);
    bool isSandboxed() const;
    void setSandboxed(bool sandboxed);
    void setProxy();

    // Language, chosen by the translations manager on the first call.
    QString currentLanguage() const;
    void setCurrentLanguage(QString const& language);
    QString currentLanguageOptimized() const;

    void setMainWidget(QWidget* widget);
    // The widget laid over the main window while another window is active
    // (slotFocusChanged); none unless set.
    void setCoverWidget(QWidget* widget);
    QWidget* coverWidget() const;
    QWidget* mainWidget();
    bool notify(QObject* receiver, QEvent* event) override;
    bool isDeactivated() const;

    // Identity and links.
    void setAppId(QString const& id);
    QString appId() const;
    void setPromotedAppNameAndID(QString const& name, QString const& id);
    void setPromotedLink(QString const& link);
    void setAppSupportPage(QString const& link);
    void setFaceBookShareLink(QString const& link);
    void setTwitterShareLink(QString const& link);
    void setVKontakteShareLink(QString const& link);
    QString faceBookShareLink() const;
    QString twitterShareLink() const;
    QString vkontakteShareLink() const;
    void setResourceOffset(QString const& offset);
    QString resourceOffset() const;

    // Introduction slides and reminders.
    void setIntroductionSlides(QStringList const& slides);
    void showHelpOnStart();
    void setRemiderCount(int count);
    void setRemiderDelay(int delay);
    void callReminder(int count, int kinds);
    void callRateReminder(int count);
    void callTellReminder(int count);
    void callJoinReminder(int count);
    // The reminder kind for a set of kind bits (1 rate, 2 tell, 4 join; 8 alone:
    // rate in a store build, else tell); draw is asked only where it decides.
    static int reminderKindFor(int kinds, bool appStore, std::function<quint32()> const& draw);
    // Replaces the random draw that picks among several kinds; an empty function
    // restores the system's generator.
    void setReminderDraw(std::function<quint32()> draw);
    int reminderKind() const;
    int reminderCount() const;

    // Small utilities.
    static QWidget* getWidgetByClassName(QString const& className);
    bool isChildOf(QObject* object, QObject* ancestor);
    void mousePress(QWidget* widget, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons);
    void mouseRelease(QWidget* widget, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons);
    void mouseClick(QWidget* widget, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons);
    QPoint calculateMousePosition(QWidget* widget, int x, int y);

signals:
    void applicationActivated();
    void applicationDeactivated();
    void dockClicked();

public slots:
    void slotCallRateReminderInternal();
    void slotCallRateReminder();
    void slotCallTellReminder();
    void slotCallJoinReminder();
    void slotFocusChanged(QWidget* old, QWidget* now);
    void slotShowCssEditor();
    void slotContactUs();
    void slotTellFriend();
    void slotShowMoreApps();
    void slotRateApp();
    void slotSupportPage();
    void slotHelp();
    void slotGoToPromotedApp();
    void slotShareApp();
    void slotJoin();

private:
    QString settingsKey(QString const& key) const;
    QString userFolder(QString const& base, QString const& name);
    void startReminderCheck();
    PromotionContext promotionContext(PromotionLink link);
    void openPromotionLink(PromotionLink link);
    void postMouseEvent(QWidget* widget, QEvent::Type type, QPoint const& pos, Qt::MouseButton button,
                        Qt::MouseButtons buttons);

    QSettings* m_pSettings = nullptr;
    QString m_sCurrentLanguage;
    bool m_bDeactivated = false;
    QString m_sOpenDirPath;
    QString m_sSaveDirPath;
    bool m_bSandboxed = false;
    QString m_sAppId;
    int m_nReminderCount = 10;
    int m_nReminderDelay = 4000;
    // Created on the first show and kept; guarded, because it goes with the window
    // that was active then.
    QPointer<QDialog> m_pHelpDialog;
    QStringList m_lIntroductionSlides;
    QString m_sPromotedAppId;
    QString m_sPromotedAppName;
    QString m_sPromotedLink;
    int m_nReminderKind = 0;
    std::function<quint32()> m_reminderDraw;
    QString m_sFaceBookShareLink;
    QString m_sTwitterShareLink;
    QString m_sVKontakteShareLink;
    bool m_bOldSettingsMode = false;
    QString m_sResourceOffset;
    QPointer<QWidget> m_pMainWidget; // not owned; forgets a page that has been destroyed
    QPointer<QWidget> m_pCoverWidget;
    QString m_sSupportPage;
    QString m_sBundleResourcePath;
};

} // namespace ZEDireroz

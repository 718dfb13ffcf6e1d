// The metronome page and the windows the application opens from it, as a user
// sees them under the application's style sheet: at the size each opens at
// and at its minimum, in the languages TW_LAYOUT_LANGUAGES lists (English when
// none), no text cut off, no picture shrunk away, no blank button, no controls
// on top of each other or cut by what holds them. With TW_SCREENSHOT_DIR set,
// each one is saved as a picture.
#include "RADarir/metronome/MetronomeMainPage.h"
#include "TestSupport/LayoutCheck.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/StrayWindows.h"
#include "ZEDireroz/dialogs/LicenseDialog.h"
#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/AboutDialog.h"
#include "ZEDireroz/promotion/HelpDialog.h"
#include "ZEDireroz/promotion/JoinDialog.h"
#include "ZEDireroz/promotion/LinkDialog.h"
#include "ZEDireroz/promotion/TellDialog.h"
#include "ZEDireroz/promotionbar/ReminderDialog.h"
#include "ZEDireroz/settings/SettingsDialog.h"
#include "app/MainPageStartup.h"
#include "app/StartupPrompts.h"
#include "app/TickwrenStyle.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ZEDireroz;

namespace {

struct Window
{
    Window() = default;
    Window(std::function<QWidget*()> make, QSize defaultSize = QSize())
        : make(std::move(make))
        , defaultSize(defaultSize)
    {
    }

    std::function<QWidget*()> make;
    // The size it opens at; empty for its own size hint once shown.
    QSize defaultSize;
};

template <class W>
Window window()
{
    return {[] { return new W(nullptr); }};
}

// The page as the start-up sizes it on a screen with room to spare.
RADarir::MetronomeMainPage* metronomePage()
{
    auto* page = new RADarir::MetronomeMainPage;
    MainPageStartup::sizeAndTitle(page, QSize(1920, 1600));
    return page;
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestAppLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qApp->setStyleSheet(TickwrenStyle(false).m_sStyleSheet); }
    void cleanupTestCase() { qApp->setStyleSheet(QString()); }

    void fits_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("language");
        QList<QPair<QString, Window>> const windows = {
            // With nothing stored the page opens at its minimum; a stored size
            // gives it more room.
            {"metronome", {[] { return metronomePage(); }, QSize(540, 765)}},
            {"metronome-stored", {[] { return metronomePage(); }, QSize(900, 1000)}},
            {"about", window<AboutDialog>()},
            {"help", {[] {
                 auto* w = new HelpDialog;
                 for (QString const& slide : StartupPrompts::introductionSlides(
                          App::theApp()->bundleResourcePath(), TranslationsManager::instance()->currentLanguage()))
                     w->addSlide(slide);
                 return w;
             }}},
            {"link", window<LinkDialog>()},
            {"tell", window<TellDialog>()},
            {"join", window<JoinDialog>()},
            {"ratereminder", window<RateReminderDialog>()},
            {"tellreminder", window<TellReminderDialog>()},
            {"joinreminder", window<JoinReminderDialog>()},
            {"license", window<LicenseDialog>()},
            // The settings dialog, with a page as a part of the program would register.
            {"settings", {[] {
                 auto* page = new QWidget;
                 auto* layout = new QVBoxLayout(page);
                 layout->addWidget(new QCheckBox(QStringLiteral("Show the introduction at start")));
                 SettingsDialog::addWidget(QStringLiteral("General"), page);
                 return new SettingsDialog;
             }}},
            {"messagebox", {[] {
                 return new MessageBox(MessageBox::Warning, QStringLiteral("TickwrenTrial"),
                                       QStringLiteral("The settings cannot be saved."), QMessageBox::Ok);
             }}},
        };
        // Language by language, so that each is installed once.
        for (QString const& language : LayoutCheck::languages())
            for (auto const& entry : windows)
                QTest::newRow(qPrintable(entry.first + LayoutCheck::languageSuffix(language)))
                    << entry.second << language;
    }
    // Shown at the size it opens at first, then brought down to its smallest,
    // in the language the application would have installed before making it.
    void fits()
    {
        QFETCH(Window, window);
        QFETCH(QString, language);
        LayoutCheck::useLanguage(language);
        StrayWindows stray;
        std::unique_ptr<QWidget> w(window.make());
        // Named apart from the same windows of the libraries' own tests.
        LayoutCheck::verifySizes(w.get(), window.defaultSize, false,
                                 QStringLiteral("app-") + QLatin1String(QTest::currentDataTag()));
        QCOMPARE(stray.shown.size(), 1);
    }
};

TW_APP_TEST_MAIN(TestAppLayout)
#include "tst_applayout.moc"

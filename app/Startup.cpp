#include "app/Startup.h"

#include "RADarir/metronome/MetronomeMainPage.h"
#include "ZEDireroz/editors/EditorActions.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TickwrenLinks.h"
#include "ZEDireroz/promotion/PromotionActions.h"
#include "ZEDireroz/promotionbar/ReminderActions.h"
#include "app/MainPageStartup.h"
#include "app/StartupPrompts.h"
#include "app/TickwrenStyle.h"

#include <QCoreApplication>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace Startup {

namespace {

constexpr int kOwnMappingBytes = 1024 * 1024;

} // namespace

void prepareApplication()
{
    // By default every top-level window is made ready for OpenGL drawing, and
    // on X11 that asks the GL library about the screen as the window is
    // created: the driver comes in with it (a software renderer with its
    // compiler, over 40 MB resident) although nothing here ever draws with it.
    if (!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
        QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
#ifdef __GLIBC__
    // The metronome's large drawings (12 MB each decoded) are scaled at start
    // and after each resize. By default the allocator maps only the first such
    // block on its own and puts the later ones on the heap, whose free top it
    // then keeps (some 25 MB after the pictures were scaled). A fixed
    // threshold maps every block of a megabyte or more on its own and gives it
    // back to the system as soon as it is freed.
    mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
#endif
}

void installActions()
{
    ZEDireroz::installPromotionActions();
    ZEDireroz::installReminderActions();
    ZEDireroz::installEditorActions();
}

int run(ZEDireroz::App& app)
{
    installActions();

    // 2. Identity and links.
    app.setAppId(QString::fromLatin1(TickwrenLinks::kStoreId));
    app.setPromotedLink(QString::fromLatin1(TickwrenLinks::kProductPage));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QCoreApplication::setOrganizationDomain(QString::fromLatin1(TickwrenLinks::kOrganizationDomain));
    app.setFaceBookShareLink(QString::fromLatin1(TickwrenLinks::kFaceBookShareLink));
    app.setTwitterShareLink(QString::fromLatin1(TickwrenLinks::kTwitterShareLink));
    app.setVKontakteShareLink(QString::fromLatin1(TickwrenLinks::kVKontakteShareLink));
    app.setAppSupportPage(QString::fromLatin1(TickwrenLinks::kProductPage));

    // 3. The application style sheet, for a desktop or a pocket screen.
    app.setStyleSheet(TickwrenStyle().m_sStyleSheet);

    // 4. The interface language; the introduction slides exist in English,
    // German and Russian only.
    QString slideLanguage = app.currentLanguage();
    if (slideLanguage != QLatin1String("en") && slideLanguage != QLatin1String("de")
        && slideLanguage != QLatin1String("ru"))
        slideLanguage = QStringLiteral("en");

    // 5. The introduction slides; nothing checks here that the files exist.
    app.setIntroductionSlides(StartupPrompts::introductionSlides(app.bundleResourcePath(), slideLanguage));

    // 6. The metronome page, sized from the settings; it ticks from here on.
    // It lives until the event loop has returned, and goes before the
    // application object.
    RADarir::MetronomeMainPage page;
    MainPageStartup::sizeAndTitle(&page);

    // 7. The maker's other applications in the bar's More menu.
    StartupPrompts::fillPromotionMenu(page.promoMenuBar(), QString::fromLatin1(TickwrenLinks::kMakerSite));

    // 8. Shown and registered as the main widget.
    MainPageStartup::showAndRegister(&page);

    // Told once, before anything else, when nothing can be saved. The box is
    // shown from the running event loop, so that a SIGTERM or SIGHUP while it
    // is open ends the program as Quit does, instead of closing only the box.
    QTimer::singleShot(0, &page, [&app, &page] { StartupPrompts::warnIfSettingsCannotBeSaved(app, &page); });

    // 9. and 10. The introduction shortly after start, and the reminder.
    StartupPrompts::schedulePrompts(app);

    // 11. The event loop.
    return app.exec();
}

} // namespace Startup

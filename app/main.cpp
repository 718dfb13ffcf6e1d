// Start-up of Tickwren: the application object, its identity and links, the
// style sheet, the interface language, the metronome page and the event loop.
#include "App.h"
#include "DisplayProbe.h"
#include "MainPageStartup.h"
#include "MetronomeMainPage.h"
#include "TickwrenLinks.h"
#include "TickwrenStyle.h"
#include "TranslationsManager.h"

#include <QtGlobal>

#include <cstdio>

namespace {

QString const kOrganizationName = QStringLiteral("Olvenar");
QString const kApplicationName = QStringLiteral("TickwrenTrial");

// Before the application object exists: without a display the toolkit would
// abort with a core dump, so say why in one line and stop.
bool reportMissingDisplay(int argc, char** argv)
{
    DisplayProbe::Environment const env = DisplayProbe::fromProcess(argc, argv);
    DisplayProbe::Result const result = DisplayProbe::check(env);
    if (result == DisplayProbe::Result::Available)
        return false;
    using ZEDireroz::TranslationsManager;
    QString reason = TranslationsManager::translateEarly(kApplicationName, "DisplayProbe",
                                                         DisplayProbe::reasonText(result));
    if (result == DisplayProbe::Result::ConnectionFailed)
        reason = reason.arg(env.display);
    QString const line = TranslationsManager::translateEarly(
                             kApplicationName, "main", QT_TRANSLATE_NOOP("main", "Tickwren cannot start: %1"))
                             .arg(reason);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (reportMissingDisplay(argc, argv))
        return 1;

    // 1. The application object: settings, folders and the resource folder.
    ZEDireroz::App app(argc, argv, kOrganizationName, kApplicationName);

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
    Q_UNUSED(slideLanguage)

    // 6. The metronome page, sized from the settings; it ticks from here on.
    // It lives until the event loop has returned, and goes before the
    // application object.
    RADarir::MetronomeMainPage page;
    MainPageStartup::sizeAndTitle(&page);

    // 8. Shown and registered as the main widget.
    MainPageStartup::showAndRegister(&page);

    // 11. The event loop.
    return app.exec();
}

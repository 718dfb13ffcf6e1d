// Start-up of Tickwren: the display check and the application object; the
// further steps are in Startup.cpp.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TranslationsManager.h"
#include "app/Startup.h"
#include "platform/desktop/DisplayProbe.h"

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
    if (result == DisplayProbe::Result::Available) {
        QString const platform = DisplayProbe::platformToUse(env);
        if (!platform.isEmpty())
            qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
        return false;
    }
    using ZEDireroz::TranslationsManager;
    QString reason =
        TranslationsManager::translateEarly(kApplicationName, "DisplayProbe", DisplayProbe::reasonText(result));
    if (reason.contains(QLatin1String("%1")))
        reason = reason.arg(DisplayProbe::displayName(env, result));
    QString const line = TranslationsManager::translateEarly(kApplicationName, "main",
                                                             QT_TRANSLATE_NOOP("main", "Tickwren cannot start: %1"))
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
    Startup::prepareApplication();
    ZEDireroz::App app(argc, argv, kOrganizationName, kApplicationName);

    // 2. to 11.
    return Startup::run(app);
}

#include "RADarir/tuners/TunerSettings.h"

#include "ZEDireroz/frame/App.h"

#include <QPointer>

namespace RADarir {

TunerSettings::TunerSettings(QObject* parent)
    : QObject(parent)
{
}

TunerSettings* TunerSettings::instance()
{
    // Owned by the application object, so that it goes before the application does.
    static QPointer<TunerSettings> settings;
    if (!settings)
        settings = new TunerSettings(ZEDireroz::App::theApp());
    return settings;
}

void TunerSettings::setPitch(int hz)
{
    ZEDireroz::App::theApp()->setSettingsValue(QStringLiteral("Pitch"), hz);
    emit pitchChanged(hz);
}

void TunerSettings::setRepeat(bool on)
{
    ZEDireroz::App::theApp()->setSettingsValue(QStringLiteral("Repeat"), on);
    emit repeatChanged(on);
}

} // namespace RADarir

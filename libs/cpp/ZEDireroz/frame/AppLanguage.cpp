// The application object's interface language.
#include "ZEDireroz/frame/App.h"

#include "ZEDireroz/frame/TranslationsManager.h"

namespace ZEDireroz {

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

} // namespace ZEDireroz

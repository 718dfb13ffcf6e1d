#include "ZEDireroz/frame/TranslationsManager.h"

#include "ZEDireroz/frame/App.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

namespace ZEDireroz {

TranslationsManager* TranslationsManager::m_pUniqueInstance = nullptr;

namespace {

QString qtFile(QString const& base, QString const& language)
{
    return QStringLiteral(":/") + base + QStringLiteral("Translations/qt_") + language;
}

// The library file keeps its "/" before "Translations": with an empty base the
// name reads "://Translations/libs_<L>", which the resource system resolves to
// the same file as ":/Translations/libs_<L>".
QString libsFile(QString const& base, QString const& language)
{
    return QStringLiteral(":/") + base + QStringLiteral("/Translations/libs_") + language;
}

QString appFile(QString const& base, QString const& stem, QString const& language)
{
    return QStringLiteral(":/") + base + QStringLiteral("Translations/") + stem + QLatin1Char('_') + language;
}

} // namespace

TranslationsManager* TranslationsManager::instance()
{
    if (!m_pUniqueInstance)
        m_pUniqueInstance = new TranslationsManager;
    return m_pUniqueInstance;
}

TranslationsManager::TranslationsManager()
    : QObject(nullptr)
{
    m_pQtTranslator = new QTranslator(this);
    m_pLibsTranslator = new QTranslator(this);
    m_pAppTranslator = new QTranslator(this);

    QString stored = QLocale::system().name();
    if (App* app = App::theApp())
        stored = app->settingsValue(QStringLiteral("Language"), stored).toString();
    setTranslation(languageFor(stored));
}

TranslationsManager::~TranslationsManager()
{
    QCoreApplication::removeTranslator(m_pQtTranslator);
    QCoreApplication::removeTranslator(m_pLibsTranslator);
    QCoreApplication::removeTranslator(m_pAppTranslator);
    if (m_pUniqueInstance == this)
        m_pUniqueInstance = nullptr;
}

QStringList const& TranslationsManager::languages()
{
    static QStringList const list = {QStringLiteral("de"),   QStringLiteral("ru"), QStringLiteral("es"),
                                     QStringLiteral("fr"),   QStringLiteral("hi"), QStringLiteral("it"),
                                     QStringLiteral("pt"),   QStringLiteral("ko"), QStringLiteral("ar"),
                                     QStringLiteral("zh_CN")};
    return list;
}

QString TranslationsManager::languageFor(QString const& localeName)
{
    // "de_CH.UTF-8@euro" -> language "de", country "CH"; "pt-BR" is read the same way.
    QString name = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    QString const language = name.section(QLatin1Char('_'), 0, 0);
    QString const country = name.section(QLatin1Char('_'), -1);
    for (QString const& code : languages()) {
        QString const codeLanguage = code.section(QLatin1Char('_'), 0, 0);
        if (codeLanguage != language)
            continue;
        if (code.contains(QLatin1Char('_'))
            && (!name.contains(QLatin1Char('_')) || code.section(QLatin1Char('_'), -1) != country))
            continue;
        return code;
    }
    return QStringLiteral("en");
}

QString TranslationsManager::translateEarly(QString const& applicationName, char const* context, char const* sourceText)
{
    QString const language = languageFor(QLocale::system().name());
    QString const source = QString::fromUtf8(sourceText);
    if (language == QLatin1String("en"))
        return source;
    QTranslator app;
    if (app.load(appFile(QString(), applicationName, language))) {
        QString const text = app.translate(context, sourceText);
        if (!text.isEmpty())
            return text;
    }
    QTranslator libs;
    if (libs.load(libsFile(QString(), language))) {
        QString const text = libs.translate(context, sourceText);
        if (!text.isEmpty())
            return text;
    }
    return source;
}

QString TranslationsManager::currentLanguage() const
{
    return m_sCurrentLanguage;
}

void TranslationsManager::setTranslation(QString const& language)
{
    QCoreApplication::removeTranslator(m_pQtTranslator);
    QCoreApplication::removeTranslator(m_pLibsTranslator);
    QCoreApplication::removeTranslator(m_pAppTranslator);

    if (language != QLatin1String("en")) {
        // A file that cannot be loaded leaves its translator empty; it is
        // installed all the same and its texts stay English.
        m_pQtTranslator->load(qtFile(m_sQtTranslationsBase, language));
        QCoreApplication::installTranslator(m_pQtTranslator);
        m_pLibsTranslator->load(libsFile(m_sLibsTranslationsBase, language));
        QCoreApplication::installTranslator(m_pLibsTranslator);
        m_pAppTranslator->load(appFile(m_sAppTranslationsBase, QCoreApplication::applicationName(), language));
        QCoreApplication::installTranslator(m_pAppTranslator);
    }

    m_sCurrentLanguage = language;
    QGuiApplication::setLayoutDirection(language == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);
    if (App* app = App::theApp()) {
        app->setSettingsValue(QStringLiteral("Language"), language);
        app->setCurrentLanguage(language);
    }
}

void TranslationsManager::retranslate()
{
    QString const language = m_sCurrentLanguage;
    setTranslation(language);
}

void TranslationsManager::setQtTranslationsBase(QString const& base)
{
    m_sQtTranslationsBase = base;
}

void TranslationsManager::setAppTranslationsBase(QString const& base)
{
    m_sAppTranslationsBase = base;
}

void TranslationsManager::setLibsTranslationsBase(QString const& base)
{
    m_sLibsTranslationsBase = base;
}

} // namespace ZEDireroz

#pragma once
// Chooses the interface language once per run (the stored "Language", else the
// system locale) and installs Qt's, the libraries' and the application's
// translators for it.

#include <QObject>
#include <QString>
#include <QStringList>

class QTranslator;

namespace ZEDireroz {

class TranslationsManager : public QObject
{
    Q_OBJECT
public:
    static TranslationsManager* instance();

    // The manager of the running application; instance() makes the one that
    // lives to the end of the process.
    TranslationsManager();
    ~TranslationsManager() override;

    QString currentLanguage() const;
    void setTranslation(QString const& language);
    void retranslate();

    void setQtTranslationsBase(QString const& base);
    void setAppTranslationsBase(QString const& base);
    void setLibsTranslationsBase(QString const& base);

    // The translated languages, in the order they are tried.
    static QStringList const& languages();
    // The language for a setting or locale name such as "de_CH" or "zh_CN.UTF-8":
    // the language part must equal a translated language (for "zh_CN" the
    // country too); anything else is English, "en".
    static QString languageFor(QString const& localeName);

    // For texts shown before the application object exists (so before any
    // setting can be read): the text in the system locale's language, from the
    // application's translations or else the libraries'.
    static QString translateEarly(QString const& applicationName, char const* context, char const* sourceText);

private:
    QTranslator* m_pQtTranslator = nullptr;
    QTranslator* m_pLibsTranslator = nullptr;
    QTranslator* m_pAppTranslator = nullptr;
    QString m_sCurrentLanguage;
    QString m_sAppTranslationsBase;
    QString m_sLibsTranslationsBase;
    QString m_sQtTranslationsBase;

    static TranslationsManager* m_pUniqueInstance;
};

} // namespace ZEDireroz

// The interface language: the choice from a setting or locale name, the stored
// setting, the layout direction, and that every compiled-in translation file is
// found under the names the manager loads.
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TranslationsManager.h"

#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::TranslationsManager;

namespace {

char const kLibsText[] = "no graphical display is available (DISPLAY and WAYLAND_DISPLAY are not set).";
char const kAppText[] = "Tickwren cannot start: %1";

QString libsText()
{
    return QCoreApplication::translate("DisplayProbe", kLibsText);
}
QString appText()
{
    return QCoreApplication::translate("main", kAppText);
}
QString qtText()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

} // namespace

class TestTranslationsManager : public QObject
{
    Q_OBJECT
private:
    App* app() { return App::theApp(); }
    QString storedSetting() { return app()->settingsValue("Language", "none").toString(); }

private slots:
    // Runs first: the process starts with the Swiss German locale and no settings.
    void systemLocaleOnFreshSettings()
    {
        QVERIFY(!app()->settingsValue("Language").isValid());
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_CH"));
        QCOMPARE(app()->currentLanguage(), QStringLiteral("de"));
        QCOMPARE(TranslationsManager::instance()->currentLanguage(), QStringLiteral("de"));
        QCOMPARE(storedSetting(), QStringLiteral("de"));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(appText(), QStringLiteral("Tickwren kann nicht starten: %1"));
        QCOMPARE(qtText(), QStringLiteral("Abbrechen"));
    }

    void earlyTranslationFollowsTheSystemLocale()
    {
        QCOMPARE(TranslationsManager::translateEarly("TickwrenTrial", "main", kAppText),
                 QStringLiteral("Tickwren kann nicht starten: %1"));
        QCOMPARE(
            TranslationsManager::translateEarly("TickwrenTrial", "DisplayProbe", kLibsText),
            QString::fromUtf8("keine grafische Anzeige verfügbar (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)."));
        QCOMPARE(TranslationsManager::translateEarly("TickwrenTrial", "main", "not a known text"),
                 QStringLiteral("not a known text"));
    }

    void languageFor_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("language");
        QTest::newRow("de_CH") << "de_CH"
                               << "de";
        QTest::newRow("pt_BR") << "pt_BR"
                               << "pt";
        QTest::newRow("zh_TW") << "zh_TW"
                               << "en";
        QTest::newRow("zh_CN") << "zh_CN"
                               << "zh_CN";
        QTest::newRow("zh alone") << "zh"
                                  << "en";
        QTest::newRow("zh_CN with encoding") << "zh_CN.UTF-8"
                                             << "zh_CN";
        QTest::newRow("kok_IN is not ko") << "kok_IN"
                                          << "en";
        QTest::newRow("ko_KR") << "ko_KR"
                               << "ko";
        QTest::newRow("ar") << "ar"
                            << "ar";
        QTest::newRow("ar_EG") << "ar_EG"
                               << "ar";
        QTest::newRow("hi_IN") << "hi_IN"
                               << "hi";
        QTest::newRow("es_419") << "es_419"
                                << "es";
        QTest::newRow("fr-CA") << "fr-CA"
                               << "fr";
        QTest::newRow("de_DE.UTF-8@euro") << "de_DE.UTF-8@euro"
                                          << "de";
        QTest::newRow("ru in the middle") << "xru_RU"
                                          << "en";
        QTest::newRow("en_US") << "en_US"
                               << "en";
        QTest::newRow("C") << "C"
                           << "en";
        QTest::newRow("empty") << ""
                               << "en";
    }
    void languageFor()
    {
        QFETCH(QString, name);
        QFETCH(QString, language);
        QCOMPARE(TranslationsManager::languageFor(name), language);
    }

    void storedLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("direction");
        QTest::newRow("ar is right to left") << "ar"
                                             << "ar" << int(Qt::RightToLeft);
        QTest::newRow("de") << "de"
                            << "de" << int(Qt::LeftToRight);
        QTest::newRow("system name pt_BR") << "pt_BR"
                                           << "pt" << int(Qt::LeftToRight);
        QTest::newRow("zh_TW") << "zh_TW"
                               << "en" << int(Qt::LeftToRight);
        QTest::newRow("en") << "en"
                            << "en" << int(Qt::LeftToRight);
    }
    void storedLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, language);
        QFETCH(int, direction);
        // The running manager steps aside so that only the new one's translators count.
        TranslationsManager::instance()->setTranslation("en");
        app()->setSettingsValue("Language", stored);
        {
            TranslationsManager manager;
            QCOMPARE(manager.currentLanguage(), language);
            QCOMPARE(app()->currentLanguage(), language);
            QCOMPARE(storedSetting(), language);
            QCOMPARE(int(QGuiApplication::layoutDirection()), direction);
            bool const english = language == QLatin1String("en");
            QCOMPARE(appText() == QLatin1String(kAppText), english);
            QCOMPARE(libsText() == QLatin1String(kLibsText), english);
            QCOMPARE(qtText() == QLatin1String("Cancel"), english);
        }
        QCOMPARE(appText(), QLatin1String(kAppText));
        TranslationsManager::instance()->setTranslation("de");
    }

    void everyLanguageLoads_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("qtTranslated");
        for (QString const& l : TranslationsManager::languages())
            QTest::newRow(qPrintable(l)) << l << (l != QLatin1String("hi")); // Qt has no Hindi texts
    }
    void everyLanguageLoads()
    {
        QFETCH(QString, language);
        QFETCH(bool, qtTranslated);
        TranslationsManager* manager = TranslationsManager::instance();
        manager->setTranslation(language);
        QVERIFY2(appText() != QLatin1String(kAppText), "application translation not loaded");
        QVERIFY2(appText().contains("%1"), qPrintable(appText()));
        QVERIFY2(libsText() != QLatin1String(kLibsText), "library translation not loaded");
        QCOMPARE(qtText() != QLatin1String("Cancel"), qtTranslated);
        manager->setTranslation("en");
        QCOMPARE(appText(), QLatin1String(kAppText));
        QCOMPARE(libsText(), QLatin1String(kLibsText));
        QCOMPARE(qtText(), QStringLiteral("Cancel"));
    }

    void settingTheSameLanguageAgain()
    {
        TranslationsManager* manager = TranslationsManager::instance();
        manager->setTranslation("fr");
        app()->setSettingsValue("Language", "changed elsewhere");
        manager->retranslate();
        QCOMPARE(storedSetting(), QStringLiteral("fr"));
        QCOMPARE(appText(), QStringLiteral("Tickwren ne peut pas démarrer : %1"));
        manager->setTranslation("fr");
        QCOMPARE(appText(), QStringLiteral("Tickwren ne peut pas démarrer : %1"));
    }
};

int main(int argc, char** argv)
{
    // The system locale is read from the environment when first asked for.
    qputenv("LC_ALL", "de_CH.UTF-8");
    qputenv("LANG", "de_CH.UTF-8");
    App app(argc, argv, QStringLiteral("Olvenar"), QStringLiteral("TickwrenTrial"));
    TestTranslationsManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translationsmanager.moc"

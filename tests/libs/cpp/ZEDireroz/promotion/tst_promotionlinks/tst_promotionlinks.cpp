// The links the promotion actions open: store, maker and join pages, the
// contact and tell-a-friend mails, and the share and join panels and dialogs.
// Every link is caught before it reaches a browser or a mail program.
#include "TestSupport/ModalAnswer.h"
#include "TestSupport/ModalDriver.h"
#include "TestSupport/PromotionTesting.h"
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/editors/CssEditor.h"
#include "ZEDireroz/editors/EditorActions.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/TickwrenLinks.h"
#include "ZEDireroz/promotion/JoinDialog.h"
#include "ZEDireroz/promotion/JoinWidget.h"
#include "ZEDireroz/promotion/PromotionActions.h"
#include "ZEDireroz/promotion/PromotionLinks.h"
#include "ZEDireroz/promotion/TellDialog.h"
#include "ZEDireroz/promotion/TellWidget.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using ZEDireroz::App;
using ZEDireroz::PromotionLinks;

namespace {

QString const kStoreId = QStringLiteral("id123456789");
QString const kProductPage = QStringLiteral("http://tickwren.example.org/apps/tickwren/");

QString storeSite()
{
    return QString::fromLatin1(TickwrenLinks::kStoreSite);
}

QString makerSite()
{
    return QString::fromLatin1(TickwrenLinks::kMakerSite);
}

App* app()
{
    return App::theApp();
}

// Runs `action`, which opens a modal dialog, and presses the dialog's Close
// button as soon as the dialog is up; returns the class name of the dialog seen.
QString runAndClose(std::function<void()> const& action)
{
    ModalAnswer answer([](QDialog* dialog) {
        if (QPushButton* close = ModalDriver::buttonWithText(dialog, QStringLiteral("&Close")))
            close->click();
    });
    action();
    return answer.seenClass();
}

} // namespace

class TestPromotionLinks : public QObject
{
    Q_OBJECT
private:
    UrlCatcher* m_pCatcher = nullptr;

    void setShareLinks(bool set)
    {
        app()->setFaceBookShareLink(set ? kProductPage + QStringLiteral("tickwrenfacebook.php") : QString());
        app()->setTwitterShareLink(set ? kProductPage + QStringLiteral("tickwrentwitter.php") : QString());
        app()->setVKontakteShareLink(set ? kProductPage + QStringLiteral("tickwrenvkontakte.php") : QString());
    }

private slots:
    void initTestCase()
    {
        ZEDireroz::installPromotionActions();
        ZEDireroz::installEditorActions();
        m_pCatcher = new UrlCatcher;
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
        app()->setAppId(kStoreId);
        // Make sure the language has been chosen once, so that a language set
        // below is not replaced by the first choice.
        app()->currentLanguage();
    }
    void cleanupTestCase() { delete m_pCatcher; }
    void init()
    {
        m_pCatcher->urls.clear();
        app()->setAppSupportPage(QString());
        app()->setCurrentLanguage(QStringLiteral("en"));
        PromotionTesting::setIndependent(false);
    }

    void webLinks_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QString>("supportPage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rate") << QByteArray("slotRateApp") << QString()
                              << storeSite() + "/app/tickwrentrial/" + kStoreId + "?ls=1&mt=12";
        QTest::newRow("more apps") << QByteArray("slotShowMoreApps") << QString()
                                   << storeSite() + "/artist/" + TickwrenLinks::kArtistSlug + "/"
                                          + TickwrenLinks::kArtistId + "?mt=12";
        QTest::newRow("support page set") << QByteArray("slotSupportPage") << kProductPage << kProductPage;
        QTest::newRow("support page empty") << QByteArray("slotSupportPage") << QString() << makerSite();
    }
    void webLinks()
    {
        QFETCH(QByteArray, slot);
        QFETCH(QString, supportPage);
        QFETCH(QString, expected);
        app()->setAppSupportPage(supportPage);
        QVERIFY(QMetaObject::invokeMethod(app(), slot.constData()));
        QUrl const url = m_pCatcher->takeOne();
        QCOMPARE(url, QUrl(expected));
        QVERIFY(url.scheme() == QLatin1String(url.host() == QUrl(storeSite()).host() ? "https" : "http"));
    }

    void promotedApp_data()
    {
        QTest::addColumn<QString>("promotedLink");
        QTest::addColumn<QString>("expected");
        QTest::newRow("promoted link") << kProductPage << kProductPage;
        QTest::newRow("store link of the promoted app")
            << QString() << storeSite() + "/app/metrowren/id987654321?ls=1&mt=12";
    }
    void promotedApp()
    {
        QFETCH(QString, promotedLink);
        QFETCH(QString, expected);
        app()->setPromotedAppNameAndID(QStringLiteral("MetroWren"), QStringLiteral("id987654321"));
        app()->setPromotedLink(promotedLink);
        app()->slotGoToPromotedApp();
        QCOMPARE(m_pCatcher->takeOne(), QUrl(expected));
    }

    void contactMail_data()
    {
        QTest::addColumn<bool>("independent");
        QTest::addColumn<QString>("ending");
        QTest::newRow("store build") << false << QStringLiteral(" en ");
        QTest::newRow("independent build") << true << QStringLiteral(" en I");
    }
    void contactMail()
    {
        QFETCH(bool, independent);
        QFETCH(QString, ending);
        PromotionTesting::setIndependent(independent);
        app()->slotContactUs();
        QUrl const url = m_pCatcher->takeOne();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QString::fromLatin1(TickwrenLinks::kContactEmail));
        // The system part names the running system, not a fixed old version.
        QString const subject = UrlCatcher::queryValue(url, QStringLiteral("subject"));
        QCOMPARE(subject, QStringLiteral("Contact (TickwrenTrial 1.0) ") + QSysInfo::prettyProductName() + ending);
        QVERIFY(!subject.contains(QStringLiteral("10.9")));
        QVERIFY(QUrlQuery(url).hasQueryItem(QStringLiteral("body")));
        QVERIFY(UrlCatcher::queryValue(url, QStringLiteral("body")).isEmpty());
    }

    void tellFriend_data()
    {
        QTest::addColumn<QString>("supportPage");
        QTest::addColumn<bool>("independent");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("link");
        QTest::newRow("support page") << kProductPage << false << "en" << kProductPage;
        QTest::newRow("store, English") << QString() << false << "en"
                                        << storeSite() + "/app/tickwrentrial/" + kStoreId + "?ls=1&mt=12";
        QTest::newRow("store, German") << QString() << false << "de"
                                       << storeSite() + "/de/app/tickwrentrial/" + kStoreId + "?ls=1&mt=12";
        QTest::newRow("independent") << QString() << true << "en" << makerSite() + "/apps/tickwrentrial.html";
    }
    void tellFriend()
    {
        QFETCH(QString, supportPage);
        QFETCH(bool, independent);
        QFETCH(QString, language);
        QFETCH(QString, link);
        app()->setAppSupportPage(supportPage);
        app()->setCurrentLanguage(language);
        PromotionTesting::setIndependent(independent);
        app()->slotTellFriend();
        QUrl const url = m_pCatcher->takeOne();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QVERIFY(url.path().isEmpty());
        QCOMPARE(UrlCatcher::queryValue(url, QStringLiteral("subject")),
                 QStringLiteral("Check out the cool TickwrenTrial app!"));
        // The store link's own "&mt=12" must arrive inside the body, not end it.
        QCOMPARE(UrlCatcher::queryValue(url, QStringLiteral("body")),
                 QStringLiteral("Hi, check out this cool TickwrenTrial app - available in the App Stores: ") + link);
        QCOMPARE(QUrlQuery(url).queryItems().size(), 2);
    }

    void mailValuesSurviveEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("ampersand") << QStringLiteral("a&b=c");
        QTest::newRow("hash") << QStringLiteral("take #2");
        QTest::newRow("placeholders") << QStringLiteral("100%1 and %2");
        QTest::newRow("escape look-alike") << QStringLiteral("%41%zz%");
        QTest::newRow("plus and question mark") << QStringLiteral("1+1? yes");
        QTest::newRow("non-Latin") << QStringLiteral("Привет, Grüße");
    }
    void mailValuesSurviveEncoding()
    {
        QFETCH(QString, text);
        QUrl const url = PromotionLinks::mailLink(QStringLiteral("someone@example.org"), text, text);
        QVERIFY(url.isValid());
        QUrl const reparsed(url.toString(QUrl::FullyEncoded), QUrl::StrictMode);
        QVERIFY(reparsed.isValid());
        QCOMPARE(reparsed.path(), QStringLiteral("someone@example.org"));
        QCOMPARE(reparsed.fragment(), QString());
        QCOMPARE(UrlCatcher::queryValue(reparsed, QStringLiteral("subject")), text);
        QCOMPARE(UrlCatcher::queryValue(reparsed, QStringLiteral("body")), text);
    }

    void joinLinks_data()
    {
        QTest::addColumn<QString>("appName");
        QTest::addColumn<QString>("social");
        QTest::newRow("plain") << QStringLiteral("TickwrenTrial") << QStringLiteral("twitter");
        QTest::newRow("placeholder in the name") << QStringLiteral("Beat %1 %2") << QStringLiteral("facebook");
        QTest::newRow("ampersand in the name") << QStringLiteral("Rock&Roll=Yes") << QStringLiteral("email");
        QTest::newRow("hash in the name") << QStringLiteral("Take #5") << QStringLiteral("vkontakte");
    }
    void joinLinks()
    {
        QFETCH(QString, appName);
        QFETCH(QString, social);
        QUrl const url(PromotionLinks::joinLink(appName, social).toString(QUrl::FullyEncoded), QUrl::StrictMode);
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QCOMPARE(url.host(), QUrl(makerSite()).host());
        QCOMPARE(url.path(), QStringLiteral("/apps/appscontrol/index.php"));
        QCOMPARE(url.fragment(), QString());
        // The name goes in unchanged: not lower-cased, nothing dropped or replaced.
        QCOMPARE(UrlCatcher::queryValue(url, QStringLiteral("app")), appName);
        QCOMPARE(UrlCatcher::queryValue(url, QStringLiteral("social")), social);
        QCOMPARE(QUrlQuery(url).queryItems().size(), 2);
    }

    void panelsFollowShareLinks_data()
    {
        QTest::addColumn<bool>("linksSet");
        QTest::newRow("no share links") << false;
        QTest::newRow("all share links") << true;
    }
    void panelsFollowShareLinks()
    {
        QFETCH(bool, linksSet);
        setShareLinks(linksSet);
        ZEDireroz::TellWidget tell(nullptr);
        ZEDireroz::JoinWidget join(nullptr);
        for (QPushButton* button : {tell.faceBookButton(), tell.twitterButton(), tell.vkontakteButton(),
                                    join.faceBookButton(), join.twitterButton(), join.vkontakteButton()})
            QCOMPARE(button->isHidden(), !linksSet);
        QVERIFY(!tell.emailButton()->isHidden());
        QVERIFY(!join.emailButton()->isHidden());
        QCOMPARE(tell.faceBookButton()->objectName(), QStringLiteral("FaceBookShareButton"));
        QCOMPARE(join.emailButton()->objectName(), QStringLiteral("EmailJoinButton"));
        QCOMPARE(tell.emailButton()->size(), QSize(190, 35));
    }

    void shareButtons()
    {
        setShareLinks(true);
        ZEDireroz::TellWidget tell(nullptr);
        struct Case
        {
            QPushButton* button;
            QString link;
        };
        for (Case const& c : {Case{tell.faceBookButton(), app()->faceBookShareLink()},
                              Case{tell.twitterButton(), app()->twitterShareLink()},
                              Case{tell.vkontakteButton(), app()->vkontakteShareLink()}}) {
            QTest::mouseClick(c.button, Qt::LeftButton);
            QCOMPARE(m_pCatcher->takeOne(), QUrl(c.link));
            // A button that stayed down would look as if the page were still open.
            QVERIFY(!c.button->isChecked());
            QVERIFY(!c.button->isDown());
        }
        // The e-mail button writes a recommendation instead of opening a page.
        QTest::mouseClick(tell.emailButton(), Qt::LeftButton);
        QUrl const mail = m_pCatcher->takeOne();
        QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
        QCOMPARE(UrlCatcher::queryValue(mail, QStringLiteral("subject")),
                 QStringLiteral("Check out the cool TickwrenTrial app!"));
        QVERIFY(!tell.emailButton()->isChecked());
    }

    void joinButtons()
    {
        setShareLinks(true);
        ZEDireroz::JoinWidget join(nullptr);
        struct Case
        {
            QPushButton* button;
            char const* social;
        };
        for (Case const& c : {Case{join.faceBookButton(), "facebook"}, Case{join.twitterButton(), "twitter"},
                              Case{join.vkontakteButton(), "vkontakte"}, Case{join.emailButton(), "email"}}) {
            QTest::mouseClick(c.button, Qt::LeftButton);
            QUrl const url = m_pCatcher->takeOne();
            QCOMPARE(url.path(), QStringLiteral("/apps/appscontrol/index.php"));
            QCOMPARE(UrlCatcher::queryValue(url, QStringLiteral("app")), QStringLiteral("TickwrenTrial"));
            QCOMPARE(UrlCatcher::queryValue(url, QStringLiteral("social")), QString::fromLatin1(c.social));
            QVERIFY(!c.button->isChecked());
        }
    }

    void dialogs()
    {
        setShareLinks(true);
        ZEDireroz::TellDialog tell(nullptr);
        QCOMPARE(tell.windowTitle(), QStringLiteral("Share TickwrenTrial"));
        QCOMPARE(tell.objectName(), QStringLiteral("Dialog"));
        QVERIFY(tell.textLabel()->text().contains(QStringLiteral("\"TickwrenTrial\"")));
        ZEDireroz::JoinDialog join(nullptr);
        QCOMPARE(join.windowTitle(), QStringLiteral("Join us"));
        QVERIFY(join.joinWidget()->textLabel()->text().startsWith(QStringLiteral("<H3>")));

        // Close accepts.
        QCOMPARE(runAndClose([&tell]() { QCOMPARE(tell.exec(), int(QDialog::Accepted)); }),
                 QStringLiteral("ZEDireroz::TellDialog"));
    }

    void shareAndJoinSlotsRunTheirDialogs_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("share") << QByteArray("slotShareApp") << QStringLiteral("ZEDireroz::TellDialog");
        QTest::newRow("join") << QByteArray("slotJoin") << QStringLiteral("ZEDireroz::JoinDialog");
    }
    void shareAndJoinSlotsRunTheirDialogs()
    {
        QFETCH(QByteArray, slot);
        QFETCH(QString, dialog);
        QCOMPARE(runAndClose([&slot]() { QVERIFY(QMetaObject::invokeMethod(app(), slot.constData())); }), dialog);
        // The dialog lived only during the slot.
        QTRY_VERIFY(app()->findChildren<QDialog*>().isEmpty());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QDialog*>(w));
        QVERIFY(m_pCatcher->urls.isEmpty());
    }

    // Each call opens a window of its own, which goes away when closed.
    void styleSheetEditor()
    {
        auto editors = []() {
            QList<ZEDireroz::CssEditor*> found;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (ZEDireroz::CssEditor* editor = qobject_cast<ZEDireroz::CssEditor*>(w))
                    found << editor;
            }
            return found;
        };
        QVERIFY(editors().isEmpty());
        app()->slotShowCssEditor();
        app()->slotShowCssEditor();
        QList<ZEDireroz::CssEditor*> const open = editors();
        QCOMPARE(open.size(), 2);
        for (ZEDireroz::CssEditor* editor : open) {
            QVERIFY(editor->isVisible());
            QVERIFY(!editor->parentWidget());
            QPointer<ZEDireroz::CssEditor> guard(editor);
            editor->close();
            QTRY_VERIFY(guard.isNull());
        }
    }

    // The cover lies over the main window while another window is active; with
    // no cover set the slot has nothing to do and must not touch one.
    void focusChangeCoversTheMainWindow()
    {
        QWidget main;
        main.resize(300, 200);
        QWidget other;
        main.show();
        other.show();
        app()->setMainWidget(&main);
        QApplication::setActiveWindow(&other);
        app()->slotFocusChanged(nullptr, &other);

        QWidget cover;
        app()->setCoverWidget(&cover);
        app()->slotFocusChanged(nullptr, &other);
        QVERIFY(cover.isVisible());
        QCOMPARE(cover.size(), QSize(300, 200));
        QApplication::setActiveWindow(&main);
        app()->slotFocusChanged(&other, &main);
        QVERIFY(!cover.isVisible());
        app()->setCoverWidget(nullptr);
        app()->setMainWidget(nullptr);
    }
};

TW_PROMOTION_TEST_MAIN(TestPromotionLinks)

#include "tst_promotionlinks.moc"

// The web view where the engine cannot run (the offscreen platform): pages go to
// the system browser, caught here by a URL handler, so nothing leaves the machine.
// Also the translation link and the view factory.
#include "TestSupport/UrlCatcher.h"
#include "ZEDireroz/frame/WebViewCreator.h"
#include "platform/webview/NativeWebView.h"
#include "platform/webview/NativeWebViewInternal.h"

#include <QUrlQuery>
#include <QtTest>

using namespace ZEDireroz;

class TestNativeWebView : public QObject
{
    Q_OBJECT
private:
    UrlCatcher m_browser;

private slots:
    void initTestCase() { WebViewInterface::setTranslationHost(QStringLiteral("translate.test")); }
    void init() { m_browser.urls.clear(); }

    void translationLink_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("link");
        QTest::newRow("plain page")
            << "http://tickwren.test/help.html"
            << "de"
            << "en"
            << "http://translate.test/translate?hl=en&u=http%3A%2F%2Ftickwren.test%2Fhelp.html&sl=de&tl=en";
        // The page's own query must not spill into the service's query.
        QTest::newRow("page with query")
            << "https://tickwren.test/p?a=1&tl=ru#top"
            << "en"
            << "fr"
            << "http://translate.test/"
               "translate?hl=fr&u=https%3A%2F%2Ftickwren.test%2Fp%3Fa%3D1%26tl%3Dru%23top&sl=en&tl=fr";
        QTest::newRow("space and umlaut")
            << QString::fromUtf8("http://tickwren.test/ü a") << "de"
            << "en"
            << "http://translate.test/translate?hl=en&u=http%3A%2F%2Ftickwren.test%2F%C3%BC%20a&sl=de&tl=en";
    }
    void translationLink()
    {
        QFETCH(QString, page);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, link);
        QString const made = WebViewInterface::translationLink(page, from, to);
        QCOMPARE(made, link);
        QUrlQuery const query{QUrl(made)};
        QCOMPARE(query.queryItemValue(QStringLiteral("u"), QUrl::FullyDecoded), page);
        QCOMPARE(query.queryItemValue(QStringLiteral("tl")), to);
    }

    void creatorNeedsAWebViewPrototype()
    {
        QCOMPARE(WebViewCreator::createWebView(), nullptr);
        QWidget plain;
        WebViewCreator::setWebView(&plain);
        QCOMPARE(WebViewCreator::createWebView(), nullptr);
        {
            QWidget parent;
            auto* prototype = new NativeWebView(&parent);
            WebViewCreator::setWebView(prototype);
            QScopedPointer<QWidget> made(WebViewCreator::createWebView());
            QVERIFY(qobject_cast<NativeWebView*>(made.data()));
            QVERIFY(made.data() != prototype);
            QCOMPARE(made->parentWidget(), nullptr);
        }
        // The prototype went with its parent: no clone of a dead object.
        QCOMPARE(WebViewCreator::createWebView(), nullptr);
    }

    void offscreenPageOpensInBrowser()
    {
        NativeWebView view;
        QVERIFY(!view.internalView()->isEmbedded());
        QCOMPARE(view.internalView()->parentWidget(), &view);
        view.load(QStringLiteral("https://tickwren.test/support?x=1"));
        QCOMPARE(m_browser.urls, QList<QUrl>{QUrl(QStringLiteral("https://tickwren.test/support?x=1"))});
        QCOMPARE(view.internalView()->address(), QStringLiteral("https://tickwren.test/support?x=1"));
    }

    void translatedPageOpensInBrowser()
    {
        NativeWebView view;
        view.loadTranslated(QStringLiteral("http://tickwren.test/a?b=1&c=2"), QStringLiteral("de"),
                            QStringLiteral("en"));
        QCOMPARE(m_browser.urls.size(), 1);
        QCOMPARE(
            m_browser.urls.at(0).toString(QUrl::FullyEncoded),
            QStringLiteral(
                "http://translate.test/translate?hl=en&u=http%3A%2F%2Ftickwren.test%2Fa%3Fb%3D1%26c%3D2&sl=de&tl=en"));
    }

    void onlyWebPagesLeaveForTheBrowser_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("local file") << "file:///etc/passwd";
        QTest::newRow("mail") << "mailto:someone@tickwren.test";
        QTest::newRow("not an address") << "http://exa mple.org/";
        QTest::newRow("relative") << "help.html";
        QTest::newRow("empty") << "";
    }
    void onlyWebPagesLeaveForTheBrowser()
    {
        QFETCH(QString, address);
        NativeWebView view;
        view.load(address);
        QVERIFY(m_browser.urls.isEmpty());
    }

    void createdViewsAreIndependent()
    {
        NativeWebView prototype;
        WebViewCreator::setWebView(&prototype);
        QScopedPointer<QWidget> first(WebViewCreator::createWebView());
        QScopedPointer<QWidget> second(WebViewCreator::createWebView());
        WebViewCreator::setWebView(nullptr);
        auto* one = qobject_cast<NativeWebView*>(first.data());
        auto* two = qobject_cast<NativeWebView*>(second.data());
        QVERIFY(one && two && one != two);
        one->load(QStringLiteral("https://tickwren.test/one"));
        QCOMPARE(one->internalView()->address(), QStringLiteral("https://tickwren.test/one"));
        QCOMPARE(two->internalView()->address(), QString());
        QCOMPARE(prototype.internalView()->address(), QString());
    }
};

QTEST_MAIN(TestNativeWebView)
#include "tst_nativewebview.moc"

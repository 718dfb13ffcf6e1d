// The web view on a real (virtual) X display with the engine running: a page
// served by the test itself on 127.0.0.1 is shown inside the widget, and nothing
// goes to the browser. As root the engine runs only with its sandbox switched
// off, which this test does for itself.
#include "TestSupport/CannedHttpServer.h"
#include "TestSupport/UrlCatcher.h"
#include "platform/webview/NativeWebView.h"
#include "platform/webview/NativeWebViewInternal.h"

#include <QWebEngineView>
#include <QtTest>

#include <unistd.h>

using namespace ZEDireroz;

class TestNativeWebViewX11 : public QObject
{
    Q_OBJECT
private slots:
    void pageShownInside()
    {
        if (!NativeWebViewInternal::engineUsable())
            QSKIP("QtWebEngine cannot run on this display (no OpenGL)");
        UrlCatcher browser;
        CannedHttpServer server;
        QVERIFY(server.isListening());
        QByteArray const body = "<html><head><title>Tick page</title></head><body>tick</body></html>";
        server.setReply("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: "
                        + QByteArray::number(body.size()) + "\r\n\r\n" + body);

        NativeWebView view;
        view.resize(400, 300);
        view.show();
        QVERIFY(view.internalView()->isEmbedded());
        auto* engine = view.internalView()->findChild<QWebEngineView*>();
        QVERIFY(engine);
        QSignalSpy loaded(engine, &QWebEngineView::loadFinished);
        view.load(server.url(QStringLiteral("/page.html")));
        QVERIFY(loaded.wait(60000));
        QCOMPARE(loaded.at(0).at(0).toBool(), true);
        QCOMPARE(engine->title(), QStringLiteral("Tick page"));
        QCOMPARE(server.requests().size(), 1);
        QVERIFY(browser.urls.isEmpty());
    }

    void rootNeedsTheSandboxSwitchedOff()
    {
        if (::geteuid() != 0)
            QSKIP("not running as root");
        if (!NativeWebViewInternal::engineUsable())
            QSKIP("QtWebEngine cannot run on this display (no OpenGL)");
        // With the sandbox on, the engine would refuse to start as root: the
        // page must go to the browser instead.
        QByteArray const saved = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        bool const usable = NativeWebViewInternal::engineUsable();
        UrlCatcher browser;
        {
            NativeWebView view;
            QVERIFY(!view.internalView()->isEmbedded());
            view.load(QStringLiteral("http://127.0.0.1:9/page.html"));
        }
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", saved);
        QVERIFY(!usable);
        QCOMPARE(browser.urls, QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:9/page.html"))});
    }
};

int main(int argc, char** argv)
{
    // Root may run the engine only without its sandbox.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    TestNativeWebViewX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_nativewebview_x11.moc"

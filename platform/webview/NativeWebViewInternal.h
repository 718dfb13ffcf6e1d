#pragma once
// The inner view of NativeWebView. Pages are shown by QtWebEngine where it can run:
// a real display with OpenGL, and a working sandbox (the engine refuses to run as
// root with the sandbox on; switching it off is left to whoever runs the program,
// with QTWEBENGINE_DISABLE_SANDBOX or --no-sandbox). Elsewhere (the offscreen
// platform, no OpenGL, root with the sandbox on), and when the engine's page
// process dies, the page opens in the system's web browser and the view shows
// its address instead.

#include <QString>
#include <QWebEnginePage>
#include <QWidget>

class QLabel;
class QWebEngineView;

namespace ZEDireroz {

class NativeWebViewInternal : public QWidget
{
    Q_OBJECT
public:
    explicit NativeWebViewInternal(QWidget* parent = nullptr);

    // Starts loading and returns at once. An address that is not a valid
    // absolute URL loads nothing.
    void load(QString const& url);

    // The address last loaded; empty before the first load.
    QString address() const { return m_address; }
    // Whether pages are shown in this widget (else in the browser).
    bool isEmbedded() const { return m_engine != nullptr; }

    // Whether QtWebEngine can run in this process.
    static bool engineUsable();

private slots:
    void slotRenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode);

private:
    void openInBrowser(QUrl const& url);

    QWebEngineView* m_engine = nullptr;
    QLabel* m_notice = nullptr;
    QString m_address;
};

} // namespace ZEDireroz

#include "platform/webview/NativeWebViewInternal.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QOpenGLContext>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <unistd.h>

namespace ZEDireroz {

namespace {

bool sandboxSwitchedOff()
{
    QByteArray const disable = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    if (!disable.isEmpty() && disable != "0")
        return true;
    if (qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"))
        return true;
    return QCoreApplication::arguments().contains(QStringLiteral("--no-sandbox"));
}

} // namespace

bool NativeWebViewInternal::engineUsable()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    QString const platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    // The engine draws through OpenGL contexts shared with the application's.
    if (!QOpenGLContext::globalShareContext())
        return false;
    if (::geteuid() == 0 && !sandboxSwitchedOff())
        return false;
    return true;
}

NativeWebViewInternal::NativeWebViewInternal(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (parent)
        resize(parent->size());
    if (engineUsable()) {
        m_engine = new QWebEngineView;
        layout->addWidget(m_engine);
        connect(m_engine->page(), &QWebEnginePage::renderProcessTerminated, this,
                &NativeWebViewInternal::slotRenderProcessTerminated);
    } else {
        m_notice = new QLabel;
        m_notice->setAlignment(Qt::AlignCenter);
        m_notice->setTextFormat(Qt::RichText);
        m_notice->setOpenExternalLinks(true);
        m_notice->setWordWrap(true);
        layout->addWidget(m_notice);
    }
}

void NativeWebViewInternal::load(QString const& url)
{
    QUrl const address(url, QUrl::StrictMode);
    if (!address.isValid() || address.isRelative())
        return;
    m_address = url;
    if (m_engine)
        m_engine->load(address);
    else
        openInBrowser(address);
}

void NativeWebViewInternal::openInBrowser(QUrl const& url)
{
    // Only web pages leave for the browser: any other scheme handed to the
    // desktop would open a local file or program.
    QString const scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return;
    if (m_notice) {
        QString const shown = url.toString(QUrl::FullyEncoded).toHtmlEscaped();
        m_notice->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(shown));
    }
    QDesktopServices::openUrl(url);
}

void NativeWebViewInternal::slotRenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status,
                                                        int exitCode)
{
    Q_UNUSED(exitCode);
    if (status == QWebEnginePage::NormalTerminationStatus || m_address.isEmpty())
        return;
    // The engine could not keep the page: show it in the browser after all.
    openInBrowser(QUrl(m_address, QUrl::StrictMode));
}

} // namespace ZEDireroz

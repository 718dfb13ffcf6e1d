#include "platform/webview/NativeWebView.h"

#include "platform/webview/NativeWebViewInternal.h"

#include <QVBoxLayout>

namespace ZEDireroz {

NativeWebView::NativeWebView(QWidget* parent)
    : QWidget(parent)
    , m_view(new NativeWebViewInternal(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
}

void NativeWebView::load(QString const& url)
{
    m_view->load(url);
}

void NativeWebView::loadTranslated(QString const& url, QString const& fromLanguage, QString const& toLanguage)
{
    load(translationLink(url, fromLanguage, toLanguage));
}

QWidget* NativeWebView::cloneObj()
{
    return new NativeWebView(nullptr);
}

} // namespace ZEDireroz

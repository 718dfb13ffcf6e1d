#include "ZEDireroz/frame/WebViewCreator.h"

#include "platform/desktop/WebViewInterface.h"

namespace ZEDireroz {

QPointer<QWidget> WebViewCreator::s_prototype;

void WebViewCreator::setWebView(QWidget* prototype)
{
    s_prototype = prototype;
}

QWidget* WebViewCreator::createWebView()
{
    auto* view = dynamic_cast<WebViewInterface*>(s_prototype.data());
    return view ? view->cloneObj() : nullptr;
}

} // namespace ZEDireroz

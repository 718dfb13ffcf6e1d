#pragma once
// A widget that shows one web page, filled entirely by its inner view.

#include "platform/desktop/WebViewInterface.h"

#include <QWidget>

namespace ZEDireroz {

class NativeWebViewInternal;

class NativeWebView : public QWidget, public WebViewInterface
{
    Q_OBJECT
public:
    explicit NativeWebView(QWidget* parent = nullptr);

    void load(QString const& url) override;
    void loadTranslated(QString const& url, QString const& fromLanguage, QString const& toLanguage) override;
    QWidget* cloneObj() override;

    NativeWebViewInternal* internalView() const { return m_view; }

private:
    NativeWebViewInternal* m_view;
};

} // namespace ZEDireroz

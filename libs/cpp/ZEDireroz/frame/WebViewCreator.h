#pragma once
// Makes web-page views without naming their class: a prototype view is
// registered once, and every request clones it.

#include <QPointer>
#include <QWidget>

namespace ZEDireroz {

class WebViewCreator
{
public:
    WebViewCreator() = delete;

    // Not owned. Watched, so that a prototype deleted by its owner makes
    // createWebView() answer null rather than touch a dead object.
    static void setWebView(QWidget* prototype);
    // A new parentless view owned by the caller; null when no prototype is
    // registered or the prototype is no WebViewInterface.
    static QWidget* createWebView();

private:
    static QPointer<QWidget> s_prototype;
};

} // namespace ZEDireroz

#include "platform/desktop/App_mac.h"

#include <QGuiApplication>
#include <QWindow>

App_mac* App_mac::sm_pInstance = nullptr;

App_mac* App_mac::instance()
{
    if (!sm_pInstance)
        sm_pInstance = new App_mac(nullptr);
    return sm_pInstance;
}

App_mac::App_mac(QObject* parent)
    : QObject(parent)
{
    // Without a GUI application there is nothing to re-activate; the hook then never fires.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::applicationStateChanged, this, &App_mac::handleApplicationStateChanged);
    }
}

void App_mac::emitClick()
{
    emit dockClicked();
}

void App_mac::handleApplicationStateChanged(Qt::ApplicationState state)
{
    if (state != Qt::ApplicationActive)
        return;
    for (QWindow const* window : QGuiApplication::topLevelWindows()) {
        if (window->isVisible() && !(window->windowStates() & Qt::WindowMinimized))
            return;
    }
    emitClick();
}

// The application object's main window, the cover laid over it while another
// window is active, and the activation of the application.
#include "ZEDireroz/frame/App.h"

#include <QWidget>

namespace ZEDireroz {

void App::setMainWidget(QWidget* widget)
{
    m_pMainWidget = widget;
}

QWidget* App::mainWidget()
{
    return m_pMainWidget;
}

void App::setCoverWidget(QWidget* widget)
{
    m_pCoverWidget = widget;
}

QWidget* App::coverWidget() const
{
    return m_pCoverWidget;
}

bool App::notify(QObject* receiver, QEvent* event)
{
    QEvent::Type const type = event->type();
    if (type == QEvent::ApplicationDeactivate) {
        m_bDeactivated = true;
        emit applicationDeactivated();
    } else if (type == QEvent::ApplicationActivate) {
        m_bDeactivated = false;
        emit applicationActivated();
    }
    return QApplication::notify(receiver, event);
}

bool App::isDeactivated() const
{
    return m_bDeactivated;
}

void App::slotFocusChanged(QWidget*, QWidget*)
{
    // Nothing to cover without a cover widget and a main window.
    if (!m_pCoverWidget || !m_pMainWidget)
        return;
    if (QApplication::activeWindow() != m_pMainWidget) {
        m_pCoverWidget->setFixedSize(m_pMainWidget->size());
        m_pCoverWidget->show();
        m_pCoverWidget->raise();
    } else {
        m_pCoverWidget->hide();
    }
}

} // namespace ZEDireroz

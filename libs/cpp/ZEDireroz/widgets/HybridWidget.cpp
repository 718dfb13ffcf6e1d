#include "ZEDireroz/widgets/HybridWidget.h"

#include "ZEDireroz/frame/Common.h"

#include <QVBoxLayout>

namespace ZEDireroz {

HybridWidget::HybridWidget(QWidget* parent)
    : QWidget(parent)
    , m_pContainer(new QWidget)
    , m_pViewWidget(new VirtualResolutionWidget)
    , m_pLayout(new QVBoxLayout)
{
    m_pViewWidget->setWidget(m_pContainer);
    Common::zeroMargins(m_pLayout);
    m_pLayout->setSpacing(0);
    setLayout(m_pLayout);
}

HybridWidget::~HybridWidget()
{
    // In virtual mode this widget is a child of the container, which the view's
    // scene owns: take it out before the view goes, or it would be deleted twice.
    if (m_bVirtualMode) {
        hide();
        setParent(m_pNormalParent);
        m_bVirtualMode = false;
    }
    delete m_pViewWidget;
    delete m_pSettingsDialog;
}

void HybridWidget::setWidget(QWidget* widget)
{
    m_pLayout->addWidget(widget);
}

void HybridWidget::setWindowCaption(QString const& title)
{
    setWindowTitle(title);
    m_pViewWidget->setWindowTitle(title);
}

void HybridWidget::slotSetVirtualResolutionMode(bool on)
{
    if (on == m_bVirtualMode)
        return;
    if (on)
        enterVirtualMode();
    else
        leaveVirtualMode();
}

void HybridWidget::enterVirtualMode()
{
    m_normalRect = QRect(QPoint(0, 0), size());
    m_normalGeometry = geometry();
    m_pNormalParent = parentWidget();
    hide();
    m_pContainer->setFixedSize(size());
    setParent(m_pContainer);
    m_pViewWidget->show();
    show();
    m_bVirtualMode = true;
    slotSetSize(m_pSettingsDialog ? m_pSettingsDialog->virtualResolution() : kDefaultVirtualSize);
    fillContainer();
}

void HybridWidget::leaveVirtualMode()
{
    setParent(m_pNormalParent);
    if (m_pNormalParent) {
        // Embedded in a page: back to exactly where it was.
        setGeometry(m_normalGeometry);
    } else {
        setGeometry(m_normalRect);
        move(50, 50);
    }
    show();
    m_pViewWidget->hide();
    m_bVirtualMode = false;
}

void HybridWidget::fillContainer()
{
    setGeometry(0, 0, m_pContainer->width(), m_pContainer->height());
}

void HybridWidget::slotSetSize(QSize const& size)
{
    if (!m_bVirtualMode)
        return;
    m_pViewWidget->slotSetSize(size);
    fillContainer();
}

void HybridWidget::slotSetMode(VirtualResolutionDialog::Mode mode)
{
    // Choosing the mode it is already in changes nothing.
    slotSetVirtualResolutionMode(mode == VirtualResolutionDialog::VirtualResolutionMode);
}

void HybridWidget::slotSetSettings()
{
    if (!m_pSettingsDialog)
        return;
    slotSetMode(m_pSettingsDialog->mode());
    slotSetSize(m_pSettingsDialog->virtualResolution());
}

void HybridWidget::slotShowFullScreenMode(bool full)
{
    m_bFullScreen = full;
    QWidget* window = m_bVirtualMode ? static_cast<QWidget*>(m_pViewWidget) : this;
    if (full)
        window->showFullScreen();
    else
        window->showNormal();
}

void HybridWidget::slotShowSettingsDialog()
{
    if (!m_pSettingsDialog) {
        m_pSettingsDialog = new VirtualResolutionDialog;
        connect(m_pSettingsDialog, &VirtualResolutionDialog::changeSettings, this, &HybridWidget::slotSetSettings);
    }
    m_pSettingsDialog->raise();
    m_pSettingsDialog->activateWindow();
    m_pSettingsDialog->show();
}

} // namespace ZEDireroz

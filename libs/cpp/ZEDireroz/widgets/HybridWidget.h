#pragma once
// The host an application puts its content into: an ordinary window in normal
// mode; in virtual mode it moves itself into a virtual-resolution widget and is
// shown scaled from a chosen screen size.

#include "ZEDireroz/widgets/VirtualResolution.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

class QVBoxLayout;

namespace ZEDireroz {

class HybridWidget : public QWidget
{
    Q_OBJECT
public:
    explicit HybridWidget(QWidget* parent = nullptr);
    // Leaves virtual mode first, so that the content is not destroyed with the view.
    ~HybridWidget() override;

    void setWidget(QWidget* widget);
    void setWindowCaption(QString const& title);
    bool isInVirtualMode() const { return m_bVirtualMode; }
    bool isFullScreenMode() const { return m_bFullScreen; }
    VirtualResolutionWidget* viewWidget() const { return m_pViewWidget; }
    // Null until the settings dialog was first shown.
    VirtualResolutionDialog* settingsDialog() const { return m_pSettingsDialog; }

    // The scale used when virtual mode is entered before the dialog was ever shown.
    static constexpr QSize kDefaultVirtualSize = QSize(1280, 800);

public slots:
    void slotSetVirtualResolutionMode(bool on);
    void slotShowFullScreenMode(bool full);
    void slotSetSize(QSize const& size);
    void slotSetMode(ZEDireroz::VirtualResolutionDialog::Mode mode);
    void slotSetSettings();
    void slotShowSettingsDialog();

private:
    void enterVirtualMode();
    void leaveVirtualMode();
    void fillContainer();

    QWidget* m_pContainer;
    VirtualResolutionWidget* m_pViewWidget;
    QVBoxLayout* m_pLayout;
    bool m_bVirtualMode = false;
    bool m_bFullScreen = false;
    VirtualResolutionDialog* m_pSettingsDialog = nullptr;
    QRect m_normalRect;
    // Where the widget lived before virtual mode took it into the container.
    QPointer<QWidget> m_pNormalParent;
    QRect m_normalGeometry;
};

} // namespace ZEDireroz

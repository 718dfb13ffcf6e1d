#pragma once
// Laying a widget tree out at a chosen screen size (say 1920 x 1200) while
// showing it scaled into whatever window the user has: the hosting widget, one
// shared instance of it, the resolution slider and the settings dialog.

#include <QDialog>
#include <QGroupBox>
#include <QSize>
#include <QVector>
#include <QWidget>

class QComboBox;
class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QSlider;
class QSpinBox;

namespace ZEDireroz {

// Hosts one widget in a graphics scene at a fixed virtual size and stretches the
// scene over its own window.
class VirtualResolutionWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VirtualResolutionWidget(QWidget* parent = nullptr);

    // The widget joins the scene (which owns it from then on) at (0, 0).
    void setWidget(QWidget* widget);
    QWidget* widget() const;
    QSize virtualSize() const { return m_virtualSize; }
    QGraphicsView* view() const { return m_pView; }
    void translate(int dx, int dy);

public slots:
    // Before setWidget only the size is stored; it is applied by setWidget.
    void slotSetWidth(int w);
    void slotSetHeight(int h);
    void slotSetSize(QSize const& size);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applySize();
    void fitView();

    QGraphicsScene* m_pScene;
    QGraphicsView* m_pView;
    QGraphicsProxyWidget* m_pProxy = nullptr;
    QSize m_virtualSize;
};

class VirtualResolutionSingleton
{
public:
    VirtualResolutionSingleton() { }
    // The shared widget, created without a parent on the first call and kept to the end of the process.
    static VirtualResolutionWidget* instance();

private:
    static VirtualResolutionWidget* _uniqueInstanceP;
};

// A slider over a list of resolutions, from low to high, with width and height boxes.
class ResolutionSetupWidget : public QGroupBox
{
    Q_OBJECT
public:
    explicit ResolutionSetupWidget(QWidget* parent = nullptr);

    void addResolution(int width, int height);
    // What the boxes show; typed values count here, but typing emits nothing.
    QSize resolution() const;

signals:
    void resolutionChanged(const QSize& size);

public slots:
    void slotValueChanged(int n);

private:
    QVector<int> m_widths;
    QVector<int> m_heights;
    QSlider* m_pSlider;
    QSpinBox* m_pWidthBox;
    QSpinBox* m_pHeightBox;
};

class VirtualResolutionDialog : public QDialog
{
    Q_OBJECT
public:
    enum Mode { VirtualResolutionMode = 0, NormalMode = 1 };

    explicit VirtualResolutionDialog(QWidget* parent = nullptr);

    Mode mode() const;
    QSize virtualResolution() const;
    ResolutionSetupWidget* resolutionSetup() const { return m_pResolutionSetup; }
    QComboBox* modeBox() const { return m_pModeBox; }

signals:
    void virtualResolutionChanged(const QSize& size);
    void changeVirtualResolution(const QSize& size);
    void changeSettings();

public slots:
    void slotApply();
    void slotModeChanged(int index);

private:
    QComboBox* m_pModeBox;
    ResolutionSetupWidget* m_pResolutionSetup;
    ResolutionSetupWidget* m_pWindowSizeSetup;
};

} // namespace ZEDireroz

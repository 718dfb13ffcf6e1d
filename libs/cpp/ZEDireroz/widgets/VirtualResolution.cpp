#include "ZEDireroz/widgets/VirtualResolution.h"

#include "ZEDireroz/frame/Common.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ZEDireroz {

namespace {

constexpr int kMinimumSide = 100;
constexpr int kMaximumSide = 30000;

// The resolutions the dialog offers, from low to high.
constexpr QSize kResolutions[] = {{1024, 768},  {1152, 864},  {1280, 800},  {1280, 1024}, {1440, 900},
                                  {1600, 1200}, {1680, 1050}, {1920, 1200}, {1980, 1250}, {2048, 1536},
                                  {2650, 1600}, {3840, 2400}, {4096, 3072}, {5300, 3200}};

QHBoxLayout* row(int margin, int spacing)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    return layout;
}

} // namespace

VirtualResolutionWidget::VirtualResolutionWidget(QWidget* parent)
    : QWidget(parent)
    , m_pScene(new QGraphicsScene(this))
    , m_pView(new QGraphicsView(m_pScene))
{
    m_pScene->setSceneRect(0, 0, 800, 800);
    m_pView->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // The whole virtual surface is always stretched over the view: nothing to scroll.
    m_pView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The view's viewport gets its final size after this widget's own resize
    // (from the layout, and once the scroll bars are settled): fit it then too.
    m_pView->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout;
    Common::zeroMargins(layout);
    layout->setSpacing(0);
    layout->addWidget(m_pView);
    setLayout(layout);
    QPalette palette;
    palette.setBrush(backgroundRole(), QBrush(Qt::green));
    setPalette(palette);
}

void VirtualResolutionWidget::setWidget(QWidget* widget)
{
    m_pProxy = m_pScene->addWidget(widget);
    if (m_virtualSize.isValid())
        applySize();
    fitView();
    m_pProxy->setPos(0, 0);
}

QWidget* VirtualResolutionWidget::widget() const
{
    return m_pProxy ? m_pProxy->widget() : nullptr;
}

void VirtualResolutionWidget::translate(int, int)
{
}

void VirtualResolutionWidget::slotSetWidth(int w)
{
    m_virtualSize.setWidth(w);
    qDebug() << "Size1:" << m_virtualSize;
    applySize();
}

void VirtualResolutionWidget::slotSetHeight(int h)
{
    m_virtualSize.setHeight(h);
    qDebug() << "Size2:" << m_virtualSize;
    applySize();
}

void VirtualResolutionWidget::slotSetSize(QSize const& size)
{
    m_virtualSize = size;
    applySize();
}

void VirtualResolutionWidget::applySize()
{
    // A size arriving before the widget is only stored; setWidget applies it.
    // A side still unknown (-1) leaves the widget as it is.
    if (!m_pProxy || !m_virtualSize.isValid())
        return;
    m_pProxy->widget()->setFixedSize(m_virtualSize);
    m_pScene->setSceneRect(0, 0, m_virtualSize.width(), m_virtualSize.height());
    fitView();
    m_pProxy->setPos(0, 0);
}

void VirtualResolutionWidget::fitView()
{
    if (m_pProxy)
        m_pView->fitInView(m_pProxy, Qt::IgnoreAspectRatio);
}

void VirtualResolutionWidget::resizeEvent(QResizeEvent* event)
{
    if (m_pProxy) {
        fitView();
        m_pView->ensureVisible(m_pProxy, 50, 50);
    }
    QWidget::resizeEvent(event);
}

bool VirtualResolutionWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pView->viewport() && event->type() == QEvent::Resize)
        fitView();
    return QWidget::eventFilter(watched, event);
}

VirtualResolutionWidget* VirtualResolutionSingleton::_uniqueInstanceP = nullptr;

VirtualResolutionWidget* VirtualResolutionSingleton::instance()
{
    if (!_uniqueInstanceP)
        _uniqueInstanceP = new VirtualResolutionWidget;
    return _uniqueInstanceP;
}

ResolutionSetupWidget::ResolutionSetupWidget(QWidget* parent)
    : QGroupBox(parent)
    , m_pSlider(new QSlider(Qt::Horizontal))
    , m_pWidthBox(new QSpinBox)
    , m_pHeightBox(new QSpinBox)
{
    m_pSlider->setTickInterval(1);
    m_pSlider->setTickPosition(QSlider::TicksBelow);
    m_pSlider->setRange(0, 0);
    for (QSpinBox* box : {m_pWidthBox, m_pHeightBox})
        box->setRange(kMinimumSide, kMaximumSide);

    QHBoxLayout* sliderRow = row(1, 1);
    sliderRow->addWidget(new QLabel(tr("Low")));
    sliderRow->addWidget(m_pSlider);
    sliderRow->addWidget(new QLabel(tr("High")));
    QHBoxLayout* sizeRow = row(1, 1);
    sizeRow->addWidget(m_pWidthBox);
    auto* times = new QLabel(QStringLiteral("x"));
    times->setMaximumWidth(10);
    sizeRow->addWidget(times);
    sizeRow->addWidget(m_pHeightBox);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(1);
    column->addLayout(sliderRow);
    column->addLayout(sizeRow);
    setLayout(column);

    connect(m_pSlider, &QSlider::valueChanged, this, &ResolutionSetupWidget::slotValueChanged);
}

void ResolutionSetupWidget::addResolution(int width, int height)
{
    m_widths.append(width);
    m_heights.append(height);
    m_pSlider->setRange(0, m_widths.size() - 1);
    m_pWidthBox->setValue(m_widths.first());
    m_pHeightBox->setValue(m_heights.first());
}

void ResolutionSetupWidget::slotValueChanged(int n)
{
    if (n < 0 || n >= m_widths.size())
        return;
    m_pWidthBox->setValue(m_widths.at(n));
    m_pHeightBox->setValue(m_heights.at(n));
    emit resolutionChanged(resolution());
}

QSize ResolutionSetupWidget::resolution() const
{
    return QSize(m_pWidthBox->value(), m_pHeightBox->value());
}

VirtualResolutionDialog::VirtualResolutionDialog(QWidget* parent)
    : QDialog(parent)
    , m_pModeBox(new QComboBox)
    , m_pResolutionSetup(new ResolutionSetupWidget)
    , m_pWindowSizeSetup(new ResolutionSetupWidget)
{
    m_pModeBox->addItem(tr("Virtual Resolution Mode"));
    m_pModeBox->addItem(tr("Normal Mode"));
    m_pResolutionSetup->setTitle(tr("Virtual Resolution"));
    m_pWindowSizeSetup->setTitle(tr("Window Size"));
    m_pWindowSizeSetup->hide();

    auto* logo = new QLabel;
    logo->setPixmap(QPixmap(QStringLiteral(":/pix/vrlogo.png")));
    QHBoxLayout* accelerationRow = row(5, 1);
    accelerationRow->addWidget(new QLabel(tr("OpenGL Acceleration")));
    auto* acceleration = new QCheckBox;
    acceleration->setChecked(false);
    acceleration->setEnabled(false);
    accelerationRow->addWidget(acceleration);
    accelerationRow->addStretch();
    QHBoxLayout* setupRow = row(5, 5);
    setupRow->addWidget(m_pResolutionSetup);
    setupRow->addWidget(m_pWindowSizeSetup);

    auto* ok = new QPushButton(tr("&Ok"));
    auto* cancel = new QPushButton(tr("&Cancel"));
    auto* apply = new QPushButton(tr("&Apply"));
    QHBoxLayout* buttonRow = row(5, 3);
    buttonRow->addStretch();
    for (QPushButton* button : {ok, cancel, apply}) {
        Common::applyPushButtonDetails(button);
        buttonRow->addWidget(button);
    }

    auto* column = new QVBoxLayout;
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(3);
    column->addWidget(logo);
    column->addLayout(accelerationRow);
    column->addWidget(m_pModeBox);
    column->addLayout(setupRow);
    column->addLayout(buttonRow);
    setLayout(column);

    for (QSize const& size : kResolutions)
        m_pResolutionSetup->addResolution(size.width(), size.height());

    connect(m_pModeBox, QOverload<int>::of(&QComboBox::activated), this, &VirtualResolutionDialog::slotModeChanged);
    connect(m_pResolutionSetup, &ResolutionSetupWidget::resolutionChanged, this,
            &VirtualResolutionDialog::virtualResolutionChanged);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &VirtualResolutionDialog::slotApply);
}

VirtualResolutionDialog::Mode VirtualResolutionDialog::mode() const
{
    return m_pModeBox->currentIndex() == 0 ? VirtualResolutionMode : NormalMode;
}

QSize VirtualResolutionDialog::virtualResolution() const
{
    return m_pResolutionSetup->resolution();
}

void VirtualResolutionDialog::slotModeChanged(int index)
{
    m_pResolutionSetup->setEnabled(index == 0);
}

void VirtualResolutionDialog::slotApply()
{
    emit changeVirtualResolution(virtualResolution());
    emit changeSettings();
}

} // namespace ZEDireroz

#include "ZEDireroz/settings/UpdateIndicationDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QTimer>

namespace ZEDireroz {

UpdateIndicationDialog::UpdateIndicationDialog(QWidget* parent)
    : QDialog(parent)
    , m_pAnimationLabel(new QLabel)
    , m_pTextLabel(new QLabel)
    , m_pMovie(new QMovie(QStringLiteral(":/pix/loading.gif"), QByteArray(), this))
    , m_pTimer(new QTimer(this))
{
    m_pTimer->setInterval(10000);
    connect(m_pTimer, &QTimer::timeout, this, &UpdateIndicationDialog::slotTimeOut);
    setMinimumHeight(70);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(0.8);
    m_pMovie->setSpeed(300);
    m_pAnimationLabel->setMovie(m_pMovie);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    layout->addWidget(m_pAnimationLabel);
    layout->addWidget(m_pTextLabel);
}

void UpdateIndicationDialog::setText(QString const& text)
{
    m_pTextLabel->setText(text);
}

void UpdateIndicationDialog::slotTimeOut()
{
    accept();
}

void UpdateIndicationDialog::showEvent(QShowEvent* event)
{
    m_pMovie->start();
    m_pAnimationLabel->setFixedSize(m_pMovie->currentPixmap().size());
    QDialog::showEvent(event);
    m_pTimer->start();
}

void UpdateIndicationDialog::hideEvent(QHideEvent* event)
{
    m_pMovie->stop();
    m_pTimer->stop();
    QDialog::hideEvent(event);
}

} // namespace ZEDireroz

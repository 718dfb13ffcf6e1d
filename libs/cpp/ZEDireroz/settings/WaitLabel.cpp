#include "ZEDireroz/settings/WaitLabel.h"

#include <QMovie>
#include <QVBoxLayout>

namespace ZEDireroz {

WaitLabel::WaitLabel(QString const& text, QWidget* parent)
    : QLabel(parent)
    , m_pAnimationLabel(new QLabel)
    , m_pMovie(new QMovie(QStringLiteral(":/pix/loading.gif"), QByteArray(), this))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(0.5);
    setText(text);
    // The animation stands at the left edge; a text of any kind is centred
    // clear of it.
    setAlignment(Qt::AlignCenter);
    setFixedSize(width(), 300);

    m_pAnimationLabel->setMovie(m_pMovie);
    m_pMovie->start();
    m_pAnimationLabel->setFixedSize(m_pMovie->currentPixmap().size() + QSize(5, 5));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(10);
    layout->addWidget(m_pAnimationLabel);
}

} // namespace ZEDireroz

#include "ZEDireroz/frame/MobileSimulator.h"

#include <QHBoxLayout>

namespace ZEDireroz {

MobileSimulator::MobileSimulator(QWidget* parent)
    : QFrame(parent)
    , m_pLayout(new QHBoxLayout(this))
{
    setObjectName("MobileSimulator");
    m_pLayout->setContentsMargins(5, 5, 5, 5);
    m_pLayout->setSpacing(3);
}

void MobileSimulator::setMainWidget(QWidget* w)
{
    m_pMainWidget = w;
    m_pLayout->addWidget(w);
}

} // namespace ZEDireroz

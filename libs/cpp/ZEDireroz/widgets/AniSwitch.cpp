#include "ZEDireroz/widgets/AniSwitch.h"

#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/widgets/CheckButton.h"

#include <QHBoxLayout>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QSignalTransition>
#include <QState>
#include <QStateMachine>

namespace ZEDireroz {

AniSwitch::AniSwitch(QWidget* parent)
    : QWidget(parent)
{
}

void AniSwitch::init(bool withIcon, bool on)
{
    if (m_bBuilt)
        return;
    m_bBuilt = true;
    int const w = width();
    int const h = height();

    m_pIcon = new CheckButton;
    m_pIcon->setFixedSize(h, h);
    m_pIcon->setFlat(true);
    Common::extend(m_pIcon, QStringLiteral("AniSwitchIcon"));
    connect(m_pIcon, &CheckButton::toggled, this, &AniSwitch::toggled);

    // The handle covers one area and leaves the other to click: over the right
    // one when on (the left one switches off), over the left one when off.
    m_pArea = new QWidget;
    auto* onArea = new QPushButton;
    onArea->setObjectName(QStringLiteral("AniSwitchOnArea"));
    connect(onArea, &QPushButton::clicked, this, &AniSwitch::slotSetOff);
    auto* offArea = new QPushButton;
    offArea->setObjectName(QStringLiteral("AniSwitchOffArea"));
    connect(offArea, &QPushButton::clicked, this, &AniSwitch::slotSetOn);
    auto* areaLayout = new QHBoxLayout;
    Common::zeroMargins(areaLayout);
    areaLayout->setSpacing(0);
    areaLayout->addWidget(onArea);
    areaLayout->addStretch(1);
    areaLayout->addWidget(offArea);
    m_pArea->setLayout(areaLayout);

    m_pHandle = new QPushButton(m_pArea);
    m_pHandle->setAutoFillBackground(true);
    m_pHandle->setFlat(true);
    if (withIcon) {
        m_pHandle->setFixedSize(w / 2 - h / 2, h);
    } else {
        m_pHandle->setFixedSize(w / 2, h);
        m_pIcon->hide();
    }
    m_pHandle->show();
    m_pHandle->raise();
    m_pHandle->setObjectName(QStringLiteral("AniSwitchHandler"));

    m_pMachine = new QStateMachine;
    m_pMachine->setParent(this);
    auto* offState = new QState(m_pMachine);
    offState->assignProperty(m_pHandle, "pos", QPoint(0, 0));
    offState->assignProperty(m_pIcon, "checked", false);
    auto* onState = new QState(m_pMachine);
    onState->assignProperty(m_pHandle, "pos", QPoint(m_pHandle->width(), 0));
    onState->assignProperty(m_pIcon, "checked", true);
    m_pMachine->setInitialState(on ? onState : offState);
    m_pOnState = onState;
    m_pOffState = offState;
    connect(m_pIcon, &CheckButton::toggled, this, &AniSwitch::startIn);

    auto* toOn = new QPropertyAnimation(m_pHandle, "pos", this);
    toOn->setDuration(kSlideMs);
    auto* toOff = new QPropertyAnimation(m_pHandle, "pos", this);
    toOff->setDuration(kSlideMs);
    offState->addTransition(m_pHandle, &QPushButton::clicked, onState)->addAnimation(toOn);
    offState->addTransition(m_pIcon, &CheckButton::onClicked, onState)->addAnimation(toOn);
    onState->addTransition(m_pHandle, &QPushButton::clicked, offState)->addAnimation(toOff);
    onState->addTransition(m_pIcon, &CheckButton::offClicked, offState)->addAnimation(toOff);
    m_pMachine->start();
    // The machine enters its first state only once the event loop runs; the
    // state asked for is the state reported from now on, and its toggled() is
    // sent now. Entering the state later assigns the same value and sends nothing.
    m_pIcon->setChecked(on);

    auto* layout = new QHBoxLayout;
    Common::zeroMargins(layout);
    layout->setSpacing(0);
    layout->addWidget(m_pIcon);
    layout->addWidget(m_pArea);
    setLayout(layout);
}

bool AniSwitch::isChecked() const
{
    return m_pIcon && m_pIcon->isChecked();
}

void AniSwitch::setOn(bool on)
{
    if (!m_pIcon)
        return;
    startIn(on);
    m_pIcon->setChecked(on);
}

// The machine enters its first state only once the event loop runs. A state set
// before that becomes the state it starts in, so that entering it does not undo
// the change.
void AniSwitch::startIn(bool on)
{
    if (!m_pMachine->isRunning())
        m_pMachine->setInitialState(on ? m_pOnState : m_pOffState);
}

void AniSwitch::slotSetOn()
{
    setOn(true);
}

void AniSwitch::slotSetOff()
{
    setOn(false);
}

void AniSwitch::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}

} // namespace ZEDireroz

#include "ZEDireroz/promotion/HelpViewArea.h"

#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotion/HelpDisplay.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalMapper>
#include <QTimer>
#include <QVBoxLayout>

namespace ZEDireroz {

HelpViewArea::HelpViewArea(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("HelpViewArea"));

    m_pTimer = new QTimer(this);
    m_pTimer->setInterval(kSlideInterval);
    m_pTimer->setSingleShot(false);
    connect(m_pTimer, &QTimer::timeout, this, &HelpViewArea::slotShowNextSlide);

    m_pMapper = new QSignalMapper(this);
    connect(m_pMapper, &QSignalMapper::mappedString, this, &HelpViewArea::slotShowSlide);

    m_pDisplay = new HelpDisplay;
    if (Common::isPocketDevice())
        m_pDisplay->setMinimumSize(280, 220);
    else
        m_pDisplay->setMinimumSize(400, 300);

    m_pButtonGroup = new QButtonGroup(this);
    m_pButtonGroup->setExclusive(true);
    connect(m_pButtonGroup, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this,
            &HelpViewArea::slotButtonClicked);

    m_pButtonsLayout = new QHBoxLayout;
    Common::zeroMargins(m_pButtonsLayout, 3);

    QHBoxLayout* row = new QHBoxLayout;
    Common::zeroMargins(row);
    row->addStretch(1);
    row->addLayout(m_pButtonsLayout);
    row->addStretch(1);

    QVBoxLayout* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);
    main->addWidget(m_pDisplay);
    main->addLayout(row);
}

void HelpViewArea::addSlide(QString const& file)
{
    QPushButton* button = new QPushButton(QString::number(m_lButtons.size() + 1));
    applyItemButtonProperties(button, QStringLiteral("HelpSlideButton"));
    m_pButtonGroup->addButton(button);
    m_pButtonsLayout->addWidget(button);
    m_lButtons << button;
    connect(button, &QPushButton::toggled, m_pMapper, qOverload<>(&QSignalMapper::map));
    connect(button, &QPushButton::clicked, this, &HelpViewArea::slotStopSlideShow);
    m_pMapper->setMapping(button, file);
}

QPushButton* HelpViewArea::applyItemButtonProperties(QPushButton* button, QString const& objectName)
{
    button->setFlat(true);
    button->setFixedSize(18, 18);
    button->setObjectName(objectName);
    button->setCheckable(true);
    return button;
}

void HelpViewArea::slotShowSlide(const QString& file)
{
    m_pDisplay->setSlide(file);
}

void HelpViewArea::slotShowNextSlide()
{
    if (m_lButtons.isEmpty())
        return;
    int const current = m_lButtons.indexOf(qobject_cast<QPushButton*>(m_pButtonGroup->checkedButton()));
    int const next = (current < 0 || current + 1 >= m_lButtons.size()) ? 0 : current + 1;
    m_lButtons.at(next)->setChecked(true);
}

void HelpViewArea::slotStartSlideShow()
{
    if (!m_pButtonGroup->checkedButton() && !m_lButtons.isEmpty())
        m_lButtons.first()->setChecked(true);
    m_pTimer->start();
}

void HelpViewArea::slotStopSlideShow()
{
    m_pTimer->stop();
}

void HelpViewArea::slotButtonClicked()
{
    // A click already checks the button and stops the show through the button's
    // own connections; the group's notice needs nothing more.
}

} // namespace ZEDireroz

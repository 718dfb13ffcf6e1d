#include "ZEDireroz/promotionbar/ReminderDialog.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotion/JoinWidget.h"
#include "ZEDireroz/promotion/TellWidget.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ZEDireroz {

namespace {

QBoxLayout* newRow(bool column)
{
    QBoxLayout* row = column ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    Common::zeroMargins(row, 5);
    return row;
}

} // namespace

ReminderDialog::ReminderDialog(QWidget* parent)
    : QDialog(parent)
    , m_bPocket(Common::isPocketDevice())
{
    QString const name = QCoreApplication::applicationName();
    setWindowTitle(tr("Help Spread the Word about \"") + name + QLatin1Char('"'));
    setObjectName(QStringLiteral("Dialog"));

    m_pNow = new QPushButton;
    m_pMaybeLater = new QPushButton(tr("&Maybe Later"));
    m_pMaybeLater2 = new QPushButton(tr("&Maybe Later"));
    m_pNever = new QPushButton(tr("&Never Ask Me Again"));
    for (QPushButton* button : {m_pNow, m_pMaybeLater, m_pMaybeLater2, m_pNever})
        Common::applyPushButtonDetails(button);

    connect(m_pNow, &QPushButton::clicked, this, &ReminderDialog::slotNow);
    connect(m_pMaybeLater, &QPushButton::clicked, this, &ReminderDialog::slotMaybeLater);
    connect(m_pMaybeLater2, &QPushButton::clicked, this, &ReminderDialog::slotMaybeLater);
    connect(m_pNever, &QPushButton::clicked, this, &ReminderDialog::slotNeverAskMeAgain);

    // The heading stays open: each kind of reminder adds its own line and closes it.
    m_pTextLabel = new QLabel;
    m_pTextLabel->setTextFormat(Qt::RichText);
    m_pTextLabel->setText(QStringLiteral("<CENTER>") + (m_bPocket ? QStringLiteral("<H4>") : QStringLiteral("<H3>"))
                          + tr("If you like ") + name + tr("-App,"));
    m_pTextLabel->setMinimumHeight(90);

    m_pLogoLabel = new QLabel;
    m_pLogoLabel->setObjectName(QStringLiteral("LogoLabel"));
    m_pLogoLabel->setFixedSize(90, 90);

    m_pContentRow = new QHBoxLayout;
    Common::zeroMargins(m_pContentRow, 0);

    QBoxLayout* top = newRow(m_bPocket);
    if (m_bPocket) {
        QHBoxLayout* logoRow = new QHBoxLayout;
        logoRow->addStretch(0);
        logoRow->addWidget(m_pLogoLabel);
        logoRow->addStretch(0);
        top->addLayout(logoRow);
    } else {
        top->addWidget(m_pLogoLabel);
    }
    top->addWidget(m_pTextLabel);

    QBoxLayout* buttons = newRow(m_bPocket);
    buttons->addWidget(m_pMaybeLater);
    buttons->addWidget(m_pNever);
    buttons->addWidget(m_pMaybeLater2);
    buttons->addWidget(m_pNow);

    QVBoxLayout* main = new QVBoxLayout;
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(1);
    main->addLayout(top);
    main->addLayout(m_pContentRow);
    main->addLayout(buttons);
    setLayout(main);
}

void ReminderDialog::finishText(QString const& line)
{
    m_pTextLabel->setText(m_pTextLabel->text() + line + (m_bPocket ? QStringLiteral("</H4>") : QStringLiteral("</H3>"))
                          + QStringLiteral("</CENTER>"));
}

void ReminderDialog::slotNow()
{
    m_nState = Now;
    accept();
}

void ReminderDialog::slotMaybeLater()
{
    m_nState = MaybeLater;
    accept();
}

void ReminderDialog::slotNeverAskMeAgain()
{
    m_nState = NeverAskMeAgain;
    accept();
}

void ReminderDialog::focusInEvent(QFocusEvent* event)
{
    QDialog::focusInEvent(event);
    // The harmless answer is the one Return gives.
    QPushButton* target = m_pMaybeLater2->isHidden() ? m_pMaybeLater : m_pMaybeLater2;
    target->setFocus(Qt::OtherFocusReason);
}

RateReminderDialog::RateReminderDialog(QWidget* parent)
    : ReminderDialog(parent)
{
    finishText(tr("<br>please rate it in the App Store.<br>Thanks!"));
    secondMaybeLaterButton()->hide();
    nowButton()->setText(tr("&Rate It Now"));
    nowButton()->setFocus(Qt::OtherFocusReason);
}

TellReminderDialog::TellReminderDialog(QWidget* parent)
    : ReminderDialog(parent)
{
    setWindowTitle(tr("Share"));
    finishText(tr("<br>Share it with Your Friends.<br>Thanks!"));
    maybeLaterButton()->hide();
    nowButton()->hide();
    contentRow()->addStretch(1);
    contentRow()->addWidget(new TellWidget);
    contentRow()->addStretch(1);
}

JoinReminderDialog::JoinReminderDialog(QWidget* parent)
    : ReminderDialog(parent)
{
    setWindowTitle(tr("Join Us"));
    textLabel()->hide();
    maybeLaterButton()->hide();
    nowButton()->hide();
    contentRow()->addStretch(1);
    contentRow()->addWidget(new JoinWidget);
    contentRow()->addStretch(1);
}

} // namespace ZEDireroz

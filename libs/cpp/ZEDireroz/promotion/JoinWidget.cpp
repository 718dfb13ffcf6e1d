#include "ZEDireroz/promotion/JoinWidget.h"

#include "ZEDireroz/frame/Common.h"
#include "ZEDireroz/promotion/PromotionLinks.h"
#include "ZEDireroz/promotion/SharePanel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ZEDireroz {

JoinWidget::JoinWidget(QWidget* parent)
    : QFrame(parent)
{
    // The join buttons follow the share links: a network without a share page
    // has no channel to join either.
    SharePanel::Buttons const buttons = SharePanel::createButtons(QStringLiteral("Join"));
    m_pFaceBook = buttons.faceBook;
    m_pTwitter = buttons.twitter;
    m_pVKontakte = buttons.vkontakte;
    m_pEmail = buttons.email;
    connect(m_pFaceBook, &QPushButton::clicked, this, &JoinWidget::slotFaceBookClicked);
    connect(m_pTwitter, &QPushButton::clicked, this, &JoinWidget::slotTwitterClicked);
    connect(m_pVKontakte, &QPushButton::clicked, this, &JoinWidget::slotVKontakteClicked);
    connect(m_pEmail, &QPushButton::clicked, this, &JoinWidget::slotEmailClicked);

    bool const pocket = Common::isPocketDevice();
    QString const heading = pocket ? QStringLiteral("H5") : QStringLiteral("H3");
    m_pText = new QLabel;
    m_pText->setTextFormat(Qt::RichText);
    m_pText->setText(QStringLiteral("<%1>").arg(heading) + tr("Join us and stay informed about our")
                     + QStringLiteral("</%1>").arg(heading) + QStringLiteral("<H4>")
                     + tr("   1. One Day FREE APP Actions<br>") + tr("   2. APP Updates<br>") + tr("   3. New APPs<br>")
                     + tr("   4. Important News<br>") + QStringLiteral("</H4>"));

    QHBoxLayout* row = new QHBoxLayout;
    Common::zeroMargins(row, 0);
    row->addStretch(0);
    row->addLayout(SharePanel::buttonColumn(buttons));
    row->addStretch(0);

    QVBoxLayout* main = new QVBoxLayout(this);
    Common::zeroMargins(main, 0);
    main->addWidget(m_pText);
    main->addLayout(row);
}

void JoinWidget::openJoinPage(QString const& social)
{
    SharePanel::openLink(PromotionLinks::joinLink(QCoreApplication::applicationName(), social));
}

void JoinWidget::slotFaceBookClicked()
{
    openJoinPage(QStringLiteral("facebook"));
}

void JoinWidget::slotTwitterClicked()
{
    openJoinPage(QStringLiteral("twitter"));
}

void JoinWidget::slotVKontakteClicked()
{
    openJoinPage(QStringLiteral("vkontakte"));
}

void JoinWidget::slotEmailClicked()
{
    openJoinPage(QStringLiteral("email"));
}

} // namespace ZEDireroz

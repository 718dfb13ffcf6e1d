#include "JoinWidget.h"

#include "App.h"
#include "PromotionLinks.h"
#include "SharePanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ZEDireroz {

JoinWidget::JoinWidget(QWidget* parent)
    : QFrame(parent)
{
    m_pFaceBook = SharePanel::applyButtonProperties(new QPushButton, QStringLiteral("FaceBookJoinButton"));
    m_pTwitter = SharePanel::applyButtonProperties(new QPushButton, QStringLiteral("TwitterJoinButton"));
    m_pVKontakte = SharePanel::applyButtonProperties(new QPushButton, QStringLiteral("VKontakteJoinButton"));
    m_pEmail = SharePanel::applyButtonProperties(new QPushButton, QStringLiteral("EmailJoinButton"));

    // The join buttons follow the share links: a network without a share page
    // has no channel to join either.
    App* app = App::theApp();
    m_pFaceBook->setHidden(!app || app->faceBookShareLink().isEmpty());
    m_pTwitter->setHidden(!app || app->twitterShareLink().isEmpty());
    m_pVKontakte->setHidden(!app || app->vkontakteShareLink().isEmpty());

    connect(m_pFaceBook, &QPushButton::clicked, this, &JoinWidget::slotFaceBookClicked);
    connect(m_pTwitter, &QPushButton::clicked, this, &JoinWidget::slotTwitterClicked);
    connect(m_pVKontakte, &QPushButton::clicked, this, &JoinWidget::slotVKontakteClicked);
    connect(m_pEmail, &QPushButton::clicked, this, &JoinWidget::slotEmailClicked);

    bool const pocket = app && app->isPocketDevice();
    QString const heading = pocket ? QStringLiteral("H5") : QStringLiteral("H3");
    m_pText = new QLabel;
    m_pText->setTextFormat(Qt::RichText);
    m_pText->setText(QStringLiteral("<%1>").arg(heading) + tr("Join us and stay informed about our")
                     + QStringLiteral("</%1>").arg(heading) + QStringLiteral("<H4>")
                     + tr("   1. One Day FREE APP Actions<br>") + tr("   2. APP Updates<br>")
                     + tr("   3. New APPs<br>") + tr("   4. Important News<br>") + QStringLiteral("</H4>"));

    QVBoxLayout* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->setContentsMargins(10, 10, 10, 10);
    buttons->addWidget(m_pFaceBook);
    buttons->addWidget(m_pTwitter);
    buttons->addWidget(m_pVKontakte);
    buttons->addWidget(m_pEmail);

    QHBoxLayout* row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(0);
    row->addLayout(buttons);
    row->addStretch(0);

    QVBoxLayout* main = new QVBoxLayout(this);
    main->setSpacing(0);
    main->setContentsMargins(0, 0, 0, 0);
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

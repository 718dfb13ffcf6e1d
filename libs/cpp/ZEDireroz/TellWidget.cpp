#include "TellWidget.h"

#include "App.h"
#include "SharePanel.h"

#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ZEDireroz {

TellWidget::TellWidget(QWidget* parent)
    : QFrame(parent)
{
    m_pFaceBook = SharePanel::applyButtonProperties(new QPushButton, QStringLiteral("FaceBookShareButton"));
    m_pTwitter = SharePanel::applyButtonProperties(new QPushButton, QStringLiteral("TwitterShareButton"));
    m_pVKontakte = SharePanel::applyButtonProperties(new QPushButton, QStringLiteral("VKontakteShareButton"));
    m_pEmail = SharePanel::applyButtonProperties(new QPushButton, QStringLiteral("EmailShareButton"));

    App* app = App::theApp();
    m_pFaceBook->setHidden(!app || app->faceBookShareLink().isEmpty());
    m_pTwitter->setHidden(!app || app->twitterShareLink().isEmpty());
    m_pVKontakte->setHidden(!app || app->vkontakteShareLink().isEmpty());

    connect(m_pFaceBook, &QPushButton::clicked, this, &TellWidget::slotFaceBookClicked);
    connect(m_pTwitter, &QPushButton::clicked, this, &TellWidget::slotTwitterClicked);
    connect(m_pVKontakte, &QPushButton::clicked, this, &TellWidget::slotVKontakteClicked);
    connect(m_pEmail, &QPushButton::clicked, this, &TellWidget::slotEmailClicked);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_pFaceBook);
    layout->addWidget(m_pTwitter);
    layout->addWidget(m_pVKontakte);
    layout->addWidget(m_pEmail);
}

void TellWidget::slotFaceBookClicked()
{
    SharePanel::openLink(QUrl(App::theApp()->faceBookShareLink(), QUrl::TolerantMode));
}

void TellWidget::slotTwitterClicked()
{
    SharePanel::openLink(QUrl(App::theApp()->twitterShareLink(), QUrl::TolerantMode));
}

void TellWidget::slotVKontakteClicked()
{
    SharePanel::openLink(QUrl(App::theApp()->vkontakteShareLink(), QUrl::TolerantMode));
}

void TellWidget::slotEmailClicked()
{
    App::theApp()->slotTellFriend();
}

} // namespace ZEDireroz

#include "ZEDireroz/promotion/TellWidget.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/SharePanel.h"

#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ZEDireroz {

TellWidget::TellWidget(QWidget* parent)
    : QFrame(parent)
{
    SharePanel::Buttons const buttons = SharePanel::createButtons(QStringLiteral("Share"));
    m_pFaceBook = buttons.faceBook;
    m_pTwitter = buttons.twitter;
    m_pVKontakte = buttons.vkontakte;
    m_pEmail = buttons.email;
    connect(m_pFaceBook, &QPushButton::clicked, this, &TellWidget::slotFaceBookClicked);
    connect(m_pTwitter, &QPushButton::clicked, this, &TellWidget::slotTwitterClicked);
    connect(m_pVKontakte, &QPushButton::clicked, this, &TellWidget::slotVKontakteClicked);
    connect(m_pEmail, &QPushButton::clicked, this, &TellWidget::slotEmailClicked);
    setLayout(SharePanel::buttonColumn(buttons));
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

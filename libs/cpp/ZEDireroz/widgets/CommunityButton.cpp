#include "ZEDireroz/widgets/CommunityButton.h"

#include "ZEDireroz/frame/App.h"

#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

namespace ZEDireroz {

namespace {

void openLink(QString const& link)
{
    if (!link.isEmpty())
        QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
}

QIcon picture(char const* path)
{
    return QIcon(QPixmap(QLatin1String(path)));
}

} // namespace

CommunityButton::CommunityButton(QWidget* parent)
    : QPushButton(parent)
{
    auto* menu = new QMenu(this);
    // The share dialog belongs to the application object; without one the entry does nothing.
    menu->addAction(picture(":/share_hover.png"), tr("Share"), this, [] {
        if (App* app = App::theApp())
            app->slotShareApp();
    });
    menu->addSeparator();
    // The network names are shown as written, untranslated.
    menu->addAction(picture(":/pix/community_circles.png"), QStringLiteral("FaceBook"), this,
                    &CommunityButton::slotFaceBook);
    menu->addAction(picture(":/pix/community_screen.png"), QStringLiteral("YouTube"), this,
                    &CommunityButton::slotYouTube);
    menu->addAction(picture(":/pix/community_chirp.png"), QStringLiteral("Twitter"), this,
                    &CommunityButton::slotTwitter);
    menu->addAction(picture(":/pix/community_career.png"), QStringLiteral("Xing"), this, &CommunityButton::slotXing);
    menu->addAction(picture(":/pix/community_world.png"), QStringLiteral("MoiMir"), this, &CommunityButton::slotMoiMir);
    setMenu(menu);
}

void CommunityButton::slotFaceBook()
{
    openLink(m_sFaceBook);
}

void CommunityButton::slotYouTube()
{
    openLink(m_sYouTube);
}

void CommunityButton::slotTwitter()
{
    openLink(m_sTwitter);
}

void CommunityButton::slotMoiMir()
{
    openLink(m_sMoiMir);
}

void CommunityButton::slotXing()
{
    openLink(m_sXing);
}

} // namespace ZEDireroz

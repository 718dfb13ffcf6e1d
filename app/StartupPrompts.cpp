#include "app/StartupPrompts.h"

#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"
#include "app/PromotedApps.h"

#include <QPixmap>

namespace StartupPrompts {

QStringList introductionSlides(QString const& resourcePath, QString const& language)
{
    QStringList slides;
    for (int i = 0; i < 5; ++i)
        slides << resourcePath + QStringLiteral("TWSlide%1_%2.jpg").arg(i).arg(language);
    return slides;
}

QString productPage(QString const& makerSite, QString const& internalName)
{
    return makerSite + QStringLiteral("/apps/") + internalName.toLower() + QLatin1Char('/');
}

void fillPromotionMenu(ZEDireroz::PromoMenuBar* bar, QString const& makerSite)
{
    for (int i = 0; i < PromotedApps::kProductCount; ++i) {
        PromotedApps::Product const& product = PromotedApps::kProducts[i];
        QString const name = QString::fromLatin1(product.internalName);
        QPixmap const icon(QStringLiteral(":/") + name + QStringLiteral("64x64.png"));
        QString const title = QString::fromUtf8(product.title);
        if (i == PromotedApps::kStoreRow) {
            bar->addMenuSeparator();
            bar->addMenuAppLink(icon, title, QString::fromLatin1(product.storeName),
                                QString::fromLatin1(product.storeId));
        } else {
            bar->addMenuLink(icon, title, productPage(makerSite, name));
        }
    }
}

void schedulePrompts(ZEDireroz::App& app)
{
    app.showHelpOnStart();
    app.callReminder(4, 6);
}

} // namespace StartupPrompts

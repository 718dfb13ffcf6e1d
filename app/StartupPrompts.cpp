#include "app/StartupPrompts.h"

#include "ZEDireroz/dialogs/MessageBox.h"
#include "ZEDireroz/frame/App.h"
#include "ZEDireroz/promotion/PromotedApps.h"
#include "ZEDireroz/promotionbar/PromoMenuBar.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QMessageBox>
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

bool warnIfSettingsCannotBeSaved(ZEDireroz::App& app, QWidget* parent)
{
    if (app.canSaveSettings())
        return false;
    QString const folder = QDir::toNativeSeparators(app.supportDirectory());
    qWarning().noquote() << "Tickwren cannot write to" << folder << "- settings will not be saved";
    QString const text =
        QCoreApplication::translate("StartupPrompts",
                                    "Tickwren cannot write to its folder %1.\nSettings and changes will not be saved.")
            .arg(folder);
    ZEDireroz::MessageBox::warning(parent, QStringLiteral("Tickwren"), text, QMessageBox::Ok);
    return true;
}

void schedulePrompts(ZEDireroz::App& app)
{
    app.showHelpOnStart();
    app.callReminder(4, 6);
}

} // namespace StartupPrompts

#pragma once
// Start-up steps around the main page: the introduction slides (step 5), the
// More menu's rows of the maker's other applications (step 7), the
// introduction on start (step 9) and the tell-or-join reminder (step 10).

#include <QString>
#include <QStringList>

class QWidget;

namespace ZEDireroz {
class App;
class PromoMenuBar;
} // namespace ZEDireroz

namespace StartupPrompts {

// The five slide pictures in the resource folder, for the slide language.
QStringList introductionSlides(QString const& resourcePath, QString const& language);

// The page link of one of the maker's applications: "/apps/<lower case>/".
QString productPage(QString const& makerSite, QString const& internalName);

// Five page links, a separator, one store link and two page links.
void fillPromotionMenu(ZEDireroz::PromoMenuBar* bar, QString const& makerSite);

// Tells the user once, in a warning over parent, when the support folder
// cannot be written, so that nothing set or changed would be kept. Returns
// whether it told.
bool warnIfSettingsCannotBeSaved(ZEDireroz::App& app, QWidget* parent);

// The introduction 500 ms after start unless the user turned it off, and the
// reminder every fourth start, tell a friend or join at random.
void schedulePrompts(ZEDireroz::App& app);

} // namespace StartupPrompts

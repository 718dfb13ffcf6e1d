#pragma once
// The promotion area's part of the application object's slots: the addresses its
// links open and the share, join and introduction windows.

#include "ZEDireroz/frame/AppActions.h"

namespace ZEDireroz {

// Installs this area's actions in AppActions::installed().
void installPromotionActions();

// The address of a promotion link.
QUrl promotionLink(PromotionLink link, PromotionContext const& context);

} // namespace ZEDireroz

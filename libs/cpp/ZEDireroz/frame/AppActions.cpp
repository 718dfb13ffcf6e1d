#include "ZEDireroz/frame/AppActions.h"

namespace ZEDireroz {

AppActions& AppActions::installed()
{
    static AppActions actions;
    return actions;
}

} // namespace ZEDireroz

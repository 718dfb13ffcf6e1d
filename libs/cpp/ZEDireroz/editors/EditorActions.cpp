#include "ZEDireroz/editors/EditorActions.h"

#include "ZEDireroz/editors/CssEditor.h"
#include "ZEDireroz/frame/AppActions.h"

namespace ZEDireroz {

void installEditorActions()
{
    AppActions::installed().showCssEditor = [] {
        // The window lives until the user closes it and then deletes itself.
        auto* editor = new CssEditor(nullptr);
        editor->show();
    };
}

} // namespace ZEDireroz

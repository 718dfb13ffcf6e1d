#pragma once
// The editors' part of the application object's slots: the style-sheet editor.

namespace ZEDireroz {

// Installs the style-sheet editor in AppActions::installed().
void installEditorActions();

} // namespace ZEDireroz

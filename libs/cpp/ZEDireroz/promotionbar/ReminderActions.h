#pragma once
// The promotion bar's part of the application object's slots: the reminder dialogs.

namespace ZEDireroz {

// Installs the reminder dialogs in AppActions::installed().
void installReminderActions();

} // namespace ZEDireroz

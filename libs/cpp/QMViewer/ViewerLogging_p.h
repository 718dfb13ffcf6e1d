#pragma once
// The picture viewer's diagnostics ("tickwren.viewer").

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcViewer)

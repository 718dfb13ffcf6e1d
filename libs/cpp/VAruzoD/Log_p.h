#pragma once
// The library's diagnostics, switched on with QT_LOGGING_RULES="tickwren.graphics=true".

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcGraphics)

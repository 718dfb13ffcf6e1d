#pragma once
// The network library's diagnostics, switched on with
// QT_LOGGING_RULES="tickwren.network.debug=true".

#include <QLoggingCategory>

namespace QMRequest {
Q_DECLARE_LOGGING_CATEGORY(lcNetwork)
}

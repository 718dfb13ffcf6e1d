#pragma once
// The media library's diagnostics, switched on with
// QT_LOGGING_RULES="tickwren.media.debug=true".

#include <QLoggingCategory>

namespace QMMultiMedia {
Q_DECLARE_LOGGING_CATEGORY(lcMedia)
}

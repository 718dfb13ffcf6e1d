#include "QMMultiMedia/MediaLogging_p.h"

namespace QMMultiMedia {
Q_LOGGING_CATEGORY(lcMedia, "tickwren.media", QtInfoMsg)
}

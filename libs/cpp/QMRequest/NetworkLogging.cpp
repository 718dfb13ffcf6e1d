#include "QMRequest/NetworkLogging_p.h"

namespace QMRequest {
Q_LOGGING_CATEGORY(lcNetwork, "tickwren.network", QtInfoMsg)
}

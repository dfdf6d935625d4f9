#include "StationLogging.h"

Q_LOGGING_CATEGORY(lcStation, "fwu.station")

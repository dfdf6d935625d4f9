#pragma once

#include <QLoggingCategory>

// The station's diagnostics that are not the operator's business (the table and the status bar
// are): QT_LOGGING_RULES="fwu.station.debug=true" shows them all.
Q_DECLARE_LOGGING_CATEGORY(lcStation)

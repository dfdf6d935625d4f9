#pragma once

#include <QLoggingCategory>

// Diagnostics that are not the operator's activity log: what failed or was given up on behind
// the scenes. Warnings (a settings file that cannot be read or written, output that cannot be
// written) show by default; routine notes only when asked for, e.g.
// QT_LOGGING_RULES="fwu.*.info=true;fwu.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSettings) // fwu.settings: the settings store
Q_DECLARE_LOGGING_CATEGORY(lcSocket)   // fwu.socket: the unit's connection
Q_DECLARE_LOGGING_CATEGORY(lcUpload)   // fwu.upload: the upload engine
Q_DECLARE_LOGGING_CATEGORY(lcCli)      // fwu.cli: the command-line uploader
Q_DECLARE_LOGGING_CATEGORY(lcApp)      // fwu.app: the window

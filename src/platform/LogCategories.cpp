#include "LogCategories.h"

// Warnings and above by default: the programs' standard error stays quiet in normal use.
Q_LOGGING_CATEGORY(lcSettings, "fwu.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSocket, "fwu.socket", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUpload, "fwu.upload", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCli, "fwu.cli", QtWarningMsg)
Q_LOGGING_CATEGORY(lcApp, "fwu.app", QtWarningMsg)

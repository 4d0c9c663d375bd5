#include "shell/Trace.h"

// Warnings only by default: the traces cost nothing until switched on.
Q_LOGGING_CATEGORY(lcActions, "vexa.actions", QtWarningMsg)
Q_LOGGING_CATEGORY(lcMessages, "vexa.messages", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDocuments, "vexa.documents", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStartup, "vexa.startup", QtWarningMsg)

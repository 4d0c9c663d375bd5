// Diagnostic traces, off unless switched on through Qt's logging rules, for example
//   QT_LOGGING_RULES="vexa.*.debug=true" ./VEXA-TOLM
// vexa.actions   each action executed, by name
// vexa.messages  each message box and question, with its text and answer
// vexa.documents text and caret of the document windows as they change
// vexa.startup   the splash window shown (painted) and freed
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcActions)
Q_DECLARE_LOGGING_CATEGORY(lcMessages)
Q_DECLARE_LOGGING_CATEGORY(lcDocuments)
Q_DECLARE_LOGGING_CATEGORY(lcStartup)

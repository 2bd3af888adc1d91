#ifndef SETUPLOGGER_H
#define SETUPLOGGER_H

#include "cutemessagelogger.h"

// Installs the process-wide log handler: every Qt message becomes one
// timestamped, levelled line in CuteMessageLogger::logFilePath() and on stderr.
//
// Call it once the application's organisation and name are set (they decide
// the log folder). Later calls do nothing, also from a second copy of this
// library linked into another module of the same process.
//
// The handler that was installed before (for instance the launcher's noise
// filter) is kept: the formatted line is handed on to it for the stderr
// output, so whatever it drops never reaches the console. The log file gets
// every message, so a report from a user always holds the full story.
void setupLogger();

#endif

#ifndef SETUPLOGGER_H
#define SETUPLOGGER_H

#include "logging/cutemessagelogger.h"

// setupLogger() is declared in cutemessagelogger.h, beside the logger it
// serves; this header exists so that callers may include it by its name.

#endif

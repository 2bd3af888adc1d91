#include "setuplogger.h"

#include "logmessagehandler.h"

void setupLogger()
{
    LogMessageHandler::install(CuteMessageLogger::logFilePath());
}

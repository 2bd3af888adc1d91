#include "logging/setuplogger.h"

#include "logging/logmessagehandler.h"

void setupLogger()
{
    LogMessageHandler::install(CuteMessageLogger::logFilePath());
}

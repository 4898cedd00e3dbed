#include "app/ErrorTrap.h"

#include "app/LogRecords.h"
#include "shared/FileIO.h"

namespace gv {

std::string commsProblemMessage()
{
    return std::string("There is a possible Port Number problem. Check available PORTS") + CRLF + CRLF +
           "RUN SETUP HARDWARE MENU";
}

std::string trappedErrorText(const LocalTime& now, const std::string& errorContext,
                             const std::string& errorText)
{
    return "  Last Error trapped  " + timeWithSeconds(now) + "  ---  " + errorContext + "  " + errorText;
}

std::string errorLogLine(const LocalTime& now, const std::string& errorContext,
                         const std::string& errorText, const std::string& messageText)
{
    return dayName(now) + "  " + timeWithSeconds(now) + "  " + errorContext + "  " + errorText + " <IM> " +
           messageText + CRLF;
}

void trapError(EngineStatus& status, const std::string& programFolder, const LocalTime& now,
               const std::string& errorText, const std::string& messageText, bool errorLogEnabled)
{
    if (errorLogEnabled) {
        std::string why;
        if (!appendTextToFile(joinPath(programFolder, ErrorLogFileName),
                          errorLogLine(now, status.ErrorContext, errorText, messageText), &why))
            status.recordError("Error log not written: " + why);
    }
    status.ErrorString = trappedErrorText(now, status.ErrorContext, errorText);
    status.recordError(status.ErrorContext + "  " + errorText);
}

} // namespace gv

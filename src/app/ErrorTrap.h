#pragma once
// The texts of the error trap and of the comms-problem notice.  The main
// window shows them; these builders only make the text, and trapError does
// the recording that needs no window.

#include "app/EngineStatus.h"
#include "shared/LocalTime.h"

#include <string>

namespace gv {

constexpr const char* ErrorLogFileName = "errorlog.txt";

// The raw-message label's text when the port may be the wrong one (five
// leading blanks).
constexpr const char* CommsProblemLabel = "     possible COMMS problem";

// "There is a possible Port Number problem. Check available PORTS", an empty
// line, "RUN SETUP HARDWARE MENU".
std::string commsProblemMessage();

// The status line after a trapped error:
// "  Last Error trapped  HH:mm:ss  ---  <context>  <error>"
std::string trappedErrorText(const LocalTime& now, const std::string& errorContext,
                             const std::string& errorText);

// One line of errorlog.txt, CR LF included:
// "YYYY_MM_DD  HH:mm:ss  <context>  <error> <IM> <last message>"
std::string errorLogLine(const LocalTime& now, const std::string& errorContext,
                         const std::string& errorText, const std::string& messageText);

// Records a trapped error: the status line gets trappedErrorText, the error
// lamp turns red and the error is recorded; when `errorLogEnabled`, the line
// is also appended to <programFolder>/errorlog.txt (a failure there is
// recorded too).  The window starts its lamp-off timer afterwards.
void trapError(EngineStatus& status, const std::string& programFolder, const LocalTime& now,
               const std::string& errorText, const std::string& messageText, bool errorLogEnabled);

} // namespace gv

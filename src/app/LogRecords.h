#pragma once
// Texts of the daily log files and the Excel day table, built from the shared
// state and the clock.  Every builder is pure: it returns the exact bytes that
// are appended to the file, line ends included, and touches no file.
//
// Stored log files are read back by the day restore and the graph windows, so
// the element names, their order and the number pictures here must not change.

#include "shared/Global_Declarations.h"
#include "shared/LocalTime.h"

#include <string>
#include <vector>

namespace gv {

// The record families; the two letters are the log file prefix.
enum class LogFamily { WD, GV, RE, ML, CC };

// "WD", "GV", "RE", "ML" or "CC".
const char* familyCode(LogFamily f);

// Families written at every logging tick, in writing order: 0 WD; 1, 2 GV;
// 3, 4 CC; 5, 6, 7 RE; 8 GV, RE, ML; any other type none.
std::vector<LogFamily> familiesForSystemType(int systemType);

// True when the logging interval is short enough (5 s or less, also 0) for
// one log file per hour instead of one per day.
bool hourlyLogFiles(double logDelay);

// "YYYY_MM_DD" for daily files, "YYYY_MM_DD_hh" for hourly ones.
std::string logDayName(const LocalTime& now, double logDelay);

// "GV_2010_07_04.txt", "RE_2010_07_04_09.txt"
std::string logFileName(LogFamily f, const std::string& dayName);

// "2010_07_04.xls"
std::string excelFileName(const std::string& dayName);

// "HH:mm:ss", the time with seconds as the Excel table and the error texts show it.
std::string timeWithSeconds(const LocalTime& t);

// "<T>HH:mm</T><L>interval</L>", the start of every record.
std::string recordHead(const LocalTime& now, double interval);

// One whole record of a family (head, elements, tail, CR LF) from the
// averages as last logged (LoggedValue, LoggedWatts), WattHours(1) for WD and
// the temperatures last received (RawValue 17 and 21) for CC.  `interval` is
// the measured time the record covers, the <L> item: LogDelay for an
// interval with good messages, 0 for a tick that repeats the previous
// averages, so every reader that integrates energy by <L> books no energy
// for it.
std::string buildRecord(LogFamily f, const Global_Declarations& g, const LocalTime& now,
                        double interval);
// The same with the interval LogDelay.
std::string buildRecord(LogFamily f, const Global_Declarations& g, const LocalTime& now);

// The header line of a new Excel day table, followed by CR LF and an empty line.
std::string excelHeader(const std::string& windSpeedUnits);

// One row of the Excel day table (volts, amps, power 1, RPM, wind, an empty
// cell, the time with seconds), followed by CR LF and an empty line.
std::string excelRow(const Global_Declarations& g, const LocalTime& now);

} // namespace gv

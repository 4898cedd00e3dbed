#include "app/LogRecords.h"

#include "shared/FileIO.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

#include <cstdio>

namespace gv {

namespace {

// "<name>value</name>"; an empty name still gets its (empty) tags.
void pictured(std::string& out, const std::string& name, double value, const char* picture)
{
    out += tagged(name, formatPicture(value, picture));
}

std::string wdRecord(const Global_Declarations& g, const LocalTime& now, double interval)
{
    std::string r = recordHead(now, interval);
    pictured(r, "V", g.LoggedValue[9], "##.00");
    pictured(r, "I", g.LoggedValue[1], "##0.0");
    pictured(r, "R", g.LoggedValue[13], "###0");
    pictured(r, "S", g.LoggedValue[12], "##0");
    // The day's watt-hours so far follow untagged; stored files carry them so.
    r += "  ";
    r += formatPicture(g.WattHours[1], "##0.000");
    r += "Wh";
    return r;
}

std::string gvRecord(const Global_Declarations& g, const LocalTime& now, double interval)
{
    std::string r = recordHead(now, interval);
    const char* voltsPicture = g.SystemType == 8 ? "##0.00" : "##.00";
    pictured(r, g.XMLsoftware[9], g.LoggedValue[9], voltsPicture);
    for (int n = 1; n <= 4; ++n)
        pictured(r, g.XMLsoftware[n], g.LoggedValue[n], "##0.0");
    pictured(r, g.XMLsoftware[14], g.LoggedValue[14], "###0");
    pictured(r, g.XMLsoftware[13], g.LoggedValue[13], "###0");
    pictured(r, g.XMLsoftware[12], g.LoggedValue[12], "##0");
    return r;
}

std::string reRecord(const Global_Declarations& g, const LocalTime& now, double interval)
{
    std::string r = recordHead(now, interval);
    pictured(r, g.XMLsoftware[9], g.LoggedValue[9], "##0.00");
    for (int k = 1; k <= 8; ++k)
        pictured(r, g.XMLsoftware[16 + k], g.LoggedWatts[k], "###0");
    return r;
}

std::string mlRecord(const Global_Declarations& g, const LocalTime& now, double interval)
{
    std::string r = recordHead(now, interval);
    for (int n = 9; n <= 11; ++n)
        pictured(r, g.XMLsoftware[n], g.LoggedValue[n], "##0.00");
    for (int n = 15; n <= 16; ++n)
        pictured(r, g.XMLsoftware[n], g.LoggedValue[n], "###0");
    return r;
}

std::string ccRecord(const Global_Declarations& g, const LocalTime& now, double interval)
{
    std::string r = recordHead(now, interval);
    static const int powers[] = {2, 3, 4, 6, 7, 8};
    for (int j = 0; j < 6; ++j)
        pictured(r, "W" + std::to_string(j + 1), g.LoggedWatts[powers[j]], "###0");
    // The meters' temperatures as last received from the first and second sensor.
    pictured(r, "C1", g.RawValue[17], "#0.0");
    pictured(r, "C2", g.RawValue[21], "#0.0");
    return r;
}

} // namespace

const char* familyCode(LogFamily f)
{
    switch (f) {
    case LogFamily::WD: return "WD";
    case LogFamily::GV: return "GV";
    case LogFamily::RE: return "RE";
    case LogFamily::ML: return "ML";
    case LogFamily::CC: return "CC";
    }
    return "";
}

std::vector<LogFamily> familiesForSystemType(int systemType)
{
    switch (systemType) {
    case 0: return {LogFamily::WD};
    case 1:
    case 2: return {LogFamily::GV};
    case 3:
    case 4: return {LogFamily::CC};
    case 5:
    case 6:
    case 7: return {LogFamily::RE};
    case 8: return {LogFamily::GV, LogFamily::RE, LogFamily::ML};
    default: return {};
    }
}

bool hourlyLogFiles(double logDelay) { return !(logDelay > 5); }

std::string logDayName(const LocalTime& now, double logDelay)
{
    std::string name = dayName(now);
    if (hourlyLogFiles(logDelay)) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "_%02d", now.hour);
        name += buf;
    }
    return name;
}

std::string logFileName(LogFamily f, const std::string& dayName)
{
    return std::string(familyCode(f)) + "_" + dayName + ".txt";
}

std::string excelFileName(const std::string& dayName) { return dayName + ".xls"; }

std::string timeWithSeconds(const LocalTime& t)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

std::string recordHead(const LocalTime& now, double interval)
{
    return "<T>" + hourMinute(now) + "</T><L>" + numberText(interval) + "</L>";
}

std::string buildRecord(LogFamily f, const Global_Declarations& g, const LocalTime& now,
                        double interval)
{
    std::string r;
    switch (f) {
    case LogFamily::WD: r = wdRecord(g, now, interval); break;
    case LogFamily::GV: r = gvRecord(g, now, interval); break;
    case LogFamily::RE: r = reRecord(g, now, interval); break;
    case LogFamily::ML: r = mlRecord(g, now, interval); break;
    case LogFamily::CC: r = ccRecord(g, now, interval); break;
    }
    r += CRLF;
    return r;
}

std::string buildRecord(LogFamily f, const Global_Declarations& g, const LocalTime& now)
{
    return buildRecord(f, g, now, g.LogDelay);
}

std::string excelHeader(const std::string& windSpeedUnits)
{
    std::string h = "<html><body><table><tr><td><b>Volts</b></td><td><b>Amps</b></td>"
                    "<td><b>Power</b></td><td><b>RPM</b></td><td><b>";
    h += windSpeedUnits;
    h += "</b></td><td><b></b></td><td><b>Time</b></td></tr>";
    // The text ends with a line end and is then written as a line of its own.
    h += CRLF;
    h += CRLF;
    return h;
}

std::string excelRow(const Global_Declarations& g, const LocalTime& now)
{
    std::string r = "<tr><td>";
    r += numberText(g.LoggedValue[9]);
    r += "</td><td>";
    r += numberText(g.LoggedValue[1]);
    r += "</td><td>";
    r += numberText(g.LoggedWatts[1]);
    r += "</td><td>";
    r += numberText(g.LoggedValue[13]);
    r += "</td><td>";
    r += numberText(g.LoggedValue[12]);
    r += "</td><td>";
    r += "</td><td>";
    r += timeWithSeconds(now);
    r += "</td></tr>";
    r += CRLF;
    r += CRLF;
    return r;
}

} // namespace gv

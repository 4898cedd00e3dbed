#pragma once
// A believable day of windmill logs, written record by record in the log
// record formats: the wind builds up after sunrise, gusts through the
// afternoon and dies down in the evening; RPM follows the wind above cut-in,
// power follows the cube of the wind up to the machine's limit, the battery
// voltage rises while charging.  Deterministic (fixed seed).

#include "shared/NumberPicture.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace gvtest {

enum class DayFamily { GV, WD };

struct DayWeather {
    std::uint32_t seed = 12345;
    double gust = 0;

    double noise()
    {
        seed = seed * 1664525u + 1013904223u;
        return (static_cast<double>(seed >> 8) / 16777216.0) * 2.0 - 1.0;
    }
};

struct DaySample {
    double volts, amps1, amps2, amps3, amps4, rpm1, rpm2, wind;
};

// The state of the machines at a second of the day.
inline DaySample daySample(DayWeather& w, int secondOfDay)
{
    const double h = secondOfDay / 3600.0;
    const double pi = 3.14159265358979;
    // Mean wind: calm night, breeze from 7, strongest at 15, fading by 21.
    double mean = 2.0 + 7.0 * std::exp(-std::pow((h - 15.0) / 4.0, 2));
    w.gust = 0.998 * w.gust + 0.05 * w.noise();
    double wind = std::max(0.0, mean + 1.5 * w.gust + 0.3 * w.noise());
    DaySample s{};
    s.wind = wind;
    s.rpm1 = wind < 3.0 ? 0.0 : std::min(480.0, 38.0 * wind);
    s.rpm2 = wind < 3.5 ? 0.0 : std::min(450.0, 33.0 * wind);
    const double p1 = wind < 3.0 ? 0.0 : std::min(460.0, 0.55 * std::pow(wind, 3));
    const double p2 = wind < 3.5 ? 0.0 : std::min(300.0, 0.35 * std::pow(wind, 3));
    const double sun = (h > 6.5 && h < 19.5) ? std::sin(pi * (h - 6.5) / 13.0) : 0.0;
    const double solar = std::max(0.0, 300.0 * sun * (0.85 + 0.15 * w.noise()));
    s.volts = 24.4 + 3.2 * std::min(1.0, (p1 + p2 + solar) / 900.0) + 0.05 * w.noise();
    s.amps1 = p1 / s.volts;
    s.amps2 = p2 / s.volts;
    s.amps3 = solar / s.volts;
    s.amps4 = (h > 17 && h < 23 ? 6.0 : 1.5) + 0.3 * w.noise();
    return s;
}

inline std::string hhmm(int secondOfDay)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", secondOfDay / 3600, (secondOfDay / 60) % 60);
    return buf;
}

inline std::string el(const char* name, const std::string& value)
{
    return std::string("<") + name + ">" + value + "</" + name + ">";
}

// One record of the family at a second of the day (default channel-table
// element names for GV), ended by CR LF.  wattHours is the running total a
// WD record carries after its elements.
inline std::string dayRecord(DayFamily f, int interval, int second, const DaySample& s, double wattHours)
{
    using gv::formatPicture;
    std::string r = el("T", hhmm(second)) + el("L", std::to_string(interval));
    if (f == DayFamily::GV) {
        r += el("V1", formatPicture(s.volts, "##.00")) + el("A1", formatPicture(s.amps1, "##0.0")) +
             el("A2", formatPicture(s.amps2, "##0.0")) + el("A3", formatPicture(s.amps3, "##0.0")) +
             el("A4", formatPicture(s.amps4, "##0.0")) + el("R2", formatPicture(s.rpm2, "###0")) +
             el("R1", formatPicture(s.rpm1, "###0")) + el("WS", formatPicture(s.wind, "##0"));
    } else {
        r += el("V", formatPicture(s.volts, "##.00")) + el("I", formatPicture(s.amps1, "##0.0")) +
             el("R", formatPicture(s.rpm1, "###0")) + el("S", formatPicture(s.wind, "##0")) + "  " +
             formatPicture(wattHours, "##0.000") + "Wh";
    }
    return r + "\r\n";
}

// The records of the seconds [fromSecond, toSecond) every `interval` seconds.
inline std::string dayLog(DayFamily f, int interval, int fromSecond = 0, int toSecond = 86400,
                          std::uint32_t seed = 12345)
{
    DayWeather w;
    w.seed = seed;
    std::string out;
    double wh = 0;
    for (int t = 0; t < toSecond; t += interval) {
        const DaySample s = daySample(w, t);
        if (t >= fromSecond)
            out += dayRecord(f, interval, t, s, wh);
        wh += s.volts * s.amps1 * interval / 3600.0;
    }
    return out;
}

} // namespace gvtest

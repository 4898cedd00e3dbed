#pragma once
// Realistic day logs of the RE, ML and CC families, written record by record
// the way the logging tick writes them (CR LF lines, tagged elements, the
// tick's number pictures), for reader, export and window tests.

#include <cmath>
#include <cstdio>
#include <string>

#include "shared/NumberPicture.h"

namespace gvfixture {

inline std::string el(const std::string& name, double v, const char* picture)
{
    return "<" + name + ">" + gv::formatPicture(v, picture) + "</" + name + ">";
}

inline std::string stamp(int minuteOfDay, int interval)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "<T>%02d:%02d</T><L>%d</L>", minuteOfDay / 60, minuteOfDay % 60,
                  interval);
    return buf;
}

// A bump centred on `centre` hours with the given width, 0..1.
inline double bump(double hour, double centre, double width)
{
    const double d = (hour - centre) / width;
    return std::exp(-d * d);
}

// RE: battery volts and eight DC loads, one record per `step` minutes.
inline std::string reDay(int step = 2)
{
    std::string out;
    for (int m = 1; m < 24 * 60; m += step) {
        const double h = m / 60.0;
        const double solar = std::max(0.0, std::sin((h - 6.5) / 12.0 * M_PI));
        const double volts = 24.2 + 3.1 * solar - 0.6 * bump(h, 20, 2);
        double w[9] = {0,
                       120 + 60 * std::sin(h * 1.3),                       // fridge
                       40 + 500 * bump(h, 7.5, 0.6) + 700 * bump(h, 19, 1.2), // lights/kitchen
                       (m / 30) % 3 == 0 ? 95.0 : 0.0,                      // pump
                       35 + 10 * std::sin(h),                              // network
                       900 * bump(h, 12.5, 0.4),                           // washing machine
                       60 * bump(h, 21, 1.5),                              // tv
                       1500 * bump(h, 13, 2.5) * solar,                    // dump load
                       12};                                                // clock
        std::string line = stamp(m, 60 * step) + el("V1", volts, "##0.00");
        for (int k = 1; k <= 8; ++k)
            line += el("W" + std::to_string(k), w[k], "###0");
        out += line + "\r\n";
    }
    return out;
}

// ML: three voltages and two pulse counts.
inline std::string mlDay(int step = 5)
{
    std::string out;
    for (int m = 1; m < 24 * 60; m += step) {
        const double h = m / 60.0;
        const double solar = std::max(0.0, std::sin((h - 6.5) / 12.0 * M_PI));
        std::string line = stamp(m, 60 * step) + el("V1", 24.3 + 3.0 * solar, "##0.00") +
                           el("V2", 12.6 + 1.4 * solar, "##0.00") +
                           el("V3", 48.1 + 5.5 * solar - 1.0 * bump(h, 19, 2), "##0.00") +
                           el("P1", 20 + 180 * bump(h, 15, 3), "###0") +
                           el("P2", (m / 15) % 7, "###0");
        out += line + "\r\n";
    }
    return out;
}

// CC (Current Cost 128, two sensors): six meter powers and two temperatures.
//  W1 grid meter, W2 house load, W3 solar 1, W4 export meter, W5 solar 2, W6 lights.
inline std::string ccDay(int step = 2)
{
    std::string out;
    for (int m = 1; m < 24 * 60; m += step) {
        const double h = m / 60.0;
        const double solar = std::max(0.0, std::sin((h - 6.5) / 12.0 * M_PI));
        const double house = 350 + 1200 * bump(h, 7.5, 0.7) + 1800 * bump(h, 18.5, 1.3) +
                             (h > 1 && h < 3 ? 2400 : 0);
        const double s1 = 1800 * solar;
        const double s2 = 700 * solar;
        const double grid = std::max(0.0, house - s1 - s2 * 0.5);
        std::string line = stamp(m, 60 * step) + el("W1", grid + 200, "###0") +
                           el("W2", house, "###0") + el("W3", s1, "###0") +
                           el("W4", std::max(0.0, s1 + s2 - house), "###0") + el("W5", s2, "###0") +
                           el("W6", 60 + 140 * bump(h, 20, 2), "###0") +
                           el("C1", 17 + 6 * std::sin((h - 9) / 24 * 2 * M_PI), "#0.0") +
                           el("C2", 20.5 + 1.5 * std::sin((h - 12) / 24 * 2 * M_PI), "#0.0");
        out += line + "\r\n";
    }
    return out;
}

} // namespace gvfixture

#include "graphs/windmill/WindmillGraph.h"

#include <cmath>

namespace gv {

namespace {

const std::vector<WindmillSeriesInfo> kGV = {
    {"Volts", 9, "CheckVolts", "vv", nullptr},
    {"Amps1", 1, "CheckAmps", "av", nullptr},
    {"Amps2", 2, "CheckAmps2", "a2v", nullptr},
    {"Amps3", 3, "CheckAmps3", "a3v", nullptr},
    {"Amps4", 4, "Checkamps4", "a4v", nullptr},
    {"Watts1", 17, "CheckWatts", "wv", "wh1"},
    {"Watts2", 18, "CheckWatts2", "w2v", "wh2"},
    {"Watts3", 19, "CheckWatts3", "w3v", "wh3"},
    {"Watts4", 20, "CheckWatts4", "w4v", "wh4"},
    {"RPM1", 13, "CheckRPM", "rv", nullptr},
    {"RPM2", 14, "CheckRPM2", "r2v", nullptr},
    {"WindSpeed", 12, "CheckWS", "sv", nullptr},
};

const std::vector<WindmillSeriesInfo> kWD = {
    {"Volts", 9, "CheckVolts", "vv", nullptr},
    {"Amps", 1, "CheckAmps", "av", nullptr},
    {"Watts", 17, "CheckWatts", "wv", "wh1"},
    {"RPM", 13, "CheckRPM", "rv", nullptr},
    {"WindSpeed", 12, "CheckWS", "sv", nullptr},
};

double fullScaleOf(const Global_Declarations& g, int channel)
{
    return (channel >= 1 && channel <= 24) ? static_cast<double>(g.ChannelMaxReading[static_cast<size_t>(channel)]) : 0.0;
}

std::int32_t colourOf(const Global_Declarations& g, int channel)
{
    return (channel >= 1 && channel <= 24) ? g.LineColour[static_cast<size_t>(channel)] : 0;
}

} // namespace

const std::vector<WindmillSeriesInfo>& windmillSeries(WindmillFamily f) { return f == WindmillFamily::GV ? kGV : kWD; }
int seriesCount(WindmillFamily f) { return static_cast<int>(windmillSeries(f).size()); }
int wattsSeries(WindmillFamily f) { return f == WindmillFamily::GV ? int(GVSeries::Watts1) : int(WDSeries::Watts); }
int rpmSeries(WindmillFamily f) { return f == WindmillFamily::GV ? int(GVSeries::RPM1) : int(WDSeries::RPM); }
int windSeries(WindmillFamily f) { return f == WindmillFamily::GV ? int(GVSeries::WindSpeed) : int(WDSeries::WindSpeed); }
const char* windmillFilePattern(WindmillFamily f) { return f == WindmillFamily::GV ? "GV*.txt" : "*.txt"; }
const char* windmillTodayPrefix(WindmillFamily f) { return f == WindmillFamily::GV ? "GV_" : "WD_"; }

ReaderLayout windmillReaderLayout(WindmillFamily f, const Global_Declarations& g)
{
    ReaderLayout layout;
    if (f == WindmillFamily::GV) {
        const auto el = [&](int ch) { return ElementTags::named(g.XMLsoftware[static_cast<size_t>(ch)]); };
        layout.elements = {el(9), el(1), el(2), el(3), el(4), ElementTags::derived(), ElementTags::derived(),
                         ElementTags::derived(), ElementTags::derived(), el(13), el(14), el(12)};
        layout.derive = [](std::vector<double>& v) {
            for (int k = 0; k < 4; ++k)
                v[GVSeries::Watts1 + k] = v[GVSeries::Volts] * v[GVSeries::Amps1 + k];
        };
    } else {
        layout.elements = {ElementTags::named("V"), ElementTags::named("I"), ElementTags::derived(),
                         ElementTags::named("R"), ElementTags::named("S")};
        layout.derive = [](std::vector<double>& v) { v[WDSeries::Watts] = v[WDSeries::Volts] * v[WDSeries::Amps]; };
    }
    return layout;
}

TimePlotLayout windmillPlotLayout(WindmillFamily f, const Global_Declarations& g, const std::vector<int>& flags)
{
    TimePlotLayout layout;
    const auto& list = windmillSeries(f);
    layout.series.resize(list.size());
    for (size_t s = 0; s < list.size(); ++s) {
        PlotSeries& ps = layout.series[s];
        ps.colour = colourOf(g, list[s].channel);
        ps.show = s < flags.size() && flags[s] == 1;
        ps.fullScale = fullScaleOf(g, list[s].channel);
        ps.wattHours = list[s].wattHourLabel != nullptr;
        // The day total of the collation: GV adds its four windmills, WD has one.
        ps.dayTotal = ps.wattHours;
    }
    if (f == WindmillFamily::GV) {
        layout.series[GVSeries::Amps1].zeroLine = true;
        layout.series[GVSeries::Watts1].zeroLine = true;
    } else {
        layout.minimumSpan = 5; // fewer than seven records: "Not enough data to plot"
    }
    return layout;
}

ReadoutFormat windmillReadoutFormat(WindmillFamily f, int s, const std::string& wsUnits)
{
    if (f == WindmillFamily::GV) {
        switch (s) {
        case GVSeries::Volts: return {"", 2, " V"};
        case GVSeries::Amps1: case GVSeries::Amps2: case GVSeries::Amps3: case GVSeries::Amps4: return {"", 1, " A"};
        case GVSeries::Watts1: case GVSeries::Watts2: case GVSeries::Watts3: case GVSeries::Watts4: return {"", 0, " W"};
        case GVSeries::RPM1: case GVSeries::RPM2: return {"", 0, " RPM"};
        default: return {"", 1, " " + wsUnits};
        }
    }
    switch (s) {
    case WDSeries::Volts: return {"#0.00 V", 0, ""};
    case WDSeries::Amps: return {"#0.0 A", 0, ""};
    case WDSeries::Watts: return {"##00 W", 0, ""};
    case WDSeries::RPM: return {"##0 RPM", 0, ""};
    default: return {"##0 ", 0, wsUnits};
    }
}

ExtremeFormat windmillExtremeFormat(WindmillFamily f, int s)
{
    if (f == WindmillFamily::GV) {
        switch (s) {
        case GVSeries::Volts: return {"#0.00", " V", " Min = 0 V"};
        case GVSeries::Amps1: case GVSeries::Amps2: case GVSeries::Amps3: case GVSeries::Amps4:
            return {"#0.0", " A", " Min = 0 A"};
        case GVSeries::Watts1: case GVSeries::Watts2: case GVSeries::Watts3: case GVSeries::Watts4:
            return {"##00", " W", " Min = 0 W"};
        case GVSeries::RPM1: case GVSeries::RPM2: return {"##0", " rpm", " Min = 0 rpm"};
        default: return {"#0.0", "", " Min = 0 "};
        }
    }
    switch (s) {
    case WDSeries::Volts: return {"##00 V", "", ""};
    case WDSeries::Amps: return {"", " A", ""};
    case WDSeries::Watts: return {"##00 W", "", ""};
    case WDSeries::RPM: return {"##00 RPM", "", ""};
    default: return {"##00 ", "", ""};
    }
}

std::vector<std::string> windmillCsvHeader() { return {"TIME", "VOLTS", "AMPS", "WATTS", "RPM", "SPEED"}; }

std::vector<CsvColumn> windmillCsvColumns(WindmillFamily f)
{
    if (f == WindmillFamily::GV)
        return {{GVSeries::Volts, "##.00"}, {GVSeries::Amps1, "###.00"}, {GVSeries::Watts1, "####.00"},
                {GVSeries::RPM1, "####"}, {GVSeries::WindSpeed, "###.0"}};
    return {{WDSeries::Volts, "##.00"}, {WDSeries::Amps, "###.00"}, {WDSeries::Watts, "####.00"},
            {WDSeries::RPM, "####"}, {WDSeries::WindSpeed, "###.0"}};
}

const char* windmillCollationFile(WindmillFamily f)
{
    return f == WindmillFamily::GV ? "GVWattHours.txt" : "WDWattHours.txt";
}

const char* windmillCollationTitle(WindmillFamily f)
{
    return f == WindmillFamily::GV ? "daily watthours for these dates" : "daily windmill DEMO watthours for these dates";
}

GraphRules windmillRules(WindmillFamily f)
{
    GraphRules r;
    r.todayPrefix = windmillTodayPrefix(f);
    for (const WindmillSeriesInfo& info : windmillSeries(f))
        r.series.push_back({info.channel, 0});
    r.readerLayout = [f](const Global_Declarations& g) { return windmillReaderLayout(f, g); };
    // The one-windmill window ends the read of a missing file without a word.
    r.missingFileMessage = f == WindmillFamily::GV ? UnknownFileMessage : "";
    r.plotLayout = [f](const Global_Declarations& g, const std::vector<int>& flags) {
        return windmillPlotLayout(f, g, flags);
    };
    r.notEnoughDataMessage = NotEnoughDataMessage;
    r.readoutFormat = [f](int s, const Global_Declarations& g) { return windmillReadoutFormat(f, s, g.WSUnits); };
    for (int s = 0; s < seriesCount(f); ++s)
        r.extremes.push_back(windmillExtremeFormat(f, s));
    r.csvHeader = windmillCsvHeader();
    r.csvColumns = windmillCsvColumns(f);
    r.collationFile = windmillCollationFile(f);
    r.collationTitle = windmillCollationTitle(f);
    r.wattsSeries = wattsSeries(f);
    r.rpmSeries = rpmSeries(f);
    r.windSeries = windSeries(f);
    return r;
}

// ---------------------------------------------------------------------------
// Views
// ---------------------------------------------------------------------------

void plotPowerVsRpm(const GraphRecordSet& set, int wattSeries, int rpmSeries, double mp, double mr,
                    PlotSurface& surface)
{
    surface.cls();
    plotGridLines(surface);
    const double hp = mp + mp / 20, hr = mr + mr / 20;
    surface.setScaleHeight(hp);
    surface.setScaleWidth(hr);
    surface.setDrawWidth(1);
    if (hp > 0 && hr > 0) {
        const double k = 1.1 * std::pow(hp, 0.33) / hr;
        const long top = static_cast<long>(std::min(mr, MaxViewScale));
        for (long i = 1; i <= top; ++i) {
            const double p = std::pow(k * static_cast<double>(i), 3);
            const double y = 1.05 * (mp - p);
            surface.line(static_cast<double>(i), y, static_cast<double>(i - 1), y - 1, ReferenceCurveColour);
        }
    }
    surface.setDrawWidth(3);
    forEachShownSlot(set, [&](long r) {
        const double y = 1.05 * (mp - set.value(wattSeries, r));
        const double x = set.value(rpmSeries, r);
        surface.line(x, y, x, y - 1, RecordMarkColour);
    });
    surface.setDrawWidth(1);
}

void plotPowerVsWind(const GraphRecordSet& set, int wattSeries, int windSeries, double mp, double ms,
                     double windTop, PlotSurface& surface)
{
    surface.cls();
    plotGridLines(surface);
    const double hp = mp + mp / 20, hs = ms + ms / 20;
    surface.setScaleWidth(hs);
    surface.setScaleHeight(hp);
    surface.setDrawWidth(1);
    if (hp > 0 && hs > 0 && std::isfinite(windTop)) {
        const double k = 1.1 * std::pow(hp, 0.33) / hs;
        const long top = static_cast<long>(std::min(windTop, MaxViewScale));
        for (long i = 1; i <= top; ++i) {
            const double p = std::pow(k * static_cast<double>(i), 3);
            const double y = 1.05 * (mp - p);
            surface.line(static_cast<double>(i + 1), y, static_cast<double>(i), y - 1, ReferenceCurveColour);
        }
    }
    surface.setDrawWidth(4);
    forEachShownSlot(set, [&](long r) {
        const double y = 1.05 * (mp - set.value(wattSeries, r));
        const double s = set.value(windSeries, r);
        surface.line(s + 1, y, s, y - 1, RecordMarkColour);
    });
    surface.setDrawWidth(1);
}

PowerDistribution powerDistribution(const GraphRecordSet& set, int wattSeries, double mp)
{
    PowerDistribution d;
    d.BinCount = (std::isfinite(mp) && mp >= 10) ? static_cast<int>(std::floor(std::min(mp, MaxViewScale) / 10)) : 0;
    d.PowerBins.assign(static_cast<size_t>(d.BinCount) + 1, 0.0);
    const double top = 10.0 * d.BinCount;
    forEachShownSlot(set, [&](long r) {
        const double w = set.value(wattSeries, r);
        if (!(w > -1) || !(w < top))
            return;
        const int b = w < 0 ? 0 : static_cast<int>(std::floor(w / 10));
        if (b >= 0 && b < d.BinCount)
            d.PowerBins[static_cast<size_t>(b)] += 1;
    });
    for (double c : d.PowerBins)
        if (c > d.MaxBinCount)
            d.MaxBinCount = c;
    return d;
}

void plotPowerDistribution(const PowerDistribution& d, PlotSurface& surface)
{
    surface.cls();
    plotGridLines(surface);
    const double bins = d.BinCount;
    surface.setScaleWidth(bins + bins / 20);
    surface.setScaleHeight(d.MaxBinCount + d.MaxBinCount / 20);
    surface.setDrawWidth(5);
    const double h = 21 * d.MaxBinCount / 20;
    for (size_t b = 0; b < d.PowerBins.size(); ++b)
        if (d.PowerBins[b] > 0)
            surface.line(static_cast<double>(b) + 1, h - d.PowerBins[b], static_cast<double>(b) + 1, h, RecordMarkColour);
    surface.setDrawWidth(1);
}

} // namespace gv

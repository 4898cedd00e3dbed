#include "graphs/multichannel/MultiChannelSeries.h"

#include <algorithm>
#include <cstdio>

#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

namespace gv::multichannel {

namespace {

constexpr std::int32_t Green = 65280;

const char* const LongOverLimit =
    "Over 10,000 records, too many to display. Please use a smaller time range. If you set you "
    "logging interval to 10 seconds or more, you wont have this problem in the future. ";
const char* const ShortOverLimit = "Over 10,000 records, too many to display.";

// Names of the power series Watts1..Watts12, their boxes, watt-hour labels
// and value labels (GraphRE uses the first eight).
const char* const WattsArrays[] = {"Watts1", "Watts2", "Watts3", "Watts4",  "Watts5",  "Watts6",
                                   "Watts7", "Watts8", "Watts9", "Watts10", "Watts11", "Watts12"};
const char* const WattsBoxes[] = {"CheckW1", "CheckW2", "CheckW3", "CheckW4",  "CheckW5",  "CheckW6",
                                  "CheckW7", "CheckW8", "CheckW9", "CheckW10", "CheckW11", "CheckW12"};
const char* const WattHourLabels[] = {"wh1", "wh2", "wh3", "wh4",  "wh5",  "wh6",
                                      "wH7", "wH8", "wH9", "wH10", "wH11", "wH12"};
const char* const WattsLabels[] = {"wW1", "wW2", "wW3", "wW4",  "wW5",  "wW6",
                                   "wW7", "wW8", "wW9", "wW10", "wW11", "wW12"};

ExtremeFormat extremes(const char* picture, const char* unit, const char* minZero = "",
                       const char* minWord = "MIN ")
{
    return ExtremeFormat{picture, unit, minZero, minWord};
}
ReadoutFormat readoutPicture(const char* picture) { return ReadoutFormat{picture, 0, ""}; }
ReadoutFormat readoutRounded2(const char* suffix) { return ReadoutFormat{"", 2, suffix}; }

// Power series Watts<k + 1> backed by a channel of the table.
SeriesDef channelWatts(int k, int ch, const char* fixedTag, ExtremeFormat ext, ReadoutFormat readout)
{
    return SeriesDef{WattsArrays[k], WattsBoxes[k], ch, fixedTag, false, "", 0, 0, ScaleKind::Channel, ch,
                     WattHourLabels[k], WattsLabels[k], std::move(ext), std::move(readout)};
}

WindowDef makeRE()
{
    WindowDef w{};
    w.kind = WindowKind::RE;
    w.className = "GraphRE";
    w.familyPrefix = "RE_";
    w.filePattern = "RE*.txt";
    w.fileListFixedToLogs = true;
    w.hasCollate = true;
    w.setsTitleOnPlot = true;
    w.readsOnOpenWithoutTest = false;
    w.needsSystemType = false;
    w.hasTodayFlag = true;
    w.missingIntervalSeconds = 10;
    w.overLimitMessage = LongOverLimit;
    w.missingFileMessage = "";
    for (int k = 0; k < 8; ++k)
        w.series.push_back(
            channelWatts(k, 17 + k, "", extremes("##00", " W", " Min = 0 W"), readoutPicture("##00 W")));
    w.series.push_back(SeriesDef{"Volts", "CheckV", 9, "", false, "", 0, 0, ScaleKind::Channel, 9, "", "vv",
                                 extremes("#0.00", " V", " Min = 0 V"),
                                 readoutPicture("#0.00 V")});
    w.checkBoxOrder = {8, 0, 1, 2, 3, 4, 5, 6, 7};
    w.readoutOrder = {8, 0, 1, 2, 3, 4, 5, 6, 7};
    w.csvHeader = {"TIME", "VOLTS", "watts1", "watts2", "watts3", "watts4",
                   "watts5", "watts6", "watts7", "watts8"};
    w.csvColumns = {{8, "##.00"},   {0, "###.00"}, {1, "####.00"}, {2, "####"}, {3, "###.0"},
                    {4, "###.00"},  {5, "####.00"}, {6, "####"},   {7, "###.0"}};
    w.csvTouchesSideFile = true;
    w.collationFile = "REWattHours.txt";
    w.collationTitle = "daily watthours for these dates";
    w.loopStartOffset = 1;
    return w;
}

WindowDef makeML()
{
    WindowDef w{};
    w.kind = WindowKind::ML;
    w.className = "GraphML";
    w.familyPrefix = "ML_";
    w.filePattern = "ML*.TXT";
    w.fileListFixedToLogs = false;
    w.hasCollate = false;
    w.setsTitleOnPlot = false;
    w.readsOnOpenWithoutTest = false;
    w.needsSystemType = false;
    w.hasTodayFlag = false;
    w.missingIntervalSeconds = 0;
    w.overLimitMessage = ShortOverLimit;
    w.missingFileMessage = "unknown file error";
    auto volts = [](const char* array, const char* box, int ch, const char* label) {
        return SeriesDef{array, box, ch, "", false, "", 0, 0, ScaleKind::Channel, ch, "",
                         label, extremes("#0.00", " V"), readoutRounded2(" V")};
    };
    auto pulse = [](const char* array, const char* box, int ch, const char* label) {
        return SeriesDef{array, box, ch, "", false, "", 0, 0, ScaleKind::Channel, ch, "",
                         label, extremes("#00", ""), readoutRounded2("")};
    };
    w.series = {volts("Volts1", "CheckVolts1", 9, "v1v"), volts("Volts2", "CheckVolts2", 10, "v2v"),
                volts("Volts3", "CheckVolts3", 11, "v3v"), pulse("Pulse2", "CheckPulse2", 15, "p2v"),
                pulse("Pulse3", "CheckPulse3", 16, "p3v")};
    w.checkBoxOrder = {0, 1, 2, 3, 4};
    w.readoutOrder = {0, 1, 2, 3, 4};
    w.csvHeader = {"TIME", "Interval", "volts1", "volts2", "volts3", "pulse2", "pulse3"};
    w.csvColumns = {{-1, "#00"},    {0, "##.00"}, {1, "###.00"},
                    {2, "####.00"}, {3, "###0"},  {4, "###0"}};
    w.csvTouchesSideFile = false;
    w.collationFile = "";
    w.collationTitle = "";
    w.loopStartOffset = 1;
    return w;
}

// The part both Current Cost windows share: two temperatures, six meters.
WindowDef makeCurrentCost(WindowKind kind)
{
    const bool qf = kind == WindowKind::QF;
    WindowDef w{};
    w.kind = kind;
    w.className = qf ? "GraphCC_QF" : "GraphCC";
    w.familyPrefix = "CC_";
    w.filePattern = "CC*.txt";
    w.fileListFixedToLogs = false;
    w.hasCollate = true;
    w.setsTitleOnPlot = true;
    w.readsOnOpenWithoutTest = qf;
    w.needsSystemType = true;
    w.hasTodayFlag = false;
    w.missingIntervalSeconds = 0;
    w.overLimitMessage = LongOverLimit;
    w.missingFileMessage = "";
    w.series.push_back(SeriesDef{"Temp1", qf ? "temperature1" : "Check1", 0, "C1", false, "Temp 1",
                                 Green, 1, ScaleKind::Temperature, 0, "", "Cel1",
                                 extremes("", " C"), readoutPicture("#0.0")});
    w.series.push_back(SeriesDef{"Temp2", qf ? "temperature2" : "Check2", 0, "C2", false, "Temp 2",
                                 Green, 0, ScaleKind::Temperature, 0, "", "Cel2",
                                 extremes("", " C"), readoutPicture("#0.0")});
    static const char* const tags[] = {"W1", "W2", "W3", "W4", "W5", "W6"};
    // GraphCC writes its watts minima as "Min ".
    const ExtremeFormat meterExtremes = qf ? extremes("##00", " W", " Min = 0 W") : extremes("", " W", "", "Min ");
    for (int k = 0; k < 6; ++k)
        w.series.push_back(channelWatts(k, 19 + k, tags[k], meterExtremes, readoutPicture("###0 W")));
    if (qf) {
        struct Derived {
            const char* caption;
            std::int32_t colour;
        };
        static const Derived derived[] = {{"imported M Power", 0x80FF80},
                                          {"Net Import or Export", 0x80FFFF},
                                          {"Solar Power only", 0x80C0FF},
                                          {"Hot Water only", 0xFFFF80},
                                          {"Total House Consumption", 0xFF8080},
                                          {"Total M Power Consumed ", 0x80FF80}};
        for (int k = 6; k < 12; ++k)
            w.series.push_back(SeriesDef{WattsArrays[k], WattsBoxes[k], 0, "", true, derived[k - 6].caption,
                                         derived[k - 6].colour, 0, ScaleKind::Derived, k - 3,
                                         WattHourLabels[k], WattsLabels[k],
                                         extremes("##00", " W", " Min = 0 W"), readoutPicture("###0 W")});
    }
    const int n = static_cast<int>(w.series.size());
    // Boxes: the meters first, then the temperatures, then the derived series.
    for (int i = 2; i < 8; ++i)
        w.checkBoxOrder.push_back(i);
    w.checkBoxOrder.push_back(0);
    w.checkBoxOrder.push_back(1);
    for (int i = 8; i < n; ++i)
        w.checkBoxOrder.push_back(i);
    // Read-out: watts labels first, then Cel1, Cel2.
    for (int i = 2; i < n; ++i)
        w.readoutOrder.push_back(i);
    w.readoutOrder.push_back(0);
    w.readoutOrder.push_back(1);
    w.csvHeader = {"TIME", "watts1", "watts2", "watts3", "watts4", "watts5", "watts6"};
    for (int k = 0; k < 6; ++k)
        w.csvColumns.push_back({2 + k, "00000"});
    w.csvTouchesSideFile = true;
    w.collationFile = qf ? "QFWattHours.txt" : "CCWattHours.txt";
    w.collationTitle = qf ? "daily Quorra Flats watthours for these dates"
                          : "daily Current Cost watthours for these dates";
    w.loopStartOffset = qf ? 1 : 0;
    return w;
}

} // namespace

const WindowDef& windowDef(WindowKind kind)
{
    static const WindowDef re = makeRE();
    static const WindowDef ml = makeML();
    static const WindowDef cc = makeCurrentCost(WindowKind::CC);
    static const WindowDef qf = makeCurrentCost(WindowKind::QF);
    switch (kind) {
    case WindowKind::RE: return re;
    case WindowKind::ML: return ml;
    case WindowKind::CC: return cc;
    case WindowKind::QF: break;
    }
    return qf;
}

std::string elementName(const SeriesDef& s, const Global_Declarations& g)
{
    if (s.derived)
        return std::string();
    if (s.fixedTag[0] != '\0')
        return s.fixedTag;
    if (s.channel >= 1 && s.channel <= 24)
        return g.XMLsoftware[static_cast<size_t>(s.channel)];
    return std::string();
}

std::array<double, 6> derivedSeries(const std::array<double, 7>& w)
{
    std::array<double, 6> d{};
    d[0] = w[1] - w[3];
    d[1] = w[1] - w[4];
    d[2] = w[3] + w[5];
    d[3] = w[2] - w[6];
    d[4] = std::max(0.0, w[1] - w[2]);
    d[5] = std::max(0.0, w[2] - w[1]);
    return d;
}

double derivedFullScale(int derivedIndex, const Global_Declarations& g)
{
    auto m = [&g](int k) { return static_cast<double>(g.ChannelMaxReading[static_cast<size_t>(18 + k)]); };
    switch (derivedIndex) {
    case 7: return m(1);          // Watts1 - Watts3 is largest with no solar
    case 8: return m(1);          // Watts1 - Watts4
    case 9: return m(3) + m(5);   // Watts3 + Watts5
    case 10: return m(2);         // Watts2 - Watts6
    case 11: return m(1);         // Watts1 - Watts2
    case 12: return m(2);         // Watts2 - Watts1
    default: return 0;
    }
}

double fullScale(const SeriesDef& s, const Global_Declarations& g)
{
    switch (s.scale) {
    case ScaleKind::Temperature:
        return 50;
    case ScaleKind::Derived: {
        int index = 0;
        std::sscanf(s.array, "Watts%d", &index);
        return derivedFullScale(index, g);
    }
    case ScaleKind::Channel:
        break;
    }
    if (s.channel >= 1 && s.channel <= 24)
        return g.ChannelMaxReading[static_cast<size_t>(s.channel)];
    return 0;
}

std::int32_t lineColour(const SeriesDef& s, const Global_Declarations& g)
{
    if (s.lineColourChannel >= 1 && s.lineColourChannel <= 24)
        return g.LineColour[static_cast<size_t>(s.lineColourChannel)];
    return Green;
}

int seriesIndex(const WindowDef& w, const std::string& array)
{
    for (size_t i = 0; i < w.series.size(); ++i)
        if (array == w.series[i].array)
            return static_cast<int>(i);
    return -1;
}

ReaderLayout readerLayoutFor(const WindowDef& w, const Global_Declarations& g)
{
    ReaderLayout layout;
    for (const SeriesDef& s : w.series)
        layout.elements.push_back(s.derived ? ElementTags::derived() : ElementTags::named(elementName(s, g)));
    layout.missingInterval = w.missingIntervalSeconds;
    if (w.kind == WindowKind::QF) {
        // Series 2..7 are Watts1..Watts6, 8..13 the derived Watts7..Watts12.
        layout.derive = [](std::vector<double>& v) {
            std::array<double, 7> m{};
            for (int k = 1; k <= 6; ++k)
                m[static_cast<size_t>(k)] = v[static_cast<size_t>(1 + k)];
            const auto d = derivedSeries(m);
            for (int k = 0; k < 6; ++k)
                v[static_cast<size_t>(8 + k)] = d[static_cast<size_t>(k)];
        };
    }
    return layout;
}

TimePlotLayout plotLayoutFor(const WindowDef& w, const Global_Declarations& g, const std::vector<int>& flags)
{
    TimePlotLayout layout;
    layout.firstOffset = w.loopStartOffset;
    for (size_t s = 0; s < w.series.size(); ++s) {
        const SeriesDef& sd = w.series[s];
        PlotSeries ps;
        ps.colour = lineColour(sd, g);
        ps.show = s < flags.size() && flags[s] == 1;
        ps.fullScale = fullScale(sd, g);
        ps.wattHours = sd.whLabel[0] != '\0';
        // The collation's day total: the measured powers, not the derived ones.
        ps.dayTotal = ps.wattHours && !sd.derived;
        layout.series.push_back(ps);
    }
    return layout;
}

bool missingDayIsNoData(const WindowDef& w) { return w.missingFileMessage[0] == '\0'; }

GraphRules multiChannelRules(WindowKind kind)
{
    const WindowDef& w = windowDef(kind);
    GraphRules r;
    r.todayPrefix = w.familyPrefix;
    r.readTodayOnlyWhenPresent = !w.readsOnOpenWithoutTest;
    r.needsSystemType = w.needsSystemType;
    for (const SeriesDef& s : w.series)
        r.series.push_back({s.channel, s.startFlag});
    r.readerLayout = [&w](const Global_Declarations& g) { return readerLayoutFor(w, g); };
    r.missingDayIsNoData = missingDayIsNoData(w);
    r.missingFileMessage = w.missingFileMessage;
    r.hasTodayFlag = w.hasTodayFlag;
    r.overLimitMessage = w.overLimitMessage;
    r.plotLayout = [&w](const Global_Declarations& g, const std::vector<int>& flags) {
        return plotLayoutFor(w, g, flags);
    };
    r.readoutFormat = [&w](int s, const Global_Declarations&) {
        return s >= 0 && static_cast<size_t>(s) < w.series.size() ? w.series[static_cast<size_t>(s)].readout
                                                                  : ReadoutFormat{};
    };
    for (const SeriesDef& s : w.series)
        r.extremes.push_back(s.extremes);
    r.readoutOrder = w.readoutOrder;
    r.csvHeader = w.csvHeader;
    r.csvColumns = w.csvColumns;
    r.csvSideFile = w.csvTouchesSideFile;
    r.collationFile = w.collationFile;
    r.collationTitle = w.collationTitle;
    return r;
}

} // namespace gv::multichannel

#include "graphs/GraphCore.h"

#include "shared/FileIO.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace gv {

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------
// Times of day
// ---------------------------------------------------------------------------

namespace {

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// 1 or 2 decimal digits.
std::optional<int> smallNumber(std::string_view s)
{
    if (s.empty() || s.size() > 2)
        return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

double dayFraction(int hour, int minute, int second)
{
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

std::optional<double> parseTimeOfDay(std::string_view text)
{
    text = trimBlanks(text);
    const auto c1 = text.find(':');
    if (c1 == std::string_view::npos)
        return std::nullopt;
    const auto c2 = text.find(':', c1 + 1);
    const auto h = smallNumber(text.substr(0, c1));
    const auto m = smallNumber(text.substr(c1 + 1, c2 == std::string_view::npos ? text.npos : c2 - c1 - 1));
    std::optional<int> s = 0;
    if (c2 != std::string_view::npos)
        s = smallNumber(text.substr(c2 + 1));
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    return dayFraction(*h, *m, *s);
}

std::string shortTime(double fraction)
{
    if (!std::isfinite(fraction) || fraction < 0)
        fraction = 0;
    const long long secs = std::llround(fraction * 86400.0);
    const long long minutes = secs / 60;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", static_cast<int>((minutes / 60) % 24),
                  static_cast<int>(minutes % 60));
    return buf;
}

std::optional<int> timeBoxValue(std::string_view text, int max)
{
    const auto v = smallNumber(trimBlanks(text));
    if (!v || *v > max)
        return std::nullopt;
    return v;
}

std::optional<TimeLimits> timeLimitsFromBoxes(std::string_view h1, std::string_view m1,
                                              std::string_view h2, std::string_view m2)
{
    const auto a = timeBoxValue(h1, 23), b = timeBoxValue(m1, 59);
    const auto c = timeBoxValue(h2, 23), d = timeBoxValue(m2, 59);
    if (!a || !b || !c || !d)
        return std::nullopt;
    // The end box names a whole minute, as the time labels write a record's
    // time (its whole minutes): a record stamped with seconds inside that
    // minute is inside the limits too.
    return TimeLimits{dayFraction(*a, *b), dayFraction(*c, *d, 59)};
}

std::string hourPart(const std::string& hhmm) { return hhmm.substr(0, 2); }

std::string minutePart(const std::string& hhmm)
{
    return hhmm.size() < 2 ? hhmm : hhmm.substr(hhmm.size() - 2);
}

// ---------------------------------------------------------------------------
// Record set and reader
// ---------------------------------------------------------------------------

double GraphRecordSet::value(int series, long i) const
{
    if (!has(i) || series < 0 || series >= seriesCount())
        return 0.0;
    const auto& s = Series[static_cast<size_t>(series)];
    return static_cast<size_t>(i) < s.size() ? s[static_cast<size_t>(i)] : 0.0;
}

long recordIndex(double position)
{
    if (!std::isfinite(position))
        return 0;
    if (position > 1e9)
        return 1000000000L;
    if (position < -1e9)
        return -1000000000L;
    return static_cast<long>(roundHalfEven(position));
}

ReadStatus readRecords(std::string_view text, const TimeLimits& limits, const ReaderLayout& layout,
                       GraphRecordSet& set)
{
    set.ZoomBusy = 0;
    const size_t n = layout.elements.size();
    GraphRecordSet fresh;
    fresh.Series.assign(n, std::vector<double>{0.0});
    std::vector<double> values(n, 0.0);
    int count = 0;

    // Lines end at CR LF, a lone LF or a lone CR; the piece after the last
    // line end is a line too.
    std::string_view rest = text;
    for (bool more = true; more;) {
        std::string_view line;
        more = takeLine(rest, line);
        if (!more)
            line = rest;
        const auto timeText = findTaggedValue(line, "<T>", "</T>");
        if (!timeText)
            continue;
        const auto t = parseTimeOfDay(*timeText);
        // Records on either limit are kept, so the plotted span written back
        // into the boxes reads the same records again.
        if (!t || !(limits.start <= *t && *t <= limits.end))
            continue;
        if (++count > MaxGraphRecords)
            return ReadStatus::OverLimit; // the set keeps the previous records
        fresh.RecordTime.push_back(*t);
        const auto interval = findTaggedValue(line, "<L>", "</L>");
        fresh.RecordInterval.push_back(interval ? recordInterval(*interval) : layout.missingInterval);
        for (size_t s = 0; s < n; ++s) {
            values[s] = 0.0;
            const ElementTags& el = layout.elements[s];
            if (el.isDerived())
                continue;
            const auto v = findTaggedValue(line, el.open, el.close);
            if (v)
                values[s] = recordNumber(*v);
        }
        if (layout.derive)
            layout.derive(values);
        for (size_t s = 0; s < n; ++s)
            fresh.Series[s].push_back(values[s]);
    }

    if (count == 0) {
        const double first = set.FirstShown, last = set.LastShown;
        set = GraphRecordSet{};
        set.Series.assign(n, std::vector<double>{0.0});
        set.FirstShown = first;
        set.LastShown = last;
        return ReadStatus::NoData;
    }
    fresh.RecordCount = count;
    fresh.FirstShown = 1;
    fresh.LastShown = count;
    fresh.SourceFile = set.SourceFile;
    set = std::move(fresh);
    return ReadStatus::Ok;
}

namespace {

// Names of the regular files of a folder, in directory order; none when the
// folder cannot be read.
std::vector<std::string> regularFileNames(const std::string& folder)
{
    std::vector<std::string> out;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return out;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        std::error_code fe;
        if (it->is_regular_file(fe))
            out.push_back(it->path().filename().string());
    }
    return out;
}

} // namespace

DayFileRead readDayFile(const std::string& folder, const std::string& fileName,
                        const TimeLimits& limits, const ReaderLayout& layout, GraphRecordSet& set)
{
    DayFileRead r;
    set.ZoomBusy = 0;
    const auto path = findFileNoCase(folder, fileName);
    if (!path) {
        r.file = DayFileStatus::Missing;
        return r;
    }
    const auto text = readTextFile(*path);
    if (!text) {
        r.file = DayFileStatus::Unreadable;
        return r;
    }
    r.file = DayFileStatus::Read;
    r.read = readRecords(*text, limits, layout, set);
    if (r.read == ReadStatus::Ok)
        set.SourceFile = fileName;
    return r;
}

// ---------------------------------------------------------------------------
// Day files
// ---------------------------------------------------------------------------

bool matchesPattern(std::string_view name, std::string_view pattern)
{
    // Iterative glob with one backtrack point for the last "*".
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> listDayFiles(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> out;
    for (const std::string& name : regularFileNames(folder))
        if (matchesPattern(name, pattern))
            out.push_back(name);
    std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
        const size_t m = std::min(a.size(), b.size());
        for (size_t i = 0; i < m; ++i) {
            const char x = lowerAscii(a[i]), y = lowerAscii(b[i]);
            if (x != y)
                return x < y;
        }
        if (a.size() != b.size())
            return a.size() < b.size();
        return a < b;
    });
    return out;
}

std::string todayFileName(const std::string& prefix, int year, int month, int day)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d_%02d_%02d.txt", year, month, day);
    return prefix + buf;
}

// ---------------------------------------------------------------------------
// Surface
// ---------------------------------------------------------------------------

void PlotSurface::line(double x1, double y1, double x2, double y2, std::int32_t bgr)
{
    const double w = scaleWidth_, h = scaleHeight_;
    if (!std::isfinite(w) || !std::isfinite(h) || w == 0.0 || h == 0.0)
        return;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    drawLine(SurfaceLine{x1, y1, x2, y2, x1 / w, y1 / h, x2 / w, y2 / h, bgr, drawWidth_});
}

// ---------------------------------------------------------------------------
// Time plot
// ---------------------------------------------------------------------------

ShownRange shownRange(const GraphRecordSet& set)
{
    return ShownRange{recordIndex(set.FirstShown), recordIndex(set.LastShown)};
}

TimePlotResult plotByTime(const GraphRecordSet& set, const TimePlotLayout& layout, int scaledMode,
                          PlotModel& model, PlotSurface& surface)
{
    TimePlotResult result;
    surface.cls();
    // The model holds the figures of a drawn span only: a span that cannot
    // be drawn leaves none of an earlier plot for the labels, the views or
    // the collation.
    model = PlotModel{};
    // The range in whole records, rounded once: every loop below visits
    // each record of it once, whatever fractions the zoom left.
    const ShownRange range = shownRange(set);
    const long first = range.first, last = range.last;
    // Positions come from reads (1..RecordCount) and the zoom (kept within
    // the records); anything wilder draws nothing.
    if (!(first > -1000000) || !(last < 1000000))
        return result;
    // The records of the span that a read filled: the extremes, the scaling,
    // the line and the watt-hours all cover these same records.
    const long firstRecord = std::max(first, 1L);
    const long lastRecord = std::min(last, static_cast<long>(set.RecordCount));
    if (firstRecord > lastRecord)
        return result; // no record in the span

    // The span's times are those of its first and last records (the boxes
    // get them and the limits keep the records on them); bounds beyond the
    // records read the nearest one.
    result.startTime = shortTime(set.time(firstRecord));
    result.finishTime = shortTime(set.time(lastRecord));
    if (layout.minimumSpan > 0 && !(static_cast<double>(last - first) > layout.minimumSpan)) {
        result.status = PlotStatus::NotEnoughData;
        return result;
    }
    if (!(firstRecord < lastRecord))
        return result; // one record makes no line

    const size_t n = layout.series.size();
    const auto resize = [n](std::vector<double>& v) { v.assign(n, 0.0); };
    resize(model.PlotHigh);
    resize(model.PlotLow);
    resize(model.PlotHeight);
    resize(model.ShownMaximum);
    resize(model.ShownMinimum);
    resize(model.WattHours);
    const auto eachRecord = [&](auto&& fn) {
        for (long i = firstRecord; i <= lastRecord; ++i)
            fn(i);
    };

    for (size_t s = 0; s < n; ++s) {
        const double full = layout.series[s].fullScale;
        if (scaledMode == 1) {
            model.PlotHigh[s] = full;
            model.PlotLow[s] = 0;
        } else {
            model.PlotHigh[s] = 0;
            model.PlotLow[s] = full;
        }
        // The largest and the smallest plotted values, whatever the scale:
        // the scan starts at the first record of the span, so a series that
        // stays above its full scale shows its own minimum and one that
        // stays below 0 (a derived net export) its own maximum.
        model.ShownMaximum[s] = set.value(static_cast<int>(s), firstRecord);
        model.ShownMinimum[s] = model.ShownMaximum[s];
    }
    eachRecord([&](long i) {
        for (size_t s = 0; s < n; ++s) {
            const double v = set.value(static_cast<int>(s), i);
            if (scaledMode != 1) {
                if (v > model.PlotHigh[s])
                    model.PlotHigh[s] = v;
                if (v < model.PlotLow[s])
                    model.PlotLow[s] = v;
            }
            if (v > model.ShownMaximum[s])
                model.ShownMaximum[s] = v;
            if (v < model.ShownMinimum[s])
                model.ShownMinimum[s] = v;
        }
    });

    // Record F on the left edge, record L on the right edge (a span of two
    // records is one unit wide).
    surface.setScaleWidth(std::max(static_cast<double>(last - first), 1.0));
    for (size_t s = 0; s < n; ++s) {
        const double span = model.PlotHigh[s] - model.PlotLow[s];
        model.PlotHeight[s] = span > 0 ? span + span / 20 : 2.0;
    }

    // Zero lines across the whole picture, where the series draws the value
    // 0 (its (range)/40 margin included), so a zoomed span shows them too.
    for (size_t s = 0; s < n; ++s) {
        if (!layout.series[s].zeroLine)
            continue;
        surface.setScaleHeight(model.PlotHeight[s]);
        const double high = model.PlotHigh[s], low = model.PlotLow[s];
        if (high > 0 && low < 0) {
            const double y = high + (high - low) / 40;
            surface.line(0.0, y, static_cast<double>(last - first), y, layout.zeroLineColour);
        }
    }

    // Segments from record i - 1 to record i, up to record L; record i lies
    // at x = i - first.
    for (long i = std::max(first + layout.firstOffset, 0L); i <= lastRecord; ++i) {
        const double x1 = static_cast<double>(i - 1 - first), x2 = static_cast<double>(i - first);
        for (size_t s = 0; s < n; ++s) {
            const PlotSeries& ps = layout.series[s];
            if (ps.show) {
                surface.setScaleHeight(model.PlotHeight[s]);
                const double high = model.PlotHigh[s], span = high - model.PlotLow[s];
                if (span > 0) {
                    const double y1 = (high - set.value(static_cast<int>(s), i - 1)) + span / 40;
                    const double y2 = (high - set.value(static_cast<int>(s), i)) + span / 40;
                    surface.line(x1, y1, x2, y2, ps.colour);
                } else {
                    surface.line(x1, 1.0, x2, 1.0, ps.colour);
                }
            }
        }
    }

    // Watt-hours over every record of the span, as the day's summary and
    // the restart count them: each record books its own interval, so a
    // record repeated through an outage carries 0 and adds no energy.
    eachRecord([&](long i) {
        for (size_t s = 0; s < n; ++s) {
            if (!layout.series[s].wattHours)
                continue;
            const double wh = set.interval(i) * (set.value(static_cast<int>(s), i) / 3600.0);
            model.WattHours[s] += wh;
            if (layout.series[s].dayTotal)
                model.DayWattHours += wh;
        }
    });
    model.PlottedFile = set.SourceFile;
    result.status = PlotStatus::Drawn;
    return result;
}

void plotGridLines(PlotSurface& surface)
{
    constexpr std::int32_t yellow = 65535;
    const double w = surface.scaleWidth(), h = surface.scaleHeight();
    surface.setDrawWidth(1);
    for (double f : {0.0, 0.25, 0.5, 0.75, 1.0})
        surface.line(w * f, 0, w * f, h, yellow);
    for (double f : {0.0, 0.25, 0.5, 0.75, 1.0})
        surface.line(0, h * f, w, h * f, yellow);
}

// ---------------------------------------------------------------------------
// Read-out, labels, zoom
// ---------------------------------------------------------------------------

ReadoutIndices readoutIndices(double x, double firstShown)
{
    ReadoutIndices r{0, 0};
    if (!std::isfinite(x) || !std::isfinite(firstShown) || std::fabs(x) > 1e9 || std::fabs(firstShown) > 1e9)
        return r;
    r.timeRecord = static_cast<long>(std::floor(x + firstShown));
    r.valueRecord = recordIndex(std::floor(x) + firstShown);
    return r;
}

double roundHalfEvenTo(double value, int decimals)
{
    if (!std::isfinite(value))
        return 0.0;
    if (decimals < 0)
        decimals = 0;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals + 9, std::fabs(value));
    std::string s(buf);
    const size_t point = s.find('.');
    std::string digits = s.substr(0, point) + s.substr(point + 1);
    const size_t keep = point + static_cast<size_t>(decimals);
    std::string kept = digits.substr(0, keep);
    const std::string rest = digits.substr(keep);
    bool up = false;
    if (!rest.empty()) {
        if (rest[0] > '5')
            up = true;
        else if (rest[0] == '5') {
            const bool exactHalf = rest.find_first_not_of('0', 1) == std::string::npos;
            up = !exactHalf || ((kept.empty() ? 0 : kept.back() - '0') % 2 == 1);
        }
    }
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9')
            kept[static_cast<size_t>(i--)] = '0';
        if (i >= 0)
            ++kept[static_cast<size_t>(i)];
        else
            kept.insert(kept.begin(), '1');
    }
    const size_t intLen = kept.size() - static_cast<size_t>(decimals);
    const std::string text = kept.substr(0, intLen) + "." + kept.substr(intLen);
    const double r = std::strtod(text.c_str(), nullptr);
    return value < 0 && r != 0.0 ? -r : r;
}

std::string readoutText(double value, const ReadoutFormat& format)
{
    if (!format.picture.empty())
        return formatPicture(value, format.picture) + format.suffix;
    return numberText(roundHalfEvenTo(value, format.decimals)) + format.suffix;
}

std::string maxMinLabelText(MaxMinToggleState& toggle, double shownMaximum, double shownMinimum,
                            const ExtremeFormat& f)
{
    const auto number = [&](double v) {
        return f.picture.empty() ? numberText(v) : formatPicture(v, f.picture);
    };
    if (toggle.MaxMinToggle == 1) {
        toggle.MaxMinToggle = 0;
        return f.maxWord + number(shownMaximum) + f.unit;
    }
    toggle.MaxMinToggle = 1;
    if (!f.minZeroText.empty() && !(shownMinimum > 0))
        return f.minZeroText;
    return f.minWord + number(shownMinimum) + f.unit;
}

bool zoomPress(GraphRecordSet& set, ZoomState& zoom, double x)
{
    zoom.MouseHeld = 1;
    if (set.ZoomBusy != 0 || set.RecordCount <= 1 || !std::isfinite(x))
        return false;
    if (!zoom.pressMoved) {
        zoom.pressMoved = true;
        zoom.firstBeforePress = set.FirstShown;
    }
    // A press left of record 1 starts at record 1: the limits keep the
    // record they fall on, so the span starts at the first record shown.
    set.FirstShown = std::clamp(x, 1.0, static_cast<double>(set.RecordCount));
    return true;
}

bool zoomMarker(const GraphRecordSet& set, const ZoomState& zoom)
{
    return set.ZoomBusy == 0 && zoom.MouseHeld == 1 && set.RecordCount > 1;
}

bool zoomRelease(GraphRecordSet& set, ZoomState& zoom, double x)
{
    zoom.MouseHeld = 0;
    const bool pressed = zoom.pressMoved;
    zoom.pressMoved = false;
    const auto noZoom = [&] {
        // A press that does not become a zoom leaves the range as it was.
        if (pressed)
            set.FirstShown = zoom.firstBeforePress;
        return false;
    };
    if (set.ZoomBusy != 0 || set.RecordCount <= 1 || !std::isfinite(x))
        return noZoom();
    const double pos = std::min(x, static_cast<double>(set.RecordCount));
    if (!(pos > set.FirstShown))
        return noZoom();
    // Ends on the same or neighbouring records: too short a span to plot.
    if (recordIndex(pos) - recordIndex(set.FirstShown) < 2)
        return noZoom();
    set.LastShown = pos;
    set.ZoomBusy = 1;
    return true;
}

} // namespace gv

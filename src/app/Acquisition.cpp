#include "app/Acquisition.h"

#include <algorithm>
#include <cmath>

#include "app/Calculation.h"
#include "shared/TaggedText.h"

namespace gv {

namespace {

constexpr std::string_view LoggerEnd = "]";
constexpr std::string_view MsgOpen = "<msg>";
constexpr std::string_view MsgClose = "</msg>";
constexpr std::string_view HistOpen = "<hist>";

bool isLoggerType(int type)
{
    return type == 0 || type == 1 || type == 2 || (type >= 5 && type <= 8);
}

// Blanks and the line ends that close each Current Cost message.
std::string_view trimLineEnds(std::string_view text)
{
    const auto blank = [](char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The 128's sensor groups: sensor 9 fills slots 17..20, sensor 0 21..24.
const char* sensorName(int group) { return group == 0 ? "sensor 9" : "sensor 0"; }

// The 128's live part of a message: its stored totals name every sensor.
std::string_view withoutStoredTotals(std::string_view message)
{
    return message.substr(0, message.find(HistOpen));
}

bool validReading(std::string_view text)
{
    return isNumeric(text) && std::fabs(leadingNumber(text)) <= Acquisition::MaxReading;
}

struct CcItem {
    std::string_view open;
    std::string_view close;
    int offset; // slot = first slot of the group + offset
};

constexpr CcItem CcItems[] = {
    {"<tmpr>", "</tmpr>", 0},
    {"<ch1><watts>", "</watts></ch1>", 1},
    {"<ch2><watts>", "</watts></ch2>", 2},
    {"<ch3><watts>", "</watts></ch3>", 3},
};

} // namespace

Acquisition::Acquisition(Global_Declarations& g, EngineStatus& status) : g_(g), status_(status) {}

std::string Acquisition::buffer() const
{
    return bracket_ ? "[" + buf_ : buf_;
}

void Acquisition::lampTimerTick()
{
    status_.messageLamp = false;
    status_.errorLamp = false;
}

Acquisition::Received Acquisition::onReceive(std::string_view bytes, double seconds)
{
    Received r;
    now_ = seconds;
    buf_.append(bytes.data(), bytes.size());
    std::size_t start = 0; // text before this has been taken out

    for (;;) {
        const int type = g_.SystemType;
        if (type != scanType_) {
            // Another framing rule: search the whole remaining text again.
            scanType_ = type;
            scanFrom_ = start;
        }
        scanFrom_ = std::max(scanFrom_, start);

        if (isLoggerType(type)) {
            const std::size_t pos = buf_.find(LoggerEnd, scanFrom_);
            if (pos == std::string::npos) {
                scanFrom_ = buf_.size();
                break;
            }
            std::string body = buf_.substr(start, pos + 1 - start);
            std::string message = (bracket_ && body.front() != '[') ? "[" + body : std::move(body);
            start = pos + 1;
            bracket_ = true;
            ++r.framed;
            if (handleLogger(message))
                ++r.calculated;
        } else if (type == 3 || type == 4) {
            const std::size_t pos = buf_.find(MsgClose, scanFrom_);
            if (pos == std::string::npos) {
                scanFrom_ = std::max(start, buf_.size() - std::min(buf_.size(), MsgClose.size() - 1));
                break;
            }
            const std::size_t end = pos + MsgClose.size();
            const std::string_view frame = std::string_view(buf_).substr(start, pos - start);
            const std::size_t open = frame.rfind(MsgOpen);
            std::string message;
            if (open != std::string_view::npos) {
                // A message whose end never came is cut off: it is noise,
                // and the whole message after it is read on its own.
                const std::string_view cut = trimLineEnds(frame.substr(0, open));
                if (!cut.empty()) {
                    ++r.framed;
                    announce(std::string(cut));
                    abandon();
                }
                message = buf_.substr(start + open, end - (start + open));
            } else if (type == 3) {
                // The line end that follows each message belongs to no message.
                std::size_t from = start;
                while (from < pos && (buf_[from] == '\r' || buf_[from] == '\n'))
                    ++from;
                message = (bracket_ ? "[" : "") + buf_.substr(from, end - from);
            } else {
                // A 128 tail whose beginning was never received is dropped.
                start = end;
                bracket_ = false;
                continue;
            }
            start = end;
            bracket_ = false;
            ++r.framed;
            if (handleCurrentCost(message, type == 4))
                ++r.calculated;
        } else {
            break; // no framing rule for this type: the text waits
        }
    }

    buf_.erase(0, start);
    scanFrom_ = scanFrom_ >= start ? scanFrom_ - start : 0;

    if (buf_.size() > MaxBuffer) {
        // A device that never completes a message must not exhaust memory:
        // keep only the most recent text.
        buf_.erase(0, buf_.size() - KeptOnOverflow);
        scanFrom_ = 0;
        status_.errorLamp = true;
    }
    return r;
}

void Acquisition::announce(const std::string& message)
{
    status_.messageLamp = true;
    g_.LastMessage = message;
    readings_ = 0;
}

Acquisition::Item Acquisition::extract(std::string_view text, std::string_view open, std::string_view close,
                                       int slot)
{
    const std::size_t p = text.find(open);
    const std::size_t q = text.find(close);
    if (p == std::string_view::npos || q == std::string_view::npos)
        return Item::Skipped;
    const std::size_t from = p + open.size();
    if (q < from)
        return Item::Fault; // closing tag before the end of the opening one
    const std::string_view value = text.substr(from, q - from);
    if (validReading(value)) {
        g_.RawValue[slot] = leadingNumber(value);
        ++readings_;
        return Item::Read;
    }
    status_.errorLamp = true;
    return Item::Bad;
}

bool Acquisition::handleLogger(const std::string& message)
{
    messageText_ = message;
    announce(message);

    if (g_.SystemType == 0) {
        static constexpr struct {
            std::string_view open, close;
            int slot;
        } fixed[] = {{"<V>", "</V>", 9}, {"<I>", "</I>", 1}, {"<S>", "</S>", 12}, {"<R>", "</R>", 13}};
        for (const auto& item : fixed)
            if (extract(message, item.open, item.close, item.slot) == Item::Fault)
                return abandon();
    } else {
        for (int n = 1; n <= 24; ++n) {
            const std::string& tag = g_.XMLhardware[n];
            if (extract(message, "<" + tag + ">", "</" + tag + ">", n) == Item::Fault)
                return abandon();
        }
    }
    return calculate();
}

bool Acquisition::readCurrentCostGroup(std::string_view message, int firstSlot, bool* temperatureRead)
{
    for (const auto& item : CcItems) {
        const Item got = extract(message, item.open, item.close, firstSlot + item.offset);
        if (got == Item::Fault)
            return false;
        if (item.offset == 0 && temperatureRead)
            *temperatureRead = got == Item::Read;
    }
    return true;
}

bool Acquisition::handleCurrentCost(const std::string& message, bool cc128)
{
    announce(message);
    if (!cc128) {
        if (!readCurrentCostGroup(message, 17))
            return abandon();
    } else {
        monitorHeard();
        const std::string_view live = withoutStoredTotals(message);
        const bool first = live.find("<sensor>9") != std::string_view::npos;
        const bool second = live.find("<sensor>0") != std::string_view::npos;
        // Two messages run together: either sensor's watts could be the other's.
        if (first && second)
            return abandon();
        // A sensor this system does not read, or the stored totals: no
        // reading and no error.
        if (!first && !second)
            return false;
        const int group = first ? 0 : 1;
        const int slot = first ? 17 : 21;
        bool temperature = false;
        if (!readCurrentCostGroup(message, slot, &temperature))
            return abandon();
        if (readings_ > 0)
            sensorHeard(group);
        // The display unit's own thermometer: one temperature for both groups.
        if (temperature)
            g_.RawValue[first ? 21 : 17] = g_.RawValue[slot];
        silenceQuietSensor(1 - group);
    }
    // Stored totals do not make a message noise: the Classic sends them
    // after the readings of every message, the 128 in messages of their own
    // that carry no reading.  Only such a message without a reading is
    // passed by, without a pass and without an error.
    if (readings_ == 0 && message.find(HistOpen) != std::string::npos)
        return false;
    return calculate();
}

void Acquisition::monitorHeard()
{
    const double gap = now_ - monitorLastHeard_;
    if (gap > LinkQuietSeconds)
        for (Sensor& s : sensors_)
            s.lastHeard += gap;
    monitorLastHeard_ = now_;
}

void Acquisition::sensorHeard(int group)
{
    Sensor& s = sensors_[group];
    if (s.silent)
        EngineStatus::notify(std::string("Current Cost 128 ") + sensorName(group) + " is heard again");
    s.heard = true;
    s.silent = false;
    s.lastHeard = now_;
}

void Acquisition::silenceQuietSensor(int group)
{
    Sensor& s = sensors_[group];
    if (!s.heard)
        return; // never heard: it keeps its start values
    if (!s.silent && now_ - s.lastHeard >= SensorSilentSeconds) {
        s.silent = true;
        EngineStatus::notify(std::string("Current Cost 128 ") + sensorName(group) +
                             " has sent nothing for 60 s: its watts read 0 until it is heard again");
    }
    if (s.silent) {
        const int first = group == 0 ? 18 : 22;
        for (int n = first; n < first + 3; ++n)
            g_.RawValue[n] = 0;
    }
}

bool Acquisition::abandon()
{
    status_.errorLamp = true;
    return false;
}

bool Acquisition::calculate()
{
    // A message that brought no reading (line noise holding a "]") gets no
    // pass: one over the previous readings would count them again as measured.
    if (readings_ == 0)
        return abandon();
    const CalcResult res = calculateChannels(g_, check1);
    if (!res.done)
        return abandon();
    status_.messageLamp = true;
    if (res.caption)
        caption_ = *res.caption;
    if (afterPass)
        afterPass();
    return true;
}

} // namespace gv

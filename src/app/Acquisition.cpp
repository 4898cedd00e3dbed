#include "app/Acquisition.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

// An element whose opening or closing tag stands twice in one message: two
// messages run together, the end of one and the start of the next lost on
// the line (or a fragment left from before the cable was pulled).  Its
// first occurrences may come from different messages, so nothing of it is
// a measurement.
bool heldTwice(std::string_view text, std::string_view open, std::string_view close)
{
    const auto twice = [text](std::string_view tag) {
        const std::size_t p = text.find(tag);
        return p != std::string_view::npos && text.find(tag, p + tag.size()) != std::string_view::npos;
    };
    return twice(open) || twice(close);
}

// The reading elements of a Current Cost message (the 128's sensor number
// among them).
bool meterElementHeldTwice(std::string_view text, bool cc128)
{
    static constexpr std::string_view elements[][2] = {{"<tmpr>", "</tmpr>"}, {"<ch1>", "</ch1>"},
                                                       {"<ch2>", "</ch2>"},   {"<ch3>", "</ch3>"},
                                                       {"<sensor>", "</sensor>"}};
    for (const auto& e : elements)
        if ((cc128 || e[0] != "<sensor>") && heldTwice(text, e[0], e[1]))
            return true;
    return false;
}

bool validReading(std::string_view text)
{
    return isNumeric(text) && std::fabs(leadingNumber(text)) <= Acquisition::MaxReading;
}

} // namespace

Acquisition::Acquisition(Global_Declarations& g, EngineStatus& status) : g_(g), status_(status) {}

std::string Acquisition::buffer() const
{
    return bracket_ ? "[" + buf_ : buf_;
}

void Acquisition::portOpened()
{
    buf_.clear();
    scanFrom_ = 0;
    afterOpen_ = true;
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
                // and the whole message after it is read on its own.  The
                // first text after the port opened is the tail of a message
                // sent before: no noise, merely not ours to read.
                const std::string_view cut = trimLineEnds(frame.substr(0, open));
                if (!cut.empty() && !afterOpen_) {
                    ++r.framed;
                    announce(std::string(cut));
                    abandon();
                }
                afterOpen_ = false;
                message = buf_.substr(start + open, end - (start + open));
            } else if (afterOpen_) {
                start = end; // the tail of a message sent before the port opened
                continue;
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

Acquisition::Value Acquisition::read(std::string_view text, std::string_view open, std::string_view close)
{
    const std::size_t p = text.find(open);
    const std::size_t q = text.find(close);
    if (p == std::string_view::npos || q == std::string_view::npos)
        return {Item::Skipped, 0};
    const std::size_t from = p + open.size();
    if (q < from)
        return {Item::Fault, 0}; // closing tag before the end of the opening one
    const std::string_view value = text.substr(from, q - from);
    if (validReading(value))
        return {Item::Read, leadingNumber(value), value};
    return {Item::Bad, 0, value};
}

Acquisition::Item Acquisition::extract(std::string_view text, std::string_view open, std::string_view close,
                                       int slot)
{
    const Value v = read(text, open, close);
    if (v.item == Item::Read) {
        g_.RawValue[slot] = v.number;
        ++readings_;
    } else if (v.item == Item::Bad) {
        status_.errorLamp = true;
    }
    return v.item;
}

bool Acquisition::handleLogger(const std::string& message)
{
    messageText_ = message;
    announce(message);

    struct Element {
        std::string open, close;
        int slot;
    };
    std::vector<Element> elements;
    if (g_.SystemType == 0) {
        elements = {{"<V>", "</V>", 9}, {"<I>", "</I>", 1}, {"<S>", "</S>", 12}, {"<R>", "</R>", 13}};
    } else {
        for (int n = 1; n <= 24; ++n) {
            const std::string& tag = g_.XMLhardware[n];
            elements.push_back({"<" + tag + ">", "</" + tag + ">", n});
        }
    }
    for (const Element& e : elements)
        if (heldTwice(message, e.open, e.close))
            return abandon();
    for (const Element& e : elements)
        if (extract(message, e.open, e.close, e.slot) == Item::Fault)
            return abandon();
    return calculate();
}

Acquisition::Meter Acquisition::readMeter(std::string_view message, bool cc128)
{
    Meter m;
    for (int ch = 1; ch <= 3; ++ch) {
        const std::string n = std::to_string(ch);
        const Value w = read(message, "<ch" + n + "><watts>", "</watts></ch" + n + ">");
        if (w.item == Item::Fault)
            return m;
        // The monitors send unsigned counts of whole watts ("01445"): a
        // sign, a point or blanks come from damage on the line, and a
        // negative reading would take energy off the day.
        if (w.item == Item::Read && w.text.find_first_not_of("0123456789") != std::string_view::npos)
            return m;
        if (w.item == Item::Read) {
            m.watts[ch - 1] = w.number;
            continue;
        }
        // Every Classic message carries all three clamps; a 128 sensor's
        // message carries channel 1 and may leave out 2 and 3.  A channel
        // that is there but gives no number is a damaged message.
        const bool present = message.find("<ch" + n + ">") != std::string_view::npos ||
                             message.find("</ch" + n + ">") != std::string_view::npos;
        if (!cc128 || ch == 1 || present)
            return m;
    }
    m.temperature = read(message, "<tmpr>", "</tmpr>");
    m.whole = m.temperature.item != Item::Fault;
    return m;
}

bool Acquisition::handleCurrentCost(const std::string& message, bool cc128)
{
    announce(message);
    if (cc128)
        monitorHeard();
    const std::string_view text = cc128 ? withoutStoredTotals(message) : std::string_view(message);
    if (meterElementHeldTwice(text, cc128))
        return abandon();
    int group = 0;
    if (cc128) {
        const bool carriesWatts = text.find("<watts>") != std::string_view::npos ||
                                  text.find("</watts>") != std::string_view::npos ||
                                  text.find("<ch1>") != std::string_view::npos;
        const Value sensor = read(text, "<sensor>", "</sensor>");
        const bool sensorTag = text.find("<sensor>") != std::string_view::npos ||
                               text.find("</sensor>") != std::string_view::npos;
        // A sensor number that lost a tag or is no number is damage; no
        // sensor and no watts at all is the monitor's other traffic (the
        // stored totals).
        if (sensor.item != Item::Read)
            return sensorTag || carriesWatts ? abandon() : otherTraffic();
        // A sensor this system does not read, or one without watts (an
        // impulse sensor's counts): no reading and no error.
        if ((sensor.number != 9 && sensor.number != 0) || !carriesWatts)
            return otherTraffic();
        group = sensor.number == 9 ? 0 : 1;
    }

    // Every reading the message is read for must be a number, or none of
    // it is taken: a pass with one channel's previous watts and another's
    // new ones would log a mix that was never measured.
    const Meter m = readMeter(text, cc128);
    if (!m.whole)
        return abandon();
    const int slot = group == 0 ? 17 : 21;
    for (int ch = 0; ch < 3; ++ch)
        if (m.watts[ch]) {
            g_.RawValue[slot + 1 + ch] = *m.watts[ch];
            ++readings_;
        }
    if (m.temperature.item == Item::Read) {
        // On a 128 the display unit's own thermometer: one temperature for
        // both groups.
        g_.RawValue[slot] = m.temperature.number;
        if (cc128)
            g_.RawValue[slot == 17 ? 21 : 17] = m.temperature.number;
    } else if (m.temperature.item == Item::Bad) {
        status_.errorLamp = true; // the watts still count
    }
    if (cc128) {
        sensorHeard(group);
        silenceQuietSensor(1 - group);
    }
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

bool Acquisition::otherTraffic()
{
    bool silent = false, speaking = false;
    for (int group : {0, 1}) {
        silenceQuietSensor(group);
        const Sensor& s = sensors_[group];
        silent = silent || s.silent;
        speaking = speaking || (s.heard && !s.silent);
    }
    // A sensor that still speaks carries the passes with its own messages;
    // when none does, this message carries the pass that shows, logs and
    // sums the silent sensor's zeros as measured.
    if (!silent || speaking)
        return false;
    return calculate();
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
        // Its zeros are readings of the message being handled.
        const int first = group == 0 ? 18 : 22;
        for (int n = first; n < first + 3; ++n, ++readings_)
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

#pragma once
// Serial acquisition: the receive buffer, message framing per system type,
// extraction of the tagged readings into RawValue and one calculation pass
// per message.  The program only listens to the device; nothing is written
// to the port.
//
// Wire formats (ASCII, XML-like, tags case-sensitive, no structure checked):
//  - Logger (types 0, 1, 2, 5, 6, 7, 8): a message ends with "]".  Type 0
//    reads the fixed tags <V> (RawValue 9), <I> (1), <S> (12), <R> (13); the
//    others read channel n = 1..24 by "<" XMLhardware(n) ">" .. "</" .. ">".
//  - Current Cost Classic (type 3): a message ends with "</msg>"; <tmpr>
//    goes to RawValue 17 and "<chN><watts>" .. "</watts></chN>" (N = 1..3)
//    to 18..20.
//  - Current Cost 128 (type 4): a message runs from "<msg>" to "</msg>";
//    "<sensor>9" puts the same four items into 17..20, "<sensor>0" into
//    21..24.
//
// Framing: every complete message in the buffer is taken out on its own and
// gets exactly one calculation pass; text after the last marker stays in the
// buffer for the next read.  After a logger message the buffer starts again
// with "[" (unless the next message brings its own).  A Current Cost message
// runs from the last "<msg>" before its "</msg>": text before that "<msg>"
// other than the line end that closed the message before is a message cut
// off in the middle (bytes lost, the cable pulled), taken as noise, so none
// of its readings mixes with the whole message after it.  A Classic frame
// without "<msg>" is read as it is; a 128 tail without its "<msg>" is
// dropped.
// The buffer never grows beyond MaxBuffer bytes: a device that never sends
// the marker loses its oldest text, keeping the most recent KeptOnOverflow
// bytes, which is far more than any message.
//
// Values: an item whose tags are both present yields the text between the
// first opening and the first closing tag.  A text that is not one finite
// number of at most MaxReading in magnitude leaves the reading unchanged
// and lights the error lamp.  A closing tag that stands before its opening
// tag is a malformed message: the rest of it is abandoned without a
// calculation pass (readings already taken from it stay) and the error lamp
// is lit.  A calculation pass that would give a value beyond MaxReading, or
// not finite, is abandoned the same way.  A message from which no reading is
// taken (line noise holding a "]", an item that is not a number) is no good
// message either: no pass, error lamp lit.  A message that holds one of its
// reading elements twice (outside the 128's stored totals) is two messages
// run together, the end of one and the start of the next lost, or a
// fragment sent before the cable was pulled glued to the next message:
// none of its readings is taken, no pass, error lamp lit.
//
// Current Cost: a live message counts only when every watts reading it is
// read for is a count of whole watts (digits only): on a Classic ch1, ch2 and ch3 (every Classic
// message carries all three), on a 128 its sensor number and ch1 (ch2 and
// ch3 where it carries them).  A message in which one of these is missing
// or no count (a Classic without all three, a sensor tag that lost its
// opening bytes) is damaged: none of its readings is taken, not even the
// temperature, and the error lamp is lit.  A temperature that is no number
// lights the lamp and the watts still count.  The stored totals ("<hist>")
// that the Classic sends after the readings of every message are passed
// by.  A message that carries no watts at all (the 128's stored totals,
// which come in messages of their own, an impulse sensor's counts) or, on a
// 128, comes from a sensor other than 9 and 0 is device traffic: no
// reading, no pass and no error.
//
// Current Cost 128: a live message comes from one sensor (one that names
// two is two messages run together).  The temperature is the
// display unit's own, so every live message's <tmpr> goes into both
// temperature slots (17 and 21).  A sensor that has been heard and then
// sends nothing for SensorSilentSeconds while the monitor is heard (a flat
// transmitter battery, out of range) reads 0 W on its three channels from
// then on, until it is heard again: its last watts are not shown, logged
// and summed for hours.  Every message of the monitor counts as heard,
// those of its other sensors and its stored totals too; while neither
// sensor 9 nor 0 speaks, those messages carry the passes, so the records
// count the zeros as measured.  Standard error says when it falls silent and
// when it is heard again.  Time in which nothing at all comes from the
// monitor (the cable out, the monitor unplugged) is no sensor's silence: a
// whole message after more than LinkQuietSeconds without one moves every
// sensor's last-heard time forward by that gap, so the sensor heard first
// after it does not make the other one count as silent.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/EngineStatus.h"
#include "shared/Global_Declarations.h"
#include "shared/TaggedText.h"

namespace gv {

class Acquisition {
public:
    static constexpr std::size_t MaxBuffer = 64 * 1024;
    static constexpr std::size_t KeptOnOverflow = 16 * 1024;
    static constexpr double MaxReading = MaxAcceptedMagnitude;
    static constexpr double SensorSilentSeconds = 60;
    // The longest gap between two messages of a 128 that is still its
    // normal traffic: it sends about every 6 s, so a longer gap is a link
    // that was quiet (no sensor's silence), and a sensor that stops while
    // the other goes on still counts as silent after SensorSilentSeconds.
    static constexpr double LinkQuietSeconds = 20;

    Acquisition(Global_Declarations& g, EngineStatus& status);

    struct Received {
        int framed = 0;     // messages taken out of the buffer by this read
        int calculated = 0; // calculation passes run (framed minus abandoned)
    };

    // The receive event: appends what arrived and handles every complete
    // message in it.  `seconds` is the time of the read on a steady clock
    // (any origin, never set back), for the 128's silent sensors.  When
    // framed > 0 the window starts its 250 ms lamp-off timer and enables its
    // 5 s daily-summary timer; when calculated > 0 it shows caption() in its
    // title bar (the live display has already been refreshed through
    // afterPass).
    Received onReceive(std::string_view bytes, double seconds);

    // The port has just opened (at start-up, after the settings dialog, or
    // by itself after the device was lost).  What was held of a message
    // unfinished when it closed is dropped, so it cannot join the first
    // message after it; on a Current Cost type the text before the first
    // "<msg>" is the tail of a message sent before the port opened and is
    // passed by without the error lamp.
    void portOpened();

    // The 250 ms lamp-off timer: hides both lamps.
    void lampTimerTick();

    // The main window's "System V1" box (power 2 from channel 10's volts).
    bool check1 = false;

    // Called after every successful calculation pass, before the next
    // message is handled (the live display refresh).
    std::function<void()> afterPass;

    // The title-bar summary of the last pass; empty before the first one.
    const std::string& caption() const { return caption_; }
    // The last framed logger message (the "raw data string" label shows it;
    // the error report quotes it).  Current Cost messages do not change it.
    const std::string& messageText() const { return messageText_; }
    // The text received and not yet taken as a message.
    std::string buffer() const;

private:
    // Returns true when the message got its calculation pass.
    bool handleLogger(const std::string& message);
    bool handleCurrentCost(const std::string& message, bool cc128);
    // Shared start of every framed message: lamp, LastMessage, no readings yet.
    void announce(const std::string& message);
    // A whole 128 message came: a quiet link before it counts for no sensor.
    void monitorHeard();
    // A 128 sensor's message gave readings: it is heard at the read's time.
    void sensorHeard(int group);
    // Zero the watts of a heard sensor that has been silent too long.
    void silenceQuietSensor(int group);
    // A 128 message that reads neither sensor 9 nor 0 (an appliance
    // monitor, an impulse sensor, the stored totals): the monitor is heard,
    // so a sensor silent for too long reads 0; a pass runs only when no
    // sensor speaks.  Returns true when the message got its pass.
    bool otherTraffic();
    bool calculate();
    // A message that gets no calculation pass: error lamp lit; false.
    bool abandon();

    enum class Item { Skipped, Read, Bad, Fault };
    struct Value {
        Item item;
        double number;               // when Read
        std::string_view text = {};  // the value's text, when Read or Bad
    };
    // The reading between the first opening and the first closing tag.
    static Value read(std::string_view text, std::string_view open, std::string_view close);
    // read() into RawValue(slot); a value that is no number lights the error lamp.
    Item extract(std::string_view text, std::string_view open, std::string_view close, int slot);

    // A Current Cost message's readings, read before any is taken.
    struct Meter {
        bool whole = false;                   // every watts reading it must carry is a number
        std::optional<double> watts[3];       // ch1..ch3; a 128 may leave out ch2, ch3
        Value temperature{Item::Skipped, 0};  // <tmpr>
    };
    static Meter readMeter(std::string_view message, bool cc128);

    struct Sensor {
        bool heard = false;  // a message of it has given readings
        bool silent = false; // its watts read 0 until it is heard again
        double lastHeard = 0;
    };

    Global_Declarations& g_;
    EngineStatus& status_;
    std::string buf_;          // received text; InBuffer is bracket_ ? "[" + buf_ : buf_
    bool bracket_ = false;     // a logger message was taken: the buffer starts with "["
    std::size_t scanFrom_ = 0; // marker search resumes here (nothing earlier can complete one)
    int scanType_ = -1;        // system type the scan position belongs to
    bool afterOpen_ = false;   // no "<msg>" seen since the port opened
    int readings_ = 0;         // readings taken from the message being handled
    double now_ = 0;           // the time of the read being handled
    Sensor sensors_[2];        // the 128's sensor 9 (slots 17..20) and sensor 0 (21..24)
    double monitorLastHeard_ = 0; // the time of the 128's last whole message
    std::string messageText_;
    std::string caption_;
};

} // namespace gv

#pragma once
// The rows of the channel-table editors: which rows each system type shows,
// their built-in captions, names and tags, the maximum choices per channel
// group, and how an editor reads one channel's items from channels.cfg.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gv {

// True for the system types 0..8, whose rows the editors lay out; any other
// value leaves every row shown.
bool laysOutRows(int systemType);

// Row n (1..24) is shown for the system type.
bool channelRowShown(int systemType, int n);

// Captions and texts the rows start with.
std::string hardwareFrameCaption(int n);   // the hardware editor's row frames
std::string laidOutChannelName(int n);     // name label before channels.cfg is read
std::string defaultHardwareTag(int n);     // "I", "I2" .. "V", "S", "R", "P1", "W" ..
std::string loggingFrameCaption(int n);    // the logging editor's row frames
std::string builtInElementName(int n);     // "A", "A2" .. "V", "S", "R", "P1", "W" ..

// Choices of the maximum box by channel group, in list order.
std::vector<int> maximumChoices(int n);

// True when a maximum box text would be read back as 0 once saved: its
// leading number rounds to 0 in the 16-bit width of ChannelMaxReading ("0",
// "0.4", "none", "").  The hardware editor refuses to save such a maximum.
bool maximumReadsAsZero(std::string_view boxText);

// The refusal of a zero maximum, naming the row (which may be hidden by the
// system type): "there is an error with a maximum limit of zero", "channel n
// (name)", "correct the problem and try again", one per line.
std::string zeroMaximumMessage(int n, const std::string& channelName);

// One channel's items as an editor reads them.  An item missing from the
// file gives its first-run value (firstRunConfiguration), as in the
// configuration load.  An item whose value does not fit the stored width (a
// flag outside 0..255, a maximum outside the 16-bit range, a colour outside
// the 32-bit range) is absent, and the editor keeps what it held.  A damaged
// element name or hardware tag (a control character, "<" or ">" in it; see
// damagedChannelCode) gives the first-run value too, as in the configuration
// load.
struct ChannelRowItems {
    std::optional<std::uint8_t> enableLOGGING, enableDISPLAY, enableGRAPHING, HARDWAREenabled;
    std::optional<std::string> name;        // C
    std::optional<std::int32_t> colour;     // L
    std::optional<std::int16_t> maximum;    // M
    std::optional<std::string> xmlSoftware;
    std::optional<std::string> xmlHardware;
};
ChannelRowItems readChannelRow(std::string_view channelsText, int n);

} // namespace gv

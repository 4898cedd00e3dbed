#pragma once
// What the hardware editor and the three flag editors do alike with
// channels.cfg: read it when they open, take each channel's items into the
// shared table and the row's name label, and report a save that failed.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class QLabel;
class QWidget;

namespace gv {

struct Global_Declarations;
struct ChannelRowItems;

// Name labels start grey until channels.cfg gives them a colour.
constexpr std::int32_t kLaidOutColour = 0xC0C0C0;

// The text of channels.cfg in the program folder; when the file is missing,
// the editor says so and gets nothing.
std::optional<std::string> readChannelsFile(QWidget* editor, const QString& programFolder);

// Takes channel n's items into the shared table, and its name and colour onto
// the name label, which then gives ChannelName and LineColour.  An item that
// does not fit is skipped: the shared value keeps what it held, the label
// keeps its text or colour.
void takeChannelRow(Global_Declarations& g, int n, const ChannelRowItems& r, QLabel* name);

// The message of a save that could not write channels.cfg.
void showChannelsNotSaved(QWidget* editor, const std::string& error);

} // namespace gv

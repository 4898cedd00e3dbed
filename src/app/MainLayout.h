#pragma once
// What the main window shows, decided without any window: the layout of each
// system type (title, tool menus, height, frames, reading labels and cells),
// the texts the live display writes after each message, and the texts the
// reading labels show when clicked for their maximum.  The window applies
// these decisions to its widgets.

#include "shared/Global_Declarations.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gv {

// The main window's frames.
enum class MainFrame : int {
    Frame1_0, Frame1_1, Frame1_2,           // "Windmill 1", "Windmill 2", "AUX DC"
    Frame4_0, Frame4_1,                     // "System 4", "System 5"
    Frame5_0, Frame5_1, Frame5_2, Frame5_3, // cells inside Frame4(0)
    Frame5_4, Frame5_5, Frame5_6, Frame5_7, // cells inside Frame4(1)
    Frame2,                                 // "Misc readings"
    Count
};
constexpr int MainFrameCount = static_cast<int>(MainFrame::Count);
inline MainFrame frame5(int i) { return static_cast<MainFrame>(static_cast<int>(MainFrame::Frame5_0) + i); }

// The main window's reading labels.
enum class Reading : int {
    Volts0,
    Amps0, Amps1, Amps2, Amps3,
    Watts0, Watts1, Watts2, Watts3,
    Whours0, Whours1, Whours2, Whours3,
    RPM0, RPM1,
    Wind0,
    Label3_0, Label3_1, Label3_2, Label3_3, Label3_4, Label3_5, Label3_6, Label3_7,
    Label5_0, Label5_1, Label5_2, Label5_3, Label5_4, Label5_5, Label5_6, Label5_7,
    Label13_0, Label13_1, Label13_2, Label13_3, Label13_4, Label13_5, Label13_6, Label13_7,
    Label6, Label7, Label8, Label9, Label12,
    Count
};
constexpr int ReadingCount = static_cast<int>(Reading::Count);
inline Reading offset(Reading first, int i) { return static_cast<Reading>(static_cast<int>(first) + i); }
inline Reading ampsLabel(int i) { return offset(Reading::Amps0, i); }
inline Reading wattsLabel(int i) { return offset(Reading::Watts0, i); }
inline Reading whoursLabel(int i) { return offset(Reading::Whours0, i); }
inline Reading label3(int i) { return offset(Reading::Label3_0, i); }
inline Reading label5(int i) { return offset(Reading::Label5_0, i); }
inline Reading label13(int i) { return offset(Reading::Label13_0, i); }

// One frame's part of a layout; an empty field leaves that property alone.
struct FrameChange {
    std::optional<bool> visible;
    std::optional<int> topTwips;
    std::optional<std::string> caption;
};

// The tool menus a type enables, in this order.
enum ToolMenu { PlotWindmill1, PlotWindmill2, Plot2Windmills, VUMeters, BatteryMonitor, ToolMenuCount };

struct SystemLayout {
    // False for a type outside 0..9: nothing of the window changes.
    bool applied = false;
    // The type the window is laid out for (9 lays out type 0).
    int type = 0;
    // Label11's caption; empty = its design caption (the product title).
    std::string title;
    std::array<bool, ToolMenuCount> toolMenus{};
    int heightTwips = 0;
    std::array<FrameChange, MainFrameCount> frames{};
    std::array<std::optional<bool>, ReadingCount> visible{};
    std::array<std::optional<std::string>, ReadingCount> captions{};
};

// The layout of setsystem_Click for the menu index (0..8, 9 = type 0).
SystemLayout systemLayout(const Global_Declarations& g, int index);

// The live display after a calculation pass: the labels to write, in order,
// with their texts.  Labels whose channel is not displayed are left out.
using LabelTexts = std::vector<std::pair<Reading, std::string>>;
LabelTexts showReadings(const Global_Declarations& g);

// The watt-hour labels of showReadings alone: the logging tick shows the
// day's count it has just booked, while the readings stay the last
// message's.
LabelTexts showWattHours(const Global_Declarations& g);

// The texts a click on a reading label writes (the recent maximum, or for the
// Current Cost temperature labels alternately the maximum and the minimum).
// `tempMaxShown` is the window's toggle shared by both temperature labels.
// Labels without a click action give no texts.
LabelTexts maximumClick(const Global_Declarations& g, Reading clicked, int& tempMaxShown);

// The check box of the second windmill: "Alt Volts2" when ticked, else "System V1".
std::string check1Caption(bool ticked);

// The title of each type's Label11 and its setsystem menu caption.
std::string systemTitle(int type);      // empty for type 0 (design caption)
std::string systemMenuCaption(int type);

} // namespace gv

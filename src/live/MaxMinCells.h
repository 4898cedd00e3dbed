#pragma once
// The cells of the highs-and-lows window: which MaxMin slots a system type
// shows with which caption and colour, where each slot sits in the window's
// four-column grid, how each slot's value is written, and the reset.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/Global_Declarations.h"

namespace gv {

struct MaxMinCell {
    int slot;              // MaxMin slot, also the index of the cell
    std::string caption;   // "MAX name" / "MIN name" / "MAX TEMPERATURE"
    std::int32_t colour;   // text colour 0x00BBGGRR
};

// The cells shown for the current system type, channel table and hardware
// switches, in the order they are laid out.  A system type outside 0..8 shows
// none.  In the Current Cost types the cells of channels 18..20 take the
// name, hardware switch and colour of rows 19..21, as the main window does.
std::vector<MaxMinCell> maxMinCells(const Global_Declarations& g);

// Place of a slot in the grid, rows 1..8, columns 1..4.  Row 6, column 4
// holds the reset label.
struct MaxMinGridPlace {
    int row;
    int column;
};
MaxMinGridPlace maxMinGridPlace(int slot);
constexpr MaxMinGridPlace ResetLabelPlace{6, 4};

// The value of a slot in its picture; the wind maximum carries the wind-speed
// unit text after the number.
std::string maxMinValueText(int slot, double value, const std::string& windUnits);

// Clears the table: every slot 0, then the voltage and temperature minima 1000
// so the next reading above 0 replaces them.
void resetMaxMin(std::array<double, MaxMinSlot::Count>& table);

} // namespace gv

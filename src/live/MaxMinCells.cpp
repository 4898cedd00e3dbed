#include "live/MaxMinCells.h"

#include "shared/NumberPicture.h"

namespace gv {

namespace {

// Channels tested per system type and how many voltage minimum cells it has
// (1: channel 9 only, 3: channels 9..11).
struct TypeCells {
    std::vector<int> channels;
    int temperatureSensors; // 0, 1 or 2 (Current Cost types)
};

std::vector<int> range(int first, int last)
{
    std::vector<int> v;
    for (int c = first; c <= last; ++c)
        v.push_back(c);
    return v;
}

std::vector<int> join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> v;
    for (const auto& p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

TypeCells cellsOf(int systemType)
{
    switch (systemType) {
    case 0: return {{1, 9, 12, 13, 17}, 0};
    case 1: return {{1, 2, 9, 12, 13, 14, 17, 18}, 0};
    case 2: return {join({range(1, 4), {9}, range(12, 14), range(17, 20)}), 0};
    case 3: return {range(18, 20), 1};
    case 4: return {join({range(18, 20), range(22, 24)}), 2};
    case 5: return {join({range(1, 4), {9}, range(17, 20)}), 0};
    case 6:
    case 7: return {join({range(1, 9), range(17, 24)}), 0};
    case 8: return {range(1, 24), 0};
    default: return {{}, 0};
    }
}

// Row of the channel table that names, gates and colours a channel's cell.
// In the Current Cost types the first meter's watts are powers 2..4, held in
// the slots of channels 18..20, and the main window shows them under rows
// 19..21; the second meter's channels 22..24 are their own rows.
int tableRow(int systemType, int ch)
{
    const bool currentCost = systemType == 3 || systemType == 4;
    return currentCost && ch >= 18 && ch <= 20 ? ch + 1 : ch;
}

} // namespace

std::vector<MaxMinCell> maxMinCells(const Global_Declarations& g)
{
    std::vector<MaxMinCell> out;
    const TypeCells t = cellsOf(g.SystemType);
    for (int ch : t.channels) {
        const int row = tableRow(g.SystemType, ch);
        if (ch < 1 || row > 24 || !flagSet(g.HARDWAREenabled[row]))
            continue;
        out.push_back({ch - 1, "MAX " + g.ChannelName[row], g.LineColour[row]});
        if (ch >= 9 && ch <= 11)
            out.push_back({ch + 15, "MIN " + g.ChannelName[row], g.LineColour[row]});
    }
    if (t.temperatureSensors >= 1) {
        out.push_back({MaxMinSlot::Temp1Max, "MAX TEMPERATURE", 65280});
        out.push_back({MaxMinSlot::Temp1Min, "MIN TEMPERATURE", 65280});
    }
    if (t.temperatureSensors >= 2) {
        out.push_back({MaxMinSlot::Temp2Max, "MAX TEMPERATURE", 65280});
        out.push_back({MaxMinSlot::Temp2Min, "MIN TEMPERATURE", 65280});
    }
    return out;
}

MaxMinGridPlace maxMinGridPlace(int slot)
{
    if (slot >= 0 && slot <= 7)
        return {slot + 1, 1};
    if (slot >= 16 && slot <= 23)
        return {slot - 15, 2};
    switch (slot) {
    case 27: return {1, 3};
    case 28: return {1, 4};
    case 8: return {2, 3};
    case 24: return {2, 4};
    case 9: return {3, 3};
    case 25: return {3, 4};
    case 10: return {4, 3};
    case 26: return {4, 4};
    case 29: return {5, 3};
    case 30: return {5, 4};
    case 11: return {6, 3};
    case 12: return {7, 3};
    case 14: return {7, 4};
    case 13: return {8, 3};
    case 15: return {8, 4};
    default: return {0, 0};
    }
}

std::string maxMinValueText(int slot, double value, const std::string& windUnits)
{
    if (slot >= 0 && slot <= 7)
        return formatPicture(value, "#0.0 A");
    if ((slot >= 8 && slot <= 10) || (slot >= 24 && slot <= 26))
        return formatPicture(value, "#0.00 V");
    if (slot == MaxMinSlot::WindMax)
        return formatPicture(value, "#0.0 ") + windUnits; // unit text kept literal
    if (slot == 12 || slot == 13)
        return formatPicture(value, "##00 RPM");
    if (slot == 14 || slot == 15)
        return formatPicture(value, "#00");
    if (slot >= 16 && slot <= 23)
        return formatPicture(value, "###0 W");
    if (slot >= 27 && slot <= 30)
        return formatPicture(value, "#0.0 C");
    return {};
}

void resetMaxMin(std::array<double, MaxMinSlot::Count>& table)
{
    table.fill(0.0);
    for (int s : {24, 25, 26, MaxMinSlot::Temp1Min, MaxMinSlot::Temp2Min})
        table[s] = 1000;
}

} // namespace gv

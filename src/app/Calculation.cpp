#include "app/Calculation.h"

#include <cmath>
#include <initializer_list>

#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

namespace gv {

namespace {

template <typename Array>
bool allFinite(const Array& a)
{
    for (double v : a)
        if (!std::isfinite(v))
            return false;
    return true;
}

// Readings and powers beyond what the log readers accept are garbled: the
// logger must never write what a restart or a graph refuses to read back.
template <typename Array>
bool allWithinBound(const Array& a)
{
    for (double v : a)
        if (!(std::fabs(v) <= MaxAcceptedMagnitude))
            return false;
    return true;
}

void raiseMax(double& slot, double v)
{
    if (v > slot)
        slot = v;
}

// Volts and temperature slots ignore readings of 0 and below.
void raisePositiveMax(double& slot, double v)
{
    if (v > 0 && v > slot)
        slot = v;
}

void lowerPositiveMin(double& slot, double v)
{
    if (v > 0 && v < slot)
        slot = v;
}

} // namespace

void seedHighsAndLows(Global_Declarations& g)
{
    g.MaxMin.fill(0.0);
    for (int s = 0; s < 3; ++s)
        g.MaxMin[MaxMinSlot::VoltsMinFirst + s] = 1000;
    g.MaxMin[MaxMinSlot::Temp1Max] = 0;
    g.MaxMin[MaxMinSlot::Temp1Min] = 100;
    g.MaxMin[MaxMinSlot::Temp2Max] = 0;
    g.MaxMin[MaxMinSlot::Temp2Min] = 100;
}

CalcResult calculateChannels(Global_Declarations& g, bool check1)
{
    // Work on copies and commit only when every result is finite.
    auto value = g.ChannelValue;
    auto power = g.ChannelPower;
    auto maxMin = g.MaxMin;
    auto accValue = g.AccumulatedValue;
    auto accWatts = g.AccumulatedWatts;
    const double count = g.goodDATAcount + 1;

    for (int n = 1; n <= 16; ++n) {
        double x = g.RawValue[n] - g.ADCOffset[n];
        if (x < 0)
            x = 0;
        value[n] = x * g.ADCDivider[n];
        if (n <= 8 || n >= 12)
            raiseMax(maxMin[n - 1], value[n]);
    }
    for (int n = 9; n <= 11; ++n)
        raisePositiveMax(maxMin[n - 1], value[n]);
    for (int n = 9; n <= 11; ++n)
        lowerPositiveMin(maxMin[n + 15], value[n]);
    raisePositiveMax(maxMin[MaxMinSlot::Temp1Max], g.RawValue[17]);
    lowerPositiveMin(maxMin[MaxMinSlot::Temp1Min], g.RawValue[17]);
    raisePositiveMax(maxMin[MaxMinSlot::Temp2Max], g.RawValue[21]);
    lowerPositiveMin(maxMin[MaxMinSlot::Temp2Min], g.RawValue[21]);

    for (int n = 1; n <= 16; ++n)
        accValue[n] += value[n];

    const double volts = value[9];
    auto setPower = [&](int k, double watts) {
        power[k] = watts;
        accWatts[k] += watts;
        raiseMax(maxMin[15 + k], watts);
    };
    auto dcPower = [&](int k) {
        if (k == 2 && check1)
            return value[2] * value[10];
        return value[k] * volts;
    };
    switch (g.SystemType) {
    case 0:
    case 1:
    case 2:
        for (int k = 1; k <= 8; ++k)
            setPower(k, dcPower(k));
        break;
    case 3:
        for (int k : {2, 3, 4})
            setPower(k, g.RawValue[16 + k]);
        break;
    case 4:
        for (int k : {2, 3, 4, 6, 7, 8})
            setPower(k, g.RawValue[16 + k]);
        break;
    case 5:
    case 6:
        for (int k = 1; k <= 8; ++k)
            setPower(k, value[k] * volts);
        break;
    case 7:
        for (int k = 1; k <= 4; ++k)
            setPower(k, value[k] * volts);
        for (int k = 5; k <= 8; ++k)
            setPower(k, value[k] * MainsVolts);
        break;
    case 8:
        for (int k = 1; k <= 4; ++k)
            setPower(k, dcPower(k));
        for (int k = 5; k <= 8; ++k)
            setPower(k, value[k] * MainsVolts);
        break;
    default:
        break;
    }

    if (!allWithinBound(value) || !allWithinBound(power) || !allFinite(maxMin) || !allFinite(accValue) ||
        !allFinite(accWatts) || !std::isfinite(count))
        return {};

    g.goodDATAcount = count;
    g.ChannelValue = value;
    g.ChannelPower = power;
    g.MaxMin = maxMin;
    g.AccumulatedValue = accValue;
    g.AccumulatedWatts = accWatts;

    CalcResult r;
    r.done = true;
    r.caption = titleSummary(g);

    g.Windmill1Power = g.ChannelPower[1];
    g.Windmill2Power = g.ChannelPower[2];
    g.Windmill1RPM = g.ChannelValue[13];
    g.Windmill2RPM = g.ChannelValue[14];
    return r;
}

std::optional<std::string> titleSummary(const Global_Declarations& g)
{
    auto watts = [&](int k) { return formatPicture(g.ChannelPower[k], "###0") + "W "; };
    switch (g.SystemType) {
    case 0:
        return formatPicture(g.ChannelValue[9], "#0.00") + "V " + formatPicture(g.ChannelValue[1], "#0.0") +
               "A " + watts(1) + g.PersonalString;
    case 1:
    case 2:
    case 5:
    case 6:
    case 7:
    case 8:
        return "Battery = " + formatPicture(g.ChannelValue[9], "#0.00") + "V ";
    case 3:
        return watts(2) + watts(3) + watts(4) + g.PersonalString;
    case 4:
        return watts(2) + watts(3) + watts(4) + watts(6) + watts(7) + formatPicture(g.ChannelPower[8], "###0") +
               "W  " + g.PersonalString;
    default:
        return std::nullopt;
    }
}

} // namespace gv

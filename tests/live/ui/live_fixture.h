#pragma once
// A shared state filled by hand as a running two-windmill system would leave
// it: windmill 1 at 600 rpm giving 400 W into a 25.6 V battery.

#include <QImage>
#include <QMetaObject>
#include <QTimer>
#include <QString>
#include <QWidget>

#include "shared/Global_Declarations.h"

inline gv::Global_Declarations runningSystem()
{
    gv::Global_Declarations g;
    g.SystemType = 1;
    g.WSUnits = "m/s";
    const char* names[25] = {"",          "Mill 1 amps", "Mill 2 amps", "Solar amps", "Load amps",
                             "Amps 5",    "Amps 6",      "Amps 7",      "Amps 8",     "Battery volts",
                             "Volts 2",   "Volts 3",     "Wind speed",  "Mill 1 RPM", "Mill 2 RPM",
                             "Pulse 1",   "Pulse 2",     "Mill 1 watts", "Mill 2 watts", "Solar watts",
                             "Load watts", "Power 5",    "Power 6",     "Power 7",    "Power 8"};
    const std::int16_t maxima[25] = {0,   30, 30, 20, 20, 20, 20, 20, 20, 30, 30, 30, 25,
                                     800, 800, 100, 100, 1000, 1000, 500, 500, 500, 500, 500, 500};
    for (int ch = 1; ch <= 24; ++ch) {
        g.ChannelName[ch] = names[ch];
        g.ChannelMaxReading[ch] = maxima[ch];
        g.HARDWAREenabled[ch] = 1;
        g.enableDISPLAY[ch] = 1;
        g.LineColour[ch] = 65535;
    }
    g.LineColour[1] = 8454016;
    g.LineColour[9] = 33023;
    g.LineColour[17] = 16711680;
    g.LineColour[18] = 255;

    g.ChannelValue[1] = 15.6;
    g.ChannelValue[2] = 4.2;
    g.ChannelValue[9] = 25.6;
    g.ChannelValue[10] = 12.9;
    g.ChannelValue[12] = 7.4;
    g.ChannelValue[13] = 600;
    g.ChannelValue[14] = 320;
    g.ChannelPower[1] = 400;
    g.ChannelPower[2] = 107.5;
    g.Windmill1Power = 400;
    g.Windmill2Power = 107.5;
    g.Windmill1RPM = 600;
    g.Windmill2RPM = 320;

    g.MaxMin[0] = 31.2;
    g.MaxMin[1] = 9.8;
    g.MaxMin[8] = 28.44;
    g.MaxMin[9] = 14.1;
    g.MaxMin[11] = 14.7;
    g.MaxMin[12] = 752;
    g.MaxMin[13] = 510;
    g.MaxMin[16] = 812;
    g.MaxMin[17] = 260;
    g.MaxMin[24] = 23.06;
    g.MaxMin[25] = 12.1;
    g.MaxMin[26] = 1000;
    g.MaxMin[28] = 100;
    g.MaxMin[30] = 100;

    g.LastMessage = "[<V>25.60</V><I1>15.6</I1><I2>4.2</I2><S>7.4</S><R1>600</R1><R2>320</R2>"
                    "<A3>0.0</A3><A4>0.0</A4><P1>3</P1><P2>0</P2>]";
    g.goodDATAcount = 7;
    g.AccumulatedValue[9] = 179.2;
    g.AccumulatedValue[1] = 109.2;
    g.AccumulatedValue[13] = 4200;
    g.AccumulatedValue[12] = 51.8;
    g.AccumulatedWatts[1] = 2800;
    g.LoggedValue[9] = 25.58;
    g.LoggedValue[1] = 15.1;
    g.LoggedValue[13] = 590;
    g.LoggedValue[12] = 7.1;
    g.LoggedWatts[1] = 386.5;
    g.WattHours[1] = 1234.567;
    return g;
}

// Renders a window offscreen into a PNG for a look by eye; returns the image.
inline QImage grabTo(QWidget* w, const QString& name)
{
    w->show();
    const QImage img = w->grab().toImage();
    img.save("/tmp/gv_live_" + name + ".png");
    return img;
}

// Fires a window's timer as its interval running out would.
inline void fireTimer(QTimer* t) { QMetaObject::invokeMethod(t, "timeout"); }

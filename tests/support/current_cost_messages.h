#pragma once
// Messages as the Current Cost monitors send them, in their published
// layouts, one message a line (CR LF after "</msg>").
//  - The Classic (CC02) sends one message every six seconds: its time, its
//    name, the watts of its three clamps, the temperature and then, in
//    every message, its stored totals (<hist>: kWh per two hours, day,
//    month and year).
//  - The 128 sends one message per sensor reading, with the sensor number,
//    and its stored totals in messages of their own (<hist> with one <data>
//    block per sensor, no <watts>), every two hours.

#include <array>
#include <cstdio>
#include <string>

namespace gvtest {

inline std::string ccTag(const std::string& key, const std::string& value)
{
    return "<" + key + ">" + value + "</" + key + ">";
}

inline std::string ccNumber(const char* picture, int v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, picture, v);
    return buf;
}

// The Classic's stored totals, the same in every message.
inline std::string classicStoredTotals()
{
    std::string h = "<hist><hrs>";
    for (int i = 2; i <= 26; i += 2)
        h += ccTag(ccNumber("h%02d", i), i == 2 ? "000.3" : i == 26 ? "003.1" : "001.2");
    h += "</hrs><days>";
    for (int i = 1; i <= 31; ++i)
        h += ccTag(ccNumber("d%02d", i), i == 1 ? "0014" : i < 10 ? "0012" : "0000");
    h += "</days><mths>";
    for (int i = 1; i <= 12; ++i)
        h += ccTag(ccNumber("m%02d", i), "0000");
    h += "</mths><yrs>";
    for (int i = 1; i <= 4; ++i)
        h += ccTag(ccNumber("y%d", i), "0000000");
    return h + "</yrs></hist>";
}

// One Classic message without its line end; the defaults give the
// published example (168 W on the first clamp, 25.6 degrees).
inline std::string classicMessage(std::array<int, 3> watts = {168, 0, 0}, const std::string& tmpr = "25.6",
                                  const std::string& hrMinSec = "002011")
{
    std::string m = "<msg><date><dsb>00030</dsb>" + ccTag("hr", hrMinSec.substr(0, 2)) +
                    ccTag("min", hrMinSec.substr(2, 2)) + ccTag("sec", hrMinSec.substr(4, 2)) +
                    "</date><src><name>CC02</name><id>00077</id><type>1</type><sver>1.06</sver></src>";
    for (int ch = 1; ch <= 3; ++ch)
        m += ccTag("ch" + std::to_string(ch), ccTag("watts", ccNumber("%05d", watts[ch - 1])));
    return m + ccTag("tmpr", tmpr) + classicStoredTotals() + "</msg>";
}

// One live 128 message without its line end: the display unit's temperature
// and the watts of one sensor's three channels.
inline std::string cc128Message(int sensor, std::array<int, 3> watts, const std::string& tmpr = "21.5",
                                const std::string& time = "13:02:39")
{
    std::string m = "<msg><src>CC128-v0.11</src><dsb>00089</dsb>" + ccTag("time", time) + ccTag("tmpr", tmpr) +
                    ccTag("sensor", std::to_string(sensor)) + ccTag("id", sensor == 0 ? "00077" : "01234") +
                    "<type>1</type>";
    for (int ch = 1; ch <= 3; ++ch)
        m += ccTag("ch" + std::to_string(ch), ccTag("watts", ccNumber("%05d", watts[ch - 1])));
    return m + "</msg>";
}

// The 128's stored totals: one <data> block per sensor 0..9.
inline std::string cc128History()
{
    std::string m = "<msg><src>CC128-v0.11</src><dsb>00089</dsb><time>13:10:50</time><hist>"
                    "<dsw>00032</dsw><type>1</type><units>kwhr</units>";
    for (int sensor = 0; sensor <= 9; ++sensor)
        m += "<data>" + ccTag("sensor", std::to_string(sensor)) +
             "<h024>001.1</h024><h022>000.9</h022><h020>000.3</h020><h018>000.4</h018></data>";
    return m + "</hist></msg>";
}

} // namespace gvtest

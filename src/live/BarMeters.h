#pragma once
// The two bar meters of windmill 1 (RPM left, power right), in twips of the
// window: both bars stand on y = 4560 and grow upward along scale lines that
// run from y = 4505 (bottom) to 705 (top).

#include <cstdint>
#include <string>

namespace gv {

namespace BarGeometry {
constexpr int RpmX = 360;
constexpr int PowerX = 1080;
constexpr int BarBottom = 4560;
constexpr int BarDesignTop = 2520;
constexpr int ScaleLineBottom = 4505;
constexpr int ScaleLineTop = 705;
constexpr int MarkLeft = 0;
constexpr int MarkRight = 1560;
constexpr int Marks[6] = {4680, 4560, 3600, 2640, 1680, 720};
} // namespace BarGeometry

struct BarMeterScale {
    std::int32_t BarLength = BarGeometry::ScaleLineBottom - BarGeometry::ScaleLineTop;
    // Twips per unit; 0 for a full scale of zero or below, so such a bar
    // keeps zero length instead of having an undefined scale.
    double TwipsPerRPM = 0;
    double TwipsPerWatt = 0;
    float RPMBarBottom = BarGeometry::BarBottom;
    float PowerBarBottom = BarGeometry::BarBottom;
};

BarMeterScale barMeterScale(int rpmFullScale, int powerFullScale);

struct BarTops {
    bool valid = false;       // false: a reading of -1 or less
    std::int16_t RPMBarTop = BarGeometry::BarDesignTop;
    std::int32_t PowerBarTop = BarGeometry::BarDesignTop;
    std::string powerText;    // "###0"
    std::string rpmText;      // "##0"
};

// One tick with R the RPM reading and W the power.  A top above the scale
// lines stops at their upper end.
BarTops barTops(const BarMeterScale& s, double R, double W);

// The message for a reading of -1 or less.
std::string barMeterLimitMessage(double W, double R);

} // namespace gv

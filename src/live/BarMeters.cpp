#include "live/BarMeters.h"

#include <cmath>

#include "shared/FileIO.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

namespace gv {

BarMeterScale barMeterScale(int rpmFullScale, int powerFullScale)
{
    BarMeterScale s;
    if (rpmFullScale > 0)
        s.TwipsPerRPM = double(s.BarLength) / rpmFullScale;
    if (powerFullScale > 0)
        s.TwipsPerWatt = double(s.BarLength) / powerFullScale;
    return s;
}

namespace {
// Floor, limited at the top of the scale lines before it is made whole, so a
// wild reading can never overflow the integer.
double barTop(double bottom, double reading, double perUnit)
{
    double top = std::floor(bottom - reading * perUnit);
    if (!std::isfinite(top) || top < BarGeometry::ScaleLineTop)
        top = BarGeometry::ScaleLineTop;
    return top;
}
} // namespace

BarTops barTops(const BarMeterScale& s, double R, double W)
{
    BarTops t;
    if (!(R > -1 && W > -1))
        return t;
    t.valid = true;
    t.PowerBarTop = static_cast<std::int32_t>(barTop(s.PowerBarBottom, W, s.TwipsPerWatt));
    t.RPMBarTop = static_cast<std::int16_t>(barTop(s.RPMBarBottom, R, s.TwipsPerRPM));
    t.powerText = formatPicture(W, "###0");
    t.rpmText = formatPicture(R, "##0");
    return t;
}

std::string barMeterLimitMessage(double W, double R)
{
    return "Run setup to set graphing limits" + std::string(CRLF) + "power = " + numberText(W) +
           std::string(CRLF) + "RPM = " + numberText(R);
}

} // namespace gv

#pragma once
// Number pictures such as "#0.00 V", "###0 W", "##.00", "00000", "0.00000".
//  "0": a digit always written; "#": a digit written only when significant;
//  ".": the decimal point; any other character is copied literally.
// The value is rounded to the picture's decimals, halves away from zero; the
// integer part is never cut short; no thousands separators.  "##.00" writes
// 0.5 as ".50"; "#00" writes 7 as "07".

#include <string>
#include <string_view>

namespace gv {

std::string formatPicture(double value, std::string_view picture);

// Round half away from zero to the given number of decimals, once, on the
// value's shortest decimal text (at most 15 significant digits): 2.675 gives
// 2.68 and 2.4996 gives 2.
double roundHalfAway(double value, int decimals);

} // namespace gv

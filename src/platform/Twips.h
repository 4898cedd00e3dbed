#pragma once
// Window geometry in the program's layouts is given in twips: 15 twips are
// one pixel at 96 dpi.

namespace gv {

constexpr int twipsPerPixel = 15;
constexpr int twips(int t) { return (t + twipsPerPixel / 2) / twipsPerPixel; }

} // namespace gv

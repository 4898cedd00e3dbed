#include "shared/NumberPicture.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace gv {

namespace {

// A value rounded to a number of decimals, as decimal digits.
struct RoundedDigits {
    std::string intPart;  // at least one digit, may have leading zeros
    std::string fracPart; // exactly `decimals` digits
    bool negative = false;
};

// Rounds the value's shortest decimal text (at most 15 significant digits,
// as numberText writes it) to `decimals` places, halves away from zero.  The
// rounding works on the decimal digits themselves, so a value is rounded once
// and exactly as the user reads it: 2.675 gives 2.68, 2.4996 gives 2.
RoundedDigits roundDigits(double value, int decimals)
{
    RoundedDigits r;
    if (!std::isfinite(value))
        value = 0.0;
    if (decimals < 0)
        decimals = 0;
    r.negative = value < 0;
    // d.ddddddddddddddde±x: fifteen significant digits and the exponent.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const char* e = std::strchr(buf, 'e');
    std::string digits;
    for (const char* c = buf; c != e; ++c)
        if (*c >= '0' && *c <= '9')
            digits.push_back(*c);
    const long exponent = std::strtol(e + 1, nullptr, 10);

    // Place the decimal point: `point` digits stand before it.
    long point = exponent + 1;
    if (point < 1) {
        digits.insert(0, static_cast<size_t>(1 - point), '0');
        point = 1;
    }
    const size_t keep = static_cast<size_t>(point) + static_cast<size_t>(decimals);
    if (digits.size() < keep)
        digits.append(keep - digits.size(), '0');
    const bool up = digits.size() > keep && digits[keep] >= '5';
    digits.resize(keep);
    if (up) {
        size_t i = keep;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            ++point;
        } else {
            ++digits[i - 1];
        }
    }
    r.intPart = digits.substr(0, static_cast<size_t>(point));
    r.fracPart = digits.substr(static_cast<size_t>(point));
    return r;
}

bool allZero(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

} // namespace

double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        return 0.0;
    const RoundedDigits d = roundDigits(value, decimals);
    const double a = std::strtod((d.intPart + "." + d.fracPart).c_str(), nullptr);
    return d.negative ? -a : a;
}

std::string formatPicture(double value, std::string_view picture)
{
    if (!std::isfinite(value))
        value = 0.0;
    auto isPic = [](char c) { return c == '#' || c == '0' || c == '.'; };
    size_t first = 0;
    while (first < picture.size() && !isPic(picture[first]))
        ++first;
    if (first == picture.size())
        return std::string(picture);
    size_t last = first;
    for (size_t i = first; i < picture.size(); ++i)
        if (isPic(picture[i]))
            last = i;
    const std::string_view prefix = picture.substr(0, first);
    const std::string_view pic = picture.substr(first, last - first + 1);
    const std::string_view suffix = picture.substr(last + 1);

    const auto point = pic.find('.');
    const std::string_view intPic = pic.substr(0, point);
    const std::string_view fracPic =
        point == std::string_view::npos ? std::string_view() : pic.substr(point + 1);
    int minInt = 0;
    for (char c : intPic)
        if (c == '0')
            ++minInt;
    int decimals = 0;
    int minFrac = 0;
    for (size_t i = 0; i < fracPic.size(); ++i) {
        if (fracPic[i] == '0' || fracPic[i] == '#')
            ++decimals;
        if (fracPic[i] == '0')
            minFrac = static_cast<int>(i) + 1;
    }

    const RoundedDigits rounded = roundDigits(value, decimals);
    std::string intPart = rounded.intPart;
    std::string fracPart = rounded.fracPart;

    // Integer part: strip insignificant zeros, then pad to the picture's "0"s.
    size_t nz = 0;
    while (nz < intPart.size() && intPart[nz] == '0')
        ++nz;
    intPart = intPart.substr(nz);
    while (static_cast<int>(intPart.size()) < minInt)
        intPart.insert(intPart.begin(), '0');
    // Fraction: "#" positions drop trailing zeros, "0" positions stay.
    while (static_cast<int>(fracPart.size()) > minFrac && !fracPart.empty() && fracPart.back() == '0')
        fracPart.pop_back();

    std::string out(prefix);
    const bool negative = rounded.negative && !(allZero(rounded.intPart) && allZero(rounded.fracPart));
    if (negative)
        out.push_back('-');
    out += intPart;
    if (point != std::string_view::npos && (!fracPart.empty() || decimals == 0))
        out.push_back('.');
    out += fracPart;
    out.append(suffix);
    return out;
}

} // namespace gv

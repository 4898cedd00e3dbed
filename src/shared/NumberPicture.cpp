#include "shared/NumberPicture.h"

#include <cmath>
#include <cstdio>

namespace gv {

double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        return 0.0;
    // Go through a decimal text so that 2.675 rounds as the user reads it.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals + 3, std::fabs(value));
    const double a = std::strtod(buf, nullptr);
    const double scale = std::pow(10.0, decimals);
    double r = std::floor(a * scale + 0.5 + 1e-9) / scale;
    return value < 0 ? -r : r;
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

    const double rounded = roundHalfAway(value, decimals);
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(rounded));
    std::string digits(buf);
    std::string intPart = digits.substr(0, digits.find('.'));
    std::string fracPart =
        digits.find('.') == std::string::npos ? std::string() : digits.substr(digits.find('.') + 1);

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
    const bool negative = rounded < 0 && (intPart.find_first_not_of('0') != std::string::npos ||
                                          fracPart.find_first_not_of('0') != std::string::npos);
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

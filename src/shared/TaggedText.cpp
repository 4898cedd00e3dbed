#include "shared/TaggedText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace gv {

std::optional<std::string> findTaggedValue(std::string_view text, std::string_view openTag,
                                           std::string_view closeTag)
{
    if (openTag.empty() || closeTag.empty())
        return std::nullopt;
    const auto p = text.find(openTag);
    if (p == std::string_view::npos)
        return std::nullopt;
    const auto start = p + openTag.size();
    const auto q = text.find(closeTag, start);
    if (q == std::string_view::npos)
        return std::nullopt;
    return std::string(text.substr(start, q - start));
}

std::string extractTaggedValue(std::string_view text, std::string_view openTag,
                               std::string_view closeTag)
{
    return findTaggedValue(text, openTag, closeTag).value_or(std::string());
}

std::optional<std::string> findTag(std::string_view text, std::string_view key)
{
    std::string open = "<";
    open.append(key).append(">");
    std::string close = "</";
    close.append(key).append(">");
    return findTaggedValue(text, open, close);
}

std::string tagValue(std::string_view text, std::string_view key)
{
    return findTag(text, key).value_or(std::string());
}

namespace {

// A blank around a number: space, tab, carriage return or line feed.  The
// numeric test and the leading-number reader share it, so every text the
// test takes as a number with blanks around is read as that number.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Scans the leading-number syntax.  Returns the cleaned number text (blanks
// removed) and the index just past what was consumed.
struct Scan {
    std::string number;
    size_t end = 0;
    bool hasDigits = false;
};

Scan scanNumber(std::string_view s)
{
    Scan r;
    size_t i = 0;
    const size_t n = s.size();
    while (i < n && isBlank(s[i]))
        ++i;
    auto skipBlanks = [&] {
        while (i < n && (s[i] == ' ' || s[i] == '\t'))
            ++i;
    };
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            r.number.push_back('-');
        ++i;
        skipBlanks();
    }
    bool seenPoint = false;
    while (i < n) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            r.number.push_back(c);
            r.hasDigits = true;
            ++i;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            r.number.push_back('.');
            ++i;
        } else if (c == ' ' || c == '\t') {
            ++i;
        } else {
            break;
        }
    }
    r.end = i;
    if (r.hasDigits && i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < n && (s[j] == '+' || s[j] == '-'))
            exp.push_back(s[j++]);
        bool expDigits = false;
        while (j < n && ((s[j] >= '0' && s[j] <= '9') || s[j] == ' ')) {
            if (s[j] != ' ') {
                exp.push_back(s[j]);
                expDigits = true;
            }
            ++j;
        }
        if (expDigits) {
            r.number += exp;
            r.end = j;
        }
    }
    return r;
}

} // namespace

double leadingNumber(std::string_view text)
{
    const Scan s = scanNumber(text);
    if (!s.hasDigits)
        return 0.0;
    const double v = std::strtod(s.number.c_str(), nullptr);
    if (!std::isfinite(v))
        return 0.0;
    return v == 0.0 ? 0.0 : v; // no negative zero
}

double recordNumber(std::string_view text)
{
    const double v = leadingNumber(text);
    return std::fabs(v) <= MaxAcceptedMagnitude ? v : 0.0;
}

double recordInterval(std::string_view text)
{
    const double v = leadingNumber(text);
    return v >= 0 && v <= MaxRecordInterval ? v : 0.0;
}

bool hasLeadingNumber(std::string_view text) { return scanNumber(text).hasDigits; }

bool isNumeric(std::string_view text)
{
    // Blanks may stand around the number, never inside it: "4 2" is not 42.
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    for (char c : text)
        if (isBlank(c))
            return false;
    const Scan s = scanNumber(text);
    if (!s.hasDigits || s.end != text.size())
        return false;
    const double v = std::strtod(s.number.c_str(), nullptr);
    return std::isfinite(v);
}

std::string numberText(double v)
{
    if (!std::isfinite(v))
        return "0";
    if (v == 0.0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s(buf);
    // Exponent form only for very large or very small magnitudes; keep it
    // readable by our own reader ("1E+20" style).
    for (auto& c : s)
        if (c == 'e')
            c = 'E';
    return s;
}

double roundHalfEven(double v)
{
    if (!std::isfinite(v))
        return 0.0;
    return std::nearbyint(v); // default rounding mode: to nearest, ties to even
}

std::string tagged(std::string_view key, std::string_view value)
{
    std::string s;
    s.reserve(key.size() * 2 + value.size() + 5);
    s.append("<").append(key).append(">").append(value).append("</").append(key).append(">");
    return s;
}

} // namespace gv

#include "shared/CodePage.h"

#include <cstdint>

namespace gv {

namespace {

// Characters of the bytes 80..9F; the others stand for themselves.
constexpr char32_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The code-page byte of a character, or -1 when it has none.
int byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (High[i] == c)
            return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence at text[i]; returns its length, 0 when the
// bytes there are not a valid sequence.
size_t decodeUtf8(std::string_view text, size_t i, char32_t& c)
{
    const auto b0 = static_cast<uint8_t>(text[i]);
    size_t len = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        c = b0 & 0x07;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto b = static_cast<uint8_t>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t Least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < Least[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return len;
}

bool allAscii(std::string_view s)
{
    for (char ch : s)
        if (static_cast<uint8_t>(ch) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string codePageToUtf8(std::string_view bytes)
{
    if (allAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto b = static_cast<uint8_t>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? High[b - 0x80] : char32_t(b));
    }
    return out;
}

std::string utf8ToCodePage(std::string_view text)
{
    if (allAscii(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const size_t len = decodeUtf8(text, i, c);
        if (len == 0) {
            out.push_back(text[i]);
            ++i;
            continue;
        }
        const int b = byteOf(c);
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
        i += len;
    }
    return out;
}

std::string firstCharacterOutsideCodePage(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const size_t len = decodeUtf8(text, i, c);
        if (len == 0)
            return std::string(text.substr(i, 1));
        if (byteOf(c) < 0)
            return std::string(text.substr(i, len));
        i += len;
    }
    return {};
}

} // namespace gv

#include "config/ConfigValidation.h"

#include "shared/CodePage.h"
#include "shared/FileIO.h"
#include "shared/TaggedText.h"

namespace gv {

const char* const kInvalidDelayMessage = "Invalid delay period, needs to be a number between 1 and 600";

std::optional<double> validLogDelay(std::string_view text)
{
    if (!isNumeric(text))
        return std::nullopt;
    const double v = leadingNumber(text);
    if (v < 1 || v > 600)
        return std::nullopt;
    return v;
}

std::optional<long long> wholeNumber(std::string_view text)
{
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    if (b == e || e - b > 15)
        return std::nullopt;
    long long v = 0;
    for (size_t i = b; i < e; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        v = v * 10 + (text[i] - '0');
    }
    return v;
}

bool safeItemText(std::string_view text)
{
    return text.find_first_of("<>\r\n") == std::string_view::npos;
}

std::string unsafeTextMessage(const std::string& what)
{
    return what + " may not contain \"<\", \">\" or a line break" + CRLF +
           "correct the text and try again";
}

std::string itemTextRefusal(std::string_view text, const std::string& what)
{
    if (!safeItemText(text))
        return unsafeTextMessage(what);
    const std::string outside = firstCharacterOutsideCodePage(text);
    if (!outside.empty())
        return what + " may not contain \"" + outside + "\": the configuration files cannot hold that character" +
               CRLF + "correct the text and try again";
    return std::string();
}

} // namespace gv

#pragma once
// Checks applied to what the user types into the setup dialogs before any
// of it reaches a configuration file.

#include <optional>
#include <string>
#include <string_view>

namespace gv {

extern const char* const kInvalidDelayMessage;  // "Invalid delay period, ..."

// The logging interval in seconds when the text is a number from 1 to 600
// (fractions allowed, 2.5 is 2.5 s); nothing otherwise.
std::optional<double> validLogDelay(std::string_view text);

// The value of a text that is a whole number without sign, decimal point or
// exponent (surrounding blanks allowed); nothing otherwise.
std::optional<long long> wholeNumber(std::string_view text);

// True when the text can stand between the tags of one item: no "<", no ">"
// and no line break (any of them would break the file for every reader).
bool safeItemText(std::string_view text);

// The message that refuses such a text; what names the field ("OWN name").
std::string unsafeTextMessage(const std::string& what);

// The refusal of a typed text that is to stand between the tags of an item,
// or "" when it may: it must be safe (above) and every character must have a
// byte in the files' code page ("\u20bd" has none and would be written as
// "?").  what names the box: "The OWN name may not contain ...".
std::string itemTextRefusal(std::string_view text, const std::string& what);

} // namespace gv

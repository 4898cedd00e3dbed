#pragma once
// Tag-delimited text ("<LogDelay>10</LogDelay>") and the number rules every
// configuration file, log record and message relies on.

#include <optional>
#include <string>
#include <string_view>

namespace gv {

// The text between the first occurrence of the opening tag and the first
// occurrence of the closing tag after it; the search for the closing tag
// starts at the end of the opening tag, so a closing tag standing before the
// opening one is passed over ("</A>x<A>7</A>" gives "7").  Absent when either
// tag is empty, the opening tag is missing, or no closing tag follows it
// ("</A>5<A>" has no value).
std::optional<std::string> findTaggedValue(std::string_view text, std::string_view openTag,
                                           std::string_view closeTag);

// Same as findTaggedValue, but "" when the item is not present.
std::string extractTaggedValue(std::string_view text, std::string_view openTag,
                               std::string_view closeTag);

// Convenience: extractTaggedValue(text, "<key>", "</key>").
std::string tagValue(std::string_view text, std::string_view key);
std::optional<std::string> findTag(std::string_view text, std::string_view key);

// Blanks around a number are spaces, tabs, carriage returns and line feeds,
// for the reader and the numeric test below alike.
//
// Leading decimal number of a text: leading blanks skipped, optional sign,
// digits, at most one ".", optional exponent, spaces and tabs inside the
// number skipped; anything else ends it.  No number gives 0.  A result that
// is not finite (overflow such as "1e400") also gives 0.
double leadingNumber(std::string_view text);

// True when the text has a leading number at all (a digit before anything
// that ends the number), so that a genuine 0 can be told from "no number".
bool hasLeadingNumber(std::string_view text);

// True when the whole text is one finite number: optional sign, digits, at
// most one ".", optional exponent, with blanks allowed around it but not
// inside it.  "nan", "inf", "1e400", "", "12abc", "4 2" are not.  (The
// leading-number reader above is more lenient and reads "4 2" as 42.)
bool isNumeric(std::string_view text);

// Largest magnitude a reading or a logged value may have: the device never
// sends more, so a number beyond it is a garbled one and is treated like a
// text that is not a number, by the acquisition and by the log readers alike.
constexpr double MaxAcceptedMagnitude = 1e9;

// Value of a log record's element text: its leading number, 0 when the text
// does not begin with a number or the number is beyond MaxAcceptedMagnitude,
// so a damaged value counts like a garbled one.  Every reader of log records
// (the graph windows and the day restore) reads values and intervals so.
double recordNumber(std::string_view text);

// The longest logging interval the logger writes into a record's <L> item.
constexpr double MaxRecordInterval = 600;

// A record's <L> item: its number when it lies in 0..MaxRecordInterval,
// the seconds a record can cover; anything else is garbled and gives 0, so
// a damaged interval books no energy.
double recordInterval(std::string_view text);

// Shortest decimal text with at most 15 significant digits, "." as decimal
// separator, no exponent for ordinary magnitudes: 3 -> "3", 0.1*132 -> "13.2",
// -0.5 -> "-0.5", 4800 -> "4800".
std::string numberText(double v);

// Rounding to the nearest whole number, halves to the even neighbour, as the
// stored widths of the configuration files use it.
double roundHalfEven(double v);

// "<key>value</key>"
std::string tagged(std::string_view key, std::string_view value);

} // namespace gv

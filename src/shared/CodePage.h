#pragma once
// The 8-bit code page of every text file the program reads or writes as text
// (configuration files, help files, log records, CSV and collation files):
// Windows-1252.  Text in memory is UTF-8; these are the one pair of
// conversions between the two.  Every byte 00..FF maps to one character
// (the five bytes the code page leaves undefined map to the control
// characters of the same number), so a file read and written back keeps every
// byte.

#include <string>
#include <string_view>

namespace gv {

// File bytes to UTF-8 text.
std::string codePageToUtf8(std::string_view bytes);

// UTF-8 text to file bytes.  A character the code page cannot hold becomes
// "?"; a byte that is not part of valid UTF-8 is written unchanged, so text
// that never passed through the decoder is not altered.
std::string utf8ToCodePage(std::string_view text);

// The first character of a UTF-8 text that the code page cannot hold, or ""
// when every character fits.
std::string firstCharacterOutsideCodePage(std::string_view text);

} // namespace gv

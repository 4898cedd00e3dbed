#pragma once
// Whole-file helpers.  Every file is opened, used and closed inside one call;
// nothing stays open between events.

#include <optional>
#include <string>
#include <string_view>

namespace gv {

// Whole file as bytes; nullopt when it cannot be read (with the path and
// the system's reason in *error when given).
std::optional<std::string> readWholeFile(const std::string& path, std::string* error = nullptr);

// Replace a file atomically: write a temporary file beside it, flush, then
// rename it over the old one.  On failure the old file is untouched and the
// function returns false (with a reason in *error when given).
bool writeFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// Append bytes to a file (creating it), handed to the system before return.
// The bytes are written whole or not at all: an append that fails part-way
// (a full disk) is cut back off the file.  With `freshLine`, a file that
// does not end with a line end gets a CR LF first, so the appended line
// never joins a line cut short before.
bool appendToFile(const std::string& path, const std::string& bytes, std::string* error = nullptr,
                  bool freshLine = false);

// The same for text files: the file's bytes are Windows-1252 (see
// CodePage.h) and the text in memory is UTF-8.  Every file the program reads
// or writes as text goes through these three, so a read and a write-back
// keep every byte.
std::optional<std::string> readTextFile(const std::string& path, std::string* error = nullptr);
bool writeTextFileAtomic(const std::string& path, const std::string& text, std::string* error = nullptr);
bool appendTextToFile(const std::string& path, const std::string& text, std::string* error = nullptr,
                      bool freshLine = false);

// Splits the first line off a text: the line is the text up to the first
// CR LF, lone LF or lone CR (so a file that passed through other tools reads
// the same), and it leaves `rest` together with its line end.  False, with
// `rest` untouched, when no line end is left: what remains is then the last,
// unended piece of the text.
bool takeLine(std::string_view& rest, std::string_view& line);

// Letter case ignored, as file names are matched on Windows.
bool sameNameNoCase(std::string_view a, std::string_view b);

// Full path of the entry `name` of `folder`, letter case ignored: the exact
// name when it exists, else the first matching name in sorted order.  None
// when nothing matches or the name is empty, "." or "..", or holds a path
// separator.  findFileNoCase counts regular files only; findEntryNoCase any
// entry (a folder, a device, a broken link), so that a caller can tell a
// missing file from something else standing in its place.
std::optional<std::string> findFileNoCase(const std::string& folder, const std::string& name);
std::optional<std::string> findEntryNoCase(const std::string& folder, const std::string& name);

bool fileExists(const std::string& path);
bool makeFolder(const std::string& path); // an existing folder is no error

// Folder and name joined by "/".
std::string joinPath(const std::string& folder, const std::string& name);

constexpr const char* CRLF = "\r\n";

} // namespace gv

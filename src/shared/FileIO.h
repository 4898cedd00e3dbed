#pragma once
// Whole-file helpers.  Every file is opened, used and closed inside one call;
// nothing stays open between events.

#include <optional>
#include <string>

namespace gv {

// Whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// Replace a file atomically: write a temporary file beside it, flush, then
// rename it over the old one.  On failure the old file is untouched and the
// function returns false (with a reason in *error when given).
bool writeFileAtomic(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// Append bytes to a file (creating it), flushed before return.
bool appendToFile(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// The same for text files: the file's bytes are Windows-1252 (see
// CodePage.h) and the text in memory is UTF-8.  Every file the program reads
// or writes as text goes through these three, so a read and a write-back
// keep every byte.
std::optional<std::string> readTextFile(const std::string& path);
bool writeTextFileAtomic(const std::string& path, const std::string& text, std::string* error = nullptr);
bool appendTextToFile(const std::string& path, const std::string& text, std::string* error = nullptr);

bool fileExists(const std::string& path);
bool makeFolder(const std::string& path); // an existing folder is no error

// Folder and name joined by "/".
std::string joinPath(const std::string& folder, const std::string& name);

constexpr const char* CRLF = "\r\n";

} // namespace gv

#pragma once
// The help window's text files: which file each view shows, under which
// heading, and how a file becomes the rows of the list.  Window-free so the
// rows can be checked without a display.

#include <optional>
#include <string>
#include <vector>

namespace gv {

// The five views of the help window, in the order of their handlers.
enum class HelpViewId { General, Hardware, Graphing, Credits, MyInfo };

struct HelpView {
    const char* heading;        // heading of the text column
    const char* fileName;       // appended to the program folder, "/" included
    const char* missingMessage; // message box text when the file is missing
};

const HelpView& helpView(HelpViewId id);

// Lines 0..1000 of a file are held; line 0 is never listed.
constexpr std::size_t HelpLineStoreSize = 1001;

// Splits text into lines.  A CR LF, a lone LF and a lone CR each end a line,
// so files saved by any editor read the same.  A line end at the very end
// gives one more, empty, line; an empty text gives no line.
std::vector<std::string> splitLines(const std::string& text);

// Full path of the file `name` (a leading "/" is allowed) in `folder`, letter
// case ignored as on the platform the help files come from: "/MyInfo.cfg"
// finds "myinfo.cfg".  An exact match wins; otherwise the first matching
// regular file in name order.  Nothing when no such file exists.
std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name);

struct HelpFileRows {
    enum class Status {
        Shown,      // rows hold the file's lines 2.. (possibly none)
        Missing,    // no such file: the view's missing message is due
        Unreadable, // the file, or something else of its name, cannot be read
    };
    Status status = Status::Missing;
    std::string path;                // the file found (empty when missing)
    std::vector<std::string> store;  // lines 0.., at most HelpLineStoreSize
    std::vector<std::string> rows;   // the lines listed, in file order
    bool truncated = false;          // the file had more lines than the store holds
};

// Rows of one help text file: every line from the second on, unchanged.
// Lines beyond the store are dropped rather than written past it.
HelpFileRows readHelpRows(const std::string& folder, const std::string& fileName);
HelpFileRows readHelpView(const std::string& folder, HelpViewId id);

} // namespace gv

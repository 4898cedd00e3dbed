#pragma once
// The help-text code maker: turns every line of a plain text file into a line
// of program code that appends that line, and a line break, to a text being
// built, ready to paste into the program's source.

#include <string>

namespace gv {

constexpr const char* CodeMakerInputName = "/codetext.txt";
constexpr const char* CodeMakerOutputName = "/code.cfg";

// One code line per line of `text` (split at CR LF, LF or CR; an empty text
// has no lines), each:  temp = temp & "<line>" & vbCrLf  ended by CR LF.  The line
// goes in unchanged: double quotes inside it are not doubled.
std::string makeHelpCode(const std::string& text);

struct CodeMakerResult {
    enum class Status {
        NoInput,     // no codetext.txt in the folder: nothing done
        Written,     // code.cfg written
        ReadFailed,  // codetext.txt exists but could not be read
        WriteFailed, // code.cfg could not be written
    };
    Status status = Status::NoInput;
    std::string path;  // the file that was written or that failed
    std::string error; // reason of a failure
};

// Reads codetext.txt from `folder` and writes its code lines to code.cfg there,
// replacing the whole file.
CodeMakerResult runCodeMaker(const std::string& folder);

} // namespace gv

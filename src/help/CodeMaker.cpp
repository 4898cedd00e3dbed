#include "help/CodeMaker.h"

#include "help/HelpFiles.h"
#include "shared/FileIO.h"

namespace gv {

std::string makeHelpCode(const std::string& text)
{
    std::string code;
    for (const std::string& line : splitLines(text)) {
        code += "temp = temp & \"";
        code += line;
        code += "\" & vbCrLf";
        code += CRLF;
    }
    return code;
}

CodeMakerResult runCodeMaker(const std::string& folder)
{
    CodeMakerResult result;
    const auto input = findFileIgnoringCase(folder, CodeMakerInputName);
    if (!input) {
        result.status = CodeMakerResult::Status::NoInput;
        return result;
    }
    const auto text = readTextFile(*input);
    if (!text) {
        result.status = CodeMakerResult::Status::ReadFailed;
        result.path = *input;
        result.error = "cannot read";
        return result;
    }
    // An existing code.cfg under another letter case is the same file on the
    // platform the tool comes from, so it is the one replaced.
    const std::string output =
        findFileIgnoringCase(folder, CodeMakerOutputName).value_or(joinPath(folder, "code.cfg"));
    result.path = output;
    if (!writeTextFileAtomic(output, makeHelpCode(*text), &result.error)) {
        result.status = CodeMakerResult::Status::WriteFailed;
        return result;
    }
    result.status = CodeMakerResult::Status::Written;
    return result;
}

} // namespace gv

#include "help/HelpFiles.h"

#include "shared/FileIO.h"

namespace gv {

const HelpView& helpView(HelpViewId id)
{
    static const HelpView views[] = {
        {"general HELP", "/help.cfg", "help file seems to be missing"},
        {"hardware HELP", "/hardwarehelp.cfg", "hardware setup help file seems to be missing"},
        {"graphing HELP", "/graphinghelp.cfg", "graphing setup help file seems to be missing"},
        {"Credits", "/credits.cfg", "helper crediting file seems to be missing"},
        {"my info", "/MyInfo.cfg", "Myinfo file seems to be missing"},
    };
    return views[static_cast<int>(id)];
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::string_view rest = text, line;
    while (takeLine(rest, line))
        lines.emplace_back(line);
    lines.emplace_back(rest);
    return lines;
}

namespace {

// Help file names are written with a leading "/" ("/help.cfg").
std::string bareName(const std::string& name)
{
    const auto first = name.find_first_not_of("/\\");
    return first == std::string::npos ? std::string() : name.substr(first);
}

} // namespace

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name)
{
    return findFileNoCase(folder, bareName(name));
}

HelpFileRows readHelpRows(const std::string& folder, const std::string& fileName)
{
    HelpFileRows result;
    const auto path = findFileIgnoringCase(folder, fileName);
    if (!path) {
        // Something that is no file (a folder, say) in the file's place is
        // not a missing file: the user is told it cannot be read.
        if (const auto other = findEntryNoCase(folder, bareName(fileName))) {
            result.status = HelpFileRows::Status::Unreadable;
            result.path = *other;
            return result;
        }
        result.status = HelpFileRows::Status::Missing;
        return result;
    }
    result.path = *path;
    const auto text = readTextFile(*path);
    if (!text) {
        result.status = HelpFileRows::Status::Unreadable;
        return result;
    }
    result.status = HelpFileRows::Status::Shown;
    std::vector<std::string> lines = splitLines(*text);
    if (lines.size() > HelpLineStoreSize) {
        lines.resize(HelpLineStoreSize);
        result.truncated = true;
    }
    result.store = std::move(lines);
    if (result.store.size() > 1)
        result.rows.assign(result.store.begin() + 1, result.store.end());
    return result;
}

HelpFileRows readHelpView(const std::string& folder, HelpViewId id)
{
    return readHelpRows(folder, helpView(id).fileName);
}

} // namespace gv

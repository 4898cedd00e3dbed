#include "help/HelpFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "shared/FileIO.h"

namespace gv {

namespace fs = std::filesystem;

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
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

// The entry `name` of `folder`, letter case ignored, the exact name first.
// With `filesOnly` only regular files count; otherwise any entry does (a
// folder, a device, a broken link).
std::optional<std::string> findEntryIgnoringCase(const std::string& folder, const std::string& name,
                                                 bool filesOnly)
{
    std::string bare = name;
    while (!bare.empty() && (bare.front() == '/' || bare.front() == '\\'))
        bare.erase(bare.begin());
    if (bare.empty())
        return std::nullopt;

    std::error_code ec;
    auto counts = [&](const std::string& path) {
        return filesOnly ? fileExists(path) : fs::exists(fs::symlink_status(path, ec));
    };
    const std::string exact = joinPath(folder, bare);
    if (counts(exact))
        return exact;

    const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    std::vector<std::string> matches;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (equalIgnoringCase(entry, bare) && counts(it->path().string()))
            matches.push_back(entry);
    }
    if (matches.empty())
        return std::nullopt;
    std::sort(matches.begin(), matches.end());
    return joinPath(folder, matches.front());
}

} // namespace

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name)
{
    return findEntryIgnoringCase(folder, name, true);
}

HelpFileRows readHelpRows(const std::string& folder, const std::string& fileName)
{
    HelpFileRows result;
    const auto path = findFileIgnoringCase(folder, fileName);
    if (!path) {
        // Something that is no file (a folder, say) in the file's place is
        // not a missing file: the user is told it cannot be read.
        if (const auto other = findEntryIgnoringCase(folder, fileName, false)) {
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

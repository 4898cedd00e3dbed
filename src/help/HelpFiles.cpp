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

std::vector<std::string> splitAtCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
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

} // namespace

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name)
{
    std::string bare = name;
    while (!bare.empty() && (bare.front() == '/' || bare.front() == '\\'))
        bare.erase(bare.begin());
    if (bare.empty())
        return std::nullopt;

    const std::string exact = joinPath(folder, bare);
    if (fileExists(exact))
        return exact;

    std::error_code ec;
    const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    std::vector<std::string> matches;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (equalIgnoringCase(entry, bare) && fileExists(it->path().string()))
            matches.push_back(entry);
    }
    if (matches.empty())
        return std::nullopt;
    std::sort(matches.begin(), matches.end());
    return joinPath(folder, matches.front());
}

HelpFileRows readHelpRows(const std::string& folder, const std::string& fileName)
{
    HelpFileRows result;
    const auto path = findFileIgnoringCase(folder, fileName);
    if (!path) {
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
    std::vector<std::string> lines = splitAtCrLf(*text);
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

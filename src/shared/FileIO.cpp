#include "shared/FileIO.h"

#include "shared/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gv {

namespace fs = std::filesystem;

static void setError(std::string* error, const std::string& what)
{
    if (error)
        *error = what;
}

std::optional<std::string> readWholeFile(const std::string& path, std::string* error)
{
    // One buffered read loop: a day of 1-second logs is several megabytes.
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        setError(error, path + ": " + std::strerror(errno));
        return std::nullopt;
    }
    std::string data;
    char buf[1 << 16];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data.append(buf, n);
    // A folder opens but cannot be read ("Is a directory").
    const bool failed = std::ferror(f) != 0;
    const int why = errno;
    std::fclose(f);
    if (failed) {
        setError(error, path + ": " + std::strerror(why));
        return std::nullopt;
    }
    return data;
}

bool writeFileAtomic(const std::string& path, const std::string& bytes, std::string* error)
{
    const std::string tmp = path + ".tmp" + std::to_string(::getpid());
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) {
        setError(error, path + ": " + std::strerror(errno));
        return false;
    }
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
    const bool closed = std::fclose(f) == 0;
    if (!wrote || !flushed || !closed) {
        setError(error, path + ": " + std::strerror(errno));
        std::remove(tmp.c_str());
        return false;
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        setError(error, path + ": " + ec.message());
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

bool appendToFile(const std::string& path, const std::string& bytes, std::string* error, bool freshLine)
{
    // Read access as well, to see how the file ends (freshLine); a file
    // that may be written but not read is appended to all the same.
    int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EACCES)
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        setError(error, path + ": " + std::strerror(errno));
        return false;
    }
    struct stat st {};
    const off_t before = ::fstat(fd, &st) == 0 ? st.st_size : -1;

    std::string text;
    if (freshLine && before > 0) {
        // A file that does not end with a line end holds a record cut short
        // (a crash, or an append that failed and could not be undone): the
        // new text starts on a line of its own instead of joining it.
        char last = '\n';
        if (::pread(fd, &last, 1, before - 1) == 1 && last != '\n' && last != '\r')
            text = CRLF;
    }
    text += bytes;

    size_t done = 0;
    int why = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            why = n < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (why != 0) {
        // Written whole or not at all: a disk that filled up part-way
        // through must not leave half a record for the next one to join.
        // Should the cut fail too, the next fresh-line append starts anew.
        if (before >= 0) {
            [[maybe_unused]] const int cut = ::ftruncate(fd, before);
        }
        ::close(fd);
        setError(error, path + ": " + std::strerror(why));
        return false;
    }
    if (::close(fd) != 0) {
        setError(error, path + ": " + std::strerror(errno));
        return false;
    }
    return true;
}

std::optional<std::string> readTextFile(const std::string& path, std::string* error)
{
    auto bytes = readWholeFile(path, error);
    if (!bytes)
        return std::nullopt;
    return codePageToUtf8(*bytes);
}

bool writeTextFileAtomic(const std::string& path, const std::string& text, std::string* error)
{
    return writeFileAtomic(path, utf8ToCodePage(text), error);
}

bool appendTextToFile(const std::string& path, const std::string& text, std::string* error, bool freshLine)
{
    return appendToFile(path, utf8ToCodePage(text), error, freshLine);
}

bool takeLine(std::string_view& rest, std::string_view& line)
{
    const size_t end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos)
        return false;
    line = rest.substr(0, end);
    const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    rest.remove_prefix(end + (crlf ? 2 : 1));
    return true;
}

static char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameNameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

static std::optional<std::string> findNoCase(const std::string& folder, const std::string& name, bool filesOnly)
{
    if (name.empty() || name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
        return std::nullopt;
    auto counts = [filesOnly](const std::string& path) {
        std::error_code ec;
        return filesOnly ? fs::is_regular_file(path, ec) : fs::exists(fs::symlink_status(path, ec));
    };
    const std::string exact = joinPath(folder, name);
    if (counts(exact))
        return exact;
    std::vector<std::string> matches;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (sameNameNoCase(entry, name) && counts(it->path().string()))
            matches.push_back(entry);
    }
    if (matches.empty())
        return std::nullopt;
    return joinPath(folder, *std::min_element(matches.begin(), matches.end()));
}

std::optional<std::string> findFileNoCase(const std::string& folder, const std::string& name)
{
    return findNoCase(folder, name, true);
}

std::optional<std::string> findEntryNoCase(const std::string& folder, const std::string& name)
{
    return findNoCase(folder, name, false);
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool makeFolder(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace gv

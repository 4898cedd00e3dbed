#include "shared/FileIO.h"

#include "shared/CodePage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace gv {

namespace fs = std::filesystem;

std::optional<std::string> readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return data;
}

static void setError(std::string* error, const std::string& what)
{
    if (error)
        *error = what;
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

bool appendToFile(const std::string& path, const std::string& bytes, std::string* error)
{
    FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) {
        setError(error, path + ": " + std::strerror(errno));
        return false;
    }
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0;
    const bool closed = std::fclose(f) == 0;
    if (!wrote || !flushed || !closed) {
        setError(error, path + ": " + std::strerror(errno));
        return false;
    }
    return true;
}

std::optional<std::string> readTextFile(const std::string& path)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return codePageToUtf8(*bytes);
}

bool writeTextFileAtomic(const std::string& path, const std::string& text, std::string* error)
{
    return writeFileAtomic(path, utf8ToCodePage(text), error);
}

bool appendTextToFile(const std::string& path, const std::string& text, std::string* error)
{
    return appendToFile(path, utf8ToCodePage(text), error);
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

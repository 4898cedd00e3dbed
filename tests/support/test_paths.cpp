#include "support/test_paths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace gvtest {

TempDir::TempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "gvtest-XXXXXX").string();
    if (!mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string crlf(std::initializer_list<std::string> lines)
{
    std::string s;
    for (const auto& l : lines)
        s += l + "\r\n";
    return s;
}

void defaultNames(gv::Global_Declarations& g)
{
    const char* names[25] = {"",   "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "V1", "V2", "V3", "WS",
                             "R1", "R2", "P1", "P2", "W1", "W2", "W3", "W4", "W5", "W6", "W7", "W8"};
    for (int n = 1; n <= 24; ++n)
        g.XMLsoftware[n] = names[n];
}

} // namespace gvtest

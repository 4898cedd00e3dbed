#pragma once
// A fresh temporary folder per test, removed afterwards, and golden-file helpers.

#include <string>

#include "shared/Global_Declarations.h"

namespace gvtest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

// The first-run element names (A1..A8, V1..V3, WS, R1, R2, P1, P2, W1..W8)
// as the log records carry them.
void defaultNames(gv::Global_Declarations& g);

// Joins lines with CR LF, each line ended by CR LF.
std::string crlf(std::initializer_list<std::string> lines);

} // namespace gvtest

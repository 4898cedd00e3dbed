#pragma once
// Rows of the raw message viewer: the last message cut into pieces of 50
// characters, each full piece followed by CR LF, then the rest; at most 30
// rows, so only the first 1500 characters of a longer message are shown.

#include <string>
#include <vector>

namespace gv {

constexpr std::size_t RawRowWidth = 50;
constexpr std::size_t RawRowLimit = 30;

std::vector<std::string> rawMessageRows(const std::string& message);

} // namespace gv

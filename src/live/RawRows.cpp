#include "live/RawRows.h"

#include "shared/FileIO.h"

namespace gv {

std::vector<std::string> rawMessageRows(const std::string& message)
{
    std::vector<std::string> rows;
    std::size_t pos = 0;
    std::size_t rowCount = 1;
    while (true) {
        if (rowCount > RawRowLimit)
            return rows; // full: the rest of the message is not shown
        if (message.size() - pos <= RawRowWidth)
            break;
        rows.push_back(message.substr(pos, RawRowWidth) + CRLF);
        pos += RawRowWidth;
        ++rowCount;
    }
    rows.push_back(message.substr(pos));
    return rows;
}

} // namespace gv

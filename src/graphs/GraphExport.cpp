#include "graphs/GraphExport.h"

#include "shared/FileIO.h"
#include "shared/NumberPicture.h"

#include <algorithm>
#include <cmath>

namespace gv {

std::optional<std::string> csvFileName(const std::string& caption, const std::string& h1,
                                       const std::string& m1, const std::string& h2,
                                       const std::string& m2)
{
    const auto dot = caption.find('.');
    if (dot == std::string::npos || dot == 0)
        return std::nullopt;
    const std::string base = caption.substr(0, dot);
    if (base.find('/') != std::string::npos || base.find('\\') != std::string::npos)
        return std::nullopt;
    if (!timeBoxValue(h1, 23) || !timeBoxValue(m1, 59) || !timeBoxValue(h2, 23) || !timeBoxValue(m2, 59))
        return std::nullopt;
    // The boxes hold digits only (blanks aside); the name carries their text.
    const auto digits = [](const std::string& s) {
        std::string d;
        for (char c : s)
            if (c >= '0' && c <= '9')
                d.push_back(c);
        return d;
    };
    return base + "_" + digits(h1) + digits(m1) + "_" + digits(h2) + digits(m2) + ".csv";
}

std::string csvContent(const GraphRecordSet& set, const std::vector<std::string>& header,
                       const std::vector<CsvColumn>& columns)
{
    std::string out;
    for (size_t i = 0; i < header.size(); ++i) {
        if (i)
            out.push_back(',');
        out += header[i];
    }
    out += CRLF;
    if (set.RecordCount < 1)
        return out;
    out.reserve(out.size() + static_cast<size_t>(set.RecordCount) * (8 + columns.size() * 8));
    forEachShownRecord(set, [&](long r) {
        out += shortTime(set.time(r));
        for (const CsvColumn& c : columns) {
            out.push_back(',');
            const double v = c.series == CsvColumn::IntervalColumn ? set.interval(r) : set.value(c.series, r);
            out += formatPicture(v, c.picture);
        }
        out += CRLF;
    });
    return out;
}

CsvStatus exportCsv(const GraphRecordSet& set, const CsvRequest& rq, std::string* written, std::string* error)
{
    const auto name = csvFileName(rq.fileNameCaption, rq.h1, rq.m1, rq.h2, rq.m2);
    if (!name)
        return CsvStatus::BadName;
    if (set.RecordCount < 1)
        return CsvStatus::NoRecords;
    const std::string path = joinPath(rq.excelFolder, *name);
    if (written)
        *written = path;
    if (!writeTextFileAtomic(path, csvContent(set, rq.header, rq.columns), error))
        return CsvStatus::WriteFailed;
    if (rq.sideFile) {
        // The side file is a marker only; the export itself is complete.
        appendTextToFile(joinPath(rq.excelFolder, rq.fileNameCaption), CRLF);
    }
    return CsvStatus::Done;
}

std::string collationLine(const std::string& dayFileName, double wattHours)
{
    return dayFileName + "  ,  " + formatPicture(wattHours, "00000") + CRLF;
}

bool collationListsDay(const std::string& text, const std::string& dayFileName)
{
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t e = text.find('\n', pos);
        std::string line = text.substr(pos, e == std::string::npos ? std::string::npos : e - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto sep = line.find("  ,  ");
        const std::string name = sep == std::string::npos ? line : line.substr(0, sep);
        if (sep != std::string::npos && sameNameNoCase(name, dayFileName))
            return true;
        if (e == std::string::npos)
            break;
        pos = e + 1;
    }
    return false;
}

CollateStatus appendDailyWattHours(const CollateRequest& rq, std::string* error)
{
    const std::string path = joinPath(rq.logsFolder, rq.collationFile);
    const auto existing = findFileNoCase(rq.logsFolder, rq.collationFile);
    std::string text;
    if (existing) {
        const auto content = readTextFile(*existing);
        if (!content) {
            if (error)
                *error = *existing + ": cannot be read";
            return CollateStatus::WriteFailed;
        }
        text = *content;
    }
    const std::string target = existing ? *existing : path;
    if (!existing) {
        std::string start = rq.title + CRLF + CRLF;
        if (rq.dayOnDisplay)
            start += collationLine(rq.dayFileName, rq.dayWattHours);
        if (!writeTextFileAtomic(target, start, error))
            return CollateStatus::WriteFailed;
        return rq.dayOnDisplay ? CollateStatus::Appended : CollateStatus::NotOnDisplay;
    }
    if (!rq.dayOnDisplay)
        return CollateStatus::NotOnDisplay;
    if (collationListsDay(text, rq.dayFileName))
        return CollateStatus::AlreadyListed;
    if (!appendTextToFile(target, collationLine(rq.dayFileName, rq.dayWattHours), error))
        return CollateStatus::WriteFailed;
    return CollateStatus::Appended;
}

bool dayOnDisplay(const GraphRecordSet& set, const PlotModel& model, const std::string& caption)
{
    return set.RecordCount > 0 && !model.PlottedFile.empty() && sameNameNoCase(model.PlottedFile, caption) &&
           sameNameNoCase(set.SourceFile, caption);
}

std::string writeFailedMessage(const std::string& fileName) { return "Could not write " + fileName; }

} // namespace gv

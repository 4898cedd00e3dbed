#pragma once
// What the hardware editor and the three flag editors do alike with
// channels.cfg: read it when they open, take each channel's items into the
// shared table and the row's name label, and report a save that failed.

#include <QLabel>
#include <QString>
#include <optional>
#include <string>

#include "config/ChannelRows.h"
#include "config/ui/ColourLabel.h"
#include "platform/MessageBoxes.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"

namespace gv {

// Name labels start grey until channels.cfg gives them a colour.
constexpr std::int32_t kLaidOutColour = 0xC0C0C0;

// The text of channels.cfg in the program folder; when the file is missing,
// the editor says so and gets nothing.
inline std::optional<std::string> readChannelsFile(QWidget* editor, const QString& programFolder)
{
    const std::string path = joinPath(programFolder.toStdString(), ChannelsCfgName);
    auto text = fileExists(path) ? readTextFile(path) : std::nullopt;
    if (!text)
        showMessage(editor, QStringLiteral("channel configuration file is missing"));
    return text;
}

// Takes channel n's items into the shared table, and its name and colour onto
// the name label, which then gives ChannelName and LineColour.  An item that
// does not fit is skipped: the shared value keeps what it held, the label
// keeps its text or colour.
inline void takeChannelRow(Global_Declarations& g, int n, const ChannelRowItems& r, QLabel* name)
{
    if (r.enableLOGGING) g.enableLOGGING[n] = *r.enableLOGGING;
    if (r.enableDISPLAY) g.enableDISPLAY[n] = *r.enableDISPLAY;
    if (r.enableGRAPHING) g.enableGRAPHING[n] = *r.enableGRAPHING;
    if (r.HARDWAREenabled) g.HARDWAREenabled[n] = *r.HARDWAREenabled;
    if (r.name)
        name->setText(QString::fromStdString(*r.name));
    if (r.colour && labelAcceptsColour(*r.colour))
        setLabelColour(name, *r.colour);
    if (r.maximum) g.ChannelMaxReading[n] = *r.maximum;
    if (r.xmlSoftware) g.XMLsoftware[n] = *r.xmlSoftware;
    if (r.xmlHardware) g.XMLhardware[n] = *r.xmlHardware;
    g.LineColour[n] = labelColour(name);
    g.ChannelName[n] = name->text().toStdString();
}

// The message of a save that could not write channels.cfg.
inline void showChannelsNotSaved(QWidget* editor, const std::string& error)
{
    showMessage(editor, QStringLiteral("The channel settings could not be saved; channels.cfg is unchanged.\r\n") +
                            QString::fromStdString(error));
}

} // namespace gv

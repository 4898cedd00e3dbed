#include "config/ui/ChannelTableFile.h"

#include "config/ChannelRows.h"
#include "config/ui/ColourLabel.h"
#include "platform/MessageBoxes.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"

#include <QLabel>

namespace gv {

std::optional<std::string> readChannelsFile(QWidget* editor, const QString& programFolder)
{
    const std::string path = joinPath(programFolder.toStdString(), ChannelsCfgName);
    auto text = fileExists(path) ? readTextFile(path) : std::nullopt;
    if (!text)
        showMessage(editor, QStringLiteral("channel configuration file is missing"));
    return text;
}

void takeChannelRow(Global_Declarations& g, int n, const ChannelRowItems& r, QLabel* name)
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

void showChannelsNotSaved(QWidget* editor, const std::string& error)
{
    showMessage(editor, QStringLiteral("The channel settings could not be saved; channels.cfg is unchanged.\r\n") +
                            QString::fromStdString(error));
}

} // namespace gv

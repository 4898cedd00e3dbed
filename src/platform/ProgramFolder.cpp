#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace gv {

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

void setProgramFolderOverride(const QString& folder) { overrideFolder() = folder; }

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(exeDir + "/hardware.cfg"))
        return exeDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + "/.gyrovane";
    QDir().mkpath(data);
    return data;
}

} // namespace gv

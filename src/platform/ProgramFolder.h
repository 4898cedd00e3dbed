#pragma once
// Where the program keeps its configuration files and its logs, Excel and
// help files: the folder of the executable when it holds hardware.cfg
// (portable use), else the per-user data folder.

#include <QString>

namespace gv {

QString programFolder();

// Tests and the demo launcher may pin the folder explicitly.
void setProgramFolderOverride(const QString& folder);

} // namespace gv

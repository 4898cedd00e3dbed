// Gyrovane: one program per program folder, one shared state for the whole
// run, one main window.
#include <QApplication>
#include <QDateTime>

#include "app/EngineStatus.h"
#include "app/ui/Gyrovane.h"
#include "platform/FolderLock.h"
#include "platform/ProgramFolder.h"
#include "shared/Global_Declarations.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // These names decide the per-user data folder (AppDataLocation) that
    // holds the configuration, logs and Excel folders.
    QCoreApplication::setOrganizationName(QStringLiteral("Gyrovane"));
    QCoreApplication::setApplicationName(QStringLiteral("Gyrovane"));

    // The folder is taken before anything is written there, and held until
    // the program ends.
    const QString folder = gv::programFolder();
    gv::FolderLock lock(folder);
    if (!gv::takeProgramFolder(lock, QDateTime::currentDateTime()))
        return 1; // another Gyrovane holds this folder; this one wrote nothing

    gv::Global_Declarations g;
    gv::EngineStatus status;
    Gyrovane window(g, status, nullptr, folder);
    window.Form_Load();
    window.show();
    return app.exec();
}

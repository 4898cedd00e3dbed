// Gyrovane: one shared state for the whole run, one main window.
#include <QApplication>

#include "app/EngineStatus.h"
#include "app/ui/Gyrovane.h"
#include "shared/Global_Declarations.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // These names decide the per-user data folder (AppDataLocation) that
    // holds the configuration, logs and Excel folders.
    QCoreApplication::setOrganizationName(QStringLiteral("Gyrovane"));
    QCoreApplication::setApplicationName(QStringLiteral("Gyrovane"));

    gv::Global_Declarations g;
    gv::EngineStatus status;
    Gyrovane window(g, status);
    window.Form_Load();
    if (window.folderInUse())
        return 1; // another Gyrovane runs on this folder; this one wrote nothing
    window.show();
    return app.exec();
}

#include <QApplication>

#include "platform/ProgramFolder.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("Gyrovane");
    QCoreApplication::setOrganizationName("Gyrovane");
    (void)gv::programFolder();
    return 0;
}

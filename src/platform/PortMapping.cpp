#include "platform/PortMapping.h"

#include <QFileInfo>

namespace gv {

QString portDevicePath(int portNumber, const QString& programFolder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(programFolder);
    return QStringLiteral("COM%1").arg(portNumber);
#else
    const QString link = programFolder + QStringLiteral("/COM%1").arg(portNumber);
    if (QFileInfo(link).exists() || QFileInfo(link).isSymLink())
        return link;
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

} // namespace gv

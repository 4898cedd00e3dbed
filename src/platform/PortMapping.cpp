#include "platform/PortMapping.h"

#include <QFileInfo>

namespace gv {

QString portDevicePath(int portNumber, const QString& programFolder, const QString& fallbackPrefix)
{
#ifdef Q_OS_WIN
    Q_UNUSED(programFolder);
    Q_UNUSED(fallbackPrefix);
    return QStringLiteral("COM%1").arg(portNumber);
#else
    const QString link = programFolder + QStringLiteral("/COM%1").arg(portNumber);
    if (QFileInfo(link).exists() || QFileInfo(link).isSymLink())
        return link;
    return fallbackPrefix + QString::number(portNumber - 1);
#endif
}

} // namespace gv

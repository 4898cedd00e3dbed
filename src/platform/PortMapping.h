#pragma once
// Serial port n maps to a device path: "COMn" on Windows; on Linux the
// program folder's entry "COMn" when one exists (a symbolic link to, say,
// /dev/ttyUSB0 or a pseudo-terminal), else /dev/ttyS<n-1>.  The serial port
// and the port finder both use this mapping.

#include <QString>

namespace gv {

// The devices that stand behind port numbers without a "COMn" entry:
// port n is this prefix followed by n - 1.
inline const QString DefaultFallbackPrefix = QStringLiteral("/dev/ttyS");

QString portDevicePath(int portNumber, const QString& programFolder,
                       const QString& fallbackPrefix = DefaultFallbackPrefix);

} // namespace gv

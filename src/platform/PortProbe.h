#pragma once
// Finding the serial ports that can be opened now.  A probe opens the port's
// device read-only, without becoming its controlling terminal and without
// waiting for a carrier, and closes it at once; it never changes the port's
// settings.  A port that another program holds (an exclusive tty, a UUCP
// lock file of a live process, or an advisory lock) counts as not available.

#include <QString>

namespace gv {

// Device path of serial port n for n = 1..16 (see portDevicePath); empty
// for any other n.
QString GetAlias(int n, const QString& programFolder);

// True when port n exists and can be opened now.
bool commAvailable(int n, const QString& programFolder);

// The probe itself on one device path.
bool probePortDevice(const QString& devicePath);

} // namespace gv

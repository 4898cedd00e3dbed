#pragma once
// Texts shown on controls that read "&" as a keyboard-shortcut mark (menu
// items, check boxes, radio buttons, push buttons, group box titles).  A
// caption meant literally, such as "RE house & 4 DC loads" or a user's
// channel name "Solar & wind", goes through literalCaption so its "&" shows
// as written; a caption that carries a shortcut mark ("&System Info...") is
// set as it is.

#include <QString>

namespace gv {

inline QString literalCaption(QString text) { return text.replace(QLatin1Char('&'), QLatin1String("&&")); }

} // namespace gv

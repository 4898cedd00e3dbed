#pragma once
// Colours of the channel table are Windows colour values 0x00BBGGRR held as
// decimal integers.  These helpers put such a colour on a label's background
// and read it back exactly.

#include <QColor>
#include <QLabel>
#include <QVariant>
#include <cstdint>

namespace gv {

// A label can show any colour 0..0xFFFFFF; other values (negative, or with
// high bits set) are not colours a label accepts.
inline bool labelAcceptsColour(std::int64_t c) { return c >= 0 && c <= 0xFFFFFF; }

inline QColor fromWindowsColour(std::int32_t c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

inline void setLabelColour(QLabel* label, std::int32_t c)
{
    const QColor bg = fromWindowsColour(c);
    // Dark backgrounds get white text so the caption stays readable.
    const bool dark = 0.299 * bg.red() + 0.587 * bg.green() + 0.114 * bg.blue() < 110;
    label->setProperty("gvColour", QVariant(static_cast<int>(c)));
    label->setAutoFillBackground(true);
    label->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                             .arg(bg.name(), dark ? QStringLiteral("white") : QStringLiteral("black")));
}

inline std::int32_t labelColour(const QLabel* label)
{
    return static_cast<std::int32_t>(label->property("gvColour").toInt());
}

} // namespace gv

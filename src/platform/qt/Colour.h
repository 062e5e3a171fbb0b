#pragma once

#include <QColor>

namespace tp {

// Windows colour value 0x00BBGGRR (red in the low byte) to QColor, and back.
QColor colourFromWindowsValue(int value);
int windowsValueFromColour(const QColor& colour);

} // namespace tp

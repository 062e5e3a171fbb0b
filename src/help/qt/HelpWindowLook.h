#pragma once

#include "display/PageGeometry.h"

#include <QFont>

namespace tp {

// What the help windows take over from the main window: the layout units of the page font,
// the page background colour (Windows colour value) and the page font itself.
struct HelpWindowLook {
    LayoutUnits units;
    int backgroundColour = 0xD8E9EC;
    QFont font;
};

} // namespace tp

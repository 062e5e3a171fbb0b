#pragma once

class QWidget;

namespace tp {

// Makes a small window at least wide enough for the window manager to show its whole title
// beside the title bar's buttons. Call it after the window has its title and its own size.
void widenToTitle(QWidget& window);

// The width `widenToTitle` gives a window at the least.
int titleWidth(const QWidget& window);

} // namespace tp

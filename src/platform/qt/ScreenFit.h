#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

class QFont;

class QWidget;

namespace tp {

// `frame` made no larger than `available` and moved into it as little as possible.
QRect fittedFrame(QRect frame, QRect available);

// The frame a window manager puts around a window whose title is in `font`, as far as it can be
// told before the window is shown: erring on the large side.
QMargins estimatedFrameMargins(const QFont& font);

// The window manager's frame around `window`: the real one once the window is shown in its
// frame, before that an estimate from the title font that errs on the large side.
QMargins frameMarginsOf(const QWidget& window);

// The available area of the screen the window is on (or will open on).
QRect availableAreaOf(const QWidget& window);

// The size the available area leaves for a window's client area inside its frame.
QSize clientRoomOf(const QWidget& window);

// Keeps a window with its frame inside the available area of its screen: at once when it is
// visible, and again each time it is shown and once the window manager has framed it. A window
// larger than the area is made smaller; its layout takes the rest, or the `stretching` children
// of a window without layout (its text areas, which then scroll) lose the size it lost.
void fitToScreen(QWidget& window, const QList<QWidget*>& stretching = {});

// The same for a given area (tests give a small one).
void fitIntoArea(QWidget& window, QRect available);

// For a window that sizes itself for the desktop (the main window): only moved, so that its
// frame starts inside the available area, at the same times as fitToScreen.
void keepOnScreen(QWidget& window);

} // namespace tp

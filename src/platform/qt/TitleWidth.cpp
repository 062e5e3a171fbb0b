#include "platform/qt/TitleWidth.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace tp {

namespace {

// Room for the window icon and the close box, and the title bar's own margins, in lines of
// the title font.
constexpr int kTitleBarExtraLines = 8;

} // namespace

int titleWidth(const QWidget& window) {
    // Title bars mostly use a bold face; measured bold, the title has room in either.
    QFont font = window.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(window.windowTitle()) + kTitleBarExtraLines * metrics.height();
}

void widenToTitle(QWidget& window) {
    const int wanted = titleWidth(window);
    if (window.layout() && window.maximumWidth() >= wanted) {
        // A window sized by its layout takes its width when it is shown.
        window.setMinimumWidth(std::max(window.minimumWidth(), wanted));
        return;
    }
    if (window.width() >= wanted)
        return;
    window.setMaximumWidth(std::max(window.maximumWidth(), wanted));
    window.setMinimumWidth(wanted);
    window.resize(wanted, window.height());
}

} // namespace tp

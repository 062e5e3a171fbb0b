#include "shell/qt/PageFontController.h"

#include "display/qt/PageFont.h"
#include "platform/qt/ScreenFit.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace tp {

namespace {

FontChoice fontChoiceOf(const QFont& font) {
    return {font.family().toStdString(), font.pointSize(), fontStyleOf(font)};
}

} // namespace

std::optional<bool> PageFontController::run(Command command) {
    if (command != Command::Font)
        return std::nullopt;
    chooseFont();
    return true;
}

bool PageFontController::fitToUserFont() {
    auto font = pageFontOf(state().font);
    session_.setUnits(unitsOfFont(font));

    bool fits = fitWindow();
    if (!fits && state().lastColumnIndex > kMinLastColumnIndex) {
        session_.setLastColumnIndex(kMinLastColumnIndex);
        fits = fitWindow();
    }
    if (!fits) {
        // No page larger than the screen is drawn: the size goes back to the default before
        // anything is drawn, and the warning and the font dialog appear in that font.
        FontChoice defaultSize = state().font;
        defaultSize.size = FontChoice{}.size;
        session_.setFont(defaultSize);
        font = pageFontOf(state().font);
        session_.setUnits(unitsOfFont(font));
        fitWindow();
    }
    setPageFont(font.value_or(QApplication::font()));
    followFont_();
    return fits;
}

void PageFontController::warnFontTooLarge() {
    // The page comes first, then the warning; the window stays on the desktop, even if the
    // page does not fit on it.
    keepOnDesktop();
    window_->show();
    services_.messages->inform(window_, QStringLiteral("Fehler"),
                               QStringLiteral("Der Zeichensatz ist für den Bildschirm zu groß!"));
    chooseFont();
}

bool PageFontController::fitWindow() {
    const QSize desktop = services_.desktopSize();
    const PixelSize desktopSize{desktop.width(), desktop.height()};
    if (!clientFitsDesktop(state().units, pageWidthOf(state()), desktopSize))
        return false;
    const PixelRect client = centredClientRect(state().units, pageWidthOf(state()), desktopSize);
    window_->setFixedSize(client.width, client.height);
    window_->setGeometry(client.x, client.y, client.width, client.height);
    keepOnScreen(*window_); // the frame too, on the available area
    return true;
}

void PageFontController::keepOnDesktop() {
    const QSize desktop = services_.desktopSize();
    const PixelSize client = clientSize(state().units, pageWidthOf(state()));
    const int width = std::min(client.width, desktop.width());
    const int height = std::min(client.height, desktop.height());
    window_->setFixedSize(width, height);
    // Placed by its frame, so that the title bar is on the desktop too.
    window_->move(std::max(0, (desktop.width() - width) / 2),
                  std::max(0, (desktop.height() - height) / 2));
    keepOnScreen(*window_);
}

void PageFontController::setPageFont(const QFont& font) {
    font_ = font;
    // Dialogs opened later are measured in the units of this font, so they use it too.
    QApplication::setFont(font);
}

void PageFontController::chooseFont() {
    const std::optional<QFont> chosen = services_.chooseFont(window_, font_);
    if (!chosen)
        return;
    const QFont previous = font_;
    const LayoutUnits previousUnits = state().units;
    LayoutUnits units = previousUnits;
    measureUnits(*chosen, units.w, units.h);
    session_.setUnits(units);
    if (fitWindow()) {
        setPageFont(*chosen);
        session_.setFont(fontChoiceOf(*chosen));
        followFont_();
        return;
    }
    // Measured again, the previous font gives slightly larger units than before: the window
    // grows with them, or keeps the units it had where the desktop has no room for that.
    measureUnits(previous, units.w, units.h);
    session_.setUnits(units);
    if (!fitWindow()) {
        session_.setUnits(previousUnits);
        fitWindow();
    }
    setPageFont(previous);
    followFont_();
    services_.messages->inform(
        window_, QStringLiteral("Fehler"),
        QStringLiteral("Der gewählte Zeichensatz war für den Bildschirm zu groß!"));
}

} // namespace tp

#pragma once

#include "shell/qt/FeatureController.h"

#include <functional>

namespace tp {

// The page font and the size of the main window that follows from it and from the column
// count; the font dialog.
class PageFontController : public FeatureController {
  public:
    // `pageFont` is the window's, which this sets; `followFont` lays the window's gadgets out
    // anew and gives them the page font.
    PageFontController(QWidget& window, Session& session, const ShellServices& services,
                       QFont& pageFont, std::function<void()> followFont)
        : FeatureController(window, session, services, pageFont), font_(pageFont),
          followFont_(std::move(followFont)) {}

    std::optional<bool> run(Command command) override;

    // Resizes and centres the window for the current units and page width, if it fits.
    bool fitWindow();
    // Measures the page font of the settings and fits the window to it, with six columns if
    // need be; false when even that is too large for the desktop.
    bool fitToUserFont();
    // The warning about a font too large for the desktop, then the font dialog; the page must
    // be redrawn afterwards.
    void warnFontTooLarge();

  private:
    // For a page larger than the desktop: as much of it as the desktop holds, on the desktop.
    void keepOnDesktop();
    void setPageFont(const QFont& font);
    void chooseFont();

    QFont& font_;
    std::function<void()> followFont_;
};

} // namespace tp

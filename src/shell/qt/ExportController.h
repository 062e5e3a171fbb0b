#pragma once

#include "shell/qt/FeatureController.h"

#include <QImage>

namespace tp {

class LunationCache;

// The page and the shifts leave the program: the clipboard, the printer and the calendar file.
class ExportController : public FeatureController {
  public:
    // `page` is the image the window shows; `lunations` the window's, for the printed marks.
    ExportController(QWidget& window, Session& session, const ShellServices& services,
                     const QFont& pageFont, const QImage& page, LunationCache& lunations)
        : FeatureController(window, session, services, pageFont), page_(page),
          lunations_(lunations) {}

    std::optional<bool> run(Command command) override;

    void copyPageToClipboard(bool askFirst);

  private:
    // The page as shown, through the print dialog, on one A4 landscape sheet.
    void printShownPage();
    // "Kalender exportieren" for the displayed months.
    void exportCalendar();

    const QImage& page_;
    LunationCache& lunations_;
};

} // namespace tp

#pragma once

#include "caldav/qt/KeyringPassword.h"
#include "shell/qt/FeatureController.h"

#include <QPointer>

#include <memory>
#include <string>

namespace tp {

class CalendarSyncWindow;

// "Kalender-Abgleich": the window stays open beside the page (Ctrl+K brings it back) while its
// sync runs in the background.
class CalendarSyncController : public FeatureController {
  public:
    using FeatureController::FeatureController;
    ~CalendarSyncController() override;

    std::optional<bool> run(Command command) override;

    // The end of the program, after the data are saved: when the user chose it, a sync with a
    // progress box, at most 30 seconds. A failure is told and never keeps the program from
    // ending.
    void syncAtEnd();

    // The window, once opened; for the tests.
    CalendarSyncWindow* syncWindow() const;

  private:
    void openWindow();
    // The window for the present user, made when needed but not shown.
    void prepareWindow();

    QPointer<CalendarSyncWindow> syncWindow_;
    std::string userOfWindow_; // another user's login makes a new window
    std::unique_ptr<PasswordKeyring> keyring_;
};

} // namespace tp

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

    // The window, once opened; for the tests.
    CalendarSyncWindow* syncWindow() const;

  private:
    void openWindow();

    QPointer<CalendarSyncWindow> syncWindow_;
    std::string userOfWindow_; // another user's login makes a new window
    std::unique_ptr<PasswordKeyring> keyring_;
};

} // namespace tp

#pragma once

#include "shell/qt/FeatureController.h"

class QLineEdit;

namespace tp {

// The hours and vacation accounts: their entry windows, the vacation block's order and
// earliest start, the supplements of the month, and the balances in the status panel.
class AccountsController : public FeatureController {
  public:
    using FeatureController::FeatureController;

    std::optional<bool> run(Command command) override;

    // The balances as of today, in the hours and the vacation field.
    void showAccountFields(QLineEdit& hoursField, QLineEdit& vacationField);

  private:
    // "Stunden eingeben" and "Urlaub eingeben"; both fields are drawn anew afterwards.
    bool openHoursEntry();
    bool openVacationEntry();
    bool editEarliestVacationStart();
    // "Zuschläge" for the month of the cursor and the user's base crew with his markings as
    // edited; the wage he leaves in the window becomes his setting.
    void openSupplements();
};

} // namespace tp

#pragma once

#include "help/HelpTopic.h"
#include "shell/qt/FeatureController.h"

namespace tp {

// The help texts and the "Info" window.
class HelpController : public FeatureController {
  public:
    using FeatureController::FeatureController;

    std::optional<bool> run(Command command) override;

    // The text of `topic`, over `parent` or the main window; the key help is the command
    // table's.
    void showHelp(HelpTopic topic, QWidget* parent = nullptr) const;

  private:
    void openInfoWindow();
};

} // namespace tp

#pragma once

#include "help/qt/HelpWindowLook.h"
#include "session/Session.h"
#include "shell/Command.h"
#include "shell/qt/ShellServices.h"

#include <optional>

namespace tp {

// Tells the user what an operation reported, errors first.
void tellReport(MessageBoxes& messages, QWidget* parent, const SessionReport& report);

// One feature of the main window: it runs the feature's commands, owns their dialogs (opened
// over the main window) and says whether the page must be redrawn afterwards.
class FeatureController {
  public:
    FeatureController(QWidget& window, Session& session, const ShellServices& services,
                      const QFont& pageFont)
        : window_(&window), session_(session), services_(services), pageFont_(pageFont) {}
    virtual ~FeatureController() = default;

    // Nothing when the command is not this feature's; else whether the page must be redrawn.
    virtual std::optional<bool> run(Command command) = 0;

  protected:
    const SessionState& state() const { return session_.state(); }
    void tell(const SessionReport& report, QWidget* parent = nullptr) const {
        tellReport(*services_.messages, parent ? parent : window_, report);
    }
    HelpWindowLook helpLook() const { return {state().units, state().pageBackground, pageFont_}; }

    QWidget* window_;
    Session& session_;
    const ShellServices& services_;
    const QFont& pageFont_; // the main window's, changed by the font dialog
};

} // namespace tp

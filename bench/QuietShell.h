#pragma once

#include "shell/qt/ShellServices.h"

#include <QSize>

namespace tp::bench {

// What a main window in a benchmark is given: every question answered with "no", no message
// shown, and a desktop large enough for any page. Outlives the window it serves.
class QuietShell {
  public:
    explicit QuietShell(const Clock& clock, QSize desktop = QSize(5000, 3000)) {
        services.clock = &clock;
        services.messages = &messages_;
        services.desktopSize = [desktop] { return desktop; };
    }
    QuietShell(const QuietShell&) = delete;
    QuietShell& operator=(const QuietShell&) = delete;

    ShellServices services;

  private:
    struct Silent final : MessageBoxes {
        void inform(QWidget*, const QString&, const QString&) override {}
        bool ask(QWidget*, const QString&) override { return false; }
    } messages_;
};

} // namespace tp::bench

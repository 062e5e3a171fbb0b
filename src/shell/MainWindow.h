#pragma once

#include "shell/AppState.h"

#include <QLabel>
#include <QWidget>

namespace tp {

// The main window: the page canvas, the status panel and the navigation buttons.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);

    AppState& state() { return state_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void applyPageBackground();

    AppState& state_;
    QLabel* canvas_ = nullptr;
};

} // namespace tp

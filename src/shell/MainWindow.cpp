#include "shell/MainWindow.h"

#include "platform/Colour.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPalette>

namespace tp {

MainWindow::MainWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setWindowTitle(QStringLiteral("Valdor Turnoplaner - Benutzername: Programm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    applyPageBackground();
    resize(848, 540);
    canvas_ = new QLabel(this);
    canvas_->setGeometry(0, 0, 848, 540);
}

void MainWindow::applyPageBackground() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourFromWindowsValue(state_.pageBackground));
    setPalette(palette);
    setAutoFillBackground(true);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    state_.quit = true;
    event->accept();
}

} // namespace tp

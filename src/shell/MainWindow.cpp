#include "shell/MainWindow.h"

#include "platform/Colour.h"

#include <QKeyEvent>
#include <QPalette>

namespace tp {

namespace {
constexpr int kInitialPageBackground = 0xD8E9EC;
}

MainWindow::MainWindow(DataFolders folders, QWidget* parent)
    : QWidget(parent), folders_(std::move(folders)) {
    setWindowTitle(QStringLiteral("Valdor Turnoplaner - Benutzername: Programm"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourFromWindowsValue(kInitialPageBackground));
    setPalette(palette);
    setAutoFillBackground(true);
    resize(848, 540);
    canvas_ = new QLabel(this);
    canvas_->setGeometry(0, 0, 848, 540);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tp

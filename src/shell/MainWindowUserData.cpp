#include "shell/MainWindow.h"

namespace tp {

void MainWindow::loadUserData() {
    loadNotes();
}

void MainWindow::saveUserData() {}

} // namespace tp

#include "shell/MainWindow.h"

namespace tp {

void MainWindow::loadUserData() {}

void MainWindow::saveUserData() {}

} // namespace tp

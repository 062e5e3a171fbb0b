#include "shell/MainWindow.h"

namespace tp {

void MainWindow::loadUserData() {
    loadMarkingsAndAccountsOfUser();
}

void MainWindow::saveUserData() {
    saveMarkingsAndBarsOfUser();
}

} // namespace tp

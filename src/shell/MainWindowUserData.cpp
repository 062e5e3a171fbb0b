#include "shell/MainWindow.h"

namespace tp {

void MainWindow::loadUserData() {
    loadNotes();
    loadMarkingsAndAccountsOfUser();
}

void MainWindow::saveUserData() {
    saveMarkingsAndBarsOfUser();
}

} // namespace tp

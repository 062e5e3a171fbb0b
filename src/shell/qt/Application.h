#pragma once

class QApplication;

namespace tp {

class MainWindow;

// Ends the run the way Escape does; a dialog still open is left first as by its close box.
// Used when the session ends (a signal, the session manager).
void quitLikeEscape(MainWindow& window);

// Start-up, the one event loop and the saving on exit. Returns the exit status.
int runTurnoplaner(QApplication& application);

} // namespace tp

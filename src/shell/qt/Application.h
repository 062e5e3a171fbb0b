#pragma once

namespace tp {

class MainWindow;

// Ends the run the way Escape does; a dialog still open is left first as by its close box.
// Used when the session ends (a signal, the session manager).
void quitLikeEscape(MainWindow& window);

// Start-up, the one event loop and the saving on exit: the whole run of the program, whose
// arguments these are. Returns the exit status.
int runTurnoplaner(int& argc, char** argv);

} // namespace tp

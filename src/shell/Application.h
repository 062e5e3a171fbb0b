#pragma once

class QApplication;

namespace tp {

// Start-up, the one event loop and the saving on exit. Returns the exit status.
int runTurnoplaner(QApplication& application);

} // namespace tp

#pragma once

#include "shell/AppState.h"

#include <string>
#include <vector>

namespace tp {

// What loading or saving the user's markings, bars and accounts has to tell the user.
struct UserDataReport {
    std::vector<std::string> errors;  // each for a box titled "Fehler"
    std::vector<std::string> notices; // each for a box titled "Information"
};

// Reads the markings, the bars and both accounts from the data folder; the vacation account's
// new-year rule is written back at once. Nothing is read without a data folder.
UserDataReport loadMarkingsAndAccounts(AppState& state, DayNumber today);

// Writes the markings and the bars that changed, each merged with what another installation
// wrote into the shared file meanwhile. A file that could not be read is not written over.
UserDataReport saveMarkingsAndBars(AppState& state);

// Reads both account files anew; an account whose file cannot be read stays as it was.
void refreshAccounts(AppState& state);

} // namespace tp

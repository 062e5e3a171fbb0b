#pragma once

#include <iterator>
#include <string>
#include <vector>

namespace tp {

// What an operation on the user's data has to tell the user. Lives this low so that windows of
// every subsystem can take the session's answers.
struct SessionReport {
    std::vector<std::string> errors;  // each for a box titled "Fehler"
    std::vector<std::string> notices; // each for a box titled "Information"
    bool ok() const { return errors.empty(); }
    void add(SessionReport other) {
        errors.insert(errors.end(), std::make_move_iterator(other.errors.begin()),
                      std::make_move_iterator(other.errors.end()));
        notices.insert(notices.end(), std::make_move_iterator(other.notices.begin()),
                       std::make_move_iterator(other.notices.end()));
    }
};

} // namespace tp

#pragma once

#include "shell/qt/MainWindow.h"

#include "RecordingMessageBoxes.h"

#include <QColor>
#include <QFont>
#include <QSize>

#include <filesystem>
#include <memory>
#include <optional>

namespace tp::test {

// A main window with scripted surroundings: the clock stands on Saturday 24 December 2016,
// 9:30, message boxes are recorded, the colour and font choosers answer what the test set, and
// the desktop has 5000 x 3000 pixels. A test prepares the session (settings, a data folder) as
// the program would have, then starts the window.
struct MainWindowFixture {
    MainWindowFixture() = default;
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    // Builds the window over `state` and runs its start-up.
    void startWindow();
    // Starts the window, tells what the start of the session reported, and shows it as the
    // active window.
    void openWindow(const SessionReport& startReport = {});

    const SessionState& state() const { return session.state(); }

    FixedClock clock{LocalDateTime{2016, 12, 24, 9, 30, 0}};
    SystemFileSystem files;
    Session session{files, clock};
    RecordingMessageBoxes messages;
    std::optional<QColor> colourAnswer; // nothing: the chooser is cancelled
    std::optional<QColor> offeredColour;
    std::optional<QFont> fontAnswer; // nothing: the chooser is cancelled
    std::optional<QFont> offeredFont;
    QFont offeredInApplicationFont; // the application's font while the font chooser was open
    QSize desktop{5000, 3000};
    BackupFileChoosers backupFiles;          // a chooser not given is cancelled
    std::filesystem::path keptEntriesFolder; // empty: an unasked end keeps nothing
    std::unique_ptr<MainWindow> window;
};

} // namespace tp::test

#pragma once

#include "backup/qt/BackupWindow.h"
#include "platform/Clock.h"
#include "platform/qt/MessageBoxes.h"

#include <QColor>
#include <QFont>
#include <QSize>

#include <filesystem>
#include <functional>
#include <optional>

class QWidget;

namespace tp {

// What the main window asks of the desktop; tests replace the dialogs and the desktop size.
struct ShellServices {
    const Clock* clock = nullptr;
    MessageBoxes* messages = nullptr;
    // The system colour dialog; nothing when cancelled.
    std::function<std::optional<QColor>(QWidget* parent, QColor initial)> chooseColour;
    // The system font dialog; nothing when cancelled.
    std::function<std::optional<QFont>(QWidget* parent, QFont initial)> chooseFont;
    // The file choosers of the window "Sicherung".
    BackupFileChoosers backupFiles;
    // Pixels available for the main window.
    std::function<QSize()> desktopSize;
    // Where an end that nobody answers keeps what it could not save, for the next start; empty:
    // nowhere.
    std::filesystem::path keptEntriesFolder;
};

// The real dialogs and the primary screen.
ShellServices desktopServices(const Clock& clock, MessageBoxes& messages);

} // namespace tp

#include "shell/qt/ShellServices.h"

#include "platform/qt/ScreenFit.h"
#include "session/UnsavedEntries.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QScreen>

namespace tp {

ShellServices desktopServices(const Clock& clock, MessageBoxes& messages) {
    ShellServices services;
    services.clock = &clock;
    services.messages = &messages;
    services.chooseColour = [](QWidget* parent, QColor initial) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        return chosen.isValid() ? std::optional(chosen) : std::nullopt;
    };
    services.chooseFont = [](QWidget* parent, QFont initial) -> std::optional<QFont> {
        bool accepted = false;
        const QFont chosen = QFontDialog::getFont(&accepted, initial, parent);
        return accepted ? std::optional(chosen) : std::nullopt;
    };
    services.backupFiles = systemBackupFileChoosers();
    services.desktopSize = [] {
        // The room for the client area: the window manager's frame must fit as well.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize available = screen ? screen->availableGeometry().size() : QSize(800, 600);
        return available.shrunkBy(estimatedFrameMargins(QGuiApplication::font()));
    };
    services.keptEntriesFolder = unsavedEntriesFolder(systemEnvironment());
    return services;
}

} // namespace tp

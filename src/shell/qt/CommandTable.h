#pragma once

#include "display/PageGeometry.h"
#include "model/CalendarType.h"
#include "notes/qt/NoteMenuDialog.h"
#include "shell/Command.h"

#include <QKeyCombination>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tp {

// What a command needs of the month columns, which the shift plan sheet replaces.
enum class ColumnNeed {
    None,       // works on the sheet too
    Columns,    // does nothing on the sheet; its button and menu entry are off there
    ButtonOnly, // the column count: its keys work on the sheet, its button is off there
};

// A button of the main window.
struct CommandButton {
    Gadget gadget = Gadget::Canvas;
    std::string_view text;    // UTF-8
    std::string_view toolTip; // UTF-8
};

// An entry of the program menu "Prog.", also reached by its letter.
struct ProgramMenuEntry {
    std::string_view label;   // UTF-8
    std::string_view toolTip; // UTF-8
    Qt::Key key = Qt::Key_unknown;
};

// One command and every way to reach it.
struct CommandEntry {
    Command command = Command::Quit;
    std::array<QKeyCombination, 2> keys{}; // Qt::Key_unknown where there is none
    std::optional<CommandButton> button{};
    std::optional<ProgramMenuEntry> menu{};
    std::optional<NoteMenuAction> noteMenu{};
    ColumnNeed columns = ColumnNeed::None;
    std::string_view helpHeading{}; // the heading of the key help above this command's line
    // Its line of the key help, UTF-8; empty when the line of the command before names it too.
    std::string_view help{};
};

// Every command in the order of Command, which is the order of the key help and of the program
// menu.
std::span<const CommandEntry> commandTable();

const CommandEntry& commandEntry(Command command);

// The keys of a command that it has.
std::vector<QKeyCombination> keysOf(const CommandEntry& entry);

std::optional<Command> commandOfKey(QKeyCombination key);
std::optional<Command> commandOfButton(Gadget gadget);
std::optional<Command> commandOfNoteMenu(NoteMenuAction action);

// Whether a command does something under the calendar type, and whether its button is on.
bool commandRunsUnder(Command command, CalendarType type);
bool buttonWorksUnder(Command command, CalendarType type);

// The help window "Tastaturbelegung".
QString keyHelpText();

} // namespace tp

#pragma once

namespace tp {

// What the user can ask of the main window, by key, button or menu. The command table
// (shell/qt/CommandTable.cpp) holds one entry for each, in this order.
enum class Command {
    Quit,
    YearBack,
    MonthBack,
    MonthForward,
    YearForward,
    PageBack,
    Today,
    PageForward,
    DateEntry,
    NoteMenu,
    ProgramMenu,
    LogIn,
    InfoWindow,
    MoreColumns,
    FewerColumns,
    CursorRight,
    CursorLeft,
    CursorUp,
    CursorDown,
    DayNote,
    PeriodicNote,
    YearlyNote,
    WeekdayNote,
    CalendarBar,
    ShiftMarkingColumn1,
    ShiftMarkingColumn2,
    ShiftMarkingColumn3,
    ShiftMarkingColumn4,
    ShiftMarkingChoice, // asks for the column first
    DeleteNotesAndMarkings,
    NotesOverview,
    NotesHelp,
    CalendarChoice,
    DataFolder,
    ProgramInfo,
    Font,
    BackgroundColour,
    ProgramMenuHelp,
    Settings,
    HoursEntry,
    VacationEntry,
    CalendarExport,
    Backup,
    CalendarSync,
    Supplements,
    CopyPage,
    Print,
    CalendarWerk,
    CalendarPm1,
    CalendarTwoShift,
    CalendarValdor,
    CalendarBrelling,
    CalendarSheet,
    RotateVacationCycle,
    EarliestVacationStart,
    VacationBlock, // the "UB" toggle
};

inline constexpr int kCommandCount = static_cast<int>(Command::VacationBlock) + 1;

} // namespace tp

// The notes of the main window: the "Notiz" menu and the note keys, the four editors, the
// notes window, the overview and the bulk deletion.
#include "shell/MainWindow.h"

#include "help/HelpTextWindow.h"
#include "markings/ShiftMarkingDialog.h"
#include "model/Today.h"
#include "notes/BulkDeletionDialog.h"
#include "notes/NoteEditors.h"
#include "notes/NoteMenuDialog.h"
#include "notes/NotesOfDay.h"
#include "notes/NotesOverview.h"
#include "notes/NotesTextWindow.h"
#include "platform/Colour.h"
#include "shell/CommandRules.h"
#include "shell/MainCommands.h"

#include <QMouseEvent>

namespace tp {

void MainWindow::loadNotes() {
    state_.noteIndexes =
        state_.dataFolder.empty() ? NoteIndexes{} : readNoteIndexes(state_.dataFolder);
}

QString MainWindow::noteLineText() const {
    if (state_.view.cursorDay < 1)
        return {};
    return QString::fromStdString(
        noteStatusLine(state_.dataFolder, state_.noteIndexes, selectedDay(), state_.notePassword));
}

bool MainWindow::noteLineClicked(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::MouseButtonRelease:
        // Under the shift plan sheet the line holds a hint, not notes.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            showsMonthColumns(state_.calendarType))
            showNotesOfSelectedDay(true);
        return true;
    default:
        return false;
    }
}

bool MainWindow::runNoteCommand(int command) {
    switch (command) {
    case NoteEntry:
        // The menu belongs to the month columns; the shift plan sheet has no selected day.
        if (showsMonthColumns(state_.calendarType))
            openNoteMenu();
        return true;
    case DayNoteEditor:
        editNote(NoteKind::Day);
        return true;
    case PeriodicNoteEditor:
        editNote(NoteKind::Periodic);
        return true;
    case YearlyNoteEditor:
        editNote(NoteKind::Yearly);
        return true;
    case WeekdayNoteEditor:
        editNote(NoteKind::WeekdayInMonth);
        return true;
    case NotesOverview:
        showNotesOverview();
        return true;
    case DeleteNotesAndMarkings:
        deleteNotesAndMarkings();
        return true;
    default:
        return false;
    }
}

void MainWindow::openNoteMenu() {
    switch (tp::runNoteMenu(this, state_.units.w, state_.units.h)) {
    case NoteMenuAction::None:
        return;
    case NoteMenuAction::DayNote:
        editNote(NoteKind::Day);
        return;
    case NoteMenuAction::PeriodicNote:
        editNote(NoteKind::Periodic);
        return;
    case NoteMenuAction::YearlyNote:
        editNote(NoteKind::Yearly);
        return;
    case NoteMenuAction::WeekdayNote:
        editNote(NoteKind::WeekdayInMonth);
        return;
    case NoteMenuAction::CalendarBar:
        runCommand(CalendarBarEntry);
        return;
    case NoteMenuAction::ShiftMarking: {
        const DayNumber day = selectedDay();
        const ShiftMarking* marking = state_.shiftMarkings.markingOf(day);
        // The column commands 1..4 are the shift marking commands.
        if (const int column =
                chooseShiftColumn(this, state_.calendarType, day, marking ? marking->column : 0))
            runCommand(column);
        return;
    }
    case NoteMenuAction::BulkDeletion:
        deleteNotesAndMarkings();
        return;
    case NoteMenuAction::Overview:
        showNotesOverview();
        return;
    case NoteMenuAction::Info:
        showHelpText(this, HelpTopic::Notes,
                     HelpWindowLook{state_.units, state_.pageBackground, pageFont_});
        return;
    }
}

void MainWindow::editNote(NoteKind kind) {
    if (state_.dataFolder.empty()) {
        services_.messages->inform(
            this, QStringLiteral("Fehler"),
            QStringLiteral("Ohne Datenordner können keine Notizen gespeichert werden."));
        return;
    }
    const NoteEditorContext context{
        state_.dataFolder,   state_.noteIndexes,
        state_.notePassword, *services_.messages,
        selectedDay(),       state_.units.w,
        state_.units.h,      colourFromWindowsValue(state_.pageBackground)};
    // A saved note shows at once: its mark on the page and its text in the note line.
    if (runNoteEditor(kind, context, this))
        rebuildPage(kNoCursorMove);
}

void MainWindow::showNotesOfSelectedDay(bool explicitRequest) {
    const std::string notes =
        collectNotesOfDay(state_.dataFolder, state_.noteIndexes, selectedDay(), state_.notePassword,
                          NoteTextMode::Window);
    if (notes.empty() && !explicitRequest)
        return;
    // Unasked, the window comes with the page: the main window is on show before it.
    if (!isVisible())
        show();
    runNotesWindow(
        this, *services_.messages, QString::fromStdString(notes), selectedDay(), explicitRequest,
        {state_.units.w, state_.units.h, pageFont_, colourFromWindowsValue(state_.pageBackground)});
}

void MainWindow::showNotesOverview() {
    const std::vector<DayNumber> days =
        daysOfMonthColumns(state_.view.year, state_.view.month, state_.lastColumnIndex + 1);
    const std::string overview =
        buildNotesOverview(state_.dataFolder, state_.noteIndexes, state_.notePassword, days,
                           todayOf(*services_.clock));
    runNotesOverview(
        this, *services_.messages, QString::fromStdString(overview),
        {state_.units.w, state_.units.h, pageFont_, colourFromWindowsValue(state_.pageBackground)});
}

void MainWindow::deleteNotesAndMarkings() {
    if (state_.dataFolder.empty())
        return;
    const std::optional<BulkDeletionChoice> choice = runBulkDeletionDialog(
        this, *services_.messages, selectedDay(), state_.units.w, state_.units.h);
    if (!choice)
        return;
    const int failures = deleteChosenNotes(state_.dataFolder, state_.noteIndexes, *choice);
    // The markings and bars go the way of every other change of them: merged with what another
    // installation on the same data folder wrote meanwhile.
    if (choice->calendarBars) {
        deleteBarsUpTo(state_.calendarBars, choice->lastDay);
        state_.calendarBarsChanged = state_.calendarBarsChanged || state_.calendarBars.changed;
    }
    if (choice->shiftMarkings) {
        state_.shiftMarkings.removeUpTo(choice->lastDay);
        state_.shiftMarkingsChanged = state_.shiftMarkingsChanged || state_.shiftMarkings.changed;
    }
    if (choice->calendarBars || choice->shiftMarkings)
        saveMarkingsAndBarsOfUser();
    if (failures > 0)
        services_.messages->inform(
            this, QStringLiteral("Fehler"),
            failures == 1
                ? QStringLiteral("Eine Notiz konnte nicht gelöscht werden.")
                : QStringLiteral("%1 Notizen konnten nicht gelöscht werden.").arg(failures));
    rebuildPage(kNoCursorMove);
}

} // namespace tp

// The notes of the main window: the "Notiz" menu and the note keys, the four editors, the
// notes window, the overview and the bulk deletion.
#include "shell/qt/MainWindow.h"

#include "help/qt/HelpTextWindow.h"
#include "markings/qt/ShiftMarkingDialog.h"
#include "model/Today.h"
#include "notes/NotesOverview.h"
#include "notes/qt/BulkDeletionDialog.h"
#include "notes/qt/NoteEditors.h"
#include "notes/qt/NoteMenuDialog.h"
#include "notes/qt/NotesTextWindow.h"
#include "platform/qt/Colour.h"
#include "shell/CommandRules.h"
#include "shell/MainCommands.h"

#include <QMouseEvent>

namespace tp {

QString MainWindow::noteLineText() const {
    if (state().view.cursorDay < 1)
        return {};
    return QString::fromStdString(session_.noteStatusLine(selectedDay()));
}

bool MainWindow::noteLineClicked(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::MouseButtonRelease:
        // Under the shift plan sheet the line holds a hint, not notes.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            showsMonthColumns(state().calendarType))
            showNotesOfSelectedDay(true);
        return true;
    default:
        return false;
    }
}

void MainWindow::openNoteMenu() {
    switch (tp::runNoteMenu(this, state().units.w, state().units.h)) {
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
        const ShiftMarking* marking = state().shiftMarkings.markingOf(day);
        // The column commands 1..4 are the shift marking commands.
        if (const int column =
                chooseShiftColumn(this, state().calendarType, day, marking ? marking->column : 0))
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
                     HelpWindowLook{state().units, state().pageBackground, pageFont_});
        return;
    }
}

void MainWindow::editNote(NoteKind kind) {
    if (state().dataFolder.empty()) {
        services_.messages->inform(
            this, QStringLiteral("Fehler"),
            QStringLiteral("Ohne Datenordner können keine Notizen gespeichert werden."));
        return;
    }
    const NoteEditorContext context{
        session_,        *services_.messages, selectedDay(),
        state().units.w, state().units.h,     colourFromWindowsValue(state().pageBackground)};
    // A saved note shows at once: its mark on the page and its text in the note line.
    if (runNoteEditor(kind, context, this))
        rebuildPage(kNoCursorMove);
}

void MainWindow::showNotesOfSelectedDay(bool explicitRequest) {
    const std::string notes = session_.notesOfDay(selectedDay());
    if (notes.empty() && !explicitRequest)
        return;
    // Unasked, the window comes with the page: the main window is on show before it.
    if (!isVisible())
        show();
    runNotesWindow(this, *services_.messages, QString::fromStdString(notes), selectedDay(),
                   explicitRequest,
                   {state().units.w, state().units.h, pageFont_,
                    colourFromWindowsValue(state().pageBackground)});
}

void MainWindow::showNotesOverview() {
    const std::vector<DayNumber> days =
        daysOfMonthColumns(state().view.year, state().view.month, state().lastColumnIndex + 1);
    const std::string overview = session_.notesOverview(days);
    runNotesOverview(this, *services_.messages, QString::fromStdString(overview),
                     {state().units.w, state().units.h, pageFont_,
                      colourFromWindowsValue(state().pageBackground)});
}

void MainWindow::deleteNotesAndMarkings() {
    if (state().dataFolder.empty())
        return;
    const std::optional<BulkDeletionChoice> choice = runBulkDeletionDialog(
        this, *services_.messages, selectedDay(), state().units.w, state().units.h);
    if (!choice)
        return;
    SessionReport report;
    const int failures = session_.deleteUpTo(*choice, report);
    tell(report);
    if (failures > 0)
        services_.messages->inform(
            this, QStringLiteral("Fehler"),
            failures == 1
                ? QStringLiteral("Eine Notiz konnte nicht gelöscht werden.")
                : QStringLiteral("%1 Notizen konnten nicht gelöscht werden.").arg(failures));
    rebuildPage(kNoCursorMove);
}

} // namespace tp

#include "shell/qt/NotesController.h"

#include "model/Today.h"
#include "notes/NotesOverview.h"
#include "notes/qt/BulkDeletionDialog.h"
#include "notes/qt/NoteEditors.h"
#include "notes/qt/NoteMenuDialog.h"
#include "notes/qt/NotesTextWindow.h"
#include "platform/qt/Colour.h"
#include "shell/CommandRules.h"
#include "shell/qt/CommandTable.h"

#include <QMouseEvent>

namespace tp {

std::optional<bool> NotesController::run(Command command) {
    switch (command) {
    case Command::DayNote:
        return editNote(NoteKind::Day);
    case Command::PeriodicNote:
        return editNote(NoteKind::Periodic);
    case Command::YearlyNote:
        return editNote(NoteKind::Yearly);
    case Command::WeekdayNote:
        return editNote(NoteKind::WeekdayInMonth);
    case Command::NotesOverview:
        showNotesOverview();
        return false;
    case Command::DeleteNotesAndMarkings:
        return deleteNotesAndMarkings();
    default:
        return std::nullopt;
    }
}

std::optional<Command> NotesController::chooseFromMenu() {
    return commandOfNoteMenu(runNoteMenu(window_, state().units.w, state().units.h));
}

QString NotesController::noteLineText() const {
    if (state().view.cursorDay < 1)
        return {};
    return QString::fromStdString(session_.noteStatusLine(selectedDay()));
}

bool NotesController::noteLineClicked(QEvent* event) {
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

bool NotesController::editNote(NoteKind kind) {
    if (state().dataFolder.empty()) {
        services_.messages->inform(
            window_, QStringLiteral("Fehler"),
            QStringLiteral("Ohne Datenordner können keine Notizen gespeichert werden."));
        return false;
    }
    const NoteEditorContext context{
        session_,        *services_.messages, selectedDay(),
        state().units.w, state().units.h,     colourFromWindowsValue(state().pageBackground)};
    // A saved note shows at once: its mark on the page and its text in the note line.
    return runNoteEditor(kind, context, window_);
}

void NotesController::showNotesOfSelectedDay(bool explicitRequest) {
    const std::string notes = session_.notesOfDay(selectedDay());
    if (notes.empty() && !explicitRequest)
        return;
    // Unasked, the window comes with the page: the main window is on show before it.
    if (!window_->isVisible())
        window_->show();
    runNotesWindow(window_, *services_.messages, QString::fromStdString(notes), selectedDay(),
                   explicitRequest,
                   {state().units.w, state().units.h, pageFont_,
                    colourFromWindowsValue(state().pageBackground)});
}

void NotesController::showNotesOverview() {
    const std::vector<DayNumber> days =
        daysOfMonthColumns(state().view.year, state().view.month, state().lastColumnIndex + 1);
    const std::string overview = session_.notesOverview(days);
    runNotesOverview(window_, *services_.messages, QString::fromStdString(overview),
                     {state().units.w, state().units.h, pageFont_,
                      colourFromWindowsValue(state().pageBackground)});
}

bool NotesController::deleteNotesAndMarkings() {
    if (state().dataFolder.empty())
        return false;
    const std::optional<BulkDeletionChoice> choice = runBulkDeletionDialog(
        window_, *services_.messages, selectedDay(), state().units.w, state().units.h,
        QString::fromStdU16String(session_.automaticBackupFolder().u16string()));
    if (!choice)
        return false;
    SessionReport report;
    const int failures = session_.deleteUpTo(*choice, report);
    tell(report);
    if (failures > 0)
        services_.messages->inform(
            window_, QStringLiteral("Fehler"),
            failures == 1
                ? QStringLiteral("Eine Notiz konnte nicht gelöscht werden.")
                : QStringLiteral("%1 Notizen konnten nicht gelöscht werden.").arg(failures));
    return true;
}

} // namespace tp

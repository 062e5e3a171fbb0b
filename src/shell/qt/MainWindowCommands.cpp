#include "accounts/qt/EarliestBlockStartWindow.h"
#include "display/qt/PageRenderer.h"
#include "model/BlockCrewOrder.h"
#include "model/qt/CalendarTypeDialog.h"
#include "model/qt/DateEntryDialog.h"
#include "platform/qt/Colour.h"
#include "shell/CommandRules.h"
#include "shell/MainCommands.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/OpenSupplementsWindow.h"

#include "model/Today.h"
#include "shell/qt/PageCanvas.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QShortcut>

namespace tp {

namespace {

struct KeyBinding {
    QKeyCombination key;
    int command;
};

// Keys without modifier and their commands. The plus and minus of the numeric pad are taken
// in keyPressEvent: X11 hands them to shortcuts without the keypad modifier.
const KeyBinding KeyBindings[] = {
    {Qt::Key_Escape, Quit},
    {Qt::Key_Home, Today},
    {Qt::Key_F6, TodayButton},
    {Qt::Key_Right, CursorRight},
    {Qt::Key_Left, CursorLeft},
    {Qt::Key_Up, CursorUp},
    {Qt::Key_Down, CursorDown},
    {Qt::Key_F1, YearBack},
    {Qt::Key_F2, MonthBack},
    {Qt::Key_F3, MonthForward},
    {Qt::Key_F4, YearForward},
    {Qt::Key_F5, PageBack},
    {Qt::Key_PageUp, PageBack},
    {Qt::Key_F7, PageForward},
    {Qt::Key_PageDown, PageForward},
    {Qt::Key_F8, DateEntry},
    {Qt::Key_D, DateEntryKey},
    {Qt::Key_F9, NoteEntry},
    {Qt::Key_F10, ProgramMenu},
    {Qt::Key_F11, NewUser},
    {Qt::Key_A, NewUserKey},
    {Qt::Key_F12, InfoWindow},
    {Qt::Key_I, HelpWindow},
    {Qt::Key_H, BackgroundColour},
    {Qt::Key_T, DayNoteEditor},
    {Qt::Key_P, PeriodicNoteEditor},
    {Qt::Key_J, YearlyNoteEditor},
    {Qt::Key_W, WeekdayNoteEditor},
    {Qt::Key_U, NotesOverview},
    {Qt::Key_K, CalendarBarEntry},
    {Qt::Key_L, DeleteNotesAndMarkings},
    {Qt::Key_S, FontDialog},
    {Qt::Key_E, SettingsDialog},
    {Qt::Key_N, TypeKeyN},
    {Qt::Key_B, TypeKeyB},
    {Qt::Key_M, TypeKeyM},
    {Qt::Key_V, TypeKeyV},
    {Qt::Key_C, TypeKeyC},
    {Qt::Key_X, TypeKeyX},
    {Qt::Key_Z, CopyPage},
    {Qt::Key_Y, RotateVacationCycle},
    {Qt::Key_F, EarliestVacationStart},
    {Qt::Key_G, Supplements},
    {Qt::Key_4, ShiftMarking1},
    {Qt::Key_1, ShiftMarking2},
    {Qt::Key_2, ShiftMarking3},
    {Qt::Key_3, ShiftMarking4},
};

} // namespace

void MainWindow::createShortcuts() {
    for (const KeyBinding& binding : KeyBindings) {
        auto* shortcut = new QShortcut(QKeySequence(binding.key), this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(true);
        const int command = binding.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { runCommand(command); });
    }
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] { printShownPage(); });
    auto* exportKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(exportKey, &QShortcut::activated, this, [this] { exportCalendar(); });
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::KeypadModifier &&
        (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus)) {
        runCommand(event->key() == Qt::Key_Plus ? MoreColumns : FewerColumns);
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::runCommand(int command) {
    if (const auto days = viewShiftDays(command, state().calendarType, state().lastColumnIndex)) {
        session_.moveViewByDays(*days);
        rebuildPage(kNoCursorMove);
        return;
    }
    // Commands without a handler (the notes' keys under the sheet, say) do nothing.
    if (const auto handler = commands_.find(command); handler != commands_.end())
        handler->second();
}

void MainWindow::createCommandTable() {
    const auto on = [this](std::initializer_list<int> commands, std::function<void()> handler) {
        for (const int command : commands)
            commands_[command] = handler;
    };
    const auto inColumns = [this](std::function<void()> handler) {
        return [this, handler] {
            if (showsMonthColumns(state().calendarType))
                handler();
        };
    };
    on({Quit}, [this] {
        endSession(false);
        close();
    });
    on({Today, TodayButton}, [this] { moveToToday(); });
    for (const auto& [command, move] :
         {std::pair{CursorRight, CursorMove{1, 0}}, std::pair{CursorLeft, CursorMove{-1, 0}},
          std::pair{CursorUp, CursorMove{0, -1}}, std::pair{CursorDown, CursorMove{0, 1}}})
        on({command}, inColumns([this, move] { rebuildPage(move); }));
    on({DateEntry, DateEntryKey, DateEntryAlternative}, [this] {
        ViewPosition view = state().view;
        runDateEntryDialog(this, view, state().units.w, state().units.h);
        session_.setView(view);
        rebuildPage(kNoCursorMove);
    });
    on({BackgroundColour}, inColumns([this] { chooseBackgroundColour(); }));
    on({MoreColumns}, [this] { changeColumnCount(+1); });
    on({FewerColumns}, [this] { changeColumnCount(-1); });
    on({FontDialog}, [this] {
        fontDialog();
        rebuildPage(kNoCursorMove);
    });
    for (const int command : {TypeKeyN, TypeKeyB, TypeKeyM, TypeKeyV, TypeKeyC, TypeKeyX})
        on({command}, [this, command] { switchCalendarType(command); });
    on({CopyPage}, [this] { copyPageToClipboard(false); });
    on({RotateVacationCycle}, [this] {
        session_.rotateVacationCycleOfShownYear();
        rebuildPage(kNoCursorMove);
    });
    on({EarliestVacationStart}, [this] {
        MonthDay start = state().vacation.earliestStart;
        editEarliestBlockStart(this, start, state().view.year);
        session_.setEarliestVacationStart(start);
        rebuildPage(kNoCursorMove);
    });
    for (const int column : {ShiftMarking1, ShiftMarking2, ShiftMarking3, ShiftMarking4})
        on({column}, [this, column] { enterShiftMarkingAtCursor(column); });
    on({CalendarBarEntry}, [this] { editCalendarBarAtCursor(); });
    on({ProgramMenu}, [this] { runProgramMenu(); });
    on({NewUser, NewUserKey}, [this] { logInAsNewUser(); });
    on({InfoWindow}, [this] { openInfoWindow(); });
    on({HelpWindow, HelpAlternative}, [this] { showHelp(HelpTopic::ProgramInfo); });
    on({SettingsDialog}, [this] { editSettings(); });

    // The notes. The menu belongs to the month columns; the shift plan sheet has no selected
    // day.
    on({NoteEntry}, inColumns([this] { openNoteMenu(); }));
    on({DayNoteEditor}, [this] { editNote(NoteKind::Day); });
    on({PeriodicNoteEditor}, [this] { editNote(NoteKind::Periodic); });
    on({YearlyNoteEditor}, [this] { editNote(NoteKind::Yearly); });
    on({WeekdayNoteEditor}, [this] { editNote(NoteKind::WeekdayInMonth); });
    on({NotesOverview}, [this] { showNotesOverview(); });
    on({DeleteNotesAndMarkings}, [this] { deleteNotesAndMarkings(); });
    on({Supplements}, [this] { openSupplementsWindow(this, session_); });
}

void MainWindow::moveToToday() {
    const CivilDate today = civilFromDayNumber(session_.today());
    ViewPosition view = state().view;
    const CursorMove toToday = selectToday(view, today);
    // The sheet applies no cursor move, but the cursor must still name a day for later.
    if (!showsMonthColumns(state().calendarType))
        view.cursorDay = today.day;
    session_.setView(view);
    rebuildPage(toToday);
}

void MainWindow::changeColumnCount(int delta) {
    const std::optional<int> stepped = steppedLastColumnIndex(state().lastColumnIndex, delta);
    if (!stepped)
        return;
    const int previous = state().lastColumnIndex;
    const ViewPosition previousView = state().view;
    // The cursor stays on the page when its column goes.
    session_.setLastColumnIndex(*stepped);
    if (fitWindow()) {
        relayout();
        rebuildPage(kNoCursorMove);
        return;
    }
    session_.setLastColumnIndex(previous);
    session_.setView(previousView);
    services_.messages->inform(
        this, QStringLiteral("Fehler"),
        QStringLiteral("Die gewählte Anzahl der Kolumnen war für den Bildschirm zu groß!"));
}

void MainWindow::chooseBackgroundColour() {
    const std::optional<QColor> chosen =
        services_.chooseColour(this, colourFromWindowsValue(kInitialPageBackground));
    if (!chosen)
        return;
    session_.setPageBackground(windowsValueFromColour(*chosen));
    applyPageBackground();
    rebuildPage(kNoCursorMove);
}

void MainWindow::copyPageToClipboard(bool askFirst) {
    if (askFirst &&
        !services_.messages->ask(
            this, QStringLiteral("Soll der Kalender in die Zwischenablage kopiert werden?")))
        return;
    QGuiApplication::clipboard()->setImage(page_);
    services_.messages->inform(this, QStringLiteral("Information"),
                               QStringLiteral("Die Kalender wurde in die Zwischenablage kopiert."));
}

void MainWindow::chooseCalendarType() {
    CalendarType type = state().calendarType;
    runCalendarTypeDialog(this, type, state().units.w, state().units.h);
    session_.setCalendarType(type);
    updateVacationBlockToggle();
    rebuildPage(kNoCursorMove);
}

void MainWindow::switchCalendarType(int command) {
    session_.setCalendarType(calendarTypeAfterCommand(state().calendarType, command));
    updateVacationBlockToggle();
    rebuildPage(kNoCursorMove);
}

void MainWindow::canvasClicked(QPoint position) {
    const QPoint client = canvas_->mapTo(this, position);
    ViewPosition view = state().view;
    placeCursorAtMouse(view, state().lastColumnIndex, state().units, client.x(), client.y(),
                       cells_);
    session_.setView(view);
    rebuildPage(kNoCursorMove);
}

void MainWindow::canvasDoubleClicked(QPoint position) {
    const QPoint client = canvas_->mapTo(this, position);
    ViewPosition view = state().view;
    const int slot = placeCursorAtMouse(view, state().lastColumnIndex, state().units, client.x(),
                                        client.y(), cells_);
    session_.setView(view);
    // Slots 1..4 are the shift marking commands 1..4.
    if (slot >= ShiftMarking1 && slot <= ShiftMarking4)
        runCommand(slot);
    rebuildPage(kNoCursorMove);
}

} // namespace tp

#include "accounts/BlockCrewOrder.h"
#include "accounts/EarliestBlockStartWindow.h"
#include "display/PageRenderer.h"
#include "model/CalendarTypeDialog.h"
#include "model/DateEntryDialog.h"
#include "platform/Colour.h"
#include "shell/CommandRules.h"
#include "shell/MainCommands.h"
#include "shell/MainWindow.h"

#include "model/Today.h"
#include "shell/PageCanvas.h"

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
    const CalendarType calendarType = state_.calendarType;
    const bool columns = showsMonthColumns(calendarType);
    if (const auto days = viewShiftDays(command, calendarType, state_.lastColumnIndex)) {
        moveViewByDays(state_.view, *days);
        rebuildPage(kNoCursorMove);
        return;
    }
    if (runNoteCommand(command))
        return;
    switch (command) {
    case Quit:
        state_.quit = true;
        close();
        return;
    case Today:
    case TodayButton:
        moveToToday();
        return;
    case CursorRight:
    case CursorLeft:
    case CursorUp:
    case CursorDown:
        if (columns) {
            const CursorMove moves[] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};
            rebuildPage(moves[command - CursorRight]);
        }
        return;
    case DateEntry:
    case DateEntryKey:
    case DateEntryAlternative:
        runDateEntryDialog(this, state_.view, state_.units.w, state_.units.h);
        rebuildPage(kNoCursorMove);
        return;
    case BackgroundColour:
        if (columns)
            chooseBackgroundColour();
        return;
    case MoreColumns:
        changeColumnCount(+1);
        return;
    case FewerColumns:
        changeColumnCount(-1);
        return;
    case FontDialog:
        fontDialog();
        rebuildPage(kNoCursorMove);
        return;
    case TypeKeyN:
    case TypeKeyB:
    case TypeKeyM:
    case TypeKeyV:
    case TypeKeyC:
    case TypeKeyX:
        switchCalendarType(command);
        return;
    case CopyPage:
        copyPageToClipboard(false);
        return;
    case RotateVacationCycle:
        // In memory only: the stored order comes back with the next loading of the settings.
        rotateBlockCrewOrder(state_.blockVacationTables, state_.view.year, 1);
        rebuildPage(kNoCursorMove);
        return;
    case EarliestVacationStart:
        editEarliestBlockStart(this, state_.earliestVacationStart, state_.view.year);
        rebuildPage(kNoCursorMove);
        return;
    case ShiftMarking1:
    case ShiftMarking2:
    case ShiftMarking3:
    case ShiftMarking4:
        enterShiftMarkingAtCursor(command);
        return;
    case CalendarBarEntry:
        editCalendarBarAtCursor();
        return;
    case ProgramMenu:
        runProgramMenu();
        return;
    case NewUser:
    case NewUserKey:
        logInAsNewUser();
        return;
    case InfoWindow:
        openInfoWindow();
        return;
    case HelpWindow:
    case HelpAlternative:
        showHelp(HelpTopic::ProgramInfo);
        return;
    case SettingsDialog:
        editSettings();
        return;
    default:
        // The notes windows answer the other commands; until they are part of the program
        // their commands do nothing.
        return;
    }
}

void MainWindow::moveToToday() {
    const CivilDate today = civilFromDayNumber(todayOf(*services_.clock));
    const CursorMove toToday = selectToday(state_.view, today);
    // The sheet applies no cursor move, but the cursor must still name a day for later.
    if (!showsMonthColumns(state_.calendarType))
        state_.view.cursorDay = today.day;
    rebuildPage(toToday);
}

void MainWindow::changeColumnCount(int delta) {
    const std::optional<int> stepped = steppedLastColumnIndex(state_.lastColumnIndex, delta);
    if (!stepped)
        return;
    const int previous = state_.lastColumnIndex;
    state_.lastColumnIndex = *stepped;
    state_.pageWidth = pageWidthUnits(state_.lastColumnIndex);
    if (fitWindow()) {
        // The cursor stays on the page when its column goes.
        state_.view.cursorColumn = std::min(state_.view.cursorColumn, state_.lastColumnIndex);
        relayout();
        rebuildPage(kNoCursorMove);
        return;
    }
    state_.lastColumnIndex = previous;
    state_.pageWidth = pageWidthUnits(state_.lastColumnIndex);
    services_.messages->inform(
        this, QStringLiteral("Fehler"),
        QStringLiteral("Die gewählte Anzahl der Kolumnen war für den Bildschirm zu groß!"));
}

void MainWindow::chooseBackgroundColour() {
    const std::optional<QColor> chosen =
        services_.chooseColour(this, colourFromWindowsValue(kInitialPageBackground));
    if (!chosen)
        return;
    state_.pageBackground = windowsValueFromColour(*chosen);
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
    runCalendarTypeDialog(this, state_.calendarType, state_.units.w, state_.units.h);
    updateVacationBlockToggle();
    rebuildPage(kNoCursorMove);
}

void MainWindow::switchCalendarType(int command) {
    state_.calendarType = calendarTypeAfterCommand(state_.calendarType, command);
    updateVacationBlockToggle();
    rebuildPage(kNoCursorMove);
}

void MainWindow::canvasClicked(QPoint position) {
    const QPoint client = canvas_->mapTo(this, position);
    placeCursorAtMouse(state_.view, state_.lastColumnIndex, state_.units, client.x(), client.y(),
                       cells_);
    rebuildPage(kNoCursorMove);
}

void MainWindow::canvasDoubleClicked(QPoint position) {
    const QPoint client = canvas_->mapTo(this, position);
    const int slot = placeCursorAtMouse(state_.view, state_.lastColumnIndex, state_.units,
                                        client.x(), client.y(), cells_);
    // Slots 1..4 are the shift marking commands 1..4.
    if (slot >= ShiftMarking1 && slot <= ShiftMarking4)
        runCommand(slot);
    rebuildPage(kNoCursorMove);
}

} // namespace tp

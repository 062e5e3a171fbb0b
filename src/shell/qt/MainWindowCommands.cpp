// The keys of the main window and the commands of the page and its navigation.
#include "model/Today.h"
#include "model/qt/CalendarTypeDialog.h"
#include "model/qt/DateEntryDialog.h"
#include "platform/qt/Colour.h"
#include "shell/CommandRules.h"
#include "shell/qt/CommandTable.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/PageCanvas.h"
#include "shell/qt/ProgramMenu.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace tp {

namespace {

std::optional<CursorMove> redrawIf(bool redraw) {
    return redraw ? std::optional(kNoCursorMove) : std::nullopt;
}

} // namespace

void MainWindow::createShortcuts() {
    for (const CommandEntry& entry : commandTable()) {
        for (const QKeyCombination key : keysOf(entry)) {
            // The plus and minus of the numeric pad are taken in keyPressEvent: X11 hands them
            // to shortcuts without the keypad modifier.
            if (key.keyboardModifiers() & Qt::KeypadModifier)
                continue;
            auto* shortcut = new QShortcut(QKeySequence(key), this);
            shortcut->setContext(Qt::WindowShortcut);
            shortcut->setAutoRepeat(true);
            connect(shortcut, &QShortcut::activated, this,
                    [this, command = entry.command] { runCommand(command); });
        }
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::KeypadModifier) {
        if (const std::optional<Command> command = commandOfKey(event->keyCombination())) {
            runCommand(*command);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::runCommand(Command command) {
    const int markingEdits = session_.markingEdits();
    if (const std::optional<CursorMove> move = perform(command))
        rebuildPage(*move);
    if (session_.markingEdits() != markingEdits && !quitRequested_)
        markingSave_->start();
}

std::optional<CursorMove> MainWindow::perform(Command command) {
    const CalendarType type = state().calendarType;
    if (!commandRunsUnder(command, type))
        return std::nullopt;
    if (const std::optional<int> days = viewShiftDays(command, type, state().lastColumnIndex)) {
        session_.moveViewByDays(*days);
        return kNoCursorMove;
    }
    if (const std::optional<CursorMove> move = cursorMoveOf(command))
        return move;
    for (FeatureController* feature : features_)
        if (const std::optional<bool> redraw = feature->run(command))
            return redrawIf(*redraw);
    return performOnPage(command);
}

std::optional<CursorMove> MainWindow::performOnPage(Command command) {
    switch (command) {
    case Command::Quit:
        endSession(false);
        close();
        return std::nullopt;
    case Command::Today:
        return moveToToday();
    case Command::DateEntry:
        return redrawIf(enterDate());
    case Command::MoreColumns:
        return redrawIf(changeColumnCount(+1));
    case Command::FewerColumns:
        return redrawIf(changeColumnCount(-1));
    case Command::CalendarChoice:
        return redrawIf(chooseCalendarType());
    case Command::BackgroundColour:
        return redrawIf(chooseBackgroundColour());
    case Command::VacationBlock:
        return redrawIf(toggleVacationBlock());
    case Command::LogIn:
        logIn();
        return std::nullopt;
    case Command::NoteMenu:
        return performFromMenu(notes_.chooseFromMenu());
    case Command::ProgramMenu:
        return performFromMenu(chooseProgramMenuCommand(this, state().calendarType));
    default:
        return redrawIf(switchCalendarType(command));
    }
}

std::optional<CursorMove> MainWindow::performFromMenu(std::optional<Command> chosen) {
    // The menu is closed before its command opens a window of its own.
    return chosen ? perform(*chosen) : std::nullopt;
}

CursorMove MainWindow::moveToToday() {
    const CivilDate today = civilFromDayNumber(session_.today());
    ViewPosition view = state().view;
    const CursorMove toToday = selectToday(view, today);
    // The sheet applies no cursor move, but the cursor must still name a day for later.
    if (!showsMonthColumns(state().calendarType))
        view.cursorDay = today.day;
    session_.setView(view);
    return toToday;
}

bool MainWindow::enterDate() {
    ViewPosition view = state().view;
    runDateEntryDialog(this, view, state().units.w, state().units.h);
    session_.setView(view);
    return true;
}

bool MainWindow::changeColumnCount(int delta) {
    const std::optional<int> stepped = steppedLastColumnIndex(state().lastColumnIndex, delta);
    if (!stepped)
        return false;
    const int previous = state().lastColumnIndex;
    const ViewPosition previousView = state().view;
    // The cursor stays on the page when its column goes.
    session_.setLastColumnIndex(*stepped);
    if (fonts_.fitWindow()) {
        relayout();
        return true;
    }
    session_.setLastColumnIndex(previous);
    session_.setView(previousView);
    services_.messages->inform(
        this, QStringLiteral("Fehler"),
        QStringLiteral("Die gewählte Anzahl der Kolumnen war für den Bildschirm zu groß!"));
    return false;
}

bool MainWindow::chooseBackgroundColour() {
    const std::optional<QColor> chosen =
        services_.chooseColour(this, colourFromWindowsValue(kInitialPageBackground));
    if (!chosen)
        return false;
    session_.setPageBackground(windowsValueFromColour(*chosen));
    applyPageBackground();
    return true;
}

bool MainWindow::chooseCalendarType() {
    CalendarType type = state().calendarType;
    runCalendarTypeDialog(this, type, state().units.w, state().units.h);
    session_.setCalendarType(type);
    updateVacationBlockToggle();
    return true;
}

bool MainWindow::switchCalendarType(Command command) {
    if (!choosesCalendarType(command))
        return false;
    session_.setCalendarType(calendarTypeAfterCommand(state().calendarType, command));
    updateVacationBlockToggle();
    return true;
}

bool MainWindow::toggleVacationBlock() {
    const bool shown = showsVacationBlockToggle(state().calendarType);
    if (shown)
        session_.setVacationBlockShown(!state().switches.vacationBlock);
    vacationBlockToggle_->setChecked(state().switches.vacationBlock);
    return shown;
}

void MainWindow::updateVacationBlockToggle() {
    vacationBlockToggle_->setChecked(state().switches.vacationBlock);
    vacationBlockToggle_->setVisible(showsVacationBlockToggle(state().calendarType));
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
    // A shift slot hit opens the shift marking of its column, which redraws the page.
    if (const std::optional<Command> marking = shiftMarkingCommand(slot))
        runCommand(*marking);
    else
        rebuildPage(kNoCursorMove);
}

} // namespace tp

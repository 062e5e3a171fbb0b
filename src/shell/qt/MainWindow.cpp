#include "shell/qt/MainWindow.h"

#include "astro/AstronomyLine.h"
#include "astro/AstronomyMarksSource.h"
#include "display/SheetGeometry.h"
#include "display/qt/PageRenderer.h"
#include "display/qt/ShiftPlanSheet.h"
#include "holidays/Holidays.h"
#include "model/Today.h"
#include "notes/DayInfoLine.h"
#include "platform/qt/Colour.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ScreenFit.h"
#include "settings/UserLogin.h"
#include "shell/CommandRules.h"
#include "shell/qt/CommandTable.h"
#include "shell/qt/PageCanvas.h"
#include "shell/qt/PageToolTip.h"
#include "shell/qt/ShownPageInput.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

namespace tp {

namespace {

QString toolTipOf(Gadget field) {
    return qText(gadgetLayout(mainWindowLayout(kFallbackUnits, pageWidthUnits(5)), field).toolTip);
}

// A line longer than its field ends in an ellipsis; the whole line is then the tool tip.
void showElided(QLineEdit& field, const QString& text, const QString& toolTip) {
    const int frame =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field)
                         : 0;
    const QMargins margins = field.textMargins();
    // The field keeps two pixels free on either side of its text.
    const int room = field.width() - 2 * frame - margins.left() - margins.right() - 2 * 2 - 1;
    const QString shown = field.fontMetrics().elidedText(text, Qt::ElideRight, room);
    field.setText(shown);
    field.setCursorPosition(0);
    field.setToolTip(shown == text ? toolTip : text);
}

// A crash, a power cut or a failed end loses at most the changes of this time.
constexpr std::chrono::milliseconds kMarkingSaveDelay{3000};

bool isLeftRelease(const QEvent* event) {
    return event->type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

} // namespace

MainWindow::MainWindow(Session& session, ShellServices services, QWidget* parent)
    : QWidget(parent), session_(session), services_(std::move(services)),
      fonts_(*this, session_, services_, pageFont_,
             [this] {
                 relayout();
                 for (QWidget* widget : gadgets_)
                     widget->setFont(pageFont_);
             }),
      help_(*this, session_, services_, pageFont_), notes_(*this, session_, services_, pageFont_),
      markings_(*this, session_, services_, pageFont_),
      accounts_(*this, session_, services_, pageFont_),
      users_(*this, session_, services_, pageFont_, help_,
             [this](const QString& text) { noteLine_->setText(text); }),
      exports_(*this, session_, services_, pageFont_, page_, lunations_),
      backups_(*this, session_, services_, pageFont_),
      calendarSync_(*this, session_, services_, pageFont_) {
    setWindowTitle(
        QString::fromStdString(mainWindowTitle(kDefaultUserName, false, state().calendarType)));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(848, 540);
    if (services_.desktopSize) {
        const QSize desktop = services_.desktopSize();
        move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);
    }
    pageFont_ = QApplication::font();
    createGadgets();
    createShortcuts();
    applyPageBackground();
    cells_.resize(state().lastColumnIndex + 1);
    neighbourPreparation_ = new QTimer(this);
    neighbourPreparation_->setSingleShot(true);
    neighbourPreparation_->setInterval(0);
    connect(neighbourPreparation_, &QTimer::timeout, this, &MainWindow::prepareNeighbouringPages);
    markingSave_ = new QTimer(this);
    markingSave_->setSingleShot(true);
    markingSave_->setInterval(kMarkingSaveDelay);
    connect(markingSave_, &QTimer::timeout, this, &MainWindow::saveChangedMarkings);
    keepOnScreen(*this);
}

void MainWindow::createGadgets() {
    for (const GadgetLayout& entry : mainWindowLayout(kFallbackUnits, pageWidthOf(state())))
        gadgets_[static_cast<std::size_t>(entry.gadget)] = createGadget(entry);
    infoLine_ = static_cast<QLineEdit*>(gadget(Gadget::InfoLine));
    noteLine_ = static_cast<QLineEdit*>(gadget(Gadget::NoteLine));
    astronomyLine_ = static_cast<QLineEdit*>(gadget(Gadget::AstronomyLine));
    hoursField_ = static_cast<QLineEdit*>(gadget(Gadget::HoursField));
    vacationField_ = static_cast<QLineEdit*>(gadget(Gadget::VacationField));
    vacationBlockToggle_ = static_cast<QPushButton*>(gadget(Gadget::VacationBlockToggle));
    for (QLineEdit* field : {infoLine_, noteLine_, astronomyLine_, hoursField_, vacationField_})
        field->installEventFilter(this);
}

QWidget* MainWindow::createGadget(const GadgetLayout& entry) {
    switch (entry.kind) {
    case GadgetKind::Button:
    case GadgetKind::ToggleButton: {
        const Command command = *commandOfButton(entry.gadget);
        const CommandButton& look = *commandEntry(command).button;
        auto* button = new QPushButton(qText(look.text), this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(qText(look.toolTip));
        button->setCheckable(entry.kind == GadgetKind::ToggleButton);
        connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
        return button;
    }
    case GadgetKind::Image:
        canvas_ = new PageCanvas(this);
        canvas_->installEventFilter(this); // the shift slots' tool tips
        connect(canvas_, &PageCanvas::leftClicked, this, &MainWindow::canvasClicked);
        connect(canvas_, &PageCanvas::leftDoubleClicked, this, &MainWindow::canvasDoubleClicked);
        connect(canvas_, &PageCanvas::rightClicked, this,
                [this] { exports_.copyPageToClipboard(true); });
        return canvas_;
    case GadgetKind::ReadOnlyField:
        break;
    }
    auto* field = new QLineEdit(this);
    field->setReadOnly(true);
    // A field with the focus would swallow the arrow keys that move the cursor.
    field->setFocusPolicy(Qt::NoFocus);
    field->setToolTip(qText(entry.toolTip));
    return field;
}

void MainWindow::applyPageBackground() {
    const QColor background = colourFromWindowsValue(state().pageBackground);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, background);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    for (QLineEdit* field : {infoLine_, noteLine_, astronomyLine_, hoursField_, vacationField_}) {
        QPalette fieldPalette = field->palette();
        fieldPalette.setColor(QPalette::Base, background);
        field->setPalette(fieldPalette);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == hoursField_ || watched == vacationField_) && isLeftRelease(event)) {
        runCommand(watched == hoursField_ ? Command::HoursEntry : Command::VacationEntry);
        return true;
    }
    // The status fields are entry points, not places to type in: the keyboard stays with the
    // page, whose keys move the cursor.
    if (event->type() == QEvent::FocusIn &&
        (watched == infoLine_ || watched == noteLine_ || watched == astronomyLine_ ||
         watched == hoursField_ || watched == vacationField_)) {
        QMetaObject::invokeMethod(canvas_, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
        return false;
    }
    if (watched == noteLine_ && notes_.noteLineClicked(event))
        return true;
    if (watched == canvas_ && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = pageToolTip(state(), cells_, canvas_->mapTo(this, help->pos()));
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, canvas_);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::startUp() {
    const bool fontTooLarge = !fonts_.fitToUserFont();

    ViewPosition view;
    showDayFirst(view, session_.today());
    session_.setView(view);
    // Days 29..31 of the first column count as present until the first drawing says otherwise.
    cells_.resize(state().lastColumnIndex + 1);
    for (int day = 29; day <= 31; ++day)
        cells_.set(0, day, 1);
    rebuildPage(kNoCursorMove);
    notes_.showNotesOfSelectedDay(false);

    if (fontTooLarge) {
        fonts_.warnFontTooLarge();
        rebuildPage(kNoCursorMove);
    }
    updateVacationBlockToggle();
}

void MainWindow::offerLastUser() {
    if (!session_.lastUserName().empty() && state().userName == kDefaultUserName)
        logIn(QString::fromStdString(session_.lastUserName()));
}

void MainWindow::logIn(const QString& userName) {
    if (!users_.logIn(userName))
        return;
    loggedIn_ = true;
    setWindowTitle(
        QString::fromStdString(mainWindowTitle(state().userName, true, state().calendarType)));
    const bool fontTooLarge = !fonts_.fitToUserFont();
    updateVacationBlockToggle();
    rebuildPage(kNoCursorMove);
    notes_.showNotesOfSelectedDay(false);
    if (fontTooLarge) {
        fonts_.warnFontTooLarge();
        rebuildPage(kNoCursorMove);
    }
}

void MainWindow::offerKeptEntries() {
    if (quitRequested_)
        return; // the run ended before the question: the entries wait for the next start
    for (const Session::KeptEntries& kept : session_.keptEntries(services_.keptEntriesFolder)) {
        if (!kept.problem.empty()) {
            tell({{kept.problem}, {}});
            continue;
        }
        // "Nein" leaves them for the next start: they are the only copy of those entries.
        if (!services_.messages->ask(this, QString::fromStdString(kept.question)))
            continue;
        tell(session_.takeOverKeptEntries(kept.file));
        // The settings may have been this user's: the page follows them as after a login.
        const bool fontTooLarge = !fonts_.fitToUserFont();
        updateVacationBlockToggle();
        rebuildPage(kNoCursorMove);
        if (fontTooLarge) {
            fonts_.warnFontTooLarge();
            rebuildPage(kNoCursorMove);
        }
    }
}

void MainWindow::saveChangedMarkings() {
    if (quitRequested_)
        return;
    // An open window may hold a copy of the bars that it hands back when it closes; what the
    // save merges in meanwhile would go with it. The save waits until the window is closed.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        markingSave_->start();
        return;
    }
    const std::vector<ShiftMarking> markingsShown = state().shiftMarkings.entries();
    const std::vector<CalendarBar> barsShown = state().calendarBars.bars();
    SessionReport report = session_.saveMarkingsAndBars();
    // A failure is not told every few seconds: the changes stay marked as changed, and the end
    // tries again and tells it.
    report.errors.clear();
    tell(report);
    // Entries another installation wrote meanwhile are merged in.
    if (state().shiftMarkings.entries() != markingsShown ||
        state().calendarBars.bars() != barsShown)
        rebuildPage(kNoCursorMove);
}

void MainWindow::tell(const SessionReport& report, QWidget* parent) {
    tellReport(*services_.messages, parent ? parent : this, report);
}

bool MainWindow::saveAtEnd(bool unasked) {
    if (unasked) {
        endFailure_ = session_.saveAllOrKeep(services_.keptEntriesFolder);
        // Nobody is there to be told of a failed backup; the end goes on all the same.
        session_.writeAutomaticBackup();
        return true;
    }
    for (;;) {
        const SessionReport report = session_.saveAll();
        if (report.ok()) {
            tell(report);
            tell(session_.writeAutomaticBackup());
            return true;
        }
        QString text;
        for (const std::string& error : report.errors)
            text += QString::fromStdString(error) + QLatin1Char('\n');
        text += QStringLiteral("\nDie Änderungen sind noch nicht gespeichert. Sie können jetzt "
                               "Platz schaffen oder die Rechte ändern und es wiederholen.");
        if (!services_.messages->choose(this, QStringLiteral("Fehler"), text,
                                        QStringLiteral("Wiederholen"),
                                        QStringLiteral("Ohne Speichern beenden"))) {
            tell(session_.writeAutomaticBackup());
            return true;
        }
    }
}

void MainWindow::relayout() {
    for (const GadgetLayout& entry : mainWindowLayout(state().units, pageWidthOf(state()))) {
        const PixelRect& rect = entry.rect;
        gadget(entry.gadget)->setGeometry(rect.x, rect.y, rect.width, rect.height);
    }
}

void MainWindow::rebuildPage(CursorMove move) {
    // The title names the shift system, which most commands may have changed.
    setWindowTitle(
        QString::fromStdString(mainWindowTitle(state().userName, loggedIn_, state().calendarType)));
    for (const CommandEntry& entry : commandTable())
        if (entry.button)
            gadget(entry.button->gadget)
                ->setEnabled(buttonWorksUnder(entry.command, state().calendarType));

    ShownPageInput shown(session_, pageFont_, lunations_);
    PageInput& input = shown.input();
    if (!showsMonthColumns(state().calendarType)) {
        showSheetStatus();
        drawShiftPlanSheet(page_, input, pageDrawing_);
        // The sheet is narrower or lower than the page area; it sits in the middle of it.
        const SheetFrame frame = sheetFrameFor(pageImageSize(state().units, pageWidthOf(state())));
        canvas_->setGeometry(frame.marginLeft, 2 * state().units.h + frame.marginTop, page_.width(),
                             page_.height());
    } else {
        relayout();
        canvas_->setFocus();
        drawMonthColumns(page_, input, cells_, pageDrawing_);
        ViewPosition view = state().view;
        applyCursorMove(view, state().lastColumnIndex, move, cells_);
        session_.setView(view);
        input.view = view;
        drawCursorFrame(page_, input);
        showStatusOfSelectedDay();
        neighbourPreparation_->start();
    }
    canvas_->showPage(&page_);
}

void MainWindow::prepareNeighbouringPages() {
    const SessionState& shown = state();
    const AstronomyMarksSource astronomy(
        shown.place, dayMarkRequestOf(shown.switches.moonPhases, shown.switches.orbitExtremes),
        lunations_);
    if (!showsMonthColumns(shown.calendarType))
        return;
    const ShownDays days = neighbouringPagesDays(shown.view, shown.lastColumnIndex);
    astronomy.prepare(days.first, days.last);
}

void MainWindow::showStatusOfSelectedDay() {
    const DayNumber selectedDay = selectedDayOf(state().view);
    infoLine_->setText(QString::fromStdString(dayInfoLine(selectedDay)));
    infoLine_->setCursorPosition(0);
    PhaseNearFlag phaseNear{};
    showElided(*astronomyLine_,
               QString::fromStdString(astronomyLine(workingDateOf(selectedDay), state().place,
                                                    phaseNear, &lunations_)),
               toolTipOf(Gadget::AstronomyLine));
    showElided(*noteLine_, notes_.noteLineText(), toolTipOf(Gadget::NoteLine));
    accounts_.showAccountFields(*hoursField_, *vacationField_);
}

void MainWindow::showSheetStatus() {
    const CivilDate today = civilFromDayNumber(session_.today());
    infoLine_->setText(QString::fromStdString(dayAndMonthText(today.day, today.month)) +
                       QStringLiteral(" ") + QString::number(today.year));
    noteLine_->setText(QStringLiteral("Der Kalender kann mit der Taste 'Z' oder der rechten "
                                      "Maustaste in die Zwischenablage kopiert werden."));
    showElided(
        *astronomyLine_,
        QStringLiteral("Die Größe des Kalenders kann mit der Schriftartgröße (Taste 'S' oder unter "
                       "'Prog.' -> 'Schriftart') angepasst werden."),
        toolTipOf(Gadget::AstronomyLine));
    accounts_.showAccountFields(*hoursField_, *vacationField_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    endSession(false);
    event->accept();
}

void MainWindow::endSession(bool unasked) {
    markingSave_->stop();
    if (!endSaved_) {
        saveAtEnd(unasked);
        // Only once the data are saved, which the sync therefore cannot touch; nobody would be
        // there to answer it when the desktop session ends.
        if (!unasked)
            calendarSync_.syncAtEnd();
    }
    endSaved_ = true;
    quitRequested_ = true;
}

} // namespace tp

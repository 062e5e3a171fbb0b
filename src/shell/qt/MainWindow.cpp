#include "shell/qt/MainWindow.h"

#include "display/qt/PageInputOf.h"

#include "astro/AstronomyLine.h"
#include "astro/AstronomyMarksSource.h"
#include "display/qt/PageFont.h"
#include "display/qt/PageRenderer.h"
#include "display/SheetGeometry.h"
#include "display/qt/ShiftPlanSheet.h"
#include "holidays/Holidays.h"
#include "model/Today.h"
#include "notes/DayInfoLine.h"
#include "platform/qt/Colour.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ScreenFit.h"
#include "settings/UserLogin.h"
#include "shell/CommandRules.h"
#include "shell/MainCommands.h"
#include "shell/qt/PageCanvas.h"
#include "shell/qt/PageToolTip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace tp {

namespace {

FontChoice fontChoiceOf(const QFont& font) {
    return {font.family().toStdString(), font.pointSize(), fontStyleOf(font)};
}

// The buttons of the navigation row deliver the command of their key.
int commandOfButton(Gadget gadget) {
    switch (gadget) {
    case Gadget::MoreColumns:
        return MoreColumns;
    case Gadget::YearBack:
        return YearBack;
    case Gadget::MonthBack:
        return MonthBack;
    case Gadget::MonthForward:
        return MonthForward;
    case Gadget::YearForward:
        return YearForward;
    case Gadget::PageBack:
        return PageBack;
    case Gadget::Today:
        return TodayButton;
    case Gadget::PageForward:
        return PageForward;
    case Gadget::Date:
        return DateEntry;
    case Gadget::Note:
        return NoteEntry;
    case Gadget::ProgramMenu:
        return ProgramMenu;
    case Gadget::User:
        return NewUser;
    case Gadget::Info:
        return InfoWindow;
    case Gadget::FewerColumns:
        return FewerColumns;
    default:
        return 0;
    }
}

QString toolTipOf(Gadget gadget) {
    for (const GadgetLayout& entry : mainWindowLayout(kFallbackUnits, pageWidthUnits(5)))
        if (entry.gadget == gadget)
            return qText(entry.toolTip);
    return {};
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

// Buttons that only make sense beside month columns.
constexpr std::array kMonthColumnButtons{Gadget::Note, Gadget::MonthBack, Gadget::MonthForward,
                                         Gadget::MoreColumns, Gadget::FewerColumns};

} // namespace

MainWindow::MainWindow(Session& session, ShellServices services, QWidget* parent)
    : QWidget(parent), session_(session), services_(std::move(services)) {
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
    createCommandTable();
    createShortcuts();
    applyPageBackground();
    cells_.resize(state().lastColumnIndex + 1);
    neighbourPreparation_ = new QTimer(this);
    neighbourPreparation_->setSingleShot(true);
    neighbourPreparation_->setInterval(0);
    connect(neighbourPreparation_, &QTimer::timeout, this, &MainWindow::prepareNeighbouringPages);
    keepOnScreen(*this);
}

void MainWindow::createGadgets() {
    const MainWindowLayout layout = mainWindowLayout(kFallbackUnits, pageWidthOf(state()));
    for (const GadgetLayout& entry : layout) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
        case GadgetKind::Button:
        case GadgetKind::ToggleButton: {
            auto* button = new QPushButton(qText(entry.text), this);
            button->setFocusPolicy(Qt::NoFocus);
            if (entry.kind == GadgetKind::ToggleButton) {
                button->setCheckable(true);
                vacationBlockToggle_ = button;
                connect(button, &QPushButton::clicked, this, [this] { toggleVacationBlock(); });
            } else {
                const int command = commandOfButton(entry.gadget);
                connect(button, &QPushButton::clicked, this,
                        [this, command] { runCommand(command); });
            }
            widget = button;
            break;
        }
        case GadgetKind::Image:
            canvas_ = new PageCanvas(this);
            canvas_->installEventFilter(this); // the shift slots' tool tips
            connect(canvas_, &PageCanvas::leftClicked, this, &MainWindow::canvasClicked);
            connect(canvas_, &PageCanvas::leftDoubleClicked, this,
                    &MainWindow::canvasDoubleClicked);
            connect(canvas_, &PageCanvas::rightClicked, this,
                    [this] { copyPageToClipboard(true); });
            widget = canvas_;
            break;
        case GadgetKind::ReadOnlyField: {
            auto* field = new QLineEdit(this);
            field->setReadOnly(true);
            // A field with the focus would swallow the arrow keys that move the cursor.
            field->setFocusPolicy(Qt::NoFocus);
            widget = field;
            break;
        }
        }
        widget->setToolTip(qText(entry.toolTip));
        gadgets_[static_cast<std::size_t>(entry.gadget)] = widget;
    }
    infoLine_ = static_cast<QLineEdit*>(gadget(Gadget::InfoLine));
    noteLine_ = static_cast<QLineEdit*>(gadget(Gadget::NoteLine));
    astronomyLine_ = static_cast<QLineEdit*>(gadget(Gadget::AstronomyLine));
    hoursField_ = static_cast<QLineEdit*>(gadget(Gadget::HoursField));
    vacationField_ = static_cast<QLineEdit*>(gadget(Gadget::VacationField));
    for (QLineEdit* field : {infoLine_, noteLine_, astronomyLine_, hoursField_, vacationField_})
        field->installEventFilter(this);
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
    if (openAccountOfField(watched, event))
        return true;
    // The status fields are entry points, not places to type in: the keyboard stays with the
    // page, whose keys move the cursor.
    if (event->type() == QEvent::FocusIn &&
        (watched == infoLine_ || watched == noteLine_ || watched == astronomyLine_ ||
         watched == hoursField_ || watched == vacationField_)) {
        QMetaObject::invokeMethod(canvas_, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
        return false;
    }
    if (watched == noteLine_ && noteLineClicked(event))
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
    const bool fontTooLarge = !fitToUserFont();

    ViewPosition view;
    showDayFirst(view, session_.today());
    session_.setView(view);
    // Days 29..31 of the first column count as present until the first drawing says otherwise.
    cells_.resize(state().lastColumnIndex + 1);
    for (int day = 29; day <= 31; ++day)
        cells_.set(0, day, 1);
    rebuildPage(kNoCursorMove);
    showNotesOfSelectedDay(false);

    if (fontTooLarge)
        warnFontTooLarge();
    updateVacationBlockToggle();
}

void MainWindow::tell(const SessionReport& report, QWidget* parent) {
    if (!parent)
        parent = this;
    for (const std::string& error : report.errors)
        services_.messages->inform(parent, QStringLiteral("Fehler"), QString::fromStdString(error));
    for (const std::string& notice : report.notices)
        services_.messages->inform(parent, QStringLiteral("Information"),
                                   QString::fromStdString(notice));
}

bool MainWindow::saveAtEnd(bool unasked) {
    for (;;) {
        const SessionReport report = session_.saveAll();
        if (report.ok() || unasked) {
            if (!unasked)
                tell(report);
            return true;
        }
        QString text;
        for (const std::string& error : report.errors)
            text += QString::fromStdString(error) + QLatin1Char('\n');
        text += QStringLiteral("\nDie Änderungen sind noch nicht gespeichert. Sie können jetzt "
                               "Platz schaffen oder die Rechte ändern und es wiederholen.");
        if (!services_.messages->choose(this, QStringLiteral("Fehler"), text,
                                        QStringLiteral("Wiederholen"),
                                        QStringLiteral("Ohne Speichern beenden")))
            return true;
    }
}

bool MainWindow::fitToUserFont() {
    auto font = pageFontOf(state().font);
    session_.setUnits(unitsOfFont(font));

    bool fits = fitWindow();
    if (!fits && state().lastColumnIndex > kMinLastColumnIndex) {
        session_.setLastColumnIndex(kMinLastColumnIndex);
        fits = fitWindow();
    }
    if (!fits) {
        // No page larger than the screen is drawn: the size goes back to the default before
        // anything is drawn, and the warning and the font dialog appear in that font.
        FontChoice defaultSize = state().font;
        defaultSize.size = FontChoice{}.size;
        session_.setFont(defaultSize);
        font = pageFontOf(state().font);
        session_.setUnits(unitsOfFont(font));
        fitWindow();
    }
    setPageFont(font.value_or(QApplication::font()));
    relayout();
    applyFontToGadgets();
    return fits;
}

void MainWindow::warnFontTooLarge() {
    // The page comes first, then the warning; the window stays on the desktop, even if the
    // page does not fit on it.
    keepOnDesktop();
    show();
    services_.messages->inform(this, QStringLiteral("Fehler"),
                               QStringLiteral("Der Zeichensatz ist für den Bildschirm zu groß!"));
    fontDialog();
    rebuildPage(kNoCursorMove);
}

bool MainWindow::fitWindow() {
    const QSize desktop = services_.desktopSize();
    const PixelSize desktopSize{desktop.width(), desktop.height()};
    if (!clientFitsDesktop(state().units, pageWidthOf(state()), desktopSize))
        return false;
    const PixelRect client = centredClientRect(state().units, pageWidthOf(state()), desktopSize);
    setFixedSize(client.width, client.height);
    setGeometry(client.x, client.y, client.width, client.height);
    keepOnScreen(*this); // the frame too, on the available area
    return true;
}

void MainWindow::keepOnDesktop() {
    const QSize desktop = services_.desktopSize();
    const PixelSize client = clientSize(state().units, pageWidthOf(state()));
    const int width = std::min(client.width, desktop.width());
    const int height = std::min(client.height, desktop.height());
    setFixedSize(width, height);
    // Placed by its frame, so that the title bar is on the desktop too.
    move(std::max(0, (desktop.width() - width) / 2), std::max(0, (desktop.height() - height) / 2));
    keepOnScreen(*this);
}

void MainWindow::relayout() {
    const MainWindowLayout layout = mainWindowLayout(state().units, pageWidthOf(state()));
    for (const GadgetLayout& entry : layout) {
        const PixelRect& rect = entry.rect;
        gadget(entry.gadget)->setGeometry(rect.x, rect.y, rect.width, rect.height);
    }
}

void MainWindow::setPageFont(const QFont& font) {
    pageFont_ = font;
    // Dialogs opened later are measured in the units of this font, so they use it too.
    QApplication::setFont(font);
}

void MainWindow::applyFontToGadgets() {
    for (QWidget* widget : gadgets_)
        widget->setFont(pageFont_);
}

void MainWindow::fontDialog() {
    const std::optional<QFont> chosen = services_.chooseFont(this, pageFont_);
    if (!chosen)
        return;
    const QFont previous = pageFont_;
    const LayoutUnits previousUnits = state().units;
    LayoutUnits units = previousUnits;
    measureUnits(*chosen, units.w, units.h);
    session_.setUnits(units);
    if (fitWindow()) {
        setPageFont(*chosen);
        session_.setFont(fontChoiceOf(*chosen));
        relayout();
        applyFontToGadgets();
        return;
    }
    // Measured again, the previous font gives slightly larger units than before: the window
    // grows with them, or keeps the units it had where the desktop has no room for that.
    measureUnits(previous, units.w, units.h);
    session_.setUnits(units);
    if (!fitWindow()) {
        session_.setUnits(previousUnits);
        fitWindow();
    }
    setPageFont(previous);
    relayout();
    applyFontToGadgets();
    services_.messages->inform(
        this, QStringLiteral("Fehler"),
        QStringLiteral("Der gewählte Zeichensatz war für den Bildschirm zu groß!"));
}

void MainWindow::rebuildPage(CursorMove move) {
    // The title names the shift system, which most commands may have changed.
    setWindowTitle(
        QString::fromStdString(mainWindowTitle(state().userName, loggedIn_, state().calendarType)));
    const bool sheet = !showsMonthColumns(state().calendarType);
    for (Gadget button : kMonthColumnButtons)
        gadget(button)->setEnabled(!sheet);

    const SessionState& shown = state();
    const PageMarkSources marks(shown.place, shown.switches, shown.noteIndexes, shown.shiftMarkings,
                                shown.calendarBars, shown.calendarType, lunations_);
    PageInput input = pageInputOf(session_.pageLook(), pageFont_, marks.all());
    if (sheet) {
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
    const DayNumber selectedDay = this->selectedDay();
    infoLine_->setText(QString::fromStdString(dayInfoLine(selectedDay)));
    infoLine_->setCursorPosition(0);
    PhaseNearFlag phaseNear{};
    showElided(*astronomyLine_,
               QString::fromStdString(astronomyLine(workingDateOf(selectedDay), state().place,
                                                    phaseNear, &lunations_)),
               toolTipOf(Gadget::AstronomyLine));
    showElided(*noteLine_, noteLineText(), toolTipOf(Gadget::NoteLine));
    showAccountFields();
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
    showAccountFields();
}

void MainWindow::updateVacationBlockToggle() {
    vacationBlockToggle_->setChecked(state().switches.vacationBlock);
    vacationBlockToggle_->setVisible(showsVacationBlockToggle(state().calendarType));
}

void MainWindow::toggleVacationBlock() {
    if (showsVacationBlockToggle(state().calendarType)) {
        session_.setVacationBlockShown(!state().switches.vacationBlock);
        rebuildPage(kNoCursorMove);
    }
    vacationBlockToggle_->setChecked(state().switches.vacationBlock);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    endSession(false);
    event->accept();
}

void MainWindow::endSession(bool unasked) {
    if (!endSaved_)
        saveAtEnd(unasked);
    endSaved_ = true;
    quitRequested_ = true;
}

} // namespace tp

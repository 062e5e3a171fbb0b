#include "accounts/qt/CalendarExportWindow.h"
#include "model/qt/DayNumberQDate.h"

#include "accounts/ICalendarText.h"
#include "markings/qt/DialogButtons.h"
#include "platform/AtomicFile.h"
#include "platform/qt/DateField.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QButtonGroup>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tp {

namespace {

DateField* newDateField(QWidget* window, DayNumber day) {
    auto* field = new DateField(window);
    field->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    field->setDateRange(qDateOf(kFirstSupportedDay), qDateOf(kLastSupportedDay));
    field->setDate(qDateOf(std::clamp(day, kFirstSupportedDay, kLastSupportedDay)));
    return field;
}

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::filesystem::path pathOf(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

} // namespace

CalendarExportWindow::CalendarExportWindow(const CalendarExportInput& input, const Clock& clock,
                                           MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), input_(input), stampSeconds_(clock.secondsSinceEpoch()),
      messages_(messages) {
    setWindowTitle(QStringLiteral("Kalender exportieren"));
    const CalendarType type = input.system.calendarType;
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    auto* crews = new QHBoxLayout;
    crewOptions_ = new QButtonGroup(this);
    for (int crew = 0; crew < crewCount(type); ++crew) {
        auto* option = new QRadioButton(QString::fromStdString(crewDisplayName(crew, type)), this);
        crewOptions_->addButton(option, crew);
        crews->addWidget(option);
    }
    const int baseCrew =
        input.baseCrew >= 0 && input.baseCrew < crewCount(type) ? input.baseCrew : 0;
    crewOptions_->button(baseCrew)->setChecked(true);
    form->addRow(QStringLiteral("Schicht:"), crews);

    fromField_ = newDateField(this, input.days.first);
    toField_ = newDateField(this, input.days.last);
    form->addRow(QStringLiteral("Von:"), fromField_);
    form->addRow(QStringLiteral("Bis:"), toField_);

    auto* fileRow = new QHBoxLayout;
    fileField_ = new QLineEdit(pathText(input.file), this);
    fileField_->setMinimumWidth(40 * fontMetrics().averageCharWidth());
    auto* chooseButton = new QPushButton(QStringLiteral("Wählen…"), this);
    chooseButton->setToolTip(
        QStringLiteral("Die Datei wählen, in die der Kalender geschrieben wird"));
    chooseButton->setAutoDefault(false);
    connect(chooseButton, &QPushButton::clicked, this, &CalendarExportWindow::chooseFile);
    fileRow->addWidget(fileField_);
    fileRow->addWidget(chooseButton);
    form->addRow(QStringLiteral("Datei:"), fileRow);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    exportButton_ = addDialogButton(
        buttons, QStringLiteral("Exportieren"),
        QStringLiteral("Schreibt die Schichten als Kalenderdatei für Kalender-Apps"),
        QDialogButtonBox::AcceptRole);
    exportButton_->setDefault(true);
    addDialogButton(buttons, QStringLiteral("Abbruch"), kCancelToolTip,
                    QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CalendarExportWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    widenToTitle(*this);
    fitToScreen(*this);
}

CrewCalendarRequest CalendarExportWindow::request() const {
    CrewCalendarRequest request;
    request.system = input_.system;
    request.crew = crewOptions_->checkedId();
    request.from = dayOf(fromField_->date());
    request.to = dayOf(toField_->date());
    request.markings = input_.markings;
    request.bars = input_.bars;
    return request;
}

void CalendarExportWindow::chooseFile() {
    QFileDialog dialog(this, QStringLiteral("Kalender speichern unter"), fileField_->text(),
                       QStringLiteral("Kalenderdateien (*.ics)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("ics"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        fileField_->setText(dialog.selectedFiles().front());
}

void CalendarExportWindow::accept() {
    const CrewCalendarRequest chosen = request();
    if (chosen.from > chosen.to) {
        messages_.inform(this, QStringLiteral("Fehler"),
                         QStringLiteral("Das Enddatum liegt vor dem Anfangsdatum."));
        return;
    }
    const QString fileName = fileField_->text().trimmed();
    if (fileName.isEmpty()) {
        messages_.inform(this, QStringLiteral("Fehler"),
                         QStringLiteral("Bitte eine Datei für den Kalender wählen."));
        return;
    }
    const WriteResult written =
        writeFileAtomically(pathOf(fileName), crewCalendarText(chosen, stampSeconds_));
    if (!written) {
        // The window stays open for another file.
        messages_.inform(this, QStringLiteral("Fehler"),
                         QStringLiteral("Der Kalender konnte nicht gespeichert werden: ") +
                             QString::fromStdString(written.reason));
        return;
    }
    QDialog::accept();
}

} // namespace tp

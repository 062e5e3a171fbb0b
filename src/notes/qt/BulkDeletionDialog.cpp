#include "notes/qt/BulkDeletionDialog.h"
#include "model/qt/DayNumberQDate.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tp {

namespace {

QCheckBox* addBox(QVBoxLayout* group, const QString& label) {
    auto* box = new QCheckBox(label);
    group->addWidget(box);
    return box;
}

} // namespace

BulkDeletionDialog::BulkDeletionDialog(DayNumber selectedDay, int unitW, int unitH, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Lösche Notizen und Markierungen"));
    setMinimumWidth(40 * unitW);
    auto* layout = new QVBoxLayout(this);
    widenToTitle(*this);
    fitToScreen(*this);
    layout->setContentsMargins(unitW, unitH, unitW, unitH);

    auto* upTo = new QGroupBox(QStringLiteral("Notizen löschen bis zum"));
    auto* upToColumn = new QVBoxLayout(upTo);
    dateField_ = new QDateEdit;
    dateField_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dateField_->setDateRange(qDateOf(kFirstSupportedDay), qDateOf(kLastSupportedDay));
    dateField_->setDate(qDateOf(std::clamp(selectedDay, kFirstSupportedDay, kLastSupportedDay)));
    upToColumn->addWidget(dateField_);
    dayNotes_ = addBox(upToColumn, QStringLiteral("Tagesnotizen"));
    shiftMarkings_ = addBox(upToColumn, QStringLiteral("Schichtmarkierungen"));
    calendarBars_ = addBox(upToColumn, QStringLiteral("Kalendermarkierungen"));
    layout->addWidget(upTo);

    auto* all = new QGroupBox(QStringLiteral("Alle Notizen löschen"));
    auto* allColumn = new QVBoxLayout(all);
    periodicNotes_ = addBox(allColumn, QStringLiteral("Periodische Notizen"));
    yearlyNotes_ = addBox(allColumn, QStringLiteral("Jährliche Notizen"));
    weekdayNotes_ = addBox(allColumn, QStringLiteral("Wochentag im Monat"));
    layout->addWidget(all);

    auto* buttons = new QHBoxLayout;
    deleteButton_ = new QPushButton(QStringLiteral("Löschen"));
    deleteButton_->setToolTip(QStringLiteral("Löscht die Notizen"));
    deleteButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(QStringLiteral("Abbruch"));
    cancelButton_->setToolTip(QStringLiteral("Verlässt das Eingabefenster ohne Löschen"));
    cancelButton_->setAutoDefault(false);
    buttons->addWidget(deleteButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);

    connect(deleteButton_, &QPushButton::clicked, this, [this] {
        if (choice().anything())
            accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

BulkDeletionChoice BulkDeletionDialog::choice() const {
    const QDate date = dateField_->date();
    BulkDeletionChoice choice;
    choice.lastDay = dayNumberOf(date.year(), date.month(), date.day());
    choice.dayNotes = dayNotes_->isChecked();
    choice.shiftMarkings = shiftMarkings_->isChecked();
    choice.calendarBars = calendarBars_->isChecked();
    choice.periodicNotes = periodicNotes_->isChecked();
    choice.yearlyNotes = yearlyNotes_->isChecked();
    choice.weekdayNotes = weekdayNotes_->isChecked();
    return choice;
}

std::optional<BulkDeletionChoice> runBulkDeletionDialog(QWidget* parent, MessageBoxes& messages,
                                                        DayNumber selectedDay, int unitW, int unitH,
                                                        const QString& backupFolder) {
    BulkDeletionDialog dialog(selectedDay, unitW, unitH, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QString question = QStringLiteral("Sollen die Notizen wirklich alle gelöscht werden?");
    if (!backupFolder.isEmpty())
        question += QStringLiteral("\n\nVorher wird eine Sicherung der Daten in den Ordner "
                                   "\"%1\" geschrieben.")
                        .arg(backupFolder);
    if (!messages.ask(parent, question))
        return std::nullopt;
    return dialog.choice();
}

} // namespace tp

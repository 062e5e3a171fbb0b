#pragma once

#include "notes/BulkDeletion.h"
#include "platform/qt/MessageBoxes.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QDateEdit;
class QPushButton;

namespace tp {

// "Lösche Notizen und Markierungen": the day up to which day notes, shift markings and calendar
// bars go, and the repeating note kinds to delete altogether. "Löschen" ends it only when
// something is chosen.
class BulkDeletionDialog : public QDialog {
    Q_OBJECT

  public:
    BulkDeletionDialog(DayNumber selectedDay, int unitW, int unitH, QWidget* parent = nullptr);

    BulkDeletionChoice choice() const;

    QDateEdit* dateField() const { return dateField_; }
    QCheckBox* dayNotesBox() const { return dayNotes_; }
    QCheckBox* shiftMarkingsBox() const { return shiftMarkings_; }
    QCheckBox* calendarBarsBox() const { return calendarBars_; }
    QCheckBox* periodicNotesBox() const { return periodicNotes_; }
    QCheckBox* yearlyNotesBox() const { return yearlyNotes_; }
    QCheckBox* weekdayNotesBox() const { return weekdayNotes_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

  private:
    QDateEdit* dateField_ = nullptr;
    QCheckBox* dayNotes_ = nullptr;
    QCheckBox* shiftMarkings_ = nullptr;
    QCheckBox* calendarBars_ = nullptr;
    QCheckBox* periodicNotes_ = nullptr;
    QCheckBox* yearlyNotes_ = nullptr;
    QCheckBox* weekdayNotes_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Opens the dialog and asks for confirmation; the choice to carry out, or nothing. The question
// names `backupFolder`, where a backup is written before the deletion, when given.
std::optional<BulkDeletionChoice> runBulkDeletionDialog(QWidget* parent, MessageBoxes& messages,
                                                        DayNumber selectedDay, int unitW, int unitH,
                                                        const QString& backupFolder = {});

} // namespace tp

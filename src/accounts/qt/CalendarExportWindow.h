#pragma once

#include "accounts/CrewEvents.h"
#include "model/ViewPosition.h"
#include "platform/Clock.h"

#include <QDialog>

#include <cstdint>
#include <filesystem>

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace tp {

class DateField;
class MessageBoxes;

// What the export window starts from: the shift system shown, the user's base crew, the days
// of the displayed months, and the user's markings and bars (none without a user folder).
struct CalendarExportInput {
    ShiftSystem system;
    int baseCrew = 0;
    ShownDays days;
    const ShiftMarkingList* markings = nullptr;
    const CalendarBarList* bars = nullptr;
    std::filesystem::path file; // the file offered first
};

// "Kalender exportieren": a crew, a first and a last day and a file; "Exportieren" writes the
// crew's shifts there as the iCalendar file of `turnoplaner-cli ics` and closes the window.
class CalendarExportWindow : public QDialog {
    Q_OBJECT

  public:
    // The time stamp of the file is the moment the window opens.
    CalendarExportWindow(const CalendarExportInput& input, const Clock& clock,
                         MessageBoxes& messages, QWidget* parent = nullptr);

    // The calendar of the crew and the days as chosen.
    CrewCalendarRequest request() const;

    QButtonGroup* crewOptions() const { return crewOptions_; }
    DateField* fromField() const { return fromField_; }
    DateField* toField() const { return toField_; }
    QLineEdit* fileField() const { return fileField_; }
    QPushButton* exportButton() const { return exportButton_; }

  public slots:
    void accept() override;

  private:
    void chooseFile();

    CalendarExportInput input_;
    std::int64_t stampSeconds_;
    MessageBoxes& messages_;
    QButtonGroup* crewOptions_ = nullptr;
    DateField* fromField_ = nullptr;
    DateField* toField_ = nullptr;
    QLineEdit* fileField_ = nullptr;
    QPushButton* exportButton_ = nullptr;
};

} // namespace tp

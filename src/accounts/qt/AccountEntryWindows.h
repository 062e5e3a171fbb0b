#pragma once

#include "accounts/AccountFiles.h"

#include <QDialog>

#include <filesystem>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;

namespace tp {

class MessageBoxes;

// "Stunden eingeben": the balance on a start day, its mode, the base crew and the block flag.
class HoursEntryWindow : public QDialog {
    Q_OBJECT

  public:
    // The date starts at the account's start day, or at `today` for an account without one.
    HoursEntryWindow(const HoursAccount& account, DayNumber today, QWidget* parent = nullptr);

    // What "Speichern" stores.
    HoursAccount enteredAccount() const;
    // The base crew and block flag as chosen, also when the window is left without saving.
    int chosenBaseCrew() const;
    bool blockFlag() const;

    QDateEdit* dateField() const { return dateField_; }
    QLineEdit* hoursField() const { return hoursField_; }
    QRadioButton* minutesOption() const { return minutesOption_; }
    QRadioButton* decimalOption() const { return decimalOption_; }
    QButtonGroup* crewOptions() const { return crewOptions_; }
    QCheckBox* blockBox() const { return blockBox_; }

  private:
    QDateEdit* dateField_ = nullptr;
    QLineEdit* hoursField_ = nullptr;
    QRadioButton* minutesOption_ = nullptr;
    QRadioButton* decimalOption_ = nullptr;
    QButtonGroup* crewOptions_ = nullptr;
    QCheckBox* blockBox_ = nullptr;
};

// "Urlaub eingeben": the days left on a start day within the current year, and the base crew.
class VacationEntryWindow : public QDialog {
    Q_OBJECT

  public:
    VacationEntryWindow(const VacationAccount& account, int baseCrew, int currentYear,
                        QWidget* parent = nullptr);

    VacationAccount enteredAccount() const;
    int chosenBaseCrew() const;

    QDateEdit* dateField() const { return dateField_; }
    QLineEdit* daysField() const { return daysField_; }
    QButtonGroup* crewOptions() const { return crewOptions_; }

  private:
    QDateEdit* dateField_ = nullptr;
    QLineEdit* daysField_ = nullptr;
    QButtonGroup* crewOptions_ = nullptr;
};

// The windows over the account as read; what "Speichern" is to store, or nothing when the
// window was left otherwise. The caller stores only what the user changed.
std::optional<HoursAccount> runHoursEntryWindow(QWidget* parent, const HoursAccount& account,
                                                DayNumber today);

struct VacationWindowEntry {
    VacationAccount account;
    int baseCrew = 0;
};
std::optional<VacationWindowEntry> runVacationEntryWindow(QWidget* parent,
                                                          const VacationAccount& account,
                                                          int baseCrew, DayNumber today);

} // namespace tp

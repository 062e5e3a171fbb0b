#pragma once

#include "settings/ProgramSettings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tp {

class MessageBoxes;

// What the dialog asks of the window that opens it.
struct SettingsDialogHooks {
    // The place name is taken over while it is typed; the count text ("12 von max. 50
    // Zeichen.") belongs in a status field of the main window.
    std::function<void(const QString& placeName, const QString& countText)> placeNameChanged;
    // "Info": the help text of the settings, opened on top of the dialog.
    std::function<void(QWidget* dialog)> showHelp;
};

// "Programmeinstellungen": place and time zone, display switches, vacation block and target
// hours in four frames. Accepted by "Speichern"; "Abbruch", Escape and the close box reject.
class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    SettingsDialog(const ProgramSettings& settings, int calendarYear, MessageBoxes& messages,
                   SettingsDialogHooks hooks = {}, QWidget* parent = nullptr);

    // The settings the dialog opened on, with the values as its fields show them now, signs
    // from the options.
    ProgramSettings settings() const;
    QString placeName() const;

    QLineEdit* placeNameField() const { return placeName_; }
    QLineEdit* longitudeField() const { return longitude_; }
    QLineEdit* latitudeField() const { return latitude_; }
    QLineEdit* timeZoneField() const { return timeZone_; }
    QRadioButton* longitudeEastOption() const { return longitudeEast_; }
    QRadioButton* longitudeWestOption() const { return longitudeWest_; }
    QRadioButton* latitudeNorthOption() const { return latitudeNorth_; }
    QRadioButton* latitudeSouthOption() const { return latitudeSouth_; }
    QRadioButton* timeZoneEastOption() const { return timeZoneEast_; }
    QRadioButton* timeZoneWestOption() const { return timeZoneWest_; }
    QDateEdit* vacationStartField() const { return vacationStart_; }
    QComboBox* crewOrderList() const { return crewOrder_; }
    QLineEdit* targetHours38Field() const { return targetHours38_; }
    QLineEdit* targetHours40Field() const { return targetHours40_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* infoButton() const { return info_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* resetVacationButton() const { return resetVacation_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void takeOverPlaceName();
    void normaliseField(QLineEdit* field);
    // Stores when every number can be read, else names the field and its range.
    void saveIfValid();
    void resetVacation();

    const ProgramSettings opened_;
    MessageBoxes& messages_;
    SettingsDialogHooks hooks_;
    int calendarYear_;
    QString acceptedPlaceName_;

    QLineEdit* placeName_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* timeZone_ = nullptr;
    QRadioButton* longitudeEast_ = nullptr;
    QRadioButton* longitudeWest_ = nullptr;
    QRadioButton* latitudeNorth_ = nullptr;
    QRadioButton* latitudeSouth_ = nullptr;
    QRadioButton* timeZoneEast_ = nullptr;
    QRadioButton* timeZoneWest_ = nullptr;
    QCheckBox* summerTime_ = nullptr;
    QRadioButton* twilight_[3] = {};
    QCheckBox* moonPhases_ = nullptr;
    QCheckBox* orbitExtremes_ = nullptr;
    QCheckBox* weekNumbers_ = nullptr;
    QCheckBox* schoolHolidays_ = nullptr;
    QDateEdit* vacationStart_ = nullptr;
    QPushButton* resetVacation_ = nullptr;
    QComboBox* crewOrder_ = nullptr;
    QLineEdit* targetHours38_ = nullptr;
    QLineEdit* targetHours40_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* info_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Opens the dialog on the current settings. The place name is kept whatever way the dialog
// is left (it is taken over while typed); on "Speichern" all values go into `settings`. True
// when stored: the caller then has the session store the settings and redraws the page, the
// astronomy line and the accounts. `calendarYear` bounds the vacation start and names the crew
// orders.
bool editProgramSettings(QWidget* parent, ProgramSettings& settings, int calendarYear,
                         MessageBoxes& messages, SettingsDialogHooks hooks = {});

} // namespace tp

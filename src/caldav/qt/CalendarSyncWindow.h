#pragma once

#include "accounts/CrewEvents.h"
#include "caldav/CalDavDiscovery.h"
#include "caldav/CalendarSync.h"
#include "platform/Clock.h"
#include "settings/ProgramSettings.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QThread;

namespace tp {

class MessageBoxes;
class PasswordKeyring;

inline constexpr const char* kNoKeyringMessage =
    "Kein Schlüsselbund gefunden: Das Passwort wird nicht gespeichert und bei jedem Abgleich "
    "abgefragt.";

// What the window works with; the functions are called on the window's thread.
struct CalendarSyncWindowInput {
    CalendarSyncChoices choices;
    CalendarType calendarType = CalendarType::WendringPm1;
    int baseCrew = 0;
    // The crew's events from `from` to `to` as the page has them now (the `ics` export's).
    std::function<std::vector<CrewEvent>(int crew, DayNumber from, DayNumber to)> events;
    // Keeps the choices in the user's settings.
    std::function<void(const CalendarSyncChoices&)> store;
    PasswordKeyring* keyring = nullptr; // none: the password is asked at each sync
};

// "Kalender-Abgleich": where the crew's shifts are kept in a CalDAV calendar, and "Jetzt
// abgleichen", which runs beside the program so that the page stays usable meanwhile.
class CalendarSyncWindow : public QDialog {
    Q_OBJECT

  public:
    CalendarSyncWindow(CalendarSyncWindowInput input, const Clock& clock, MessageBoxes& messages,
                       QWidget* parent = nullptr);
    ~CalendarSyncWindow() override;

    // The choices as the fields show them; a value the user never set stays unset.
    CalendarSyncChoices choices() const;
    bool syncRunning() const { return worker_ != nullptr; }
    // Whether the last search or sync ended with a failure, which the result line tells.
    bool lastFailed() const { return lastFailed_; }
    // Stops a running sync and waits for it, at most `milliseconds`.
    void cancelSync(int milliseconds = 5000);

    QLineEdit* serverField() const { return serverField_; }
    QLineEdit* userField() const { return userField_; }
    QLineEdit* passwordField() const { return passwordField_; }
    QPushButton* searchButton() const { return searchButton_; }
    QComboBox* calendarField() const { return calendarField_; }
    QComboBox* crewField() const { return crewField_; }
    QSpinBox* monthsBeforeField() const { return monthsBeforeField_; }
    QSpinBox* monthsAfterField() const { return monthsAfterField_; }
    QSpinBox* reminderField() const { return reminderField_; }
    QCheckBox* atEndField() const { return atEndField_; }
    QPushButton* syncButton() const { return syncButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* infoButton() const { return infoButton_; }
    QLabel* progressLabel() const { return progressLabel_; }
    QLabel* resultLabel() const { return resultLabel_; }
    QLabel* keyringLabel() const { return keyringLabel_; }

  public slots:
    // Runs the discovery at the server address and lists what it finds.
    void searchCalendars();
    // Starts the sync in the background.
    void startSync();

  signals:
    void helpRequested();
    void syncProgress(int done, int total);
    void syncFinished();

  private:
    void storeChoices();
    void showProgress(int done, int total);
    void finishSync(const caldav::SyncResult& result);
    void fail(const caldav::Failure& failure);
    // The client for the fields' server and user; null, with the reason shown, when none.
    std::unique_ptr<caldav::HttpClient> httpClient();
    bool keyringAnswers() const;
    std::string keyringAccount() const;
    // Keeps the password that worked in the keyring, or says that none takes it.
    void passwordWorked();

    CalendarSyncWindowInput input_;
    const Clock& clock_;
    MessageBoxes& messages_;
    std::string homeSetUrl_;
    std::atomic<bool> cancelled_{false};
    bool lastFailed_ = false;
    QThread* worker_ = nullptr;
    QLineEdit* serverField_ = nullptr;
    QLineEdit* userField_ = nullptr;
    QLineEdit* passwordField_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QComboBox* calendarField_ = nullptr;
    QComboBox* crewField_ = nullptr;
    QSpinBox* monthsBeforeField_ = nullptr;
    QSpinBox* monthsAfterField_ = nullptr;
    QSpinBox* reminderField_ = nullptr;
    QCheckBox* atEndField_ = nullptr;
    QPushButton* syncButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* infoButton_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QLabel* keyringLabel_ = nullptr;
};

} // namespace tp

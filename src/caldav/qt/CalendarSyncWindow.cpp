#include "caldav/qt/CalendarSyncWindow.h"

#include "caldav/LoadedHttpClient.h"
#include "caldav/qt/KeyringPassword.h"
#include "markings/qt/DialogButtons.h"
#include "model/Today.h"
#include "model/qt/DayNumberQDate.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace tp {

namespace {

const QString kNewCalendarName = QStringLiteral("Turnoplaner");

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

QSpinBox* newSpinBox(QWidget* parent, int maximum, int value) {
    auto* field = new QSpinBox(parent);
    field->setRange(0, maximum);
    field->setValue(value);
    return field;
}

// A choice keeps its value once set, and gets one when the user moves it off the default.
template <typename T> std::optional<T> chosen(const std::optional<T>& before, T shown, T preset) {
    if (before || shown != preset)
        return shown;
    return std::nullopt;
}

} // namespace

CalendarSyncWindow::CalendarSyncWindow(CalendarSyncWindowInput input, const Clock& clock,
                                       MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), input_(std::move(input)), clock_(clock), messages_(messages) {
    setWindowTitle(QStringLiteral("Kalender-Abgleich"));
    const CalendarSyncChoices& choices = input_.choices;
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    serverField_ = new QLineEdit(qText(choices.serverAddress), this);
    serverField_->setMinimumWidth(40 * fontMetrics().averageCharWidth());
    serverField_->setPlaceholderText(QStringLiteral("https://cloud.example.de/remote.php/dav"));
    form->addRow(QStringLiteral("Serveradresse:"), serverField_);
    userField_ = new QLineEdit(qText(choices.userName), this);
    form->addRow(QStringLiteral("Benutzername:"), userField_);
    passwordField_ = new QLineEdit(this);
    passwordField_->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Passwort:"), passwordField_);
    keyringLabel_ = new QLabel(this);
    keyringLabel_->setWordWrap(true);
    // Asked also without an account yet, so that the window tells at once when none runs.
    if (input_.keyring) {
        const auto kept = input_.keyring->read(keyringAccount());
        if (kept && !choices.userName.empty() && !choices.serverAddress.empty())
            passwordField_->setText(QString::fromStdString(*kept));
    }
    if (!keyringAnswers())
        keyringLabel_->setText(QString::fromUtf8(kNoKeyringMessage));
    keyringLabel_->setVisible(!keyringAnswers());
    form->addRow(QString(), keyringLabel_);

    auto* calendarRow = new QHBoxLayout;
    calendarField_ = new QComboBox(this);
    calendarField_->setMinimumWidth(25 * fontMetrics().averageCharWidth());
    if (!choices.calendarUrl.empty())
        calendarField_->addItem(qText(choices.calendarUrl), qText(choices.calendarUrl));
    searchButton_ = new QPushButton(QStringLiteral("Kalender suchen"), this);
    searchButton_->setAutoDefault(false);
    searchButton_->setToolTip(QStringLiteral("Fragt den Server nach den Kalendern des Benutzers"));
    connect(searchButton_, &QPushButton::clicked, this, &CalendarSyncWindow::searchCalendars);
    calendarRow->addWidget(calendarField_, 1);
    calendarRow->addWidget(searchButton_);
    form->addRow(QStringLiteral("Kalender:"), calendarRow);

    crewField_ = new QComboBox(this);
    for (int crew = 0; crew < crewCount(input_.calendarType); ++crew)
        crewField_->addItem(qText(crewDisplayName(crew, input_.calendarType)));
    const int crew = choices.crew.value_or(input_.baseCrew);
    crewField_->setCurrentIndex(crew >= 0 && crew < crewField_->count() ? crew : 0);
    form->addRow(QStringLiteral("Schicht:"), crewField_);
    monthsBeforeField_ = newSpinBox(this, 120, choices.monthsBeforeToday());
    form->addRow(QStringLiteral("Monate vor heute:"), monthsBeforeField_);
    monthsAfterField_ = newSpinBox(this, 120, choices.monthsAfterToday());
    form->addRow(QStringLiteral("Monate nach heute:"), monthsAfterField_);
    reminderField_ = newSpinBox(this, 7 * 24 * 60, choices.reminderMinutes());
    reminderField_->setSpecialValueText(QStringLiteral("keine"));
    form->addRow(QStringLiteral("Erinnerung (Minuten vorher):"), reminderField_);
    atEndField_ = new QCheckBox(QStringLiteral("Beim Beenden abgleichen"), this);
    atEndField_->setChecked(choices.syncWhenEnding());
    form->addRow(QString(), atEndField_);
    layout->addLayout(form);

    progressLabel_ = new QLabel(this);
    resultLabel_ = new QLabel(this);
    resultLabel_->setWordWrap(true);
    resultLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(progressLabel_);
    layout->addWidget(resultLabel_);

    auto* buttons = new QDialogButtonBox(this);
    syncButton_ = addDialogButton(buttons, QStringLiteral("Jetzt abgleichen"),
                                  QStringLiteral("Bringt die Schichten in den Kalender"),
                                  QDialogButtonBox::ActionRole);
    syncButton_->setDefault(true);
    cancelButton_ = addDialogButton(buttons, QStringLiteral("Abbrechen"),
                                    QStringLiteral("Hält den laufenden Abgleich an"),
                                    QDialogButtonBox::ActionRole);
    cancelButton_->setEnabled(false);
    infoButton_ = addDialogButton(buttons, QStringLiteral("Info"),
                                  QStringLiteral("Was eine CalDAV-Adresse ist und wo sie steht"),
                                  QDialogButtonBox::HelpRole);
    connect(infoButton_, &QPushButton::clicked, this, &CalendarSyncWindow::helpRequested);
    addDialogButton(buttons, QStringLiteral("Schließen"), QStringLiteral("Schließt das Fenster"),
                    QDialogButtonBox::RejectRole);
    connect(syncButton_, &QPushButton::clicked, this, &CalendarSyncWindow::startSync);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The choices are kept however the window is left.
    connect(this, &QDialog::finished, this, &CalendarSyncWindow::storeChoices);
    layout->addWidget(buttons);

    widenToTitle(*this);
    fitToScreen(*this);
}

CalendarSyncWindow::~CalendarSyncWindow() {
    // The sync works on this window's members: it must have stopped before they go.
    if (worker_) {
        cancelled_ = true;
        worker_->wait();
        delete worker_;
    }
}

CalendarSyncChoices CalendarSyncWindow::choices() const {
    const CalendarSyncChoices& before = input_.choices;
    CalendarSyncChoices now = before;
    now.serverAddress = serverField_->text().trimmed().toStdString();
    now.userName = userField_->text().trimmed().toStdString();
    now.calendarUrl = calendarField_->currentData().toString().toStdString();
    now.crew = chosen(before.crew, crewField_->currentIndex(), input_.baseCrew);
    now.monthsBefore = chosen(before.monthsBefore, monthsBeforeField_->value(), 1);
    now.monthsAfter = chosen(before.monthsAfter, monthsAfterField_->value(), 12);
    now.alarmMinutes = chosen(before.alarmMinutes, reminderField_->value(), 0);
    now.syncAtEnd = chosen(before.syncAtEnd, atEndField_->isChecked(), false);
    return now;
}

void CalendarSyncWindow::storeChoices() {
    const CalendarSyncChoices now = choices();
    if (now.serverAddress == input_.choices.serverAddress &&
        now.userName == input_.choices.userName && now.calendarUrl == input_.choices.calendarUrl &&
        now.crew == input_.choices.crew && now.monthsBefore == input_.choices.monthsBefore &&
        now.monthsAfter == input_.choices.monthsAfter &&
        now.alarmMinutes == input_.choices.alarmMinutes &&
        now.syncAtEnd == input_.choices.syncAtEnd)
        return;
    input_.choices = now;
    if (input_.store)
        input_.store(now);
}

bool CalendarSyncWindow::keyringAnswers() const {
    return input_.keyring && input_.keyring->available();
}

std::string CalendarSyncWindow::keyringAccount() const {
    return userField_->text().trimmed().toStdString() + '@' +
           serverField_->text().trimmed().toStdString();
}

void CalendarSyncWindow::passwordWorked() {
    const std::string password = passwordField_->text().toStdString();
    if (keyringAnswers() && !password.empty())
        input_.keyring->write(keyringAccount(), password);
    if (!keyringAnswers()) {
        keyringLabel_->setText(QString::fromUtf8(kNoKeyringMessage));
        keyringLabel_->show();
    }
}

std::unique_ptr<caldav::HttpClient> CalendarSyncWindow::httpClient() {
    if (passwordField_->text().isEmpty()) {
        resultLabel_->setText(QStringLiteral("Bitte das Passwort eingeben."));
        passwordField_->setFocus();
        return nullptr;
    }
    caldav::HttpSettings http;
    http.user = userField_->text().trimmed().toStdString();
    http.password = passwordField_->text().toStdString();
    http.cancelled = &cancelled_;
    std::string problem;
    auto client = caldav::loadHttpClient(http, problem);
    if (!client)
        resultLabel_->setText(qText(problem));
    return client;
}

void CalendarSyncWindow::searchCalendars() {
    const std::string address = serverField_->text().trimmed().toStdString();
    if (address.empty()) {
        resultLabel_->setText(QStringLiteral("Bitte die Adresse des Servers eingeben."));
        return;
    }
    auto http = httpClient();
    if (!http)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    cancelled_ = false;
    const caldav::Discovery found = caldav::discoverCalendars(*http, address);
    QGuiApplication::restoreOverrideCursor();
    if (found.failure) {
        fail(*found.failure);
        return;
    }
    const QString before = calendarField_->currentData().toString();
    calendarField_->clear();
    for (const caldav::CalendarEntry& calendar : found.calendars) {
        const QString name =
            calendar.displayName.empty() ? qText(calendar.url) : qText(calendar.displayName);
        calendarField_->addItem(name, qText(calendar.url));
    }
    passwordWorked();
    homeSetUrl_ = found.homeSetUrl;
    if (!homeSetUrl_.empty())
        calendarField_->addItem(QStringLiteral("Neuer Kalender „Turnoplaner“"), QString());
    const int kept = calendarField_->findData(before);
    if (kept >= 0)
        calendarField_->setCurrentIndex(kept);
    resultLabel_->setText(QStringLiteral("%1 Kalender gefunden.").arg(found.calendars.size()));
}

void CalendarSyncWindow::startSync() {
    if (worker_)
        return;
    lastFailed_ = true; // until the sync has run through
    if (calendarField_->currentIndex() < 0) {
        resultLabel_->setText(QStringLiteral("Bitte zuerst mit „Kalender suchen“ einen Kalender "
                                             "wählen."));
        return;
    }
    auto http = httpClient();
    if (!http)
        return;
    cancelled_ = false;
    std::string calendarUrl = calendarField_->currentData().toString().toStdString();
    if (calendarUrl.empty()) {
        const caldav::MadeCalendar made =
            caldav::makeCalendar(*http, homeSetUrl_, kNewCalendarName.toStdString());
        if (made.failure) {
            fail(*made.failure);
            return;
        }
        calendarUrl = made.url;
        const int index = calendarField_->currentIndex();
        calendarField_->insertItem(index, kNewCalendarName, qText(calendarUrl));
        calendarField_->setCurrentIndex(index);
    }
    storeChoices();

    // The data are taken now, on this thread; the sync works on its own copy.
    const QDate today = qDateOf(todayOf(clock_));
    const DayNumber from =
        std::max(kFirstSupportedDay, dayOf(today.addMonths(-monthsBeforeField_->value())));
    const DayNumber to =
        std::min(kLastSupportedDay, dayOf(today.addMonths(monthsAfterField_->value())));
    std::vector<CrewEvent> events = input_.events(crewField_->currentIndex(), from, to);
    const caldav::SyncSettings settings{calendarUrl, reminderField_->value(),
                                        clock_.secondsSinceEpoch()};

    auto result = std::make_shared<caldav::SyncResult>();
    worker_ = QThread::create([this, client = std::shared_ptr<caldav::HttpClient>(std::move(http)),
                               settings, events = std::move(events), from, to, result] {
        caldav::CalendarSync sync(*client, settings);
        *result = sync.run(events, from, to, [this](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
            return !cancelled_;
        });
    });
    connect(worker_, &QThread::finished, this, [this, result] {
        worker_->deleteLater();
        worker_ = nullptr;
        finishSync(*result);
    });
    syncButton_->setEnabled(false);
    searchButton_->setEnabled(false);
    cancelButton_->setEnabled(true);
    progressLabel_->setText(QStringLiteral("Abgleich läuft…"));
    worker_->start();
}

void CalendarSyncWindow::cancelSync(int milliseconds) {
    if (!worker_)
        return;
    cancelled_ = true;
    worker_->wait(QDeadlineTimer(milliseconds));
}

void CalendarSyncWindow::showProgress(int done, int total) {
    if (!worker_)
        return;
    progressLabel_->setText(QStringLiteral("%1 von %2").arg(done).arg(total));
    emit syncProgress(done, total);
}

void CalendarSyncWindow::finishSync(const caldav::SyncResult& result) {
    syncButton_->setEnabled(true);
    searchButton_->setEnabled(true);
    cancelButton_->setEnabled(false);
    progressLabel_->clear();
    // Without a keyring nothing keeps the password beyond one sync.
    if (!keyringAnswers())
        passwordField_->clear();
    if (result.failure) {
        fail(*result.failure);
    } else {
        lastFailed_ = false;
        passwordWorked();
        const LocalDateTime now = clock_.now();
        const QDateTime when(QDate(now.year, now.month, now.day), QTime(now.hour, now.minute));
        resultLabel_->setText(qText(caldav::countsLine(result.counts)) + QStringLiteral(" – ") +
                              when.toString(QStringLiteral("dd.MM.yyyy hh:mm")));
    }
    emit syncFinished();
}

void CalendarSyncWindow::fail(const caldav::Failure& failure) {
    lastFailed_ = true;
    resultLabel_->setText(qText(caldav::failureMessage(failure)));
}

} // namespace tp

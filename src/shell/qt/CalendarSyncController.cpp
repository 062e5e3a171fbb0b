#include "shell/qt/CalendarSyncController.h"

#include "caldav/qt/LoadedKeyring.h"
#ifdef TURNOPLANER_HAVE_CALDAV
#include "caldav/qt/CalendarSyncWindow.h"

#include "help/qt/HelpTextWindow.h"

#include <QEventLoop>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTimer>
#endif

namespace tp {

CalendarSyncController::~CalendarSyncController() = default;

std::optional<bool> CalendarSyncController::run(Command command) {
    if (command != Command::CalendarSync)
        return std::nullopt;
    openWindow();
    return false;
}

#ifdef TURNOPLANER_HAVE_CALDAV

namespace {

constexpr int kEndSyncMilliseconds = 30'000;

} // namespace

CalendarSyncWindow* CalendarSyncController::syncWindow() const {
    return syncWindow_;
}

void CalendarSyncController::openWindow() {
    prepareWindow();
    syncWindow_->show();
    syncWindow_->raise();
    syncWindow_->activateWindow();
}

void CalendarSyncController::syncAtEnd() {
    const CalendarSyncChoices& choices = state().calendarSync;
    if (!choices.syncWhenEnding() || choices.calendarUrl.empty())
        return;
    prepareWindow();
    CalendarSyncWindow& window = *syncWindow_;
    if (window.syncRunning())
        window.cancelSync();
    if (window.passwordField()->text().isEmpty()) {
        bool given = false;
        const QString password = QInputDialog::getText(
            window_, QStringLiteral("Kalender-Abgleich"),
            QStringLiteral("Passwort für den Kalender-Abgleich beim Beenden:"), QLineEdit::Password,
            QString(), &given);
        if (!given || password.isEmpty())
            return;
        window.passwordField()->setText(password);
    }
    QProgressDialog box(QStringLiteral("Die Schichten werden mit dem Kalender abgeglichen…"),
                        QStringLiteral("Abbrechen"), 0, 0, window_);
    box.setWindowTitle(QStringLiteral("Kalender-Abgleich"));
    box.setMinimumDuration(0);
    QEventLoop loop;
    QObject::connect(&window, &CalendarSyncWindow::syncProgress, &box, [&box](int done, int total) {
        box.setMaximum(total);
        box.setValue(done);
        box.setLabelText(QStringLiteral("%1 von %2").arg(done).arg(total));
    });
    QObject::connect(&box, &QProgressDialog::canceled, &window,
                     [&window] { window.cancelSync(0); });
    QObject::connect(&window, &CalendarSyncWindow::syncFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kEndSyncMilliseconds, &window, [&window] { window.cancelSync(0); });
    window.startSync();
    if (window.syncRunning()) {
        box.show();
        loop.exec();
    }
    box.close();
    if (window.lastFailed())
        services_.messages->inform(
            window_, QStringLiteral("Fehler"),
            QStringLiteral("Der Kalender wurde beim Beenden nicht abgeglichen: ") +
                window.resultLabel()->text() +
                QStringLiteral("\nDie Daten sind gespeichert; der nächste Abgleich holt es nach."));
}

void CalendarSyncController::prepareWindow() {
    if (syncWindow_ && userOfWindow_ != state().userName && !syncWindow_->syncRunning()) {
        delete syncWindow_;
    }
    if (!syncWindow_) {
        userOfWindow_ = state().userName;
        CalendarSyncWindowInput input;
        input.choices = state().calendarSync;
        input.calendarType = state().calendarType;
        input.baseCrew = state().hoursAccount.baseCrew;
        // Taken anew at each sync: the markings and bars as the page shows them then.
        input.events = [this](int crew, DayNumber from, DayNumber to) {
            CrewCalendarRequest request;
            request.system = session_.shiftSystem();
            request.crew = crew;
            request.from = from;
            request.to = to;
            if (!state().dataFolder.empty()) {
                request.markings = &state().shiftMarkings;
                request.bars = &state().calendarBars;
            }
            return crewCalendarEvents(request);
        };
        if (!keyring_)
            keyring_ = loadDesktopKeyring();
        input.keyring = keyring_.get();
        input.store = [this](const CalendarSyncChoices& choices) {
            tell(session_.storeCalendarSync(choices));
        };
        syncWindow_ = new CalendarSyncWindow(std::move(input), *services_.clock,
                                             *services_.messages, window_);
        QObject::connect(syncWindow_, &CalendarSyncWindow::helpRequested, syncWindow_, [this] {
            HelpTextWindow help(HelpTopic::CalendarSync, helpLook(), syncWindow_);
            help.exec();
        });
    }
}

#else

CalendarSyncWindow* CalendarSyncController::syncWindow() const {
    return nullptr;
}

void CalendarSyncController::syncAtEnd() {}

// The Windows cross build has no network library for the sync.
void CalendarSyncController::openWindow() {
    services_.messages->inform(
        window_, QStringLiteral("Information"),
        QStringLiteral("Der Kalender-Abgleich ist in dieser Ausgabe nicht enthalten."));
}

#endif

} // namespace tp

#include "shell/qt/CalendarSyncController.h"

#include "caldav/qt/KeyringPassword.h"
#ifdef TURNOPLANER_HAVE_CALDAV
#include "caldav/qt/CalendarSyncWindow.h"
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

CalendarSyncWindow* CalendarSyncController::syncWindow() const {
    return syncWindow_;
}

void CalendarSyncController::openWindow() {
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
            keyring_ = std::make_unique<DesktopKeyring>();
        input.keyring = keyring_.get();
        input.store = [this](const CalendarSyncChoices& choices) {
            tell(session_.storeCalendarSync(choices));
        };
        syncWindow_ = new CalendarSyncWindow(std::move(input), *services_.clock,
                                             *services_.messages, window_);
    }
    syncWindow_->show();
    syncWindow_->raise();
    syncWindow_->activateWindow();
}

#else

CalendarSyncWindow* CalendarSyncController::syncWindow() const {
    return nullptr;
}

// The Windows cross build has no network library for the sync.
void CalendarSyncController::openWindow() {
    services_.messages->inform(
        window_, QStringLiteral("Information"),
        QStringLiteral("Der Kalender-Abgleich ist in dieser Ausgabe nicht enthalten."));
}

#endif

} // namespace tp

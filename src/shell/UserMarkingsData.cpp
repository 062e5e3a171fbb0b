#include "shell/UserMarkingsData.h"

#include "markings/SharedMarkingFiles.h"

namespace tp {

namespace {

std::string quoted(const char* fileName) {
    return std::string("\"") + fileName + "\"";
}

std::string unreadableAtLoading(const char* fileName) {
    return "Die Datei " + quoted(fileName) +
           " konnte nicht gelesen werden. Sie bleibt unverändert; was jetzt eingegeben wird, "
           "kann nicht in ihr gespeichert werden.";
}

std::string replacedNotice(const char* fileName, int replaced) {
    return "Die Datei " + quoted(fileName) +
           " wurde inzwischen an einem anderen Rechner geändert. Einträge von dort, die durch "
           "die hier geänderten ersetzt wurden: " +
           std::to_string(replaced) + ". Alle übrigen Einträge beider Rechner bleiben erhalten.";
}

// A file that cannot be written is told once a run: the entries stay and are tried again at
// every saving.
void addOutcome(UserDataReport& report, AppState& state, const SharedSaveResult& result,
                const char* fileName) {
    if (!result.saved.ok) {
        if (state.storedFiles.firstFailureOf(state.dataFolder / fileName))
            report.errors.push_back(result.saved.reason);
    } else if (result.replacedEntries > 0)
        report.notices.push_back(replacedNotice(fileName, result.replacedEntries));
}

} // namespace

UserDataReport loadMarkingsAndAccounts(AppState& state, DayNumber today) {
    UserDataReport report;
    state.shiftMarkings = {};
    state.calendarBars = {};
    state.shiftMarkingsAsLoaded.clear();
    state.calendarBarsAsLoaded.clear();
    state.hoursAccount = {};
    state.vacationAccount = {};
    state.shiftMarkingsChanged = false;
    state.calendarBarsChanged = false;
    if (state.dataFolder.empty())
        return report;

    state.shiftMarkings = loadShiftMarkings(state.dataFolder);
    state.shiftMarkingsAsLoaded = state.shiftMarkings.entries();
    if (state.shiftMarkings.fileUnreadable)
        report.errors.push_back(unreadableAtLoading(kShiftMarkingFileName));
    state.calendarBars = loadCalendarBars(state.dataFolder);
    state.calendarBarsAsLoaded = state.calendarBars.bars();
    if (state.calendarBars.fileUnreadable)
        report.errors.push_back(unreadableAtLoading(kCalendarBarFileName));

    SaveResult renewed;
    const auto vacation = refreshVacationAccount(state.dataFolder, today, renewed);
    if (!renewed.ok)
        report.errors.push_back(renewed.reason);
    state.vacationAccount = vacation.account;
    state.hoursAccount = loadHoursAccount(state.dataFolder).account;
    return report;
}

UserDataReport saveMarkingsAndBars(AppState& state) {
    UserDataReport report;
    if (state.dataFolder.empty())
        return report;
    if (state.shiftMarkingsChanged || state.shiftMarkings.changed) {
        const SharedSaveResult result = saveShiftMarkingsShared(
            state.dataFolder, state.shiftMarkings, state.shiftMarkingsAsLoaded);
        state.shiftMarkingsChanged = !result.saved.ok;
        addOutcome(report, state, result, kShiftMarkingFileName);
    }
    if (state.calendarBarsChanged || state.calendarBars.changed) {
        const SharedSaveResult result = saveCalendarBarsShared(state.dataFolder, state.calendarBars,
                                                               state.calendarBarsAsLoaded);
        state.calendarBarsChanged = !result.saved.ok;
        addOutcome(report, state, result, kCalendarBarFileName);
    }
    return report;
}

void refreshAccounts(AppState& state) {
    if (state.dataFolder.empty())
        return;
    if (const auto hours = loadHoursAccount(state.dataFolder);
        hours.status != DataFileStatus::Unreadable)
        state.hoursAccount = hours.account;
    if (const auto vacation = loadVacationAccount(state.dataFolder);
        vacation.status != DataFileStatus::Unreadable)
        state.vacationAccount = vacation.account;
}

} // namespace tp

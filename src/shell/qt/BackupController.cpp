#include "shell/qt/BackupController.h"

namespace tp {

std::string SessionBackupActions::store(const ProgramSettings& settings) {
    const SessionReport report = session_.storeSettings(settings);
    std::string problem;
    for (const std::string& error : report.errors)
        problem += (problem.empty() ? "" : "\n") + error;
    return problem;
}

std::string SessionBackupActions::storeBackupFolder(const std::string& folder) {
    ProgramSettings settings = session_.settings();
    settings.backupFolder = folder;
    return store(settings);
}

std::string SessionBackupActions::storeAutomaticBackupsOn(bool on) {
    ProgramSettings settings = session_.settings();
    settings.automaticBackups = on;
    return store(settings);
}

std::optional<bool> BackupController::run(Command command) {
    if (command != Command::Backup)
        return std::nullopt;
    SessionBackupActions actions(session_);
    BackupWindow window(actions, services_.clock->now(), *services_.messages, services_.backupFiles,
                        window_);
    window.exec();
    return window.restored();
}

} // namespace tp

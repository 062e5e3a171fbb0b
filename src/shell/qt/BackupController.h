#pragma once

#include "backup/qt/BackupWindow.h"
#include "shell/qt/FeatureController.h"

namespace tp {

// The window "Sicherung" served by the session.
class SessionBackupActions final : public BackupActions {
  public:
    explicit SessionBackupActions(Session& session) : session_(session) {}

    std::string userName() const override { return session_.state().userName; }
    std::filesystem::path backupFolder() const override { return session_.automaticBackupFolder(); }
    std::vector<ListedBackup> backups() override { return session_.listedBackups(); }
    BackupWritten writeBackup(const std::filesystem::path& archive) override {
        return session_.writeBackup(archive);
    }
    BackupPreview previewBackup(const std::filesystem::path& archive) override {
        return session_.previewBackup(archive);
    }
    RestoreDone restoreBackup(const std::filesystem::path& archive) override {
        return session_.restoreBackup(archive, false);
    }
    bool automaticBackupsOn() const override { return session_.automaticBackupsOn(); }
    std::string storeBackupFolder(const std::string& folder) override;
    std::string storeAutomaticBackupsOn(bool on) override;

  private:
    std::string store(const ProgramSettings& settings);

    Session& session_;
};

// Opens "Sicherung"; the page is drawn anew after a restore.
class BackupController : public FeatureController {
  public:
    BackupController(QWidget& window, Session& session, const ShellServices& services,
                     const QFont& pageFont)
        : FeatureController(window, session, services, pageFont) {}

    std::optional<bool> run(Command command) override;
};

} // namespace tp

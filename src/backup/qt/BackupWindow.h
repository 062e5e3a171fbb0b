#pragma once

#include "backup/AutomaticBackups.h"
#include "backup/Backup.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace tp {

class MessageBoxes;

// What the window "Sicherung" asks of the running program; the shell answers through the
// session.
class BackupActions {
  public:
    virtual ~BackupActions() = default;
    virtual std::string userName() const = 0;
    // The folder of the automatic backups; empty when there is none.
    virtual std::filesystem::path backupFolder() const = 0;
    virtual std::vector<ListedBackup> backups() = 0;
    virtual BackupWritten writeBackup(const std::filesystem::path& archive) = 0;
    virtual BackupPreview previewBackup(const std::filesystem::path& archive) = 0;
    virtual RestoreDone restoreBackup(const std::filesystem::path& archive) = 0;
    virtual bool automaticBackupsOn() const = 0;
    // Stores the folder (UTF-8) or the switch in the user's settings; the German problem when
    // that failed, else empty.
    virtual std::string storeBackupFolder(const std::string& folder) = 0;
    virtual std::string storeAutomaticBackupsOn(bool on) = 0;
};

// The file choosers of the window; an empty answer means cancelled. Tests give their own.
struct BackupFileChoosers {
    std::function<QString(QWidget*, const QString& suggested)> archiveToWrite;
    std::function<QString(QWidget*, const QString& folder)> archiveToRestore;
    std::function<QString(QWidget*, const QString& folder)> backupFolder;
};
BackupFileChoosers systemBackupFileChoosers();

// "Sicherung": the backups in the folder of the automatic backups, a backup made now, a
// restore, and the folder and switch of the automatic backups.
class BackupWindow : public QDialog {
    Q_OBJECT

  public:
    BackupWindow(BackupActions& actions, const LocalDateTime& today, MessageBoxes& messages,
                 BackupFileChoosers choosers, QWidget* parent = nullptr);

    // Whether a restore changed the user's data, so that they must be shown anew.
    bool restored() const { return restored_; }

    QTreeWidget* backupList() const { return list_; }
    QLabel* folderLabel() const { return folderLabel_; }
    QCheckBox* automaticBox() const { return automaticBox_; }
    QPushButton* backupButton() const { return backupButton_; }
    QPushButton* restoreButton() const { return restoreButton_; }
    QPushButton* folderButton() const { return folderButton_; }

    void backUpNow();
    void restore();
    void chooseFolder();

  private:
    void fillList();
    void switchAutomaticBackups(bool on);

    BackupActions& actions_;
    LocalDateTime today_;
    MessageBoxes& messages_;
    BackupFileChoosers choosers_;
    bool restored_ = false;
    QTreeWidget* list_;
    QLabel* folderLabel_;
    QCheckBox* automaticBox_;
    QPushButton* backupButton_;
    QPushButton* restoreButton_;
    QPushButton* folderButton_;
};

// "1,5 MB", "12 KB", "800 Bytes".
QString backupSizeText(std::uintmax_t bytes);

} // namespace tp

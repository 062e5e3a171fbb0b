#include "backup/qt/BackupWindow.h"

#include "platform/qt/MessageBoxes.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tp {

namespace {

QString textOf(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
}

std::filesystem::path pathOf(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

QString folderText(const std::filesystem::path& folder) {
    return folder.empty() ? QStringLiteral("(kein Ordner)") : textOf(folder);
}

} // namespace

BackupFileChoosers systemBackupFileChoosers() {
    const QString archives = QStringLiteral("Sicherungen (*.zip)");
    return {
        .archiveToWrite =
            [archives](QWidget* parent, const QString& suggested) {
                return QFileDialog::getSaveFileName(parent, QStringLiteral("Jetzt sichern"),
                                                    suggested, archives);
            },
        .archiveToRestore =
            [archives](QWidget* parent, const QString& folder) {
                return QFileDialog::getOpenFileName(parent, QStringLiteral("Wiederherstellen"),
                                                    folder, archives);
            },
        .backupFolder =
            [](QWidget* parent, const QString& folder) {
                return QFileDialog::getExistingDirectory(
                    parent, QStringLiteral("Ordner der automatischen Sicherungen"), folder);
            },
    };
}

QString backupSizeText(std::uintmax_t bytes) {
    const QLocale german(QLocale::German, QLocale::Germany);
    if (bytes >= 1024 * 1024)
        return german.toString(static_cast<double>(bytes) / (1024 * 1024), 'f', 1) +
               QStringLiteral(" MB");
    if (bytes >= 1024)
        return german.toString((bytes + 512) / 1024) + QStringLiteral(" KB");
    return german.toString(static_cast<qulonglong>(bytes)) + QStringLiteral(" Bytes");
}

BackupWindow::BackupWindow(BackupActions& actions, const LocalDateTime& today,
                           MessageBoxes& messages, BackupFileChoosers choosers, QWidget* parent)
    : QDialog(parent), actions_(actions), today_(today), messages_(messages),
      choosers_(std::move(choosers)) {
    setWindowTitle(QStringLiteral("Sicherung"));
    auto* layout = new QVBoxLayout(this);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(QStringLiteral("Ordner der automatischen Sicherungen:"), this));
    folderLabel_ = new QLabel(folderText(actions_.backupFolder()), this);
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderRow->addWidget(folderLabel_, 1);
    folderButton_ = new QPushButton(QStringLiteral("Ändern …"), this);
    folderRow->addWidget(folderButton_);
    layout->addLayout(folderRow);

    automaticBox_ =
        new QCheckBox(QStringLiteral("Beim Beenden automatisch sichern (einmal am Tag)"), this);
    automaticBox_->setChecked(actions_.automaticBackupsOn());
    layout->addWidget(automaticBox_);

    list_ = new QTreeWidget(this);
    list_->setHeaderLabels(
        {QStringLiteral("Sicherung"), QStringLiteral("Zeit"), QStringLiteral("Größe")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(list_, 1);

    auto* buttons = new QHBoxLayout;
    backupButton_ = new QPushButton(QStringLiteral("Jetzt sichern …"), this);
    restoreButton_ = new QPushButton(QStringLiteral("Wiederherstellen …"), this);
    auto* closeButton = new QPushButton(QStringLiteral("Schließen"), this);
    buttons->addWidget(backupButton_);
    buttons->addWidget(restoreButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(folderButton_, &QPushButton::clicked, this, &BackupWindow::chooseFolder);
    connect(automaticBox_, &QCheckBox::toggled, this, &BackupWindow::switchAutomaticBackups);
    connect(backupButton_, &QPushButton::clicked, this, &BackupWindow::backUpNow);
    connect(restoreButton_, &QPushButton::clicked, this, &BackupWindow::restore);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    fillList();
    resize(560, 360);
}

void BackupWindow::fillList() {
    list_->clear();
    for (const ListedBackup& backup : actions_.backups()) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(backup.name));
        if (backup.writtenAt)
            item->setText(1, QDateTime::fromSecsSinceEpoch(*backup.writtenAt)
                                 .toLocalTime()
                                 .toString(QStringLiteral("dd.MM.yyyy HH:mm")));
        if (backup.size) {
            item->setText(2, backupSizeText(*backup.size));
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
}

void BackupWindow::backUpNow() {
    const std::filesystem::path folder = actions_.backupFolder();
    const std::string name = dailyBackupName(actions_.userName(), today_);
    const QString suggested =
        folder.empty()
            ? QString::fromStdString(name)
            : textOf(folder / std::filesystem::path(std::u8string(name.begin(), name.end())));
    const QString chosen = choosers_.archiveToWrite(this, suggested);
    if (chosen.isEmpty())
        return;
    const BackupWritten written = actions_.writeBackup(pathOf(chosen));
    if (!written.ok()) {
        messages_.inform(this, QStringLiteral("Fehler"),
                         QStringLiteral("Die Sicherung konnte nicht geschrieben werden. ") +
                             QString::fromStdString(written.problem));
        return;
    }
    messages_.inform(this, QStringLiteral("Information"),
                     QStringLiteral("Die Sicherung wurde in \"%1\" geschrieben.")
                         .arg(QDir::toNativeSeparators(chosen)));
    fillList();
}

void BackupWindow::restore() {
    const QString chosen = choosers_.archiveToRestore(this, textOf(actions_.backupFolder()));
    if (chosen.isEmpty())
        return;
    const std::filesystem::path archive = pathOf(chosen);
    const BackupPreview preview = actions_.previewBackup(archive);
    if (!preview.ok()) {
        messages_.inform(this, QStringLiteral("Fehler"), QString::fromStdString(preview.problem));
        return;
    }
    const BackupManifest& manifest = preview.backup.manifest;
    const QString question =
        QStringLiteral("Sicherung von %1 vom %2:\n%3 Notizen, %4 Schichtmarkierungen, %5 "
                       "Kalenderbalken.\n\nSollen die Daten aus dieser Sicherung "
                       "wiederhergestellt werden? Die jetzigen Daten werden vorher gesichert.")
            .arg(QString::fromStdString(manifest.userName), QString::fromStdString(manifest.time))
            .arg(preview.counts.notes)
            .arg(preview.counts.shiftMarkings)
            .arg(preview.counts.calendarBars);
    if (!messages_.ask(this, question))
        return;
    const RestoreDone done = actions_.restoreBackup(archive);
    restored_ = restored_ || done.restoredFiles > 0;
    if (!done.ok()) {
        QString text = QString::fromStdString(done.problem);
        if (!done.notRestored.empty()) {
            QStringList names;
            for (const std::string& name : done.notRestored)
                names.append(QString::fromStdString(name));
            text +=
                QStringLiteral("\n\nNicht wiederhergestellt: ") + names.join(QStringLiteral(", "));
        }
        messages_.inform(this, QStringLiteral("Fehler"), text);
    } else {
        QString text = QStringLiteral("Die Daten wurden wiederhergestellt.");
        if (!done.undoArchive.empty())
            text += QStringLiteral("\nDie vorherigen Daten sind in \"%1\" gesichert.")
                        .arg(textOf(done.undoArchive));
        messages_.inform(this, QStringLiteral("Information"), text);
    }
    fillList();
}

void BackupWindow::chooseFolder() {
    const QString chosen = choosers_.backupFolder(this, textOf(actions_.backupFolder()));
    if (chosen.isEmpty())
        return;
    const std::string problem = actions_.storeBackupFolder(chosen.toStdString());
    if (!problem.empty())
        messages_.inform(this, QStringLiteral("Fehler"), QString::fromStdString(problem));
    folderLabel_->setText(folderText(actions_.backupFolder()));
    fillList();
}

void BackupWindow::switchAutomaticBackups(bool on) {
    const std::string problem = actions_.storeAutomaticBackupsOn(on);
    if (!problem.empty())
        messages_.inform(this, QStringLiteral("Fehler"), QString::fromStdString(problem));
}

} // namespace tp

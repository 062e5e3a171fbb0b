#pragma once

#include "settings/DataFolderMove.h"

#include <QDialog>
#include <QList>
#include <QPersistentModelIndex>

#include <filesystem>
#include <functional>

class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace tp {

class MessageBoxes;

// "Wähle das neue Programmverzeichnis": a tree of folders opened two levels above the user's
// data folder (for a user in the data root: the start folder), the selected path above it.
class FolderChoiceWindow : public QDialog {
    Q_OBJECT

  public:
    explicit FolderChoiceWindow(const std::filesystem::path& dataFolder, QWidget* parent = nullptr);

    // The folder chosen with "Auswahl", ended by a separator; empty otherwise.
    QString chosenFolder() const { return chosen_; }
    // Selects `folder` in the tree as a click would.
    void selectFolder(const QString& folder);

    QLineEdit* pathField() const { return path_; }
    QTreeView* folderTree() const { return tree_; }
    QPushButton* chooseButton() const { return choose_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QString selectedFolder() const;
    // Opens the tree at `folder`: selected, its parents expanded, scrolled into view.
    void openAt(const QString& folder);

    QFileSystemModel* model_ = nullptr;
    QLineEdit* path_ = nullptr;
    QTreeView* tree_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QString chosen_;
    // The folder the window opens at and those of its parents whose listing is still coming.
    QPersistentModelIndex opening_;
    QList<QPersistentModelIndex> awaitedListings_;
};

// The folder choice, and the move when a folder was chosen: asks the overwrite question,
// saves markings and bars first (`saveChangedMarkingsAndBars`) and reports a failure. On
// success the caller reloads notes, markings, bars and accounts from the returned data folder
// and redraws; "Anwenderverzeichnis" in `settings` already names the new place.
DataFolderMove chooseAndMoveDataFolder(QWidget* parent, MessageBoxes& messages, FileSystem& files,
                                       const UserDataPlace& place, ProgramSettings& settings,
                                       const std::function<void()>& saveChangedMarkingsAndBars);

// The move alone, with the question and the message of the folder choice.
DataFolderMove moveDataFolderAsking(QWidget* parent, MessageBoxes& messages, FileSystem& files,
                                    const UserDataPlace& place, const QString& chosenFolder,
                                    ProgramSettings& settings,
                                    const std::function<void()>& saveChangedMarkingsAndBars);

} // namespace tp

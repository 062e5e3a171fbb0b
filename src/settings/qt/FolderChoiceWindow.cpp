#include "settings/qt/FolderChoiceWindow.h"

#include "platform/qt/MessageBoxes.h"
#include "platform/qt/ScreenFit.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace tp {

namespace {

QString folderText(const QString& path) {
    QString text = QDir::toNativeSeparators(path);
    if (!text.endsWith(QDir::separator()))
        text += QDir::separator();
    return text;
}

QString qtPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()),
                             static_cast<qsizetype>(utf8.size()));
}

std::filesystem::path stdPath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace

FolderChoiceWindow::FolderChoiceWindow(const std::filesystem::path& dataFolder, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Wähle das neue Programmverzeichnis"));

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);

    path_ = new QLineEdit(this);
    path_->setReadOnly(true);
    tree_ = new QTreeView(this);
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->header()->hide();
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { path_->setText(selectedFolder()); });

    choose_ = new QPushButton(QStringLiteral("Auswahl"), this);
    cancel_ = new QPushButton(QStringLiteral("Abbruch"), this);
    choose_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    connect(choose_, &QPushButton::clicked, this, [this] {
        chosen_ = selectedFolder();
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(choose_);
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(path_);
    layout->addWidget(tree_);
    layout->addLayout(buttons);
    setFixedWidth(65 * fontMetrics().averageCharWidth());
    resize(width(), 25 * fontMetrics().height());
    fitToScreen(*this);

    const QString opening =
        QDir::cleanPath(qtPath(std::filesystem::absolute(dataFolder)) + QStringLiteral("/../.."));
    openAt(opening);
}

void FolderChoiceWindow::openAt(const QString& folder) {
    // The model lists folders lazily, each in the background when it is first needed; rows
    // that come in above the opening folder push it down. So its parents are expanded as
    // their listings arrive, and it is scrolled into view again each time, until all are in
    // or the user has chosen another folder.
    model_->setRootPath(QDir(folder).exists() ? folder : QDir::rootPath());
    opening_ = model_->index(folder);
    if (!opening_.isValid())
        return;
    for (QModelIndex index = opening_; index.isValid(); index = index.parent())
        awaitedListings_.append(index);
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        const QPersistentModelIndex index(model_->index(loaded));
        if (!awaitedListings_.removeOne(index) || tree_->currentIndex() != opening_)
            return;
        tree_->expand(index);
        tree_->scrollTo(opening_, QAbstractItemView::PositionAtCenter);
    });
    selectFolder(folder);
    tree_->expand(opening_);
}

void FolderChoiceWindow::selectFolder(const QString& folder) {
    const QModelIndex index = model_->index(folder);
    if (!index.isValid())
        return;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
}

QString FolderChoiceWindow::selectedFolder() const {
    const QModelIndex index = tree_->currentIndex();
    if (!index.isValid())
        return {};
    return folderText(model_->filePath(index));
}

DataFolderMove moveDataFolderAsking(QWidget* parent, MessageBoxes& messages, FileSystem& files,
                                    const UserDataPlace& place, const QString& chosenFolder,
                                    ProgramSettings& settings,
                                    const std::function<void()>& saveChangedMarkingsAndBars) {
    const DataFolderMove move = moveDataFolder(
        files, place, stdPath(chosenFolder), settings,
        [&] { return messages.ask(parent, QString::fromUtf8(kOverwriteDataFolderQuestion)); },
        saveChangedMarkingsAndBars);
    if (!move.moved)
        messages.inform(parent, QStringLiteral("Fehler"),
                        QString::fromUtf8(kDataFolderNotOpenedMessage));
    return move;
}

DataFolderMove chooseAndMoveDataFolder(QWidget* parent, MessageBoxes& messages, FileSystem& files,
                                       const UserDataPlace& place, ProgramSettings& settings,
                                       const std::function<void()>& saveChangedMarkingsAndBars) {
    FolderChoiceWindow window(place.dataFolder, parent);
    window.exec();
    if (window.chosenFolder().isEmpty())
        return {};
    return moveDataFolderAsking(parent, messages, files, place, window.chosenFolder(), settings,
                                saveChangedMarkingsAndBars);
}

} // namespace tp

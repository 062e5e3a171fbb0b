#pragma once

#include "settings/DataFolders.h"

#include <QLabel>
#include <QWidget>

namespace tp {

// The main window: the page canvas, the status panel and the navigation buttons.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(DataFolders folders, QWidget* parent = nullptr);

    const DataFolders& dataFolders() const { return folders_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    DataFolders folders_;
    QLabel* canvas_ = nullptr;
};

} // namespace tp

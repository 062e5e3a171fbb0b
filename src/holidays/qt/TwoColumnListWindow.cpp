#include "holidays/qt/TwoColumnListWindow.h"

#include "platform/qt/Colour.h"
#include "platform/qt/ScreenFit.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <cmath>

namespace tp {

TwoColumnListWindow::TwoColumnListWindow(const Shape& shape, int unitW, int unitH,
                                         int backgroundColour, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(shape.title);
    setFixedSize(shape.windowUnits.width() * unitW, shape.windowUnits.height() * unitH);
    QPalette background = palette();
    background.setColor(QPalette::Window, colourFromWindowsValue(backgroundColour));
    setPalette(background);
    setAutoFillBackground(true);

    list_ = new QTreeWidget(this);
    list_->setGeometry(unitW, unitH, static_cast<int>(std::lround(shape.listUnits.width() * unitW)),
                       static_cast<int>(std::lround(shape.listUnits.height() * unitH)));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(shape.headers);
    list_->header()->setStretchLastSection(false);
    list_->setColumnWidth(0, shape.firstColumnUnits * unitW);
    list_->setColumnWidth(1, shape.secondColumnUnits * unitW);
    fitToScreen(*this, {list_});
}

void TwoColumnListWindow::addRow(const QString& first, const QString& second) {
    new QTreeWidgetItem(list_, {first, second});
}

} // namespace tp

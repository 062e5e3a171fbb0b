#pragma once

#include <QDialog>
#include <QSize>
#include <QStringList>

class QTreeWidget;

namespace tp {

// A fixed-size window in the page's background colour holding one list of two columns, one
// unit in from the window's edges; Escape closes it. Sizes are in layout units.
class TwoColumnListWindow : public QDialog {
    Q_OBJECT

  public:
    struct Shape {
        QString title;
        QSize windowUnits;    // the window
        QSizeF listUnits;     // the list
        QStringList headers;  // the two column headings
        int firstColumnUnits; // the widths of the two columns
        int secondColumnUnits;
    };

    QTreeWidget* list() const { return list_; }
    void addRow(const QString& first, const QString& second);

  protected:
    TwoColumnListWindow(const Shape& shape, int unitW, int unitH, int backgroundColour,
                        QWidget* parent);

  private:
    QTreeWidget* list_ = nullptr;
};

} // namespace tp

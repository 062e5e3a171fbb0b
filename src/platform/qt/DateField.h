#pragma once

#include <QDateEdit>

namespace tp {

// A date field that takes a date typed with its dots ("24.12.2027") as well as without them
// ("24122027"). A full section moves on by itself; the dot the user types after it must not
// skip the next section as well.
class DateField : public QDateEdit {
    Q_OBJECT

  public:
    explicit DateField(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool movedOnByItself_ = false;
};

} // namespace tp

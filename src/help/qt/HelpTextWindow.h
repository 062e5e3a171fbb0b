#pragma once

#include "help/HelpTopic.h"
#include "help/qt/HelpWindowLook.h"

#include <QDialog>

class QPlainTextEdit;

namespace tp {

// One help text in a read-only field, 98 characters wide and as high as the topic asks;
// Escape and the close box close it.
class HelpTextWindow : public QDialog {
    Q_OBJECT

  public:
    HelpTextWindow(HelpTopic topic, const HelpWindowLook& look, QWidget* parent = nullptr);
    // A text made elsewhere under the title and in the size of `topic`.
    HelpTextWindow(HelpTopic topic, const QString& text, const HelpWindowLook& look,
                   QWidget* parent = nullptr);

    QPlainTextEdit* textField() const { return textField_; }

  private:
    QPlainTextEdit* textField_ = nullptr;
};

// Shows the text of `topic` and waits until the window is closed.
void showHelpText(QWidget* parent, HelpTopic topic, const HelpWindowLook& look);

} // namespace tp

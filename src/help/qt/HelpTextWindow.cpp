#include "help/qt/HelpTextWindow.h"

#include "help/qt/HelpTexts.h"
#include "platform/qt/Colour.h"
#include "platform/qt/ScreenFit.h"

#include <QPlainTextEdit>

namespace tp {

HelpTextWindow::HelpTextWindow(HelpTopic topic, const HelpWindowLook& look, QWidget* parent)
    : HelpTextWindow(topic, helpText(topic), look, parent) {}

HelpTextWindow::HelpTextWindow(HelpTopic topic, const QString& text, const HelpWindowLook& look,
                               QWidget* parent)
    : QDialog(parent) {
    const HelpTopicInfo& info = helpTopicInfo(topic);
    const int w = look.units.w;
    const int h = look.units.h;
    setWindowTitle(QString::fromUtf8(info.title.data(), static_cast<qsizetype>(info.title.size())));
    setFixedSize(kHelpWindowWidthUnits * w, info.heightRows * h);
    QPalette background = palette();
    background.setColor(QPalette::Window, colourFromWindowsValue(look.backgroundColour));
    setPalette(background);
    setAutoFillBackground(true);

    textField_ = new QPlainTextEdit(this);
    textField_->setGeometry(w, h, (kHelpWindowWidthUnits - 2) * w, (info.heightRows - 2) * h);
    textField_->setFont(look.font);
    textField_->setReadOnly(true);
    textField_->setPlainText(text);
    fitToScreen(*this, {textField_});
}

void showHelpText(QWidget* parent, HelpTopic topic, const HelpWindowLook& look) {
    HelpTextWindow window(topic, look, parent);
    window.exec();
}

} // namespace tp

#include "model/qt/CalendarTypeDialog.h"

#include "platform/qt/QtText.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace tp {

CalendarTypeDialog::CalendarTypeDialog(CalendarType current, int unitW, int unitH, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kalender"));
    const int quarterRow = static_cast<int>(std::lround(0.25 * unitH));
    // Every option whole: at least 20 units wide, or as wide as its label needs.
    int optionWidth = 20 * unitW;
    for (std::size_t index = 0; index < options_.size(); ++index) {
        const CalendarType type = CalendarTypeOptionOrder[index];
        const CalendarTypeInfo& info = calendarTypeInfo(type);
        auto* option = new QRadioButton(qText(info.label), this);
        option->setToolTip(qText(info.description));
        option->setChecked(type == current);
        connect(option, &QRadioButton::clicked, this, [this, type] {
            chosenType_ = type;
            accept();
        });
        options_[index] = option;
        optionWidth = std::max(optionWidth, option->sizeHint().width());
    }
    // One option every second row, a free row above the first and below the last.
    for (std::size_t index = 0; index < options_.size(); ++index) {
        const int row = 2 * static_cast<int>(index) + 1;
        options_[index]->setGeometry(
            2 * unitW, row * unitH - quarterRow, optionWidth,
            std::max(unitH + quarterRow, options_[index]->sizeHint().height()));
    }
    setFixedSize(std::max(25 * unitW, optionWidth + 4 * unitW),
                 (2 * kCalendarTypeCount + 1) * unitH);
    widenToTitle(*this);
    fitToScreen(*this);
    options_[static_cast<std::size_t>(std::find(CalendarTypeOptionOrder.begin(),
                                                CalendarTypeOptionOrder.end(), current) -
                                      CalendarTypeOptionOrder.begin())]
        ->setFocus();
}

bool runCalendarTypeDialog(QWidget* parent, CalendarType& type, int unitW, int unitH) {
    CalendarTypeDialog dialog(type, unitW, unitH, parent);
    dialog.exec();
    if (!dialog.chosenType())
        return false;
    type = *dialog.chosenType();
    return true;
}

} // namespace tp

#include "model/CalendarTypeDialog.h"

#include "platform/QtText.h"
#include "platform/TitleWidth.h"

#include <QRadioButton>
#include <QScrollArea>

#include <cmath>

namespace tp {

CalendarTypeDialog::CalendarTypeDialog(int unitW, int unitH, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kalender"));
    const int height = static_cast<int>(std::lround(11.5 * unitH));
    setFixedSize(25 * unitW, height);
    widenToTitle(*this);

    auto* scrollArea = new QScrollArea(this);
    scrollArea->setGeometry(0, 0, width(), height);
    auto* optionsPanel = new QWidget;
    const int quarterRow = static_cast<int>(std::lround(0.25 * unitH));

    for (std::size_t index = 0; index < options_.size(); ++index) {
        const CalendarType type = CalendarTypeOptionOrder[index];
        const CalendarTypeInfo& info = calendarTypeInfo(type);
        auto* option = new QRadioButton(qText(info.label), optionsPanel);
        option->setToolTip(qText(info.description));
        const int row = 2 * static_cast<int>(index) + 1;
        option->setGeometry(unitW, row * unitH - quarterRow, 20 * unitW, unitH + quarterRow);
        connect(option, &QRadioButton::clicked, this, [this, type] {
            chosenType_ = type;
            accept();
        });
        options_[index] = option;
    }
    optionsPanel->setFixedSize(22 * unitW, (2 * kCalendarTypeCount + 1) * unitH);
    scrollArea->setWidget(optionsPanel);
}

bool runCalendarTypeDialog(QWidget* parent, CalendarType& type, int unitW, int unitH) {
    CalendarTypeDialog dialog(unitW, unitH, parent);
    dialog.exec();
    if (!dialog.chosenType())
        return false;
    type = *dialog.chosenType();
    return true;
}

} // namespace tp

#include "model/CalendarTypeDialog.h"

#include "platform/QtText.h"

#include <QRadioButton>
#include <QScrollArea>

#include <cmath>

namespace tp {

CalendarTypeDialog::CalendarTypeDialog(int unitW, int unitH, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kalender"));
    const int height = static_cast<int>(std::lround(11.5 * unitH));
    setFixedSize(25 * unitW, height);

    auto* scrollArea = new QScrollArea(this);
    scrollArea->setGeometry(0, 0, 25 * unitW, height);
    auto* optionsPanel = new QWidget;
    const int quarterRow = static_cast<int>(std::lround(0.25 * unitH));

    for (std::size_t index = 0; index < options_.size(); ++index) {
        const int type = CalendarTypeOptionOrder[index];
        const CalendarTypeInfo& info = CalendarTypes[static_cast<std::size_t>(type)];
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

bool runCalendarTypeDialog(QWidget* parent, ShiftSystem& system, int unitW, int unitH) {
    CalendarTypeDialog dialog(unitW, unitH, parent);
    dialog.exec();
    if (!dialog.chosenType())
        return false;
    system.calendarType = *dialog.chosenType();
    return true;
}

} // namespace tp

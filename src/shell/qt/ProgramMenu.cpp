#include "shell/qt/ProgramMenu.h"

#include "platform/qt/QtText.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"
#include "shell/qt/CommandTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tp {

ProgramMenu::ProgramMenu(CalendarType calendarType, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Programm"));

    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    for (const CommandEntry& entry : commandTable()) {
        if (!entry.menu)
            continue;
        auto* button = new QPushButton(qText(entry.menu->label), frame);
        button->setToolTip(qText(entry.menu->toolTip));
        button->setAutoDefault(false);
        // Off under the sheet where the month columns are needed: the sheet is drawn on its own
        // colours.
        button->setEnabled(commandRunsUnder(entry.command, calendarType));
        connect(button, &QPushButton::clicked, this,
                [this, command = entry.command] { choose(command); });
        const int index = static_cast<int>(buttons_.size());
        grid->addWidget(button, index / 2, index % 2);
        buttons_.emplace_back(entry.command, button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    setFixedSize(sizeHint());
    widenToTitle(*this);
    fitToScreen(*this);
}

QPushButton* ProgramMenu::button(Command command) const {
    for (const auto& [buttonCommand, button] : buttons_)
        if (buttonCommand == command)
            return button;
    return nullptr;
}

void ProgramMenu::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::ShiftModifier) {
        for (const auto& [command, target] : buttons_) {
            if (event->key() == commandEntry(command).menu->key) {
                if (target->isEnabled())
                    target->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void ProgramMenu::choose(Command command) {
    chosen_ = command;
    accept();
}

std::optional<Command> chooseProgramMenuCommand(QWidget* parent, CalendarType calendarType) {
    ProgramMenu menu(calendarType, parent);
    menu.exec();
    return menu.chosenCommand();
}

} // namespace tp

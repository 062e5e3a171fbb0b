#include "settings/qt/ProgramMenu.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace tp {

namespace {

struct MenuEntry {
    ProgramMenuCommand command;
    const char* label;
    const char* toolTip;
    Qt::Key key;
};

constexpr std::array<MenuEntry, 10> kEntries{{
    {ProgramMenuCommand::CalendarChoice, "Kalender", "Wähle die Art des Turnoplaners", Qt::Key_K},
    {ProgramMenuCommand::DataFolder, "Verzeichnis", "Ein neues Programmverzeichnis wählen",
     Qt::Key_V},
    {ProgramMenuCommand::Font, "Schriftart", "Neue Schriftart wählen", Qt::Key_S},
    {ProgramMenuCommand::BackgroundColour, "Hintergrundfarbe",
     "Hintergrundfarbe zum Ausdrucken einer Bilschirmkopie ändern", Qt::Key_H},
    {ProgramMenuCommand::Help, "Info", "Informationstext zur Programmbedienung", Qt::Key_I},
    {ProgramMenuCommand::Settings, "Einstellungen", "Ändern der Programmeinstellungen", Qt::Key_E},
    {ProgramMenuCommand::Hours, "Stunden", "Eingabe der Minus- bzw. Plusstunden", Qt::Key_P},
    {ProgramMenuCommand::Vacation, "Urlaub", "Eingabe des Resturlaubs", Qt::Key_U},
    {ProgramMenuCommand::CalendarExport, "Export",
     "Die Schichten als Kalenderdatei für Kalender-Apps speichern", Qt::Key_X},
    {ProgramMenuCommand::Supplements, "Zuschläge",
     "Nacht-, Sonntags- und Feiertagsstunden des Monats", Qt::Key_Z},
}};

} // namespace

ProgramMenu::ProgramMenu(CalendarType calendarType, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Programm"));

    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const MenuEntry& entry = kEntries[i];
        auto* button = new QPushButton(QString::fromUtf8(entry.label), frame);
        button->setToolTip(QString::fromUtf8(entry.toolTip));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, command = entry.command] { choose(command); });
        grid->addWidget(button, static_cast<int>(i / 2), static_cast<int>(i % 2));
        buttons_.emplace_back(entry.command, button);
    }
    // The sheet is drawn on its own colours.
    button(ProgramMenuCommand::BackgroundColour)->setEnabled(!isSheet(calendarType));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    setFixedSize(sizeHint());
    widenToTitle(*this);
    fitToScreen(*this);
}

QPushButton* ProgramMenu::button(ProgramMenuCommand command) const {
    for (const auto& [buttonCommand, button] : buttons_)
        if (buttonCommand == command)
            return button;
    return nullptr;
}

void ProgramMenu::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::ShiftModifier) {
        for (const MenuEntry& entry : kEntries) {
            if (event->key() == entry.key) {
                QPushButton* target = button(entry.command);
                if (target->isEnabled())
                    target->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void ProgramMenu::choose(ProgramMenuCommand command) {
    chosen_ = command;
    accept();
}

ProgramMenuCommand chooseProgramMenuCommand(QWidget* parent, CalendarType calendarType) {
    ProgramMenu menu(calendarType, parent);
    menu.exec();
    return menu.chosenCommand();
}

} // namespace tp

#include "notes/qt/NoteMenuDialog.h"

#include "platform/qt/ScreenFit.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tp {

namespace {

struct MenuButton {
    NoteMenuAction action;
    const char* label;
    const char* tip;
    int key;
};

const MenuButton kMenuButtons[] = {
    {NoteMenuAction::DayNote, "Tagesnotiz", "Eingabe einer Notiz für einen Tag", Qt::Key_T},
    {NoteMenuAction::PeriodicNote, "Periodische Notiz",
     "Eingabe einer sich in Tagesabständen wiederholenden Notiz", Qt::Key_P},
    {NoteMenuAction::YearlyNote, "Jährliche Notiz",
     "Eingabe einer sich in jährlich wiederholenden Notiz", Qt::Key_J},
    {NoteMenuAction::WeekdayNote, "Wochentag im Monat",
     "Eingabe sich an einen bestimmten Wochentag im Monat wiederholenden Notiz", Qt::Key_W},
    {NoteMenuAction::CalendarBar, "Kalendermarkierung",
     "Eingabe einer Markierung zwischen zwei Tagen in wählbarer Farbe", Qt::Key_K},
    {NoteMenuAction::ShiftMarking, "Schichtmarkierung",
     "Eingabe eines abweichenden Arbeitseinsatzes", Qt::Key_S},
    {NoteMenuAction::BulkDeletion, "Löschen",
     "Löscht die ausgewählten eingaben bis zum gewählten Datum", Qt::Key_L},
    {NoteMenuAction::Overview, "Übersicht", "Übersicht der Notizen für die angezeigten Monate",
     Qt::Key_U},
    {NoteMenuAction::Info, "Info", "Informationen zu den Notizeingaben", Qt::Key_I},
};

constexpr int kButtonWidth = 20; // character widths
constexpr double kButtonHeight = 1.5;

} // namespace

NoteMenuDialog::NoteMenuDialog(int unitW, int unitH, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Notiz"));
    const int buttonHeight = static_cast<int>(kButtonHeight * unitH + 0.5);
    int y = unitH;
    for (const MenuButton& item : kMenuButtons) {
        auto* button = new QPushButton(QString::fromUtf8(item.label), this);
        button->setToolTip(QString::fromUtf8(item.tip));
        button->setAutoDefault(false);
        button->setGeometry(unitW, y, kButtonWidth * unitW, buttonHeight);
        y += buttonHeight;
        connect(button, &QPushButton::clicked, this,
                [this, action = item.action] { choose(action); });
        entries_.push_back({item.action, item.key, button});
    }
    setFixedSize((kButtonWidth + 2) * unitW, y + unitH);
    fitToScreen(*this);
}

QPushButton* NoteMenuDialog::button(NoteMenuAction action) const {
    for (const Entry& entry : entries_)
        if (entry.action == action)
            return entry.button;
    return nullptr;
}

void NoteMenuDialog::keyPressEvent(QKeyEvent* event) {
    for (const Entry& entry : entries_) {
        if (event->key() == entry.key && !(event->modifiers() & ~Qt::ShiftModifier)) {
            choose(entry.action);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void NoteMenuDialog::choose(NoteMenuAction action) {
    chosen_ = action;
    accept();
}

NoteMenuAction runNoteMenu(QWidget* parent, int unitW, int unitH) {
    NoteMenuDialog menu(unitW, unitH, parent);
    menu.exec();
    return menu.chosen();
}

} // namespace tp

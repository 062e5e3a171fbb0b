#include "notes/qt/WeekdayNoteEditor.h"

#include "notes/NoteEditing.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace tp {

namespace {
constexpr int kEveryMonthEntry = 1; // the month list holds the day's month, then "Monat"
}

WeekdayNoteEditor::WeekdayNoteEditor(NoteEditorContext context, QWidget* parent)
    : NoteEditorDialog(std::move(context), QStringLiteral("Wochentag im Monat"), parent) {
    const CivilDate date = civilFromDayNumber(context_.day);

    // "Notiz jeden [ersten] Dienstag im [Februar] anzeigen", one part per row.
    controlColumn()->addWidget(new QLabel(QStringLiteral("Notiz jeden")));
    occurrenceList_ = new QComboBox;
    occurrenceList_->addItems({QStringLiteral("ersten"), QStringLiteral("zweiten"),
                               QStringLiteral("dritten"), QStringLiteral("vierten"),
                               QStringLiteral("letzten")});
    controlColumn()->addWidget(occurrenceList_);
    controlColumn()->addWidget(
        new QLabel(qText(weekdayName(weekdayOf(context_.day))) + QStringLiteral(" im")));
    monthList_ = new QComboBox;
    monthList_->addItems({qText(monthName(date.month)), QStringLiteral("Monat")});
    controlColumn()->addWidget(monthList_);
    controlColumn()->addWidget(new QLabel(QStringLiteral("anzeigen")));
    controlColumn()->addSpacing(context_.unitH);
    codes_ = weekdayNoteCodesOfDay(context_.notes.noteIndexes(), context_.day);
    addStepControls(static_cast<int>(codes_.size()));
}

void WeekdayNoteEditor::showEntry(int entry) {
    const bool existing = entry <= static_cast<int>(codes_.size());
    const std::int32_t code = existing ? codes_[static_cast<std::size_t>(entry - 1)] : 0;
    loadedRule_ = existing ? weekdayNoteRuleOfCode(code) : proposedWeekdayRule(context_.day);
    monthList_->setCurrentIndex(loadedRule_.month == kEveryMonth ? kEveryMonthEntry : 0);
    occurrenceList_->setCurrentIndex(std::clamp(loadedRule_.occurrence, 0, kLastOccurrence));
    load(existing ? readNote(weekdayNoteFileName(code)) : QString());
}

WeekdayNoteRule WeekdayNoteEditor::rule() const {
    const int month = monthList_->currentIndex() == kEveryMonthEntry
                          ? kEveryMonth
                          : civilFromDayNumber(context_.day).month;
    return {month, weekdayOf(context_.day), occurrenceList_->currentIndex()};
}

std::string WeekdayNoteEditor::fileName() const {
    return weekdayNoteFileName(weekdayNoteCode(rule()));
}

QString WeekdayNoteEditor::noteDescription() const {
    return QStringLiteral("Die Notiz für den Wochentag im Monat (%1)")
        .arg(QString::fromStdString(fileName()));
}

bool WeekdayNoteEditor::mayOverwrite() {
    const std::vector<std::int32_t>& codes = context_.notes.noteIndexes().weekdayNotes;
    const bool exists = std::binary_search(codes.begin(), codes.end(), weekdayNoteCode(rule()));
    return !exists ||
           context_.messages.ask(this, QStringLiteral("Eine Datei mit der gewählten Wiederholung "
                                                      "existiert bereits!\nSoll sie "
                                                      "überschrieben werden?"));
}

} // namespace tp

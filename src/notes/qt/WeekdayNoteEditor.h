#pragma once

#include "notes/NoteNames.h"
#include "notes/qt/NoteEditorDialog.h"

#include <vector>

class QComboBox;

namespace tp {

// The editor of notes on the n-th or last weekday of the selected day's month or of every
// month; steps through the notes of that kind that meet on the day.
class WeekdayNoteEditor : public NoteEditorDialog {
    Q_OBJECT

  public:
    explicit WeekdayNoteEditor(NoteEditorContext context, QWidget* parent = nullptr);

    QComboBox* occurrenceList() const { return occurrenceList_; }
    QComboBox* monthList() const { return monthList_; }

  protected:
    NoteKind kind() const override { return NoteKind::WeekdayInMonth; }
    std::string fileName() const override;
    QString noteDescription() const override;
    bool repetitionChanged() const override { return rule() != loadedRule_; }
    bool mayOverwrite() override;
    void repetitionSaved() override { loadedRule_ = rule(); }
    void showEntry(int entry) override;

  private:
    WeekdayNoteRule rule() const;

    QComboBox* occurrenceList_ = nullptr;
    QComboBox* monthList_ = nullptr;
    std::vector<std::int32_t> codes_; // of the notes that meet on the day
    WeekdayNoteRule loadedRule_;
};

} // namespace tp

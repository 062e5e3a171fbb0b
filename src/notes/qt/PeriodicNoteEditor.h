#pragma once

#include "notes/qt/NoteEditorDialog.h"

class QSpinBox;

namespace tp {

// The editor of notes repeated every n days; steps through the series that meet on the day.
class PeriodicNoteEditor : public NoteEditorDialog {
    Q_OBJECT

  public:
    explicit PeriodicNoteEditor(NoteEditorContext context, QWidget* parent = nullptr);

    QSpinBox* periodField() const { return periodField_; }

  protected:
    NoteKind kind() const override { return NoteKind::Periodic; }
    std::string fileName() const override;
    QString noteDescription() const override;
    bool repetitionChanged() const override { return period() != loadedPeriod_; }
    bool mayOverwrite() override;
    void repetitionSaved() override { loadedPeriod_ = period(); }
    void showEntry(int entry) override;

  private:
    int period() const;

    QSpinBox* periodField_ = nullptr;
    int loadedPeriod_ = 7;
};

} // namespace tp

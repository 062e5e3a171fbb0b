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
    const StepControls& stepControls() const { return step_; }

  protected:
    NoteKind kind() const override { return NoteKind::Periodic; }
    std::string fileName() const override;
    QString noteDescription() const override;
    bool repetitionChanged() const override { return period() != loadedPeriod_; }
    bool mayOverwrite() override;
    void repetitionSaved() override { loadedPeriod_ = period(); }

  private:
    int period() const;
    void show(int entry);

    QSpinBox* periodField_ = nullptr;
    StepControls step_;
    int entry_ = 1;
    int entryCount_ = 0;
    int loadedPeriod_ = 7;
};

} // namespace tp

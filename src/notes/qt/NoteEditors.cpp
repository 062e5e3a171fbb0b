#include "notes/qt/NoteEditors.h"

#include "notes/qt/DayNoteEditor.h"
#include "notes/qt/PeriodicNoteEditor.h"
#include "notes/qt/WeekdayNoteEditor.h"
#include "notes/qt/YearlyNoteEditor.h"

#include <memory>

namespace tp {

namespace {

std::unique_ptr<NoteEditorDialog> editorOf(NoteKind kind, const NoteEditorContext& context,
                                           QWidget* parent) {
    switch (kind) {
    case NoteKind::Day:
        return std::make_unique<DayNoteEditor>(context, parent);
    case NoteKind::Periodic:
        return std::make_unique<PeriodicNoteEditor>(context, parent);
    case NoteKind::Yearly:
        return std::make_unique<YearlyNoteEditor>(context, parent);
    case NoteKind::WeekdayInMonth:
        return std::make_unique<WeekdayNoteEditor>(context, parent);
    }
    return nullptr;
}

} // namespace

bool runNoteEditor(NoteKind kind, const NoteEditorContext& context, QWidget* parent) {
    const std::unique_ptr<NoteEditorDialog> editor = editorOf(kind, context, parent);
    editor->tellUnreadableNote();
    editor->exec();
    return editor->changedNotes();
}

} // namespace tp

#pragma once

#include "model/DayNumber.h"
#include "platform/qt/MessageBoxes.h"

#include <QColor>
#include <QDialog>
#include <QFont>

class QPlainTextEdit;

namespace tp {

// How the read-only note windows look: the page's units, font and background colour.
struct NotesWindowLook {
    int unitW = 8;
    int unitH = 16;
    QFont font;
    QColor background{Qt::white};
};

// A read-only window of note texts: the notes of one day or the overview of the page's months.
// Escape or the close box closes it.
class NotesTextWindow : public QDialog {
    Q_OBJECT

  public:
    // `text` holds CR LF line breaks.
    NotesTextWindow(const QString& title, const QString& text, const NotesWindowLook& look,
                    QWidget* parent = nullptr);

    QPlainTextEdit* textField() const { return textField_; }

  private:
    QPlainTextEdit* textField_ = nullptr;
};

// "Notizen für den dd.mm.yyyy" with `notes` (the day's notes in window form). A day without
// notes opens nothing; when the user asked explicitly, a message says so.
void runNotesWindow(QWidget* parent, MessageBoxes& messages, const QString& notes, DayNumber day,
                    bool explicitRequest, const NotesWindowLook& look);

// The overview of the notes of the displayed months, or the message that there are none.
void runNotesOverview(QWidget* parent, MessageBoxes& messages, const QString& overview,
                      const NotesWindowLook& look);

} // namespace tp

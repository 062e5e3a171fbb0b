#include "notes/qt/NotesTextWindow.h"

#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QPalette>
#include <QPlainTextEdit>

namespace tp {

NotesTextWindow::NotesTextWindow(const QString& title, const QString& text,
                                 const NotesWindowLook& look, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setFixedSize(33 * look.unitW, 60 * look.unitH);
    widenToTitle(*this);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look.background);
    palette.setColor(QPalette::Base, look.background);
    setPalette(palette);
    setAutoFillBackground(true);

    textField_ = new QPlainTextEdit(this);
    textField_->setGeometry(look.unitW, look.unitH, width() - 2 * look.unitW, 58 * look.unitH);
    textField_->setReadOnly(true);
    textField_->setFont(look.font);
    textField_->setPalette(palette);
    textField_->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    fitToScreen(*this, {textField_});
}

void runNotesWindow(QWidget* parent, MessageBoxes& messages, const QString& notes, DayNumber day,
                    bool explicitRequest, const NotesWindowLook& look) {
    if (notes.isEmpty()) {
        if (explicitRequest)
            messages.inform(parent, QStringLiteral("Information"),
                            QStringLiteral("Für den gewählten Tag sind keine Notizen vorhanden!"));
        return;
    }
    const CivilDate date = civilFromDayNumber(day);
    const QString title = QStringLiteral("Notizen für den %1.%2.%3")
                              .arg(date.day, 2, 10, QLatin1Char('0'))
                              .arg(date.month, 2, 10, QLatin1Char('0'))
                              .arg(date.year, 4, 10, QLatin1Char('0'));
    NotesTextWindow window(title, notes, look, parent);
    window.exec();
}

void runNotesOverview(QWidget* parent, MessageBoxes& messages, const QString& overview,
                      const NotesWindowLook& look) {
    if (overview.isEmpty()) {
        messages.inform(parent, QStringLiteral("Information"),
                        QStringLiteral("Im angezeigten Zeitraum sind keine Notizen vorhanden!"));
        return;
    }
    NotesTextWindow window(QStringLiteral("Übersicht der Notizen für die angezeigten Monate"),
                           overview, look, parent);
    window.exec();
}

} // namespace tp

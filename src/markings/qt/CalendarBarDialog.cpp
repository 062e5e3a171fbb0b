#include "markings/qt/CalendarBarDialog.h"
#include "model/qt/DayNumberQDate.h"

#include "markings/qt/DialogButtons.h"
#include "platform/qt/Colour.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QColorDialog>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>

namespace tp {

namespace {

QDateEdit* dateField(DayNumber day, QWidget* parent) {
    auto* field = new QDateEdit(parent);
    field->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    field->setDateRange(qDateOf(kFirstSupportedDay), qDateOf(kLastSupportedDay));
    field->setDate(qDateOf(day));
    return field;
}

} // namespace

std::optional<QColor> chooseColourWithQt(const QColor& current, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(current, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

CalendarBarDialog::CalendarBarDialog(const CalendarBar& shown, ColourChooser chooser,
                                     QWidget* parent)
    : QDialog(parent), chooser_(std::move(chooser)), colour_(shown.colour) {
    setWindowTitle(QStringLiteral("Eingabe einer Kalendermarkierung"));
    auto* layout = new QGridLayout(this);
    widenToTitle(*this);
    fitToScreen(*this);
    startField_ = dateField(shown.start, this);
    endField_ = dateField(shown.end, this);
    layout->addWidget(new QLabel(QStringLiteral("Eingabe des Startdatums:"), this), 0, 0);
    layout->addWidget(startField_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Eingabe des Enddatums:"), this), 1, 0);
    layout->addWidget(endField_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Wahl einer neuen"), this), 2, 0);
    colourButton_ = new QPushButton(QStringLiteral("Markierungsfarbe"), this);
    colourButton_->setToolTip(QStringLiteral("Eine neue Farbe für die Kalendermarkierung wählen"));
    colourButton_->setAutoDefault(false);
    layout->addWidget(colourButton_, 2, 1);

    auto* buttons = new QDialogButtonBox(this);
    saveButton_ = addDialogButton(buttons, QStringLiteral("Speichern"),
                                  QStringLiteral("Speichert die Kalendermarkierung"),
                                  QDialogButtonBox::AcceptRole);
    deleteButton_ = addDialogButton(
        buttons, QStringLiteral("Löschen"),
        QStringLiteral("Löscht die Markierung in dessen Bereich sich das Startdatum befindet"),
        QDialogButtonBox::DestructiveRole);
    QPushButton* cancel = addDialogButton(buttons, QStringLiteral("Abbruch"), kCancelToolTip,
                                          QDialogButtonBox::RejectRole);
    layout->addWidget(buttons, 3, 0, 1, 2);

    connect(colourButton_, &QPushButton::clicked, this, &CalendarBarDialog::chooseColour);
    connect(saveButton_, &QPushButton::clicked, this, [this] {
        action_ = Action::Save;
        accept();
    });
    connect(deleteButton_, &QPushButton::clicked, this, [this] {
        action_ = Action::Delete;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    endField_->setFocus();
}

DayNumber CalendarBarDialog::startDay() const {
    return dayOf(startField_->date());
}

DayNumber CalendarBarDialog::endDay() const {
    return dayOf(endField_->date());
}

void CalendarBarDialog::chooseColour() {
    const auto chosen = chooser_(colourFromWindowsValue(static_cast<int>(colour_)), this);
    if (chosen)
        colour_ = static_cast<std::uint32_t>(windowsValueFromColour(*chosen));
}

bool editCalendarBar(QWidget* parent, CalendarBarList& bars, DayNumber day,
                     const ColourChooser& chooser) {
    CalendarBarDialog dialog(barShownForDay(bars, day), chooser, parent);
    dialog.exec();
    switch (dialog.action()) {
    case CalendarBarDialog::Action::Save:
        saveBarEntry(bars, dialog.startDay(), dialog.endDay(), dialog.colour());
        return true;
    case CalendarBarDialog::Action::Delete: {
        const std::size_t before = bars.bars().size();
        deleteBarEntry(bars, dialog.startDay(), dialog.endDay());
        return bars.bars().size() != before;
    }
    case CalendarBarDialog::Action::None:
        break;
    }
    return false;
}

} // namespace tp

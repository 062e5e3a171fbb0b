#include "markings/qt/ShiftMarkingDialog.h"

#include "markings/qt/DialogButtons.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tp {

namespace {

QString qText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString dayText(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    return QStringLiteral("%1.%2.%3")
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.year, 4, 10, QLatin1Char('0'));
}

// The code a letter key chooses, or -1.
int codeOfKey(CalendarType type, int key) {
    const bool fourCrew = isFourCrew(type);
    const int shift = fourCrew ? 2 : 0; // "Früh", "Spät", "Nacht" come first
    switch (key) {
    case Qt::Key_X:
        return 0;
    case Qt::Key_F:
        return 1 + shift;
    case Qt::Key_U:
        return 2 + shift;
    case Qt::Key_L:
        return 3 + shift;
    case Qt::Key_K:
        return 4 + shift;
    case Qt::Key_A:
        return 5 + shift;
    case Qt::Key_Delete:
        return deleteMarkingCode(type);
    default:
        return -1;
    }
}

QDialogButtonBox* acceptCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* accept =
        addDialogButton(buttons, QStringLiteral("Übernehmen"),
                        QStringLiteral("Speichert die Stunden"), QDialogButtonBox::AcceptRole);
    addDialogButton(buttons, QStringLiteral("Abbruch"), kCancelToolTip,
                    QDialogButtonBox::RejectRole);
    accept->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

ShiftMarkingDialog::ShiftMarkingDialog(CalendarType type, int code, int column, DayNumber day,
                                       QWidget* parent)
    : QDialog(parent), type_(type) {
    setWindowTitle(QStringLiteral("Schichtmarkierung eingeben"));
    auto* layout = new QVBoxLayout(this);
    widenToTitle(*this);
    fitToScreen(*this);
    options_ = new QButtonGroup(this);
    const auto names = markingOptions(type);
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* option = new QRadioButton(qText(names[i]), this);
        options_->addButton(option, static_cast<int>(i));
        layout->addWidget(option);
    }
    if (QAbstractButton* selected = options_->button(code))
        selected->setChecked(true);
    else
        options_->button(0)->setChecked(true);
    dayLabel_ = new QLabel(QStringLiteral(" ") + qText(shiftColumnName(type, column)) +
                               QStringLiteral(" am ") + dayText(day),
                           this);
    layout->addWidget(dayLabel_);
    layout->addWidget(acceptCancelButtons(this));
}

int ShiftMarkingDialog::chosenCode() const {
    return options_->checkedId();
}

void ShiftMarkingDialog::keyPressEvent(QKeyEvent* event) {
    const int code = codeOfKey(type_, event->key());
    if (code < 0 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QDialog::keyPressEvent(event);
        return;
    }
    options_->button(code)->setChecked(true);
    accept();
}

int runShiftMarkingDialog(QWidget* parent, CalendarType type, int code, int column, DayNumber day) {
    ShiftMarkingDialog dialog(type, code, column, day, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenCode() : -1;
}

bool enterShiftMarking(QWidget* parent, ShiftMarkingList& markings, CalendarType type,
                       DayNumber day, int column) {
    if (!isMarkableColumn(type, day, column))
        return false;
    const int code =
        runShiftMarkingDialog(parent, type, currentMarkingCode(markings, day), column, day);
    if (code < 0)
        return false;
    storeShiftMarking(markings, type, day, column, code);
    return true;
}

ShiftColumnDialog::ShiftColumnDialog(CalendarType type, DayNumber day, int column, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Schichtspalte eingeben"));
    auto* layout = new QVBoxLayout(this);
    widenToTitle(*this);
    fitToScreen(*this);
    options_ = new QButtonGroup(this);
    for (int i = 1; i <= 4; ++i) {
        auto* option = new QRadioButton(qText(shiftColumnName(type, i)), this);
        option->setEnabled(isFourCrew(type) || i != 3 || weekdayOf(day) != Weekday::Sunday);
        options_->addButton(option, i);
        layout->addWidget(option);
    }
    if (QAbstractButton* selected = options_->button(column); selected && selected->isEnabled())
        selected->setChecked(true);
    layout->addWidget(acceptCancelButtons(this));
}

int ShiftColumnDialog::chosenColumn() const {
    return std::max(options_->checkedId(), 0);
}

int chooseShiftColumn(QWidget* parent, CalendarType type, DayNumber day, int column) {
    ShiftColumnDialog dialog(type, day, column, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenColumn() : 0;
}

} // namespace tp

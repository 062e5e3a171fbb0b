#include "accounts/qt/AccountEntryWindows.h"
#include "model/qt/DayNumberQDate.h"

#include "accounts/AccountEntryText.h"
#include "accounts/qt/BaseCrewOptions.h"
#include "markings/qt/DialogButtons.h"
#include "platform/qt/DateField.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tp {

namespace {

constexpr int kWidthInCharacters = 60;
constexpr double kHoursWindowHeightInRows = 10.5;

QDateEdit* newDateField(QWidget* window, DayNumber day, DayNumber first, DayNumber last) {
    // Typed dates with or without their dots, as in the date window.
    auto* field = new DateField(window);
    field->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    field->setDateRange(qDateOf(first), qDateOf(last));
    field->setDate(qDateOf(std::clamp(day, first, last)));
    return field;
}

QHBoxLayout* labelled(QWidget* window, const QString& label, QWidget* field) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label, window));
    row->addWidget(field);
    return row;
}

// "Speichern" (also Return) and "Abbruch".
void addSaveAndCancel(QDialog* window, QBoxLayout* layout, const QString& saveToolTip) {
    auto* buttons = new QDialogButtonBox(window);
    addDialogButton(buttons, QStringLiteral("Speichern"), saveToolTip, QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    addDialogButton(buttons, QStringLiteral("Abbruch"), kCancelToolTip,
                    QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
    layout->addWidget(buttons);
}

QString qText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

HoursEntryWindow::HoursEntryWindow(const HoursAccount& account, DayNumber today, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Stunden eingeben"));
    auto* layout = new QVBoxLayout(this);
    // An account never saved has day 0, 1 January 1970, which nobody means.
    const DayNumber startDay = account.startDay > kFirstSupportedDay ? account.startDay : today;
    dateField_ = newDateField(this, startDay, kFirstSupportedDay, kLastSupportedDay);
    layout->addLayout(labelled(this, QStringLiteral("Stunden am:"), dateField_));
    hoursField_ = new QLineEdit(qText(hoursFieldText(account.hours, account.minutesMode)), this);
    layout->addWidget(hoursField_);

    auto* modes = new QHBoxLayout;
    minutesOption_ = new QRadioButton(QStringLiteral("Std:Min"), this);
    decimalOption_ = new QRadioButton(QStringLiteral("Std,dez"), this);
    (account.minutesMode ? minutesOption_ : decimalOption_)->setChecked(true);
    modes->addWidget(minutesOption_);
    modes->addWidget(decimalOption_);
    layout->addLayout(modes);
    // Only a real switch converts, not a click on the option already chosen.
    connect(minutesOption_, &QRadioButton::toggled, this, [this](bool toMinutes) {
        hoursField_->setText(
            qText(convertedHoursText(hoursField_->text().toStdString(), toMinutes)));
    });

    crewOptions_ = addBaseCrewOptions(this, layout, account.baseCrew);
    blockBox_ = new QCheckBox(QStringLiteral("Den Urlaubsblock als Minusstunden berechnen"), this);
    blockBox_->setToolTip(
        QStringLiteral("Wenn im Urlaubsblock gearbeitet wird, z. B. bei Schichttausch"));
    blockBox_->setChecked(account.blockAsMinusHours);
    layout->addWidget(blockBox_);
    addSaveAndCancel(this, layout, QStringLiteral("Speichert die Stunden"));

    // 60 characters wide and 10.5 rows high, but never so low that the controls overlap.
    const QFontMetrics metrics = fontMetrics();
    const int height = static_cast<int>(std::lround(kHoursWindowHeightInRows * metrics.height()));
    setFixedSize(kWidthInCharacters * metrics.averageCharWidth(),
                 std::max(height, minimumSizeHint().height()));
    widenToTitle(*this);
    fitToScreen(*this);
    hoursField_->setFocus();
}

HoursAccount HoursEntryWindow::enteredAccount() const {
    const bool minutesMode = minutesOption_->isChecked();
    return {dayOf(dateField_->date()),
            hoursFromFieldText(hoursField_->text().toStdString(), minutesMode), minutesMode,
            chosenBaseCrew(), blockFlag()};
}

int HoursEntryWindow::chosenBaseCrew() const {
    return crewOptions_->checkedId();
}

bool HoursEntryWindow::blockFlag() const {
    return blockBox_->isChecked();
}

VacationEntryWindow::VacationEntryWindow(const VacationAccount& account, int baseCrew,
                                         int currentYear, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Urlaub eingeben"));
    auto* layout = new QVBoxLayout(this);
    dateField_ = newDateField(this, account.startDay, firstDayOfYear(currentYear),
                              firstDayOfYear(currentYear + 1) - 1);
    layout->addLayout(labelled(this, QStringLiteral("Resturlaub am:"), dateField_));
    daysField_ = new QLineEdit(
        account.remainingDays == 0 ? QString() : QString::number(account.remainingDays), this);
    layout->addLayout(labelled(this, QStringLiteral("Tage"), daysField_));
    connect(daysField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const auto limited = limitedVacationDaysText(text.toStdString()))
            daysField_->setText(qText(*limited));
    });
    crewOptions_ = addBaseCrewOptions(this, layout, baseCrew);
    addSaveAndCancel(this, layout, QStringLiteral("Speichert die Urlaubstage"));
    setFixedWidth(kWidthInCharacters * fontMetrics().averageCharWidth());
    widenToTitle(*this);
    fitToScreen(*this);
    daysField_->setFocus();
}

VacationAccount VacationEntryWindow::enteredAccount() const {
    return {dayOf(dateField_->date()), vacationDaysFromFieldText(daysField_->text().toStdString())};
}

int VacationEntryWindow::chosenBaseCrew() const {
    return crewOptions_->checkedId();
}

std::optional<HoursAccount> runHoursEntryWindow(QWidget* parent, const HoursAccount& account,
                                                DayNumber today) {
    HoursEntryWindow window(account, today, parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.enteredAccount();
}

std::optional<VacationWindowEntry> runVacationEntryWindow(QWidget* parent,
                                                          const VacationAccount& account,
                                                          int baseCrew, DayNumber today) {
    VacationEntryWindow window(account, baseCrew, civilFromDayNumber(today).year, parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return VacationWindowEntry{window.enteredAccount(), window.chosenBaseCrew()};
}

} // namespace tp

#include "settings/qt/SettingsDialog.h"

#include "model/DayNumber.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/ScreenFit.h"
#include "settings/TypedSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tp {

namespace {

constexpr double kLatitudeLimit = 90.0;
constexpr double kLongitudeLimit = 180.0;
constexpr MonthDay kDefaultVacationStart{4, 25};

QString decimals(double value, int count) {
    return QString::number(value, 'f', count);
}

// The dialog shows magnitudes; the options give the sign. No "-0" reaches the file.
double signedValue(double magnitude, bool negative) {
    const double value = std::fabs(magnitude);
    return negative && value != 0.0 ? -value : value;
}

QDate dateInYear(MonthDay monthDay, int year) {
    const int month = std::clamp(monthDay.month, 1, 12);
    const int day = std::clamp(monthDay.day, 1, monthLength(year, month - 1));
    return QDate(year, month, day);
}

// Two options of which exactly one is checked.
std::pair<QRadioButton*, QRadioButton*> optionPair(QWidget* parent, const char* first,
                                                   const char* second, bool firstChecked) {
    auto* group = new QButtonGroup(parent);
    auto* a = new QRadioButton(QString::fromUtf8(first), parent);
    auto* b = new QRadioButton(QString::fromUtf8(second), parent);
    group->addButton(a);
    group->addButton(b);
    (firstChecked ? a : b)->setChecked(true);
    return {a, b};
}

QCheckBox* checkBox(QWidget* parent, const char* text, bool checked) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setChecked(checked);
    return box;
}

QPushButton* button(QWidget* parent, const char* text, const char* toolTip) {
    auto* pushButton = new QPushButton(QString::fromUtf8(text), parent);
    pushButton->setToolTip(QString::fromUtf8(toolTip));
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

SettingsDialog::SettingsDialog(const ProgramSettings& settings, int calendarYear,
                               MessageBoxes& messages, SettingsDialogHooks hooks, QWidget* parent)
    : QDialog(parent), opened_(settings), messages_(messages), hooks_(std::move(hooks)),
      calendarYear_(calendarYear) {
    const AstronomySettings& place = settings.place;
    const PageSwitches& switches = settings.switches;
    setWindowTitle(QStringLiteral("Programmeinstellungen"));

    // Koordinaten
    auto* coordinates = new QGroupBox(QStringLiteral("Koordinaten"), this);
    acceptedPlaceName_ = QString::fromStdString(settings.placeName);
    placeName_ = new QLineEdit(acceptedPlaceName_, coordinates);
    longitude_ = new QLineEdit(decimals(std::fabs(place.longitude), 2), coordinates);
    std::tie(longitudeEast_, longitudeWest_) =
        optionPair(coordinates, "Ost", "West", place.longitude < 0);
    latitude_ = new QLineEdit(decimals(std::fabs(place.latitude), 2), coordinates);
    std::tie(latitudeNorth_, latitudeSouth_) =
        optionPair(coordinates, "Nord", "Süd", place.latitude >= 0);
    timeZone_ = new QLineEdit(decimals(std::fabs(place.timeZone), 1), coordinates);
    std::tie(timeZoneEast_, timeZoneWest_) =
        optionPair(coordinates, "Ost", "West", place.timeZone > 0);
    summerTime_ = checkBox(coordinates, "Sommerzeit automatisch", place.automaticSummerTime);

    auto* coordinateGrid = new QGridLayout(coordinates);
    coordinateGrid->addWidget(new QLabel(QStringLiteral("Name:"), coordinates), 0, 0);
    coordinateGrid->addWidget(placeName_, 0, 1, 1, 3);
    const std::array<std::tuple<const char*, QLineEdit*, QRadioButton*, QRadioButton*>, 3> rows{{
        {"Länge:", longitude_, longitudeEast_, longitudeWest_},
        {"Breite:", latitude_, latitudeNorth_, latitudeSouth_},
        {"Zeitzone:", timeZone_, timeZoneEast_, timeZoneWest_},
    }};
    for (int row = 0; row < 3; ++row) {
        const auto& [label, field, first, second] = rows[row];
        coordinateGrid->addWidget(new QLabel(QString::fromUtf8(label), coordinates), row + 1, 0);
        coordinateGrid->addWidget(field, row + 1, 1);
        coordinateGrid->addWidget(first, row + 1, 2);
        coordinateGrid->addWidget(second, row + 1, 3);
        field->installEventFilter(this);
    }
    coordinateGrid->addWidget(summerTime_, 4, 0, 1, 4);
    connect(placeName_, &QLineEdit::textChanged, this, &SettingsDialog::takeOverPlaceName);

    // Bildschirmausgabe
    auto* display = new QGroupBox(QStringLiteral("Bildschirmausgabe"), this);
    auto* displayLayout = new QGridLayout(display);
    displayLayout->addWidget(new QLabel(QStringLiteral("Dämmerung:"), display), 0, 0);
    auto* twilightGroup = new QButtonGroup(display);
    const std::array<const char*, 3> twilightNames{"bürgerlich", "nautisch", "astronomisch"};
    for (int kind = 0; kind < 3; ++kind) {
        twilight_[kind] = new QRadioButton(QString::fromUtf8(twilightNames[kind]), display);
        twilightGroup->addButton(twilight_[kind]);
        displayLayout->addWidget(twilight_[kind], 0, kind + 1);
    }
    twilight_[std::clamp(place.twilight, 0, 2)]->setChecked(true);
    moonPhases_ = checkBox(display, "Mondphasen anzeigen", switches.moonPhases);
    orbitExtremes_ = checkBox(display, "Mondferne und Mondnähe anzeigen", switches.orbitExtremes);
    weekNumbers_ = checkBox(display, "Wochennummer anzeigen", switches.weekNumbers);
    schoolHolidays_ = checkBox(display, "Schulferien anzeigen", switches.schoolHolidays);
    displayLayout->addWidget(moonPhases_, 1, 0, 1, 2);
    displayLayout->addWidget(orbitExtremes_, 1, 2, 1, 2);
    displayLayout->addWidget(weekNumbers_, 2, 0, 1, 2);
    displayLayout->addWidget(schoolHolidays_, 2, 2, 1, 2);

    // Blockurlaubsberechnung
    auto* block = new QGroupBox(QStringLiteral("Blockurlaubsberechnung"), this);
    vacationStart_ = new QDateEdit(block);
    vacationStart_->setDisplayFormat(QStringLiteral("dd.MM."));
    vacationStart_->setDateRange(QDate(calendarYear, 1, 1), QDate(calendarYear, 12, 31));
    vacationStart_->setDate(dateInYear(settings.vacation.earliestStart, calendarYear));
    resetVacation_ = button(block, "Urlaub zurücksetzen",
                            "Die Werte der Urlaubsberechnung auf die Programmeinstellungen "
                            "zurücksetzen");
    connect(resetVacation_, &QPushButton::clicked, this, &SettingsDialog::resetVacation);
    crewOrder_ = new QComboBox(block);
    for (const std::string& order : crewOrderTexts(calendarYear))
        crewOrder_->addItem(QString::fromStdString(order));
    crewOrder_->setCurrentIndex(std::clamp(settings.vacation.cycle, 0, kCrewCount - 1));
    auto* blockLayout = new QGridLayout(block);
    blockLayout->addWidget(new QLabel(QStringLiteral("Frühester Urlaubsbeginn:"), block), 0, 0);
    blockLayout->addWidget(vacationStart_, 0, 1);
    blockLayout->addWidget(resetVacation_, 0, 2);
    blockLayout->addWidget(new QLabel(QStringLiteral("Reihenfolge der Schichten:"), block), 1, 0);
    blockLayout->addWidget(crewOrder_, 1, 1, 1, 2);

    // Stundenberechnung
    auto* hours = new QGroupBox(QStringLiteral("Stundenberechnung"), this);
    const auto hoursText = [](float value) {
        return decimals(value, 2).replace(QLatin1Char('.'), QLatin1Char(','));
    };
    targetHours38_ = new QLineEdit(hoursText(settings.accounts.targetHours38), hours);
    targetHours40_ = new QLineEdit(hoursText(settings.accounts.targetHours40), hours);
    auto* hoursLayout = new QGridLayout(hours);
    hoursLayout->addWidget(
        new QLabel(QStringLiteral("Sollstunden bei einer 38 Stundenwoche:"), hours), 0, 0);
    hoursLayout->addWidget(targetHours38_, 0, 1);
    hoursLayout->addWidget(
        new QLabel(QStringLiteral("Sollstunden bei einer 40 Stundenwoche:"), hours), 1, 0);
    hoursLayout->addWidget(targetHours40_, 1, 1);

    save_ = button(this, "Speichern", "Speichert Koordinaten und verlässt das Eingabefenster");
    info_ = button(this, "Info", "Infos zur Eingabe");
    cancel_ = button(this, "Abbruch", "Verlässt das Eingabefenster ohne Speichern");
    connect(save_, &QPushButton::clicked, this, &SettingsDialog::saveIfValid);
    // The time zone's limit depends on its direction.
    for (QRadioButton* option : {timeZoneEast_, timeZoneWest_})
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                normaliseField(timeZone_);
        });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(info_, &QPushButton::clicked, this, [this] {
        if (hooks_.showHelp)
            hooks_.showHelp(this);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(info_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(coordinates);
    layout->addWidget(display);
    layout->addWidget(block);
    layout->addWidget(hours);
    layout->addLayout(buttons);
    placeName_->setFocus();
    fitToScreen(*this);
}

ProgramSettings SettingsDialog::settings() const {
    ProgramSettings settings = opened_;
    settings.placeName = placeName().toStdString();
    AstronomySettings& place = settings.place;
    place.longitude =
        signedValue(parseDegreesMinutes(longitude_->text().toStdString(), kLongitudeLimit),
                    longitudeEast_->isChecked());
    place.latitude =
        signedValue(parseDegreesMinutes(latitude_->text().toStdString(), kLatitudeLimit),
                    latitudeSouth_->isChecked());
    const bool west = timeZoneWest_->isChecked();
    place.timeZone = signedValue(
        limitedTimeZoneHours(std::fabs(parseTimeZone(timeZone_->text().toStdString())), west),
        west);
    place.automaticSummerTime = summerTime_->isChecked();
    for (int kind = 0; kind < 3; ++kind)
        if (twilight_[kind]->isChecked())
            place.twilight = kind;
    settings.switches.moonPhases = moonPhases_->isChecked();
    settings.switches.orbitExtremes = orbitExtremes_->isChecked();
    settings.switches.weekNumbers = weekNumbers_->isChecked();
    settings.switches.schoolHolidays = schoolHolidays_->isChecked();
    const QDate start = vacationStart_->date();
    settings.vacation = {{start.month(), start.day()}, crewOrder_->currentIndex()};
    // saveIfValid lets only numbers it could read through.
    settings.accounts.targetHours38 =
        parseTargetHours(targetHours38_->text().toStdString()).value_or(0.0f);
    settings.accounts.targetHours40 =
        parseTargetHours(targetHours40_->text().toStdString()).value_or(0.0f);
    return settings;
}

QString SettingsDialog::placeName() const {
    return acceptedPlaceName_;
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (auto* field = qobject_cast<QLineEdit*>(watched))
            normaliseField(field);
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::takeOverPlaceName() {
    QString name = placeName_->text();
    if (name.size() > kMaxPlaceNameLength) {
        name.truncate(kMaxPlaceNameLength);
        placeName_->setText(name); // comes back here with the cut name
        messages_.inform(this, QStringLiteral("Info"),
                         QStringLiteral("Die Länge des Namens wurde auf 50 Zeichen gekürzt!"));
        return;
    }
    if (name == acceptedPlaceName_)
        return;
    acceptedPlaceName_ = name;
    if (hooks_.placeNameChanged)
        hooks_.placeNameChanged(name, QString::number(name.size()) +
                                          QStringLiteral(" von max. 50 Zeichen."));
}

void SettingsDialog::normaliseField(QLineEdit* field) {
    const std::string text = field->text().toStdString();
    // The field shows what will be stored: a magnitude, the sign in the direction options, so
    // a typed minus sign turns the direction over.
    const auto showMagnitude = [field](double value, int count, QRadioButton* first,
                                       QRadioButton* second) {
        if (value < 0)
            (first->isChecked() ? second : first)->setChecked(true);
        field->setText(decimals(std::fabs(value), count));
    };
    if (field == longitude_) {
        showMagnitude(parseDegreesMinutes(text, kLongitudeLimit), 2, longitudeEast_,
                      longitudeWest_);
    } else if (field == latitude_) {
        showMagnitude(parseDegreesMinutes(text, kLatitudeLimit), 2, latitudeNorth_, latitudeSouth_);
    } else if (field == timeZone_) {
        const double typed = parseTimeZone(text);
        const QSignalBlocker quiet(timeZoneWest_); // no second pass through the toggle
        const QSignalBlocker quietToo(timeZoneEast_);
        showMagnitude(typed, 1, timeZoneEast_, timeZoneWest_);
        const bool west = timeZoneWest_->isChecked();
        const double limited = limitedTimeZoneHours(std::fabs(typed), west);
        if (limited < std::fabs(typed)) {
            field->setText(decimals(limited, 1));
            messages_.inform(this, QStringLiteral("Info"),
                             QStringLiteral("Die Zeitzone wurde auf %1 Stunden %2 begrenzt.")
                                 .arg(decimals(limited, 1),
                                      west ? QStringLiteral("West") : QStringLiteral("Ost")));
        }
    }
}

void SettingsDialog::saveIfValid() {
    const std::pair<QLineEdit*, const char*> targetFields[] = {
        {targetHours38_, "Sollstunden bei einer 38 Stundenwoche"},
        {targetHours40_, "Sollstunden bei einer 40 Stundenwoche"},
    };
    for (const auto& [field, name] : targetFields) {
        if (parseTargetHours(field->text().toStdString()))
            continue;
        messages_.inform(this, QStringLiteral("Fehler"),
                         QStringLiteral("%1: \"%2\" ist keine Zahl von 0 bis 100000.\n"
                                        "Bitte eine Zahl wie 1982,76 eingeben.")
                             .arg(QString::fromUtf8(name), field->text()));
        field->setFocus();
        field->selectAll();
        return;
    }
    accept();
}

void SettingsDialog::resetVacation() {
    vacationStart_->setDate(dateInYear(kDefaultVacationStart, calendarYear_));
    crewOrder_->setCurrentIndex(0);
}

bool editProgramSettings(QWidget* parent, ProgramSettings& settings, int calendarYear,
                         MessageBoxes& messages, SettingsDialogHooks hooks) {
    const auto callerHook = hooks.placeNameChanged;
    hooks.placeNameChanged = [&settings, callerHook](const QString& name, const QString& count) {
        settings.placeName = name.toStdString();
        if (callerHook)
            callerHook(name, count);
    };
    SettingsDialog dialog(settings, calendarYear, messages, std::move(hooks), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.settings();
    return true;
}

} // namespace tp

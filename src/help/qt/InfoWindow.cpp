#include "help/qt/InfoWindow.h"

#include "help/qt/HelpTextWindow.h"
#include "holidays/qt/HolidayListWindow.h"
#include "holidays/qt/SchoolHolidayWindow.h"
#include "platform/qt/Colour.h"
#include "platform/qt/ScreenFit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace tp {

namespace {

struct InfoButton {
    InfoChoice choice;
    bool inTablesFrame;
    const char* text;    // UTF-8
    const char* toolTip; // UTF-8
    Qt::Key key;
};

// In the order they stand in the window.
constexpr std::array<InfoButton, kInfoChoiceCount> InfoButtons{{
    {InfoChoice::YearlyHours, true, "Jahresstunden",
     "Die Minusstunden für das Jahr der Spalte der Cursorposition", Qt::Key_M},
    {InfoChoice::SchoolHolidays, true, "Schulferien",
     "Die bayerischen Schulferien ür das in der ersten Spalte angezeigte Jahr", Qt::Key_S},
    {InfoChoice::Holidays, true, "Feiertage",
     "Die staatlichen Feiertage für das in der ersten Spalte angezeigte Jahr", Qt::Key_F},
    {InfoChoice::ProgramInfo, false, "Programm", "Allgemeine Infos zur Programmbedienung",
     Qt::Key_P},
    {InfoChoice::Keyboard, false, "Tastaturbelegung",
     "Infos zur Programmbedienung mit der Tastatur", Qt::Key_T},
    {InfoChoice::ShiftMarkings, false, "Schichtmarkierung",
     "Infos zur Eingabe und Verwaltung von Schichtmarkierungen", Qt::Key_I},
    {InfoChoice::CalendarBars, false, "Kalendermarkierung",
     "Infos zur Eingabe und Verwaltung von Kalendermarkierungen", Qt::Key_K},
    {InfoChoice::Notes, false, "Notizen", "Infos zur Eingabe und Verwaltung von Notizen",
     Qt::Key_N},
    {InfoChoice::ProgramMenu, false, "Prog. Menü", "Infos zu den unter 'Prog.' wählbaren Dingen",
     Qt::Key_R},
    {InfoChoice::UserName, false, "Name", "Infos zum Anmelden unter einen Benutzernamen",
     Qt::Key_A},
    {InfoChoice::Settings, false, "Einstellungen", "Infos zu den Programmeinstellungen", Qt::Key_E},
    {InfoChoice::Supplements, false, "Zuschläge",
     "Infos zu den Nacht-, Sonntags- und Feiertagsstunden", Qt::Key_Z},
}};

struct FurtherKey {
    const char* key;     // UTF-8
    const char* meaning; // UTF-8
};

constexpr std::array<FurtherKey, 5> kFurtherKeys{{
    {"Strg+P", "Drucken"},
    {"Strg+E", "Kalender exportieren"},
    {"G", "Zuschläge"},
    {"Strg+K", "Kalender-Abgleich"},
    {"Strg+S", "Sicherung"},
}};

// Rows are measured in row units: frames half a row apart, buttons 1.5 rows high, 1.9 apart.
constexpr double kButtonHeightRows = 1.5;
constexpr double kButtonStepRows = 1.9;
constexpr double kFirstButtonRows = 1.2;

int rounded(double value) {
    return static_cast<int>(std::lround(value));
}

std::optional<HelpTopic> helpTopicOf(InfoChoice choice) {
    switch (choice) {
    case InfoChoice::ProgramInfo:
        return HelpTopic::ProgramInfo;
    case InfoChoice::Keyboard:
        return HelpTopic::Keyboard;
    case InfoChoice::ShiftMarkings:
        return HelpTopic::ShiftMarkings;
    case InfoChoice::CalendarBars:
        return HelpTopic::CalendarBars;
    case InfoChoice::Notes:
        return HelpTopic::Notes;
    case InfoChoice::ProgramMenu:
        return HelpTopic::ProgramMenu;
    case InfoChoice::UserName:
        return HelpTopic::UserName;
    case InfoChoice::Settings:
        return HelpTopic::Settings;
    case InfoChoice::Supplements:
        return HelpTopic::Supplements;
    default:
        return std::nullopt;
    }
}

} // namespace

InfoWindow::InfoWindow(const HelpWindowLook& look, QWidget* parent) : QDialog(parent) {
    const int w = look.units.w;
    const int h = look.units.h;
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(27 * w, 32 * h); // made taller below where the last frame needs it
    QPalette background = palette();
    background.setColor(QPalette::Window, colourFromWindowsValue(look.backgroundColour));
    setPalette(background);
    setAutoFillBackground(true);

    tablesFrame_ = new QGroupBox(this);
    tablesFrame_->setGeometry(w, rounded(0.5 * h), 25 * w, 7 * h);
    helpFrame_ = new QGroupBox(this);
    helpFrame_->setGeometry(w, 8 * h, 25 * w, rounded(18.5 * h));

    int tablesRow = 0;
    int helpRow = 0;
    for (const InfoButton& entry : InfoButtons) {
        QGroupBox* frame = entry.inTablesFrame ? tablesFrame_ : helpFrame_;
        const int row = entry.inTablesFrame ? tablesRow++ : helpRow++;
        auto* button = new QPushButton(QString::fromUtf8(entry.text), frame);
        button->setGeometry(2 * w, rounded((kFirstButtonRows + row * kButtonStepRows) * h), 21 * w,
                            rounded(kButtonHeightRows * h));
        button->setToolTip(QString::fromUtf8(entry.toolTip));
        button->setAutoDefault(false);
        const InfoChoice choice = entry.choice;
        connect(button, &QPushButton::clicked, this, [this, choice] { choose(choice); });
        buttons_[static_cast<std::size_t>(choice)] = button;
    }

    // The keys the keyboard help text does not name.
    keysFrame_ = new QGroupBox(QStringLiteral("Weitere Tasten"), this);
    keysFrame_->move(w, rounded(25 * h));
    auto* keys = new QGridLayout(keysFrame_);
    for (int row = 0; const auto& [key, meaning] : kFurtherKeys) {
        keys->addWidget(new QLabel(QString::fromUtf8(key), keysFrame_), row, 0);
        keys->addWidget(new QLabel(QString::fromUtf8(meaning), keysFrame_), row, 1);
        ++row;
    }
    keys->setColumnStretch(1, 1);
    keys->setVerticalSpacing(0);
    // Its lines whole, in any font; the window ends half a row below it.
    keysFrame_->resize(25 * w, std::max(rounded(6.5 * h), keysFrame_->sizeHint().height()));
    setFixedSize(27 * w, keysFrame_->geometry().bottom() + 1 + rounded(0.5 * h));
    fitToScreen(*this);
}

void InfoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier) {
        for (const InfoButton& entry : InfoButtons) {
            if (event->key() == entry.key) {
                choose(entry.choice);
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void InfoWindow::choose(InfoChoice which) {
    choice_ = which;
    accept();
}

InfoWindowActions standardInfoWindowActions(QWidget* parent, const HelpWindowLook& look,
                                            std::function<void(int year)> yearlyHours) {
    InfoWindowActions actions;
    actions.yearlyHours = std::move(yearlyHours);
    actions.holidayList = [parent, look](int year) {
        showHolidayList(parent, year, look.units.w, look.units.h, look.backgroundColour);
    };
    actions.schoolHolidays = [parent, look](int year) {
        showSchoolHolidays(parent, year, look.units.w, look.units.h, look.backgroundColour);
    };
    actions.helpText = [parent, look](HelpTopic topic) { showHelpText(parent, topic, look); };
    return actions;
}

void runInfoChoice(InfoChoice choice, const InfoWindowContext& context,
                   const InfoWindowActions& actions) {
    if (const std::optional<HelpTopic> topic = helpTopicOf(choice)) {
        if (actions.helpText)
            actions.helpText(*topic);
        return;
    }
    switch (choice) {
    case InfoChoice::YearlyHours:
        if (!isFourCrew(context.calendarType) && actions.yearlyHours)
            actions.yearlyHours(context.cursorColumnYear);
        return;
    case InfoChoice::SchoolHolidays:
        if (actions.schoolHolidays)
            actions.schoolHolidays(context.firstColumnYear);
        return;
    case InfoChoice::Holidays:
        if (actions.holidayList)
            actions.holidayList(context.firstColumnYear);
        return;
    default:
        return;
    }
}

void runInfoWindow(QWidget* parent, const InfoWindowContext& context,
                   const InfoWindowActions& actions) {
    std::optional<InfoChoice> choice;
    {
        InfoWindow window(context.look, parent);
        window.exec();
        choice = window.choice();
    }
    if (choice)
        runInfoChoice(*choice, context, actions);
}

} // namespace tp

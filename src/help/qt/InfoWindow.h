#pragma once

#include "help/HelpTopic.h"
#include "help/qt/HelpWindowLook.h"
#include "model/CalendarType.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QGroupBox;
class QPushButton;

namespace tp {

// What the buttons of the "Info" window open.
enum class InfoChoice {
    YearlyHours,
    SchoolHolidays,
    Holidays,
    ProgramInfo,
    Keyboard,
    ShiftMarkings,
    CalendarBars,
    Notes,
    ProgramMenu,
    UserName,
    Settings,
    Supplements,
};

inline constexpr int kInfoChoiceCount = 12;

// "Info": two frames of buttons, the tables of the year above and the help texts below, and
// under them the keys the help texts do not name. Each
// button has a letter key that acts like a click; a choice closes the window, and the caller
// runs it afterwards. Escape and the close box close it without a choice.
class InfoWindow : public QDialog {
    Q_OBJECT

  public:
    InfoWindow(const HelpWindowLook& look, QWidget* parent = nullptr);

    std::optional<InfoChoice> choice() const { return choice_; }
    QPushButton* button(InfoChoice which) const {
        return buttons_[static_cast<std::size_t>(which)];
    }
    QGroupBox* tablesFrame() const { return tablesFrame_; }
    QGroupBox* helpFrame() const { return helpFrame_; }
    QGroupBox* keysFrame() const { return keysFrame_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void choose(InfoChoice which);

    std::optional<InfoChoice> choice_;
    std::array<QPushButton*, kInfoChoiceCount> buttons_{};
    QGroupBox* tablesFrame_ = nullptr;
    QGroupBox* helpFrame_ = nullptr;
    QGroupBox* keysFrame_ = nullptr; // "Weitere Tasten"
};

// What the main window knows when the "Info" window opens.
struct InfoWindowContext {
    HelpWindowLook look;
    CalendarType calendarType = CalendarType::WendringPm1;
    int firstColumnYear = 1970;  // the year shown in the first month column
    int cursorColumnYear = 1970; // the year of the month column the cursor stands in
};

// The windows a choice opens; each is given the year it shows.
struct InfoWindowActions {
    std::function<void(int year)> yearlyHours;
    std::function<void(int year)> holidayList;
    std::function<void(int year)> schoolHolidays;
    std::function<void(HelpTopic topic)> helpText;
};

// The holiday list, the school holidays and the help texts of the program, owned by `parent`;
// the yearly hour table is the caller's.
InfoWindowActions standardInfoWindowActions(QWidget* parent, const HelpWindowLook& look,
                                            std::function<void(int year)> yearlyHours);

// Runs a choice. The yearly hours exist for every calendar but the four-crew ones; there the
// choice opens nothing.
void runInfoChoice(InfoChoice choice, const InfoWindowContext& context,
                   const InfoWindowActions& actions);

// Opens the "Info" window and, once it has closed, runs the chosen command.
void runInfoWindow(QWidget* parent, const InfoWindowContext& context,
                   const InfoWindowActions& actions);

} // namespace tp

#pragma once

#include "astro/LunationCache.h"
#include "display/DayCellTable.h"
#include "display/qt/PageDrawingCache.h"
#include "display/PageGeometry.h"
#include "help/HelpTopic.h"
#include "help/qt/HelpWindowLook.h"
#include "notes/NoteKind.h"
#include "session/Session.h"
#include "shell/CursorMoves.h"
#include "shell/qt/ShellServices.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <map>

class QLineEdit;
class QTimer;
class QPushButton;

namespace tp {

class PageCanvas;
struct PageInput;

// The main window: the navigation buttons, the page canvas and the status panel. A view of
// the session: it turns keys and clicks into the session's operations and draws what they
// answer. Every command ends with the page rebuild.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    MainWindow(Session& session, ShellServices services, QWidget* parent = nullptr);

    // After the session started: fits the window to the font and the column count, selects
    // today and draws the first page.
    void startUp();
    // At the start: when the program was last left under another user, the login window
    // offers his name; Escape stays with the default user.
    void offerLastUser();
    // Tells the user what an operation reported, errors first.
    void tell(const SessionReport& report, QWidget* parent = nullptr);

    void runCommand(int command);

    // Saves everything the end of the program writes. Asked by the user (Escape, the close
    // box), a failure is told while the window is still open, with the choice to try again
    // or to end without saving; false while the user keeps the program open. `unasked` (the
    // desktop session ends) saves without asking.
    bool saveAtEnd(bool unasked);
    // Ends the run: saves as saveAtEnd does (once) and closes the window.
    void endSession(bool unasked);
    // Whether the run was ended (Escape, the close box, the end of the desktop session).
    bool quitRequested() const { return quitRequested_; }
    // The "Kalender" dialog; a chosen type shows or hides the "UB" toggle and redraws.
    void chooseCalendarType();
    void rebuildPage(CursorMove move);
    // The notes window of the selected day; unasked (at start-up, after a login) it opens only
    // when the day has notes.
    void showNotesOfSelectedDay(bool explicitRequest);
    // "Stunden eingeben" and "Urlaub eingeben"; both fields are drawn anew afterwards.
    void openHoursEntry();
    void openVacationEntry();

    // Resizes and centres the window for the current units and page width, if it fits.
    bool fitWindow();
    // Measures the page font of the settings and fits the window to it, with six columns if
    // need be; false when even that is too large for the desktop.
    bool fitToUserFont();
    // The warning about a font too large for the desktop, then the font dialog.
    void warnFontTooLarge();
    // For a page larger than the desktop: as much of it as the desktop holds, on the desktop.
    void keepOnDesktop();
    void relayout();
    void applyFontToGadgets();
    void fontDialog();

    Session& session() { return session_; }
    const SessionState& state() const { return session_.state(); }
    QWidget* gadget(Gadget which) const { return gadgets_[static_cast<std::size_t>(which)]; }
    const QImage& pageImage() const { return page_; }
    const QFont& pageFont() const { return pageFont_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createGadgets();
    void createShortcuts();
    void applyPageBackground();
    void setPageFont(const QFont& font);
    void showStatusOfSelectedDay();
    // Finds the astronomy marks of the pages before and after the one shown, while the user
    // reads it, so that turning a page draws as fast as redrawing one.
    void prepareNeighbouringPages();
    void showSheetStatus();

    void moveToToday();
    void changeColumnCount(int delta);
    void chooseBackgroundColour();
    void copyPageToClipboard(bool askFirst);
    // Ctrl+P: the page as shown, through the print dialog, on one A4 landscape sheet.
    void printShownPage();
    // Ctrl+E: "Kalender exportieren" for the displayed months (MainWindowExport.cpp).
    void exportCalendar();
    void switchCalendarType(int command);
    void toggleVacationBlock();
    void updateVacationBlockToggle();
    void canvasClicked(QPoint position);
    void canvasDoubleClicked(QPoint position);

    // The key and button commands, each a small handler (MainWindowCommands.cpp).
    void createCommandTable();

    // The notes (MainWindowNotes.cpp).
    void openNoteMenu();
    void editNote(NoteKind kind);
    void showNotesOverview();
    void deleteNotesAndMarkings();
    QString noteLineText() const;
    // A click on the note line opens the notes window; true for the mouse events it takes.
    bool noteLineClicked(QEvent* event);

    // Shift markings, calendar bars and the accounts (MainWindowMarkings.cpp).
    DayNumber selectedDay() const;
    void enterShiftMarkingAtCursor(int column);
    void editCalendarBarAtCursor();
    bool openAccountOfField(QObject* field, QEvent* event);
    void showAccountFields();

    // Users, settings, data folder and help (MainWindowUsers.cpp).
    void runProgramMenu();
    // The login window, with `userName` filled in when given.
    void logInAsNewUser(const QString& userName = {});
    void editSettings();
    void chooseDataFolder();
    void openInfoWindow();
    void showHelp(HelpTopic topic);
    HelpWindowLook helpLook() const;
    UserDataPlace userDataPlace() const;

    Session& session_;
    ShellServices services_;
    std::map<int, std::function<void()>> commands_;
    bool quitRequested_ = false;
    bool endSaved_ = false;
    QFont pageFont_;
    QImage page_;
    DayCellTable cells_;
    PageDrawingCache pageDrawing_; // the page font's texts and symbols, from page to page
    LunationCache lunations_;      // shared by the astronomy line of every day the cursor visits
    QTimer* neighbourPreparation_ = nullptr; // once the events after a new page are handled
    std::array<QWidget*, kGadgetCount> gadgets_{};
    PageCanvas* canvas_ = nullptr;
    QLineEdit* infoLine_ = nullptr;
    QLineEdit* noteLine_ = nullptr;
    QLineEdit* astronomyLine_ = nullptr;
    QLineEdit* hoursField_ = nullptr;
    QLineEdit* vacationField_ = nullptr;
    QPushButton* vacationBlockToggle_ = nullptr;
    bool loggedIn_ = false; // the title's form after a login
};

} // namespace tp

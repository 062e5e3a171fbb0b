#pragma once

#include "astro/LunationCache.h"
#include "display/DayCellTable.h"
#include "display/PageGeometry.h"
#include "display/qt/PageDrawingCache.h"
#include "session/Session.h"
#include "shell/Command.h"
#include "shell/CursorMoves.h"
#include "shell/qt/AccountsController.h"
#include "shell/qt/BackupController.h"
#include "shell/qt/CalendarSyncController.h"
#include "shell/qt/ExportController.h"
#include "shell/qt/HelpController.h"
#include "shell/qt/MarkingsController.h"
#include "shell/qt/NotesController.h"
#include "shell/qt/PageFontController.h"
#include "shell/qt/ShellServices.h"
#include "shell/qt/UsersController.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>

class QLineEdit;
class QTimer;
class QPushButton;

namespace tp {

class PageCanvas;

// The main window: the navigation buttons, the page canvas and the status panel. A view of
// the session: it turns keys, clicks and menu choices into commands, runs them itself (the
// page and its navigation) or through the controller of their feature, and redraws the page
// once when the command asks for it.
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
    // At the start: offers each set of entries that an earlier end could not save.
    void offerKeptEntries();
    // Tells the user what an operation reported, errors first.
    void tell(const SessionReport& report, QWidget* parent = nullptr);

    void runCommand(Command command);

    // Saves everything the end of the program writes. Asked by the user (Escape, the close
    // box), a failure is told while the window is still open, with the choice to try again
    // or to end without saving; false while the user keeps the program open. `unasked` (the
    // desktop session ends) saves without asking and keeps what it could not save for the
    // next start.
    bool saveAtEnd(bool unasked);
    // Ends the run: saves as saveAtEnd does (once) and closes the window.
    void endSession(bool unasked);
    // Whether the run was ended (Escape, the close box, the end of the desktop session).
    bool quitRequested() const { return quitRequested_; }
    // The line that tells that an unasked end could not save everything; empty when it could.
    const std::string& endFailure() const { return endFailure_; }
    void rebuildPage(CursorMove move);

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
    QWidget* createGadget(const GadgetLayout& entry);
    void createShortcuts();
    void applyPageBackground();
    void showStatusOfSelectedDay();
    // Finds the astronomy marks of the pages before and after the one shown, while the user
    // reads it, so that turning a page draws as fast as redrawing one.
    void prepareNeighbouringPages();
    void showSheetStatus();
    // Writes the changed markings and bars, a few seconds after the last change.
    void saveChangedMarkings();

    // The gadgets' places for the units and page width.
    void relayout();

    // The commands of the page and its navigation (MainWindowCommands.cpp). Each says how the
    // page is redrawn afterwards: not at all (nothing), or with the cursor moved.
    std::optional<CursorMove> perform(Command command);
    std::optional<CursorMove> performOnPage(Command command);
    std::optional<CursorMove> performFromMenu(std::optional<Command> chosen);
    CursorMove moveToToday();
    bool enterDate();
    bool changeColumnCount(int delta);
    bool chooseBackgroundColour();
    // The "Kalender" dialog and the type keys; the type shows or hides the "UB" toggle.
    bool chooseCalendarType();
    bool switchCalendarType(Command command);
    bool toggleVacationBlock();
    void updateVacationBlockToggle();
    // The login window; a new user's settings are taken over and his page drawn.
    void logIn(const QString& userName = {});
    void canvasClicked(QPoint position);
    void canvasDoubleClicked(QPoint position);

    Session& session_;
    ShellServices services_;
    bool quitRequested_ = false;
    bool endSaved_ = false;
    std::string endFailure_;
    QTimer* markingSave_ = nullptr; // restarted by every change of the markings or bars
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
    PageFontController fonts_;
    HelpController help_;
    NotesController notes_;
    MarkingsController markings_;
    AccountsController accounts_;
    UsersController users_;
    ExportController exports_;
    BackupController backups_;
    CalendarSyncController calendarSync_;
    const std::array<FeatureController*, 9> features_{&fonts_,    &help_,     &notes_,
                                                      &markings_, &accounts_, &users_,
                                                      &exports_,  &backups_,  &calendarSync_};
};

} // namespace tp

#include "shell/qt/Application.h"

#include "platform/Clock.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/SessionEnd.h"
#include "shell/qt/StartUp.h"

#include <QApplication>
#include <QDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <thread>

namespace tp {

namespace {

// Standard Qt dialogs speak German ("Ja", "Nein", "Abbrechen").
void installGermanQtTranslation(QApplication& application, QTranslator& translator) {
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&translator);
}

// The folder the program was started in; empty when it can no longer be named (it was
// removed while the program started), and the program then runs without data folders.
std::filesystem::path startFolderOfProgram() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error)
        return {};
    return folder;
}

// Once the session ends, every dialog is left as by its close box: the one open now, and any
// that the interrupted command opens after it, so that nothing waits for an answer.
class DialogCloser : public QObject {
  public:
    using QObject::QObject;

    static void closeOpenDialogs() {
        for (int nested = 0; nested < 16; ++nested) {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->close())
                return;
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isModal())
                QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
        return false;
    }
};

// The status of a run whose unasked end could not save everything.
constexpr int kUnsavedEndStatus = 1;

// How long the program may still take to end once the end of the desktop session saved it.
constexpr std::chrono::milliseconds kEndGrace{1500};

} // namespace

void quitLikeEscape(MainWindow& window) {
    const QString closerName = QStringLiteral("sessionEndDialogCloser");
    if (!window.findChild<QObject*>(closerName, Qt::FindDirectChildrenOnly)) {
        // Lives as long as the window, and watches the dialogs of the whole application.
        auto* closer = new DialogCloser(&window);
        closer->setObjectName(closerName);
        QApplication::instance()->installEventFilter(closer);
    }
    DialogCloser::closeOpenDialogs();
    // Saved without asking: nobody may be there to answer.
    window.endSession(true);
    window.close();
}

int runTurnoplaner(int& argc, char** argv) {
    SystemClock clock;
    SystemFileSystem files;
    Session session(files, clock);
    ProgramStart start(session, startFolderOfProgram());

    QApplication application(argc, argv);
    QTranslator qtTranslator;
    installGermanQtTranslation(application, qtTranslator);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    QtMessageBoxes messages;
    const SessionReport started = start.finish();
    MainWindow window(session, desktopServices(clock, messages));

    // The status of the run; what an unasked end could not save is told once, on stderr.
    bool endFailureTold = false;
    const auto endStatus = [&window, &endFailureTold] {
        if (window.endFailure().empty())
            return 0;
        if (!endFailureTold)
            std::cerr << window.endFailure() << std::endl;
        endFailureTold = true;
        return kUnsavedEndStatus;
    };
    // The end of the session quits the way Escape does, so that everything is saved; from the
    // start on, as the first dialogs may already be open when it comes. Then the program ends,
    // whatever window is open: every event loop is left, those of dialogs too, and should a
    // window's code still hold it, it ends all the same, as nothing is left to save.
    const auto endOfSession = [&window, &endStatus] {
        quitLikeEscape(window);
        const int status = endStatus();
        QCoreApplication::exit(status);
        std::thread([status] {
            std::this_thread::sleep_for(kEndGrace);
            std::_Exit(status);
        }).detach();
    };
    SessionEndWatcher sessionEnd(endOfSession);
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&endOfSession](QSessionManager&) { endOfSession(); });
#endif

    window.startUp();
    int exitStatus = 0;
    if (!window.quitRequested()) { // the session may have ended during the start-up dialogs
        window.show();
        // Told inside the event loop, so that the end of the session can still end it.
        QTimer::singleShot(0, &window, [&] {
            window.tell(started);
            window.offerKeptEntries();
            window.offerLastUser();
        });
        exitStatus = application.exec();
    }
    // The window ends the run by itself; an end that came some other way saves all the same.
    window.endSession(true);
    const int endedStatus = endStatus();
    return endedStatus != 0 ? endedStatus : exitStatus;
}

} // namespace tp

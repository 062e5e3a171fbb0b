#include "shell/Application.h"

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "shell/AppState.h"
#include "shell/MainCommands.h"
#include "shell/MainWindow.h"
#include "shell/SessionEnd.h"
#include "shell/StartUp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTranslator>

namespace tp {

namespace {

// Standard Qt dialogs speak German ("Ja", "Nein", "Abbrechen").
void installGermanQtTranslation(QApplication& application, QTranslator& translator) {
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&translator);
}

void tellProblems(MessageBoxes& messages, QWidget* parent,
                  const std::vector<std::string>& problems) {
    for (const std::string& problem : problems)
        messages.inform(parent, QStringLiteral("Fehler"), QString::fromStdString(problem));
}

// A dialog left open would keep its own loop running; it is left as by its close box.
void closeOpenDialogs() {
    for (int nested = 0; nested < 16; ++nested) {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->close())
            return;
    }
}

} // namespace

void quitLikeEscape(MainWindow& window) {
    closeOpenDialogs();
    window.runCommand(Quit);
}

int runTurnoplaner(QApplication& application) {
    QTranslator qtTranslator;
    installGermanQtTranslation(application, qtTranslator);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    AppState state;
    SystemClock clock;
    QtMessageBoxes messages;
    MainWindow window(state, desktopServices(clock, messages));

    const std::vector<std::string> loadProblems =
        loadStartState(state, startFolderOfProgram(), clock.now().year);
    window.startUp();
    window.show();
    tellProblems(messages, &window, loadProblems);

    // The end of the session quits the way Escape does, so that everything is saved.
    SessionEndWatcher sessionEnd([&window] { quitLikeEscape(window); });
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { quitLikeEscape(window); });
#endif

    const int exitStatus = application.exec();

    tellProblems(messages, nullptr, saveEndState(state));
    return exitStatus;
}

} // namespace tp

#include "shell/Application.h"

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "shell/AppState.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tp {

namespace {

// Standard Qt dialogs speak German ("Ja", "Nein", "Abbrechen").
void installGermanQtTranslation(QApplication& application, QTranslator& translator) {
    if (translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&translator);
}

} // namespace

int runTurnoplaner(QApplication& application) {
    QTranslator qtTranslator;
    installGermanQtTranslation(application, qtTranslator);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    AppState state;
    SystemClock clock;
    QtMessageBoxes messages;
    MainWindow window(state, desktopServices(clock, messages));

    loadStartState(state, startFolderOfProgram(), clock.now().year);
    window.startUp();
    window.show();
    const int exitStatus = application.exec();

    window.saveUserData();
    saveEndState(state);
    return exitStatus;
}

} // namespace tp

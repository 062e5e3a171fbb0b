#include "shell/Application.h"

#include "settings/DataFolders.h"
#include "shell/AppState.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <filesystem>

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
    if (const auto folders = prepareDataFolders(std::filesystem::current_path(), kDefaultUserName))
        state.folders = *folders;

    MainWindow window(state);
    window.show();
    return application.exec();
}

} // namespace tp

#include "MainWindowFixture.h"

#include <QApplication>
#include <QTest>

namespace tp::test {

void MainWindowFixture::startWindow() {
    ShellServices services;
    services.clock = &clock;
    services.messages = &messages;
    services.chooseColour = [this](QWidget*, QColor initial) {
        offeredColour = initial;
        return colourAnswer;
    };
    services.chooseFont = [this](QWidget*, QFont initial) {
        offeredFont = initial;
        offeredInApplicationFont = QApplication::font();
        return fontAnswer;
    };
    services.desktopSize = [this] { return desktop; };
    const auto cancelled = [](QWidget*, const QString&) { return QString(); };
    services.backupFiles = backupFiles;
    for (auto* chooser :
         {&services.backupFiles.archiveToWrite, &services.backupFiles.archiveToRestore,
          &services.backupFiles.backupFolder})
        if (!*chooser)
            *chooser = cancelled;
    services.keptEntriesFolder = keptEntriesFolder;
    window = std::make_unique<MainWindow>(session, services);
    window->startUp();
}

void MainWindowFixture::openWindow(const SessionReport& startReport) {
    startWindow();
    window->tell(startReport);
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

} // namespace tp::test

// A login into a user with a full data folder: from "Anmelden" to the redrawn page.
#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "notes/NoteNames.h"
#include "settings/qt/LoginWindow.h"
#include "shell/Command.h"
#include "shell/qt/MainWindow.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <fstream>
#include <optional>

#include "FullUserFolder.h"
#include "QuietShell.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tp;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Logs in alternately as two users with full folders; each iteration times the login from
// the click on "Anmelden" until the command has drawn the page.
void BM_LoginIntoFullFolder(benchmark::State& state) {
    test::TemporaryFolder start;
    const SystemClock clock;
    SystemFileSystem files;
    Session session(files, clock);
    session.start(start.path());
    for (const char* name : {"Anna", "Bert"})
        bench::fillUserFolder(session.state().dataRoot / name, dayNumberOf(2010, 1, 1));

    const bench::QuietShell shell(clock);
    MainWindow window(session, shell.services);
    window.startUp();
    window.show();

    int round = 0;
    Clock::time_point clicked;
    for (auto _ : state) {
        const QString name = round++ % 2 == 0 ? QStringLiteral("Anna") : QStringLiteral("Bert");
        std::optional<Clock::time_point> drawn;
        bool loggedIn = false;
        auto* watch = new QTimer;
        watch->setInterval(0);
        // Answers the login window, then closes the notes window that the login opens over the
        // redrawn page; the page is drawn when that window appears.
        QObject::connect(watch, &QTimer::timeout, [&, watch, name] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto* login = qobject_cast<LoginWindow*>(modal); login && !loggedIn) {
                loggedIn = true;
                login->nameField()->setText(name);
                clicked = Clock::now();
                login->loginButton()->click();
                return;
            }
            if (loggedIn && !qobject_cast<LoginWindow*>(modal)) {
                drawn = Clock::now();
                modal->close();
            }
        });
        watch->start();
        window.runCommand(Command::LogIn);
        watch->stop();
        watch->deleteLater();
        const Clock::time_point end = drawn.value_or(Clock::now());
        state.SetIterationTime(std::chrono::duration<double>(end - clicked).count());
    }
}
BENCHMARK(BM_LoginIntoFullFolder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

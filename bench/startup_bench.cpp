// Start-up with a full data folder against a Qt hello-world window. Each run is a process of
// its own (this program again), timed from its start until it has shown its window with the
// page drawn: Qt's own start-up is in both.
#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "model/Today.h"
#include "notes/NoteNames.h"
#include "session/Session.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/StartUp.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QProcess>
#include <QWindow>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "FullUserFolder.h"
#include "QuietShell.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tp;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* programPath = nullptr;

// Until the window system has the window on the screen and every paint is done; then tells
// the parent the moment (of the machine's steady clock, which all processes share).
void waitUntilShown(QWidget& window) {
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents();
    QApplication::processEvents();
    const auto shown = Clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(
                              std::chrono::duration_cast<std::chrono::nanoseconds>(shown).count()));
    std::fflush(stdout);
}

int runHelloWorld(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Hallo Welt"));
    waitUntilShown(window);
    return 0;
}

int runStartUp(int argc, char** argv, const char* startFolder) {
    const SystemClock clock;
    SystemFileSystem files;
    Session session(files, clock);
    ProgramStart start(session, startFolder);
    QApplication application(argc, argv);
    const bench::QuietShell shell(clock);
    start.finish();
    MainWindow window(session, shell.services);
    window.startUp();
    waitUntilShown(window);
    return 0;
}

double processorSecondsOfChildren() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs this program with `arguments`; the iteration's time is from the start of the run until
// its window was shown. "ended_ms" is the whole run with the program's end; on a busy machine
// the processor time of the runs ("cpu_ms") varies less.
void timeRun(benchmark::State& state, const QStringList& arguments) {
    const double processorBefore = processorSecondsOfChildren();
    const Clock::time_point start = Clock::now();
    QProcess child;
    child.start(QString::fromLocal8Bit(programPath), arguments);
    child.waitForFinished(-1);
    const Clock::time_point ended = Clock::now();
    bool told = false;
    const long long shownAt = child.readAllStandardOutput().trimmed().toLongLong(&told);
    if (child.exitCode() != 0 || !told) {
        state.SkipWithError("the run failed");
        return;
    }
    const Clock::time_point shown{std::chrono::nanoseconds(shownAt)};
    state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
    state.counters["ended_ms"] += std::chrono::duration<double, std::milli>(ended - start).count();
    state.counters["cpu_ms"] += 1000 * (processorSecondsOfChildren() - processorBefore);
}

void averageCounters(benchmark::State& state) {
    for (const char* counter : {"ended_ms", "cpu_ms"})
        state.counters[counter] /= static_cast<double>(state.iterations());
}

void BM_HelloWorldWindow(benchmark::State& state) {
    for (auto _ : state)
        timeRun(state, {QStringLiteral("--hello-world")});
    averageCounters(state);
}
BENCHMARK(BM_HelloWorldWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// range(0) = 1: the start folder's user has 10,000 notes and markings and 500 bars; 0: none.
void BM_StartUpToShownWindow(benchmark::State& state) {
    test::TemporaryFolder start;
    if (state.range(0) == 1) {
        const SystemClock clock;
        SystemFileSystem files;
        Session probe(files, clock);
        probe.start(start.path());
        // Up to yesterday: a note of today would open the notes window over the page.
        bench::fillUserFolder(probe.state().dataFolder, todayOf(clock) - 10000);
    }
    const QString folder = QString::fromStdString(start.path().string());
    for (auto _ : state)
        timeRun(state, {QStringLiteral("--start-up"), folder});
    averageCounters(state);
}
BENCHMARK(BM_StartUpToShownWindow)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strcmp(argv[1], "--hello-world") == 0)
        return runHelloWorld(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--start-up") == 0)
        return runStartUp(argc, argv, argv[2]);
    // A start folder to profile a single run with.
    if (argc == 3 && std::strcmp(argv[1], "--fill-start-folder") == 0) {
        const SystemClock clock;
        SystemFileSystem files;
        Session session(files, clock);
        session.start(argv[2]);
        bench::fillUserFolder(session.state().dataFolder, todayOf(clock) - 10000);
        return 0;
    }
    programPath = argv[0];
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#include "shell/qt/SessionEnd.h"

#include <QSocketNotifier>

#ifndef _WIN32
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tp {

#ifndef _WIN32

namespace {

constexpr int kSessionEndSignals[] = {SIGTERM, SIGHUP};

// A signal handler can only reach the program through something global: the write end of the
// pipe that the event loop listens to. Set and cleared by the one watcher.
volatile int signalPipeWriteEnd = -1;
struct sigaction previousActions[std::size(kSessionEndSignals)];

extern "C" void onSessionEndSignal(int signalNumber) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    if (signalPipeWriteEnd >= 0) {
        [[maybe_unused]] const auto written = ::write(signalPipeWriteEnd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

SessionEndWatcher::SessionEndWatcher(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {
    if (::pipe(pipe_) != 0)
        return;
    for (const int end : pipe_) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
    signalPipeWriteEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { signalArrived(); });

    struct sigaction action {};
    action.sa_handler = onSessionEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSessionEndSignals); ++i)
        ::sigaction(kSessionEndSignals[i], &action, &previousActions[i]);
}

SessionEndWatcher::~SessionEndWatcher() {
    if (pipe_[0] < 0)
        return;
    for (std::size_t i = 0; i < std::size(kSessionEndSignals); ++i)
        ::sigaction(kSessionEndSignals[i], &previousActions[i], nullptr);
    signalPipeWriteEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void SessionEndWatcher::signalArrived() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (quit_)
        quit_();
}

#else

SessionEndWatcher::SessionEndWatcher(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {}

SessionEndWatcher::~SessionEndWatcher() = default;

void SessionEndWatcher::signalArrived() {}

#endif

} // namespace tp

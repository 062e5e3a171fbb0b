#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tp {

// Turns SIGTERM and SIGHUP (a desktop logging out, a shutdown) into a call of `quit` on the
// event loop, so that the program ends the way it does on Escape and saves what it must.
// One watcher at a time; the previous handling of both signals returns when it is destroyed.
// On Windows the session's end reaches the program as the session manager's request instead.
class SessionEndWatcher : public QObject {
  public:
    explicit SessionEndWatcher(std::function<void()> quit, QObject* parent = nullptr);
    ~SessionEndWatcher() override;

  private:
    void signalArrived();

    std::function<void()> quit_;
    QSocketNotifier* notifier_ = nullptr;
    int pipe_[2] = {-1, -1};
};

} // namespace tp

#include "shell/qt/StartUp.h"

#include "platform/ThreadPriority.h"

#include <QApplication>
#include <QFontMetrics>

namespace tp {

ProgramStart::ProgramStart(Session& session, const std::filesystem::path& startFolder)
    : startFolder_(startFolder), started_(std::async(std::launch::async, [&session, this] {
          lowerThisThreadPriority();
          return session.start(startFolder_);
      })) {}

SessionReport ProgramStart::finish() {
    fontConfig_.wait();
    // The first text measured loads the font database and the font's face.
    const QFontMetrics metrics(QApplication::font());
    (void)metrics.horizontalAdvance(QLatin1Char('0'));
    return started_.get();
}

} // namespace tp

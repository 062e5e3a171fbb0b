#include "shell/qt/StartUp.h"

#include <QApplication>
#include <QFontMetrics>

#include <future>

namespace tp {

SessionReport startSessionWhileFontsLoad(Session& session,
                                         const std::filesystem::path& startFolder) {
    std::future<SessionReport> started = std::async(
        std::launch::async, [&session, &startFolder] { return session.start(startFolder); });
    // The first text measured loads the font database and the font's face.
    const QFontMetrics metrics(QApplication::font());
    (void)metrics.horizontalAdvance(QLatin1Char('0'));
    return started.get();
}

} // namespace tp

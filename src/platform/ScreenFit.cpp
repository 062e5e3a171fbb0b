#include "platform/ScreenFit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tp {

namespace {

// Title bar and borders before the window manager has told them: a title line with room for
// its buttons, and a border on every side.
constexpr int kEstimatedTitleLines = 2;
constexpr int kEstimatedBorder = 6;

const QString kFitterName = QStringLiteral("screenFitter");

// Fits its window on every show and once more when the window manager has put the frame
// around it; a move by the user afterwards is left alone.
class ScreenFitter final : public QObject {
  public:
    ScreenFitter(QWidget& window, const QList<QWidget*>& stretching)
        : QObject(&window), window_(window), stretching_(stretching) {
        setObjectName(kFitterName);
        window.installEventFilter(this);
    }

    // Shortens the stretching children by what the window lost in height.
    void windowShortenedBy(int lost) {
        for (QWidget* child : stretching_)
            child->resize(child->width(), std::max(0, child->height() - lost));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            framed_ = false;
            fitIntoArea(window_, availableAreaOf(window_));
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (!framed_ && window_.isVisible() && window_.frameGeometry() != window_.geometry()) {
                framed_ = true;
                fitIntoArea(window_, availableAreaOf(window_));
            }
            break;
        default:
            break;
        }
        return false;
    }

  private:
    QWidget& window_;
    QList<QWidget*> stretching_;
    bool framed_ = false;
};

} // namespace

QRect fittedFrame(QRect frame, QRect available) {
    frame.setSize(frame.size().boundedTo(available.size()));
    frame.moveLeft(
        std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(
        std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

QMargins frameMarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (window.isVisible() && frame != client)
        return {client.left() - frame.left(), client.top() - frame.top(),
                frame.right() - client.right(), frame.bottom() - client.bottom()};
    return estimatedFrameMargins(window.font());
}

QMargins estimatedFrameMargins(const QFont& font) {
    QFont titleFont = font;
    titleFont.setBold(true);
    const int title = kEstimatedTitleLines * QFontMetrics(titleFont).height();
    return {kEstimatedBorder, title + kEstimatedBorder, kEstimatedBorder, kEstimatedBorder};
}

QRect availableAreaOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

QSize clientRoomOf(const QWidget& window) {
    const QMargins frame = frameMarginsOf(window);
    return availableAreaOf(window).size().shrunkBy(frame);
}

void fitIntoArea(QWidget& window, QRect available) {
    const QMargins margins = frameMarginsOf(window);
    const QSize room = available.size().shrunkBy(margins);
    const QSize size = window.size();
    if (size.width() > room.width() || size.height() > room.height()) {
        const QSize smaller = size.boundedTo(room);
        window.setMinimumSize(window.minimumSize().boundedTo(smaller));
        window.setMaximumSize(window.maximumSize().boundedTo(room));
        window.resize(smaller);
        if (auto* fitter = dynamic_cast<ScreenFitter*>(
                window.findChild<QObject*>(kFitterName, Qt::FindDirectChildrenOnly)))
            fitter->windowShortenedBy(size.height() - window.height());
    }
    // A window's position is that of its frame.
    const QRect frame(window.pos(), window.size().grownBy(margins));
    const QRect fitted = fittedFrame(frame, available);
    if (fitted.topLeft() != frame.topLeft())
        window.move(fitted.topLeft());
}

void fitToScreen(QWidget& window, const QList<QWidget*>& stretching) {
    if (!window.findChild<QObject*>(kFitterName, Qt::FindDirectChildrenOnly))
        new ScreenFitter(window, stretching);
    if (window.isVisible())
        fitIntoArea(window, availableAreaOf(window));
}

} // namespace tp

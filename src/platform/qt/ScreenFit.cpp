#include "platform/qt/ScreenFit.h"

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

// Moves the window so that its frame lies inside `available`, or starts there if it is larger.
void placeInArea(QWidget& window, QRect available) {
    // A window's position is that of its frame.
    const QRect frame(window.pos(), window.size().grownBy(frameMarginsOf(window)));
    const QRect fitted = fittedFrame(frame, available);
    if (fitted.topLeft() != frame.topLeft())
        window.move(fitted.topLeft());
}

// Fits its window on every show and once more when the window manager has put the frame
// around it; a move by the user afterwards is left alone.
class ScreenFitter final : public QObject {
  public:
    ScreenFitter(QWidget& window, const QList<QWidget*>& stretching, bool resizes)
        : QObject(&window), window_(window), stretching_(stretching), resizes_(resizes) {
        setObjectName(kFitterName);
        window.installEventFilter(this);
    }

    void fit() {
        const QRect area = availableAreaOf(window_);
        if (resizes_)
            fitIntoArea(window_, area);
        else
            placeInArea(window_, area);
    }

    // Makes the stretching children smaller by what the window lost.
    void windowShrunkBy(QSize lost) {
        for (QWidget* child : stretching_)
            child->resize(
                child->size().shrunkBy({0, 0, lost.width(), lost.height()}).expandedTo({0, 0}));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            framed_ = false;
            fit();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (!framed_ && window_.isVisible() && window_.frameGeometry() != window_.geometry()) {
                framed_ = true;
                fit();
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
    bool resizes_;
    bool framed_ = false;
};

ScreenFitter* fitterOf(const QWidget& window) {
    return dynamic_cast<ScreenFitter*>(
        window.findChild<QObject*>(kFitterName, Qt::FindDirectChildrenOnly));
}

void installFitter(QWidget& window, const QList<QWidget*>& stretching, bool resizes) {
    ScreenFitter* fitter = fitterOf(window);
    if (!fitter)
        fitter = new ScreenFitter(window, stretching, resizes);
    if (window.isVisible())
        fitter->fit();
}

} // namespace

QRect fittedFrame(QRect frame, QRect available) {
    frame.setSize(frame.size().boundedTo(available.size()));
    frame.moveLeft(
        std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(
        std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

QMargins estimatedFrameMargins(const QFont& font) {
    QFont titleFont = font;
    titleFont.setBold(true);
    const int title = kEstimatedTitleLines * QFontMetrics(titleFont).height();
    return {kEstimatedBorder, title + kEstimatedBorder, kEstimatedBorder, kEstimatedBorder};
}

QMargins frameMarginsOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (window.isVisible() && frame != client)
        return {client.left() - frame.left(), client.top() - frame.top(),
                frame.right() - client.right(), frame.bottom() - client.bottom()};
    return estimatedFrameMargins(window.font());
}

QRect availableAreaOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

QSize clientRoomOf(const QWidget& window) {
    return availableAreaOf(window).size().shrunkBy(frameMarginsOf(window));
}

void fitIntoArea(QWidget& window, QRect available) {
    const QSize room = available.size().shrunkBy(frameMarginsOf(window));
    const QSize size = window.size();
    if (size.width() > room.width() || size.height() > room.height()) {
        const QSize smaller = size.boundedTo(room);
        window.setMinimumSize(window.minimumSize().boundedTo(smaller));
        window.setMaximumSize(window.maximumSize().boundedTo(room));
        window.resize(smaller);
        if (ScreenFitter* fitter = fitterOf(window))
            fitter->windowShrunkBy(size - window.size());
    }
    placeInArea(window, available);
}

void fitToScreen(QWidget& window, const QList<QWidget*>& stretching) {
    installFitter(window, stretching, true);
}

void keepOnScreen(QWidget& window) {
    installFitter(window, {}, false);
}

} // namespace tp

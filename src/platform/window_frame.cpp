#include "window_frame.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QWindow>
#include <QtWidgets/QWidget>

#include <optional>

namespace orbo {

namespace {

// Qt learns a window's frame only when it shows the window. On Windows (and on Qt's offscreen
// platform) the native window knows its frame as soon as it exists: the frame of a window never
// shown, made native for the asking.
std::optional<QMargins> FrameBeforeFirstShow(QWidget& window) {
    const QString platform = QGuiApplication::platformName();
    if ((platform != QLatin1String("windows") && platform != QLatin1String("offscreen")) ||
        window.frameGeometry() != window.geometry())
        return std::nullopt;
    window.winId();
    return window.windowHandle()->frameMargins();
}

} // namespace

QSize FrameSize(QWidget& window) {
    if (const auto frame = FrameBeforeFirstShow(window))
        return window.size().grownBy(*frame);
    return window.frameGeometry().size();
}

void MoveFrame(QWidget& window, QPoint p) {
    // A native window not shown yet takes the position for its inside.
    if (const auto frame = FrameBeforeFirstShow(window)) {
        window.move(p + QPoint(frame->left(), frame->top()));
        return;
    }
    window.move(p);
}

} // namespace orbo

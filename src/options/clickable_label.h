// Labels the keyboard reaches and the mouse presses: the options window's page entries and About
// captions, and the speed slider's handle.
#pragma once

#include <QtWidgets/QLabel>

class QKeyEvent;
class QMouseEvent;

namespace orbo {

// A label the keyboard can reach: it shows the style's focus frame over itself while it has the
// focus, as buttons do.
class FocusLabel : public QLabel {
    Q_OBJECT

public:
    FocusLabel(const QString& text, QWidget* parent, Qt::FocusPolicy policy);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The second press of a double click is no press of the label's: it goes on to the page.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A label pressed like a button: released after a left-button press with the pointer still on
// it, or Space, Enter or Select while it has the focus. It takes every press, move and release
// of the mouse on it, so that the release comes back to it; other keys go on to the window.
class ClickableLabel : public FocusLabel {
    Q_OBJECT

public:
    ClickableLabel(const QString& text, QWidget* parent) : FocusLabel(text, parent, Qt::TabFocus) {}

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A slider's handle, a picture that a click or Tab gives the focus. It takes every press, move
// and release of the mouse on it and tells each with the pointer's height in its own pixels. A
// key goes on to the window unless keyPressed's receiver accepts the event.
class SliderHandle : public FocusLabel {
    Q_OBJECT

public:
    explicit SliderHandle(QWidget* parent) : FocusLabel(QString(), parent, Qt::StrongFocus) {}

Q_SIGNALS:
    void pressed(Qt::MouseButton button, qreal y);
    // The pointer moved while a button pressed on the handle is held.
    void moved(qreal y);
    void released();
    void keyPressed(QKeyEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orbo

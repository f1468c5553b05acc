// Labels the keyboard reaches and the mouse presses.
#include "clickable_label.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QStyleOptionFocusRect>
#include <QtWidgets/QStylePainter>

namespace orbo {

namespace {

// The keys that press a button.
bool Activates(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}

} // namespace

FocusLabel::FocusLabel(const QString& text, QWidget* parent, Qt::FocusPolicy policy)
    : QLabel(text, parent) {
    setFocusPolicy(policy);
}

void FocusLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void FocusLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->ignore();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (!Activates(*event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT clicked();
}

void SliderHandle::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT pressed(event->button(), event->position().y());
}

void SliderHandle::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT moved(event->position().y());
}

void SliderHandle::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT released();
}

void SliderHandle::keyPressEvent(QKeyEvent* event) {
    event->ignore();
    Q_EMIT keyPressed(event);
    if (!event->isAccepted())
        QLabel::keyPressEvent(event);
}

} // namespace orbo

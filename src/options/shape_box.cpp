// ShapeBox: painting the shape control's rectangle and border.
#include "shape_box.h"

#include <QtGui/QPainter>

namespace orbo {

ShapeBox::ShapeBox(QColor backColor, QColor borderColor, QWidget* parent)
    : QWidget(parent), backColor_(backColor), borderColor_(borderColor) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Shapes take no mouse input: clicks go to the page beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    if (width() > 0 && height() > 0) {
        painter.setPen(borderColor_);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace orbo

// The options window's colours and fonts.
#include "colors_and_fonts.h"

#include "runtime/surface.h"

#include <QtWidgets/QWidget>

namespace orbo {

QColor OleColor(std::uint32_t value, const QPalette& palette) {
    if (value & 0x80000000u) {
        switch (value & 0xFFu) {
        case 0x0F:
            return palette.color(QPalette::Button);
        case 0x12:
            return palette.color(QPalette::ButtonText);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(RgbFromColorRef(value));
}

QFont Font(const char* family, double points, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetColors(QWidget& control, const QColor& back, const QColor& fore) {
    QPalette p = control.palette();
    p.setColor(control.backgroundRole(), back);
    p.setColor(control.foregroundRole(), fore);
    control.setPalette(p);
    control.setAutoFillBackground(true);
}

void SetTextColor(QWidget& control, const QColor& fore) {
    QPalette p = control.palette();
    p.setColor(QPalette::WindowText, fore);
    control.setPalette(p);
}

void SetBold(QWidget& control, bool bold) {
    QFont font = control.font();
    font.setBold(bold);
    control.setFont(font);
}

} // namespace orbo

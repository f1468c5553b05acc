// SetWindowOnTop: the window's place given again in 16-bit pixels, with or without "on top".
#include "window_on_top.h"

#include "creature/creature_window.h"
#include "platform/window/native_window.h"

#include <QtWidgets/QWidget>

namespace orbo {

void SetWindowOnTop(QWidget& form, const CreatureWindow& geometry, bool onTop) {
    const Units& u = geometry.ScaleUnits();
    const auto x = u.Pixels16X(geometry.Left());
    const auto y = u.Pixels16Y(geometry.Top());
    const auto w = u.Pixels16X(geometry.Width());
    const auto h = u.Pixels16Y(geometry.Height());
    // A position too far off for 16 bits cannot be passed on; the window then stays where it is,
    // but the stacking order is still set.
    const QRect r = (x && y && w && h) ? QRect(*x, *y, *w, *h) : form.geometry();
    SetWindowPlace(form, onTop, r.x(), r.y(), r.width(), r.height());
}

} // namespace orbo

// The creature as a layer surface, Wayland's way for a desktop toy to sit at a place of its own
// choosing, above the windows or below them, on compositors that offer layer shell.
#pragma once

class QWidget;

namespace orbo {

// Makes the window a layer surface, before it is first shown: anchored at the top-left corner of
// the monitor that holds its place, as far from it as the place says, taking no keyboard, moving
// no other surface and moved by none, drawn with real transparency. From then on its moves move
// the surface; a drop on another monitor makes the surface anew there, as a surface's monitor is
// fixed when it is made.
void MakeLayerSurface(QWidget& window);

// Whether the window is one.
bool IsLayerSurface(const QWidget& window);

// Above every window (the overlay layer), or below them (the bottom layer, over the wallpaper).
void SetLayerOnTop(QWidget& window, bool onTop);

} // namespace orbo

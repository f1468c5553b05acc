#pragma once

// What each eye kind should show for a cursor position, worked out independently of the program
// from the same formulas, so that screenshots can be checked against them.

#include <QtCore/QPoint>
#include <QtCore/QPointF>

namespace orbo::e2e {

// An eye as a skin file gives it: box and picture size in pixels.
struct EyeBox {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    int PicWidth = 0;
    int PicHeight = 0;
};

// The top-left pixel (window coordinates) of an "auto" eye's picture for a window whose top-left
// corner is at windowPos and a cursor at cursor (screen pixels).
QPoint ExpectedAutoPosition(QPoint windowPos, const EyeBox& eye, QPoint cursor);
// Where the picture sits with the cursor on the centre of its travel.
QPoint RestingAutoPosition(const EyeBox& eye);

// The 1-based frame of a "frames" eye of n frames whose strip is eye.PicWidth wide.
int ExpectedFrame(QPoint windowPos, const EyeBox& eye, int frames, QPoint cursor);
// The 0-based frame of a "distan" eye.
int ExpectedDistanceFrame(QPoint windowPos, const EyeBox& eye, int frames, QPoint cursor);
// The top-left pixel of a "rect" eye's picture.
QPoint ExpectedRectPosition(const EyeBox& eye, QPoint cursor);
// Column and row of a "matrix" eye.
QPoint ExpectedMatrixCell(int columns, int rows, QPoint cursor);

} // namespace orbo::e2e

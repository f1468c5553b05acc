// The creature window as a record: place and size in twips over whole pixels, picture, shape.
#pragma once

#include "runtime/picture.h"
#include "runtime/units.h"

#include <QtCore/QRect>
#include <QtGui/QRegion>

namespace orbo {

// Twips geometry over a pixel rectangle. A value that is no whole pixel number (out of range)
// leaves the geometry alone.
class PixelGeometry {
public:
    explicit PixelGeometry(Units units = {}) : units_(units) {}

    float Left() const { return units_.ScaleX(rect_.x(), ScaleUnit::Pixels, ScaleUnit::Twips); }
    float Top() const { return units_.ScaleY(rect_.y(), ScaleUnit::Pixels, ScaleUnit::Twips); }
    float Width() const {
        return units_.ScaleX(rect_.width(), ScaleUnit::Pixels, ScaleUnit::Twips);
    }
    float Height() const {
        return units_.ScaleY(rect_.height(), ScaleUnit::Pixels, ScaleUnit::Twips);
    }
    bool SetLeft(float twips);
    bool SetTop(float twips);
    bool SetWidth(float twips);
    bool SetHeight(float twips);

    QRect Pixels() const { return rect_; }
    void SetPixels(const QRect& rect) { rect_ = rect; }
    const Units& ScaleUnits() const { return units_; }

private:
    Units units_;
    QRect rect_{0, 0, 0, 0};
};

// The creature window as the skin logic sees it: its place and size in twips (held as whole
// pixels, so a value set reads back rounded to a pixel), its background picture and its shape
// (outside it nothing shows or takes the mouse). A record only: the creature model shows it.
class CreatureWindow {
public:
    explicit CreatureWindow(Units units = {}) : Geometry(units) {}

    float Left() const { return Geometry.Left(); }
    float Top() const { return Geometry.Top(); }
    float Width() const { return Geometry.Width(); }
    float Height() const { return Geometry.Height(); }
    void SetLeft(float twips) { Geometry.SetLeft(twips); }
    void SetTop(float twips) { Geometry.SetTop(twips); }
    void SetWidth(float twips) { Geometry.SetWidth(twips); }
    void SetHeight(float twips) { Geometry.SetHeight(twips); }
    const Units& ScaleUnits() const { return Geometry.ScaleUnits(); }
    const orbo::Picture& Picture() const { return Background; }
    void SetPicture(const orbo::Picture& picture) { Background = picture; }
    void SetWindowShape(const QRegion& region) { Region = region; }

    PixelGeometry Geometry;
    orbo::Picture Background;
    QRegion Region;
    // The size the user chose: the frame is composed at the picture's own pixels (Canvas) and
    // the window shows it Size times as large, its geometry and shape included.
    qreal Size = 1;
    QSize Canvas{75, 100};
};

} // namespace orbo

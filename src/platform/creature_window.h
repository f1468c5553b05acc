#pragma once

#include "picture.h"
#include "units.h"

#include <QtCore/QRect>
#include <QtGui/QRegion>

namespace orbo {

// What the skin logic needs of the creature window: its position and size in twips (held as
// whole pixels by the window system, so a value set reads back rounded to a pixel), its
// background picture and its shape.
class CreatureWindow {
public:
    virtual ~CreatureWindow() = default;

    virtual float Left() const = 0;
    virtual float Top() const = 0;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void SetLeft(float twips) = 0;
    virtual void SetTop(float twips) = 0;
    virtual void SetWidth(float twips) = 0;
    virtual void SetHeight(float twips) = 0;

    // The twips per pixel the window converts with.
    virtual const Units& ScaleUnits() const = 0;

    virtual const orbo::Picture& Picture() const = 0;
    virtual void SetPicture(const orbo::Picture& picture) = 0;

    // The window takes the region as its shape: outside it nothing shows or takes the mouse.
    virtual void SetWindowRgn(const QRegion& region) = 0;
};

// Twips geometry over a pixel rectangle, shared by the real window and the test double so both
// round alike. A value that is no whole pixel number (out of range) leaves the geometry alone.
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

// A window that only remembers; for tests of the skin logic.
class FakeCreatureWindow : public CreatureWindow {
public:
    explicit FakeCreatureWindow(Units units = {}) : Geometry(units) {}

    float Left() const override { return Geometry.Left(); }
    float Top() const override { return Geometry.Top(); }
    float Width() const override { return Geometry.Width(); }
    float Height() const override { return Geometry.Height(); }
    void SetLeft(float twips) override { Geometry.SetLeft(twips); }
    void SetTop(float twips) override { Geometry.SetTop(twips); }
    void SetWidth(float twips) override { Geometry.SetWidth(twips); }
    void SetHeight(float twips) override { Geometry.SetHeight(twips); }
    const Units& ScaleUnits() const override { return Geometry.ScaleUnits(); }
    const orbo::Picture& Picture() const override { return Background; }
    void SetPicture(const orbo::Picture& picture) override { Background = picture; }
    void SetWindowRgn(const QRegion& region) override {
        Region = region;
        ++RegionsSet;
    }

    PixelGeometry Geometry;
    orbo::Picture Background;
    QRegion Region;
    int RegionsSet = 0;
};

} // namespace orbo

#pragma once

#include "platform/creature_window.h"
#include "platform/surface.h"
#include "skin/default_skin.h"

#include <QtCore/QTimer>
#include <QtWidgets/QWidget>

namespace orbo {

class Desktop;
class SettingsStore;
struct mdlGeneral;

// The creature window: borderless, cut to the skin's outline, its eyes redrawn on every tick.
class Form1 : public QWidget, public CreatureWindow {
    Q_OBJECT

public:
    Form1(mdlGeneral& general, Desktop& desktop, SettingsStore& store, QWidget* parent = nullptr);

    void Form_Load();
    void Timer1_Timer();

    void ActivateSkin(const QString& name);
    void ActivateDefSkin();
    // The interval of Timer1 for a Speed: 501 - 5 x Speed milliseconds.
    static int IntervalForSpeed(int speed);

    // CreatureWindow
    float Left() const override;
    float Top() const override;
    float Width() const override;
    float Height() const override;
    void SetLeft(float twips) override;
    void SetTop(float twips) override;
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    const orbo::Picture& Picture() const override { return picture_; }
    void SetPicture(const orbo::Picture& picture) override;
    void SetWindowRgn(const QRegion& region) override;

    // The last composed frame, for tests and screenshots.
    const QImage& Frame() { return surface_.Image(); }

    QTimer Timer1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PixelGeometry Geometry() const;
    void ApplyGeometry(const PixelGeometry& geometry);
    void BackgroundChanged();

    mdlGeneral& general_;
    Desktop& desktop_;
    SettingsStore& store_;
    Units units_;
    DefaultSkinPictures imgDefSkin_;
    orbo::Picture picture_;
    Surface surface_;
};

} // namespace orbo

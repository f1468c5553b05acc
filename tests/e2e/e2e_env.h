#pragma once

#include "x_probe.h"

#include <QtCore/QDir>
#include <QtCore/QMap>
#include <QtCore/QString>
#include <QtCore/QTemporaryDir>
#include <QtGui/QColor>
#include <QtGui/QImage>
#include <QtGui/QRegion>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <sys/types.h>

namespace orbo::e2e {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr int kTwipsPerPixel = 15;
inline const QString kTitle = QStringLiteral("ORBO");

// An Xvfb server of its own on a free display number, for the life of the object.
class Xvfb {
public:
    Xvfb();
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    bool Running() const { return pid_ > 0 && !display_.isEmpty(); }
    const QString& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    QString display_;
};

// The server the current test program runs against (started by the test environment).
Xvfb& Server();

// One run of the orbo binary from a program folder of its own (a copy of the binary beside a
// Skins/ folder) with a settings folder of its own.
class OrboRun {
public:
    OrboRun();
    ~OrboRun();
    OrboRun(const OrboRun&) = delete;
    OrboRun& operator=(const OrboRun&) = delete;

    QString ProgramFolder() const { return program_.path(); }
    QString SkinsFolder() const { return program_.filePath(QStringLiteral("Skins")); }
    QString SettingsFile() const;
    // The folder XDG_CONFIG_HOME names for the run; it also holds the run's log, orbo.log.
    QString ConfigFolder() const { return config_.path(); }
    // The folder XDG_DATA_HOME names for the run: the user's own skins are in its orbo/Skins.
    QString DataFolder() const { return data_.path(); }

    // Copies a sample skin folder of the source tree into Skins/.
    bool AddSampleSkin(const QString& folder);
    // Writes the [Setting] group of the settings file from key=value pairs.
    bool WriteSettings(const QMap<QString, QString>& values);
    // Writes the settings file byte for byte, for contents no text stream would write.
    bool WriteSettingsBytes(const QByteArray& bytes);
    // The [Setting] keys of the settings file, keys lower-cased; empty when there is no file.
    QMap<QString, QString> ReadSettings() const;

    // Starts the copied binary on Server() and waits until its window is mapped.
    bool Start();
    unsigned long Window() const { return window_; }
    pid_t Pid() const { return pid_; }
    bool Alive();
    // Waits for the process to end; its exit status, or nothing when it is still running.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout);
    void Signal(int signal) const;

private:
    QTemporaryDir program_;
    QTemporaryDir config_;
    QTemporaryDir data_;
    pid_t pid_ = -1;
    unsigned long window_ = 0;
};

// A probe connected to Server().
XProbe& Probe();

// Polls check every 20 ms until it holds or the timeout passes; the result of the last check.
bool WaitFor(const std::function<bool()>& check,
             std::chrono::milliseconds timeout = std::chrono::seconds(5));

// A press and release of a mouse button at a point of the screen.
void Click(QPoint at, int button = 1);
// Presses the left button at from, moves to to in small steps, as a hand would, and releases.
void DragPointer(QPoint from, QPoint to, int steps = 25);
// Right-clicks at a point of the creature and waits for the popup menu: a new shown top-level
// window that is neither the creature nor the options window. Its rect, or nothing.
std::optional<QRect> OpenPopupMenu(QPoint at);
// Clicks item index (from 0) of a menu of count items of equal height.
void ChooseMenuItem(const QRect& menu, int index, int count);

// The source tree's sample skins.
QString SampleSkinsFolder();
// What of a masked eye picture of the built-in skin (files in src/resources) shows in colour
// rgb: pixels of that colour that the mask does not let the background through.
QRect VisibleBox(const QString& pic, const QString& mask, QRgb rgb);
// Where failing tests leave their screenshots.
QString ArtifactsFolder();
void SaveArtifact(const QImage& image, const QString& name);

// The bounding box of the pixels of an image that have exactly the colour rgb.
QRect BoundingBoxOf(const QImage& image, QRgb rgb);
// A grab of the window's rect with every pixel outside its shape painted magenta, so that what
// the desktop shows around a shaped window is never mistaken for the window's own pixels.
QImage GrabWindowArea(unsigned long window, const QRect& windowRect);

// The colour most pixels of the rectangle have.
QRgb DominantColour(const QImage& image, const QRect& rect);
// The pixels of image that are not magenta.
QRegion NonMagentaRegion(const QImage& image);
QRegion RegionOf(const std::vector<QRect>& rects);

// A picture's natural size in twips, the way the program measures it (HIMETRIC and back).
double PictureTwips(int pixels);
// Twips to pixels as window-system positions are rounded: nearest, halves to even.
int TwipsToPixels(double twips);

} // namespace orbo::e2e

// The end-to-end tests' world: Xvfb, a session bus, a program folder, the orbo process and probes.
#pragma once

#include "wait_for.h"
#include "x_probe.h"

#include <QtCore/QMap>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QColor>

#include <functional>
#include <ostream>
#include <string>

inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << p.x() << ',' << p.y();
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

namespace orbo::e2e {

using namespace Qt::StringLiterals;
using testing::WaitFor;

inline constexpr QSize kScreen(1024, 768);
inline const QString kTitle = u"ORBO"_s;
inline const QString kOptionsTitle = u"Orbo - Options"_s;

// The test program's own Xvfb (ctest -j shares none) and a probe on it. A test that wants
// another screen size starts it before anything else uses the display.
QString StartDisplay(QSize screen);
QString Display();
// Runs a program to its end, input on its standard input: what it wrote, when it succeeded.
std::optional<QString> RunToEnd(const QString& program, const QStringList& arguments,
                                const QByteArray& input = {});
// Runs an X client (xrandr, xrdb) on the test's display; whether it succeeded.
inline bool RunOnDisplay(const QString& program, const QStringList& arguments,
                         const QByteArray& input = {}) {
    return RunToEnd(u"env"_s, QStringList{u"DISPLAY="_s + Display(), program} + arguments, input)
        .has_value();
}
XProbe& Probe();
// Starts openbox on the test's display and waits until it manages windows.
bool StartOpenbox(QProcess& openbox);

// Pixels as the settings store them.
inline QString Twips(int pixels) {
    return QString::number(pixels * 15);
}
inline const QString kSampleSkins = QStringLiteral(ORBO_SOURCE_DIR "/Skins");
// A file's bytes; none when it cannot be read.
QByteArray Contents(const QString& path);
// cp -r into a folder, made when missing.
bool CopyInto(const QStringList& sources, const QString& folder);
// A skin folder holding a picture of one colour and no eyes.
bool MakePlainSkin(const QString& folder, QSize size, QColor colour);

class OrboRun;
// A skin of tests/e2e/skins over sample pictures, started at the top-left corner with this
// environment and these settings besides: its folder, none when it did not start.
inline const QStringList kKindsSamples{u"Donut"_s, u"Compass"_s, u"Radar"_s, u"Peeker"_s,
                                       u"Gridlock"_s};
QString StartWithSkin(OrboRun& run, const QString& name, const QStringList& samples,
                      const QMap<QString, QString>& environment = {},
                      const QMap<QString, QString>& settings = {});
// Every moving eye kind and a lid ("Dozy"): the last sample's pupil loses to Donut's.
inline const QStringList kDozySamples = kKindsSamples + QStringList{u"Sleepy"_s};
// Where a dozing creature's eyes look: half its height below it, on its middle.
inline QPoint BelowCreature(const QRect& place) {
    return {place.center().x(), place.bottom() + place.height() / 2};
}
// The ticks (each draws a frame) and slow checks the creature logs with kPaceLog.
struct Wakes {
    int Ticks = 0;
    int Checks = 0;
};
Wakes CountWakes(const OrboRun& run);
inline const QMap<QString, QString> kPaceLog{{u"QT_LOGGING_RULES"_s, u"orbo.pace.debug=true"_s}};

// One run from a folder of its own (the binary beside Skins/, own settings; Wine for .exe).
class OrboRun {
public:
    OrboRun();
    ~OrboRun();

    QString SkinsFolder() const { return program_.filePath(u"Skins"_s); }
    QString SettingsFile() const { return config_.filePath(u"Z Orbo.ini"_s); }
    QString ConfigFolder() const { return config_.path(); }
    QString DataFolder() const { return data_.path(); }

    bool AddSampleSkin(const QString& folder) {
        return CopyInto({kSampleSkins + u'/' + folder}, SkinsFolder());
    }
    bool WriteSettings(const QMap<QString, QString>& values);
    // The [Setting] keys, lower-cased; empty when there is no file.
    QMap<QString, QString> ReadSettings() const;

    // Starts the program on the test's display, these variables of its environment changed
    // (removed when empty), and waits until its window is mapped.
    bool Start(const QMap<QString, QString>& environment = {});
    // Runs the program to its end as Start would start it, with these arguments: its exit status
    // and what it wrote; nothing when it still runs after the timeout.
    struct Ended {
        int Status = -1;
        QString Out;
        QString Err;
    };
    std::optional<Ended> Run(const QStringList& arguments,
                             const QMap<QString, QString>& environment = {},
                             std::chrono::milliseconds timeout = std::chrono::seconds(30)) const;
    // From the next start on, the program's writes fail past this many bytes of a file, as on a
    // full disk (SIGXFSZ ignored); what it prints is then kept for Output, not in orbo.log.
    void LimitFileSize(long bytes) { fileSizeLimit_ = bytes; }
    QString Output() { return QString::fromLocal8Bit(process_.readAll()); }
    // From the next start on, the program runs on another X server (a nested session's XWayland),
    // where probe finds its window.
    void UseDisplay(const QString& display, const XProbe& probe) {
        display_ = display;
        probe_ = &probe;
    }
    // From the next start on, the program shows no X window (a native Wayland one): Start waits
    // for nothing but the process.
    void ShowsNoXWindow() { xWindow_ = false; }
    unsigned long Window() const { return window_; }
    QRect Geometry() const { return Windows().Geometry(window_).value_or(QRect()); }
    const XProbe& Windows() const { return probe_ ? *probe_ : Probe(); }
    bool Alive() const { return process_.state() == QProcess::Running; }
    // The exit status, or nothing when it still runs after the timeout.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    void Signal(int signal) const;

private:
    QProcessEnvironment Environment(const QMap<QString, QString>& changes) const;
    // The program and its arguments as QProcess starts them (orbo.exe through Wine).
    std::pair<QString, QStringList> Command(const QStringList& arguments) const;

    QTemporaryDir program_;
    QString binary_;
    QTemporaryDir config_;
    QTemporaryDir data_;
    QProcess process_;
    unsigned long window_ = 0;
    long fileSizeLimit_ = -1;
    QString display_;
    const XProbe* probe_ = nullptr;
    bool xWindow_ = true;
};

// What a window shows on the test's screen; on none (a headless session), what it holds.
QImage Shows(const XProbe& windows, unsigned long window);
// The pointer still for 5 s (the creature stops drawing), then `act`: how long until it changed.
std::optional<std::chrono::milliseconds> WakeAfterStillness(const OrboRun& run,
                                                            const std::function<void()>& act);
inline std::optional<std::chrono::milliseconds> WakeAfterStillness(const OrboRun& run, QPoint to) {
    return WakeAfterStillness(run, [to] { Probe().MovePointer(to.x(), to.y()); });
}
// Answered at once, not by the slow poll (every 2 s) of a creature that stopped drawing.
inline bool AnsweredAtOnce(const OrboRun& run, const std::function<void()>& act) {
    const auto woke = WakeAfterStillness(run, act);
    return woke && woke->count() < 500;
}

void Click(QPoint at, int button = 1);
// Presses the left button at from, moves to to in steps, as a hand would, and releases it there.
void Drag(QPoint from, QPoint to);
// Right-clicks, waits for a new menu window (of wmClass when given) and chooses the item whose
// text is given ("&Exit") by its key, the letter after '&', wherever the item stands; none when
// empty: whether the menu showed.
bool UseMenu(QPoint at, const QString& item, const QString& wmClass = {});

// The options window, inside it in pixels: the pages start right of the menu column.
inline constexpr int kPageLeft = 41;
// Opens the options window from the popup menu at a point of the screen; where it is.
std::optional<QPoint> ShowOptions(QPoint at, const QString& wmClass = {});
// What an area of the options window shows, the pointer away: hovering changes the controls.
QImage Shows(QPoint options, const QRect& area);
// Clicks the Options entry of the menu column; whether its page showed.
bool ShowOptionsPage(QPoint options);

// The pixels of an image in a colour (a skin picture's magenta ones are its see-through part).
QRegion PixelsOf(const QImage& image, QRgb colour);

// orbo-skin-check's rendering of a skin for a cursor and buttons ("1,0,0": left), at `at` (top-left
// by default), scale, screen (the checker's when empty) and size; null when it made none.
QImage CheckerRendering(const QString& skinFolder, QPoint cursor, const char* buttons = "0,0,0",
                        double scale = 1, QSize screen = {}, int size = 100,
                        std::optional<QPoint> at = std::nullopt);

// How the window differs from orbo-skin-check's rendering of a skin for a cursor and buttons
// ("1,0,0": left), at `at` (top-left by default), scale and screen (the checker's when empty);
// empty when it matches. Polls; on failure saves both pictures beside the failing tests.
std::string WaitForRendering(unsigned long window, const QString& skinFolder, QPoint cursor,
                             const QString& name, const char* buttons = "0,0,0", double scale = 1,
                             QSize screen = {}, int size = 100,
                             std::optional<QPoint> at = std::nullopt,
                             const XProbe& windows = Probe());

} // namespace orbo::e2e

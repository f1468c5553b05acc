// The end-to-end tests' world: starting Xvfb, the session bus and orbo, and reading back results.
#include "e2e_env.h"

#include "session_bus.h"

#include <QtCore/QDebug>
#include <QtCore/QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <thread>

namespace orbo::e2e {

namespace {

// Xvfb picks a free display itself and writes its number to -displayfd once it takes clients.
struct Server {
    QProcess process;
    QString display;
    explicit Server(QSize screen) {
        process.start(u"Xvfb"_s, u"-displayfd 1 -screen 0 %1x%2x24 -noreset -dpi 96 -nolisten tcp"_s
                                     .arg(screen.width())
                                     .arg(screen.height())
                                     .split(u' '));
        if (!process.waitForReadyRead(20000))
            qFatal("Xvfb did not start");
        display = u':' + QString::fromLatin1(process.readLine()).trimmed();
    }
    ~Server() {
        process.terminate();
        process.waitForFinished();
    }
};

} // namespace

QString StartDisplay(QSize screen) {
    // Without a bus of its own, a program that links D-Bus autolaunches a bus daemon (where
    // dbus-x11 is installed) that outlives it.
    static const testing::SessionBus bus;
    static const Server server(screen);
    return server.display;
}

QString Display() {
    return StartDisplay(kScreen);
}

std::optional<QString> RunToEnd(const QString& program, const QStringList& arguments,
                                const QByteArray& input) {
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

XProbe& Probe() {
    static XProbe probe(Display());
    return probe;
}

bool StartOpenbox(QProcess& openbox) {
    // env execs openbox: the process stays the one QProcess ends.
    openbox.start(u"env"_s, {u"DISPLAY="_s + Display(), u"openbox"_s, u"--sm-disable"_s});
    return WaitFor(
        [] { return !Probe().Property32(Probe().Root(), "_NET_SUPPORTING_WM_CHECK").empty(); });
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool CopyInto(const QStringList& sources, const QString& folder) {
    return QDir().mkpath(folder) &&
           QProcess::execute(u"cp"_s, QStringList{u"-rf"_s} + sources + QStringList{folder}) == 0;
}

bool MakePlainSkin(const QString& folder, QSize size, QColor colour) {
    QImage back(size, QImage::Format_RGB32);
    back.fill(colour);
    QFile ini(folder + u"/Skin.ini"_s);
    return QDir().mkpath(folder) && back.save(folder + u"/back.bmp"_s) &&
           ini.open(QIODevice::WriteOnly) && ini.write("[setting]\nback=back.bmp\neyes=0\n") > 0;
}

std::optional<QPoint> ShowOptions(QPoint at, const QString& wmClass) {
    const auto window = UseMenu(at, u"&Options"_s, wmClass)
                            ? Probe().WaitMapped(kOptionsTitle, std::chrono::seconds(30))
                            : std::nullopt;
    return window ? std::optional(Probe().Geometry(*window).value_or(QRect()).topLeft())
                  : std::nullopt;
}

QImage Shows(QPoint options, const QRect& area) {
    Probe().MovePointer(kScreen.width() - 5, kScreen.height() - 5);
    return Probe().Grab(area.translated(options));
}

bool ShowOptionsPage(QPoint options) {
    Click(options + QPoint(20, 40));
    return WaitFor(
        [&] { return Shows(options, QRect(kPageLeft + 200, 80, 1, 1)).pixel(0, 0) == 0xFFC0C0C0; });
}

OrboRun::OrboRun() : binary_(program_.filePath(QFileInfo(QStringLiteral(ORBO_BINARY)).fileName())) {
    QFile::copy(QStringLiteral(ORBO_BINARY), binary_);
    QDir(program_.path()).mkdir(u"Skins"_s);
}

OrboRun::~OrboRun() {
    process_.kill();
    process_.waitForFinished();
}

bool OrboRun::WriteSettings(const QMap<QString, QString>& values) {
    QByteArray text("[Setting]\n");
    for (auto it = values.begin(); it != values.end(); ++it)
        text += (it.key() + u'=' + it.value() + u'\n').toUtf8();
    QFile file(SettingsFile());
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QMap<QString, QString> OrboRun::ReadSettings() const {
    QMap<QString, QString> values;
    bool inSetting = false;
    // A FIFO in its place would block the read; the program keeps lines it cannot read (QSettings
    // would give up on them).
    if (!QFileInfo(SettingsFile()).isFile())
        return values;
    for (const QByteArray& raw : Contents(SettingsFile()).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const qsizetype eq = line.indexOf(u'=');
        if (line.startsWith(u'['))
            inSetting = line.compare(QLatin1String("[Setting]"), Qt::CaseInsensitive) == 0;
        else if (inSetting && eq > 0)
            values.insert(line.left(eq).trimmed().toLower(), line.mid(eq + 1));
    }
    return values;
}

QProcessEnvironment OrboRun::Environment(const QMap<QString, QString>& changes) const {
    const bool wine = binary_.endsWith(QLatin1String(".exe"));
    const QString own = Display(); // starts the session bus the environment names
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"WAYLAND_DISPLAY", "SESSION_MANAGER", "QT_QPA_PLATFORM", "LANGUAGE",
                             "LC_ALL", "LC_MESSAGES"})
        env.remove(QLatin1String(name));
    // Orbo's English texts, whatever the language of the machine the tests run on.
    env.insert(u"LANG"_s, u"C.UTF-8"_s);
    env.insert(u"DISPLAY"_s, display_.isEmpty() ? own : display_);
    env.insert(u"XDG_CONFIG_HOME"_s, config_.path());
    env.insert(u"XDG_DATA_HOME"_s, data_.path());
    if (!wine)
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    for (auto it = changes.begin(); it != changes.end(); ++it)
        it.value().isEmpty() ? env.remove(it.key()) : env.insert(it.key(), it.value());
    return env;
}

std::pair<QString, QStringList> OrboRun::Command(const QStringList& arguments) const {
    if (binary_.endsWith(QLatin1String(".exe")))
        return {u"wine"_s, QStringList{binary_} + arguments};
    return {binary_, arguments};
}

std::optional<OrboRun::Ended> OrboRun::Run(const QStringList& arguments,
                                           const QMap<QString, QString>& environment,
                                           std::chrono::milliseconds timeout) const {
    QProcess process;
    process.setProcessEnvironment(Environment(environment));
    const auto [program, all] = Command(arguments);
    process.start(program, all);
    if (!process.waitForFinished(static_cast<int>(timeout.count()))) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    return Ended{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                 QString::fromLocal8Bit(process.readAllStandardOutput()),
                 QString::fromLocal8Bit(process.readAllStandardError())};
}

bool OrboRun::Start(const QMap<QString, QString>& environment) {
    const bool wine = binary_.endsWith(QLatin1String(".exe"));
    const QProcessEnvironment env = Environment(environment);
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    if (fileSizeLimit_ < 0)
        process_.setStandardOutputFile(config_.filePath(u"orbo.log"_s));
    process_.setChildProcessModifier([limit = fileSizeLimit_] {
        if (limit < 0)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{rlim_t(limit), rlim_t(limit)};
        ::setrlimit(RLIMIT_FSIZE, &size);
    });
    const auto [program, arguments] = Command({});
    process_.start(program, arguments);
    if (!process_.waitForStarted())
        return false;
    if (!xWindow_)
        return true;
    // The window of this process, not one a run before it left behind (under Wine the window
    // belongs to another process).
    return WaitFor(
        [&] {
            for (const unsigned long window : Windows().ShownWindows()) {
                const auto pid = Windows().Property32(window, "_NET_WM_PID");
                window_ = window;
                if (Windows().Title(window) == kTitle &&
                    (wine || (!pid.empty() && pid.front() == unsigned(process_.processId()))))
                    return true;
            }
            return false;
        },
        std::chrono::seconds(wine ? 60 : 20));
}

std::optional<int> OrboRun::WaitExit(std::chrono::milliseconds timeout) {
    if (!process_.waitForFinished(static_cast<int>(timeout.count())))
        return std::nullopt;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

void OrboRun::Signal(int signal) const {
    if (process_.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(process_.processId()), signal);
}

QString StartWithSkin(OrboRun& run, const QString& name, const QStringList& samples,
                      const QMap<QString, QString>& environment,
                      const QMap<QString, QString>& settings) {
    const QString folder = run.SkinsFolder() + u'/' + name;
    QStringList sources{QStringLiteral(ORBO_SOURCE_DIR "/tests/e2e/skins/") + name + "/."};
    for (const QString& sample : samples)
        sources.prepend(kSampleSkins + u'/' + sample + "/.");
    QMap<QString, QString> written{{u"Left"_s, u"0"_s}, {u"Top"_s, u"0"_s}, {u"Skin"_s, name}};
    written.insert(settings);
    const bool started =
        CopyInto(sources, folder) && run.WriteSettings(written) && run.Start(environment);
    return started ? folder : QString();
}

Wakes CountWakes(const OrboRun& run) {
    Wakes wakes;
    for (const QByteArray& line : Contents(run.ConfigFolder() + u"/orbo.log"_s).split('\n')) {
        wakes.Ticks += line.endsWith("pace: tick");
        wakes.Checks += line.endsWith("pace: check");
    }
    return wakes;
}

QImage Shows(const XProbe& windows, unsigned long window) {
    if (windows.Headless())
        return windows.GrabWindow(window);
    return Probe().Grab(windows.Geometry(window).value_or(QRect()));
}

std::optional<std::chrono::milliseconds> WakeAfterStillness(const OrboRun& run,
                                                            const std::function<void()>& act) {
    std::this_thread::sleep_for(std::chrono::seconds(5));
    const QImage still = Shows(run.Windows(), run.Window());
    const auto moved = std::chrono::steady_clock::now();
    act();
    if (!WaitFor([&] { return Shows(run.Windows(), run.Window()) != still; }))
        return std::nullopt;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 moved);
}

void Click(QPoint at, int button) {
    Probe().MovePointer(at.x(), at.y());
    Probe().Button(button, true);
    Probe().Button(button, false);
}

void Drag(QPoint from, QPoint to) {
    const int steps = 10;
    Probe().MovePointer(from.x(), from.y());
    Probe().Button(1, true);
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        Probe().MovePointer(p.x(), p.y());
    }
    // Let the last motion arrive before the release ends the drag.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    Probe().Button(1, false);
}

bool UseMenu(QPoint at, const QString& item, const QString& wmClass) {
    const auto before = Probe().ShownWindows();
    Click(at, 3);
    unsigned long menu = 0;
    const bool shown = WaitFor([&] {
        for (const unsigned long w : Probe().ShownWindows()) {
            const QString title = Probe().Title(w);
            if (std::find(before.begin(), before.end(), w) == before.end() && title != kTitle &&
                title != kOptionsTitle && (wmClass.isEmpty() || Probe().WmClass(w) == wmClass))
                menu = w;
        }
        return menu != 0;
    });
    if (!shown || item.isEmpty())
        return shown;
    // The open menu takes the keyboard: its item's key reaches it however busy the program is.
    // Wine's menu grabs nothing on X, and a window manager may keep the focus elsewhere: the
    // focus is put on the menu, as Windows gives it.
    if (!wmClass.isEmpty())
        Probe().Focus(menu);
    const QByteArray key = item.mid(item.indexOf(u'&') + 1, 1).toLower().toLatin1();
    return Probe().TapKey(key.constData());
}

QRegion PixelsOf(const QImage& image, QRgb colour) {
    QRegion region;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (((image.pixel(x, y) ^ colour) & 0xFFFFFF) == 0)
                region += QRect(x, y, 1, 1);
    return region;
}

QImage CheckerRendering(const QString& skinFolder, QPoint cursor, const char* buttons, double scale,
                        QSize screen, int size, std::optional<QPoint> at) {
    const QTemporaryDir out;
    const QString file = out.filePath(u"render.png"_s);
    QStringList arguments{skinFolder,
                          u"--render"_s,
                          file,
                          u"--cursor"_s,
                          u"%1,%2"_s.arg(cursor.x()).arg(cursor.y()),
                          u"--buttons"_s,
                          QLatin1String(buttons),
                          u"--scale"_s,
                          QString::number(scale)};
    if (!screen.isEmpty())
        arguments << u"--screen"_s << u"%1,%2"_s.arg(screen.width()).arg(screen.height());
    if (at)
        arguments << u"--at"_s << u"%1,%2"_s.arg(at->x()).arg(at->y());
    if (size != 100)
        arguments << u"--size"_s << QString::number(size);
    QProcess::execute(QStringLiteral(ORBO_SKIN_CHECK_BINARY), arguments);
    return QImage(file).convertToFormat(QImage::Format_ARGB32);
}

std::string WaitForRendering(unsigned long window, const QString& skinFolder, QPoint cursor,
                             const QString& name, const char* buttons, double scale, QSize screen,
                             int size, std::optional<QPoint> at, const XProbe& windows) {
    const QImage rendering = CheckerRendering(skinFolder, cursor, buttons, scale, screen, size, at);
    if (rendering.isNull())
        return "orbo-skin-check made no rendering";
    QString text;
    QImage shown;
    const bool same = WaitFor([&] {
        const QRect geometry = windows.Geometry(window).value_or(QRect());
        shown = Shows(windows, window);
        QRegion opaque;
        int count = 0;
        QPoint first;
        for (int y = 0; y < rendering.height(); ++y)
            for (int x = 0; x < rendering.width(); ++x)
                if (qAlpha(rendering.pixel(x, y)) != 0) {
                    opaque += QRect(x, y, 1, 1);
                    if (shown.valid(x, y) &&
                        (shown.pixel(x, y) ^ rendering.pixel(x, y)) & 0xFFFFFF && count++ == 0)
                        first = QPoint(x, y);
                }
        text.clear();
        {
            QDebug out(&text); // writes into text when it ends
            if (geometry.size() != rendering.size() || shown.size() != rendering.size())
                out << "window" << geometry << "rendering" << rendering.size();
            else if (const QRegion off = windows.Shape(window).xored(opaque); !off.isEmpty())
                out << "the shape differs from the rendering's in" << off.boundingRect();
            else if (count > 0)
                out << count << "pixels differ, the first" << first << "screen" << Qt::hex
                    << shown.pixel(first) << "rendering" << rendering.pixel(first);
        }
        return text.isEmpty();
    });
    if (same)
        return {};
    const QString folder = QStringLiteral(ORBO_E2E_ARTIFACTS);
    QDir().mkpath(folder);
    shown.save(folder + u'/' + name + ".png");
    rendering.save(folder + u'/' + name + "-expected.png");
    return text.toStdString();
}

} // namespace orbo::e2e

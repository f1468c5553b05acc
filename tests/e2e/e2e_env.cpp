#include "e2e_env.h"

#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orbo::e2e {

namespace {

// Starts Xvfb on display number n and waits until it accepts clients; -1 when it did not come up
// (the number was taken after all, or the server failed).
pid_t StartXvfbOn(int n) {
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        ::close(fds[0]);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(null, 2);
        const std::string display = ":" + std::to_string(n);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", display.c_str(), "-displayfd", fd.c_str(), "-screen", "0",
                 "1024x768x24", "-noreset", "-dpi", "96", "-nolisten", "tcp", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    // -displayfd: the server writes its display number once it is ready.
    std::string written;
    pollfd p{fds[0], POLLIN, 0};
    while (::poll(&p, 1, 20000) > 0) {
        char c = 0;
        if (::read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        written += c;
    }
    ::close(fds[0]);
    if (written != std::to_string(n)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

bool DisplayLooksFree(int n) {
    return !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)) &&
           !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n));
}

std::unique_ptr<Xvfb> g_server;
std::unique_ptr<XProbe> g_probe;

// One server for the whole test program, so that tests in separate programs (ctest -j) never
// share a display.
class ServerEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        g_server = std::make_unique<Xvfb>();
        ASSERT_TRUE(g_server->Running()) << "Xvfb did not start";
        g_probe = std::make_unique<XProbe>(g_server->Display());
        ASSERT_TRUE(g_probe->Connected())
            << "cannot connect to " << g_server->Display().toStdString();
    }
    void TearDown() override {
        g_probe.reset();
        g_server.reset();
    }
};

// GoogleTest owns the environments it is given.
const auto* const g_environment =
    ::testing::AddGlobalTestEnvironment(std::make_unique<ServerEnvironment>().release());

bool CopyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(path, target)) {
            return false;
        }
    }
    return true;
}

} // namespace

Xvfb::Xvfb() {
    // Spread parallel test programs over different numbers; never :0.
    const int first = 100 + static_cast<int>(::getpid() % 400);
    for (int i = 0; i < 50; ++i) {
        const int n = first + i;
        if (!DisplayLooksFree(n))
            continue;
        const pid_t pid = StartXvfbOn(n);
        if (pid > 0) {
            pid_ = pid;
            display_ = QStringLiteral(":%1").arg(n);
            return;
        }
    }
}

Xvfb::~Xvfb() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

Xvfb& Server() {
    return *g_server;
}

XProbe& Probe() {
    return *g_probe;
}

OrboRun::OrboRun() {
    const QString binary = QStringLiteral(ORBO_BINARY);
    const QString copy = program_.filePath(QStringLiteral("orbo"));
    QFile::copy(binary, copy);
    QFile::setPermissions(copy,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDir(program_.path()).mkdir(QStringLiteral("Skins"));
}

OrboRun::~OrboRun() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

QString OrboRun::SettingsFile() const {
    return config_.filePath(QStringLiteral("Z Orbo.ini"));
}

bool OrboRun::AddSampleSkin(const QString& folder) {
    return CopyFolder(SampleSkinsFolder() + QLatin1Char('/') + folder,
                      SkinsFolder() + QLatin1Char('/') + folder);
}

bool OrboRun::WriteSettings(const QMap<QString, QString>& values) {
    QFile file(SettingsFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    out << "[Setting]\n";
    for (auto it = values.begin(); it != values.end(); ++it)
        out << it.key() << '=' << it.value() << '\n';
    return true;
}

bool OrboRun::WriteSettingsBytes(const QByteArray& bytes) {
    QFile file(SettingsFile());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QMap<QString, QString> OrboRun::ReadSettings() const {
    QMap<QString, QString> values;
    QFile file(SettingsFile());
    if (!file.open(QIODevice::ReadOnly))
        return values;
    bool inSetting = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSetting = line.compare(QLatin1String("[Setting]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inSetting && eq > 0)
            values.insert(line.left(eq).trimmed().toLower(), line.mid(eq + 1));
    }
    return values;
}

bool OrboRun::Start() {
    const QByteArray program = program_.filePath(QStringLiteral("orbo")).toLocal8Bit();
    const QByteArray log = config_.filePath(QStringLiteral("orbo.log")).toLocal8Bit();
    const QByteArray display = Server().Display().toLocal8Bit();
    const QByteArray config = config_.path().toLocal8Bit();
    const QByteArray data = data_.path().toLocal8Bit();
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        const int out = ::open(log.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 1);
        ::dup2(out, 2);
        ::setenv("DISPLAY", display.constData(), 1);
        ::setenv("XDG_CONFIG_HOME", config.constData(), 1);
        ::setenv("XDG_DATA_HOME", data.constData(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::unsetenv("WAYLAND_DISPLAY");
        ::unsetenv("SESSION_MANAGER");
        ::execl(program.constData(), "orbo", nullptr);
        ::_exit(127);
    }
    pid_ = pid;
    const bool mapped = WaitFor(
        [&] {
            const auto window = Probe().FindWindow(kTitle);
            if (!window || !Probe().IsShown(*window) ||
                Probe().Pid(*window).value_or(static_cast<unsigned long>(pid)) !=
                    static_cast<unsigned long>(pid))
                return false;
            window_ = *window;
            return true;
        },
        std::chrono::seconds(20));
    return mapped;
}

bool OrboRun::Alive() {
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
    }
    return true;
}

std::optional<int> OrboRun::WaitExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (pid_ > 0) {
        int status = 0;
        const pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == pid_ || (r < 0 && errno == ECHILD)) {
            pid_ = -1;
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            return 128 + WTERMSIG(status);
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
}

void OrboRun::Signal(int signal) const {
    if (pid_ > 0)
        ::kill(pid_, signal);
}

bool WaitFor(const std::function<bool()>& check, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (check())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return check();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void Click(QPoint at, int button) {
    Probe().MovePointer(at.x(), at.y());
    Probe().Button(button, true);
    Probe().Button(button, false);
}

void DragPointer(QPoint from, QPoint to, int steps) {
    Probe().MovePointer(from.x(), from.y());
    Probe().Button(1, true);
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        Probe().MovePointer(p.x(), p.y());
        std::this_thread::sleep_for(std::chrono::milliseconds(8));
    }
    // Let the last motion arrive before the release ends the drag.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Probe().Button(1, false);
}

std::optional<QRect> OpenPopupMenu(QPoint at) {
    const auto before = Probe().ShownTopLevels();
    Click(at, 3);
    std::optional<QRect> menu;
    WaitFor([&] {
        for (const unsigned long w : Probe().ShownTopLevels()) {
            const QString title = Probe().Title(w);
            if (std::find(before.begin(), before.end(), w) == before.end() &&
                title != QStringLiteral("Orbo - Options") && title != kTitle) {
                menu = Probe().Geometry(w);
                return true;
            }
        }
        return false;
    });
    return menu;
}

void ChooseMenuItem(const QRect& menu, int index, int count) {
    const QPoint p(menu.center().x(), menu.top() + menu.height() * (2 * index + 1) / (2 * count));
    Probe().MovePointer(p.x(), p.y());
    // The menu highlights on motion; give it a moment before the click.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    Probe().Button(1, true);
    Probe().Button(1, false);
}

QRect VisibleBox(const QString& pic, const QString& mask, QRgb rgb) {
    const QString resources = QStringLiteral(ORBO_SOURCE_DIR "/src/resources/");
    const QImage p = QImage(resources + pic).convertToFormat(QImage::Format_RGB32);
    const QImage m = QImage(resources + mask).convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if ((p.pixel(x, y) & 0xFFFFFF) == rgb && (m.pixel(x, y) & 0xFFFFFF) == 0)
                box |= QRect(x, y, 1, 1);
    return box;
}

QString SampleSkinsFolder() {
    return QStringLiteral(ORBO_SOURCE_DIR "/Skins");
}

QString ArtifactsFolder() {
    return QStringLiteral(ORBO_E2E_ARTIFACTS);
}

void SaveArtifact(const QImage& image, const QString& name) {
    QDir().mkpath(ArtifactsFolder());
    image.save(ArtifactsFolder() + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG");
}

QRect BoundingBoxOf(const QImage& image, QRgb rgb) {
    QRect box;
    const QImage rgb32 = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb32.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        for (int x = 0; x < rgb32.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (rgb & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

QImage GrabWindowArea(unsigned long window, const QRect& windowRect) {
    const auto geometry = Probe().Geometry(window);
    if (!geometry)
        return {};
    QImage image = Probe().Grab(windowRect.translated(geometry->topLeft()));
    const QRegion shape =
        RegionOf(Probe().ShapeRectangles(window)).translated(-windowRect.topLeft());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!shape.contains(QPoint(x, y)))
                image.setPixel(x, y, qRgb(255, 0, 255));
    return image;
}

QRgb DominantColour(const QImage& image, const QRect& rect) {
    QMap<QRgb, int> counts;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) & 0xFFFFFF];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return best;
}

QRegion NonMagentaRegion(const QImage& image) {
    QRegion region;
    const QImage rgb32 = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb32.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        int x = 0;
        while (x < rgb32.width()) {
            while (x < rgb32.width() && (line[x] & 0xFFFFFF) == 0xFF00FF)
                ++x;
            const int start = x;
            while (x < rgb32.width() && (line[x] & 0xFFFFFF) != 0xFF00FF)
                ++x;
            if (x > start)
                region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

QRegion RegionOf(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& r : rects)
        region += r;
    return region;
}

double PictureTwips(int pixels) {
    const double himetric = std::nearbyint(pixels * 2540.0 / 96.0);
    return static_cast<float>(himetric * 1440.0 / 2540.0);
}

int TwipsToPixels(double twips) {
    return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel));
}

} // namespace orbo::e2e

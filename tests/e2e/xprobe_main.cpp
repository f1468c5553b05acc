// orbo-xprobe: finds windows on an X server, reads back what they show and drives the pointer.
// Used by the end-to-end tests and by scripts/demo and scripts/measure-cpu.
#include "x_probe.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: orbo-xprobe COMMAND [ARGS]   (display from $DISPLAY)\n"
    "  wait TITLE [TIMEOUT_MS [SINCE_NS]]\n"
    "                               wait until the window is mapped (polls every 2 ms) and print\n"
    "                               its id; with SINCE_NS (date +%s%N taken before the program\n"
    "                               was started) also the milliseconds from then to the mapping\n"
    "  gone TITLE [TIMEOUT_MS]      wait until no mapped window has that title\n"
    "  geometry TITLE               print X Y WIDTH HEIGHT\n"
    "  shape TITLE                  print the bounding shape's rectangles, X Y WIDTH HEIGHT\n"
    "  info TITLE                   print title, WM_CLASS and _NET_WM_PID\n"
    "  pixel X Y                    print R G B of a screen pixel\n"
    "  shot FILE [X Y W H]          save the screen (or a part of it) as PNG\n"
    "  shot-window TITLE FILE       save what the window's rectangle shows as PNG\n"
    "  move X Y | move-by DX DY     move the pointer (XTest)\n"
    "  pointer                      print the pointer position\n"
    "  button N down|up|click       press or release a pointer button (XTest)\n"
    "  close TITLE                  send WM_DELETE_WINDOW\n";

int Fail(const char* message) {
    std::fprintf(stderr, "orbo-xprobe: %s\n", message);
    return 1;
}

bool ToInt(const char* text, int& value) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0')
        return false;
    value = static_cast<int>(v);
    return true;
}

std::chrono::milliseconds TimeoutArg(int argc, char** argv, int index) {
    int ms = 10000;
    if (index < argc)
        ToInt(argv[index], ms);
    return std::chrono::milliseconds(ms);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString command = QString::fromLocal8Bit(argv[1]);
    const orbo::XProbe probe;
    if (!probe.Connected())
        return Fail("cannot open the display");
    const auto arg = [&](int i) { return QString::fromLocal8Bit(argv[i]); };
    const auto windowArg = [&](int i) -> std::optional<unsigned long> {
        if (i >= argc)
            return std::nullopt;
        return probe.FindWindow(arg(i));
    };

    if (command == QLatin1String("wait") && argc >= 3) {
        const auto window =
            probe.WaitMapped(arg(2), TimeoutArg(argc, argv, 3), std::chrono::milliseconds(2));
        if (!window)
            return Fail("no such window mapped in time");
        if (argc >= 5) {
            const long long since = std::strtoll(argv[4], nullptr, 10);
            const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::system_clock::now().time_since_epoch())
                                      .count();
            std::printf("0x%lx %.1f\n", *window, static_cast<double>(now - since) / 1e6);
        } else {
            std::printf("0x%lx\n", *window);
        }
        return 0;
    }
    if (command == QLatin1String("gone") && argc >= 3)
        return probe.WaitGone(arg(2), TimeoutArg(argc, argv, 3)) ? 0 : Fail("window still shown");
    if (command == QLatin1String("geometry") || command == QLatin1String("shape") ||
        command == QLatin1String("info") || command == QLatin1String("close")) {
        const auto window = windowArg(2);
        if (!window)
            return Fail("no such window");
        if (command == QLatin1String("geometry")) {
            const auto g = probe.Geometry(*window);
            if (!g)
                return Fail("cannot read the geometry");
            std::printf("%d %d %d %d\n", g->x(), g->y(), g->width(), g->height());
        } else if (command == QLatin1String("shape")) {
            for (const QRect& r : probe.ShapeRectangles(*window))
                std::printf("%d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
        } else if (command == QLatin1String("info")) {
            std::printf("title=%s\nclass=%s\npid=%lu\n", probe.Title(*window).toUtf8().constData(),
                        probe.WmClass(*window).toUtf8().constData(),
                        probe.Pid(*window).value_or(0));
        } else if (!probe.SendDeleteWindow(*window)) {
            return Fail("cannot send the message");
        }
        return 0;
    }
    if (command == QLatin1String("pixel") && argc == 4) {
        int x = 0;
        int y = 0;
        if (!ToInt(argv[2], x) || !ToInt(argv[3], y))
            return Fail("bad coordinates");
        const QImage image = probe.Grab(QRect(x, y, 1, 1));
        if (image.isNull())
            return Fail("outside the screen");
        const QRgb p = image.pixel(0, 0);
        std::printf("%d %d %d\n", qRed(p), qGreen(p), qBlue(p));
        return 0;
    }
    if (command == QLatin1String("shot") && (argc == 3 || argc == 7)) {
        QRect rect(QPoint(0, 0), probe.ScreenSize());
        if (argc == 7) {
            int v[4] = {};
            for (int i = 0; i < 4; ++i)
                if (!ToInt(argv[3 + i], v[i]))
                    return Fail("bad rectangle");
            rect = QRect(v[0], v[1], v[2], v[3]);
        }
        const QImage image = probe.Grab(rect);
        if (image.isNull() || !image.save(arg(2), "PNG"))
            return Fail("cannot save the screenshot");
        return 0;
    }
    if (command == QLatin1String("shot-window") && argc == 4) {
        const auto window = windowArg(2);
        const auto g = window ? probe.Geometry(*window) : std::nullopt;
        if (!g)
            return Fail("no such window");
        const QImage image = probe.Grab(*g);
        if (image.isNull() || !image.save(arg(3), "PNG"))
            return Fail("cannot save the screenshot");
        return 0;
    }
    if ((command == QLatin1String("move") || command == QLatin1String("move-by")) && argc == 4) {
        int x = 0;
        int y = 0;
        if (!ToInt(argv[2], x) || !ToInt(argv[3], y))
            return Fail("bad coordinates");
        if (command == QLatin1String("move"))
            probe.MovePointer(x, y);
        else
            probe.MovePointerBy(x, y);
        return 0;
    }
    if (command == QLatin1String("pointer")) {
        const QPoint p = probe.PointerPosition();
        std::printf("%d %d\n", p.x(), p.y());
        return 0;
    }
    if (command == QLatin1String("button") && argc == 4) {
        int button = 0;
        if (!ToInt(argv[2], button) || button < 1 || button > 5)
            return Fail("bad button");
        const QString action = arg(3);
        if (action == QLatin1String("down") || action == QLatin1String("click"))
            probe.Button(button, true);
        if (action == QLatin1String("up") || action == QLatin1String("click"))
            probe.Button(button, false);
        return 0;
    }
    std::fputs(kUsage, stderr);
    return 2;
}

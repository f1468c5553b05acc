// orbo-xprobe: finds windows on an X server and reads back what they show, for the scripts.
#include "x_probe.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kUsage =
    "usage: orbo-xprobe COMMAND [ARGS]   (display from $DISPLAY)\n"
    "  wait TITLE [TIMEOUT_MS [SINCE_NS]]  wait until the window is mapped and print its id; with\n"
    "                               SINCE_NS (date +%s%N before the start) also the ms since then\n"
    "  gone TITLE [TIMEOUT_MS]      wait until no mapped window has that title\n"
    "  geometry TITLE               print X Y WIDTH HEIGHT\n"
    "  shape TITLE                  print the bounding shape's rectangles, X Y WIDTH HEIGHT\n"
    "  close TITLE                  send WM_DELETE_WINDOW\n"
    "  shot FILE [X Y W H]          save the screen (or a part of it) as PNG\n";

int Fail(const char* message) {
    std::fprintf(stderr, "orbo-xprobe: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const auto is = [&](const char* command, int args) {
        return argc == args + 2 && std::strcmp(argv[1], command) == 0;
    };
    const auto n = [&](int i) { return std::atoi(argv[i]); };
    const orbo::XProbe probe;
    if (argc >= 2 && !probe.Connected())
        return Fail("cannot open the display");
    using std::chrono::milliseconds;

    if (is("wait", 1) || is("wait", 2) || is("wait", 3)) {
        const auto window = probe.WaitMapped(argv[2], milliseconds(argc > 3 ? n(3) : 10000));
        if (!window)
            return Fail("no such window mapped in time");
        std::printf("0x%lx", *window);
        if (argc > 4) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const auto since = std::chrono::nanoseconds(std::atoll(argv[4]));
            std::printf(" %.1f", std::chrono::duration<double, std::milli>(now - since).count());
        }
        std::printf("\n");
        return 0;
    }
    if (is("gone", 1) || is("gone", 2))
        return probe.WaitGone(argv[2], milliseconds(argc > 3 ? n(3) : 10000))
                   ? 0
                   : Fail("window still shown");
    if (is("geometry", 1) || is("shape", 1) || is("close", 1)) {
        const auto window = probe.WaitMapped(argv[2], milliseconds(0));
        const auto g = window ? probe.Geometry(*window) : std::nullopt;
        if (!g)
            return Fail("no such window");
        if (argv[1][0] == 'g')
            std::printf("%d %d %d %d\n", g->x(), g->y(), g->width(), g->height());
        else if (argv[1][0] == 's')
            for (const QRect& r : probe.Shape(*window))
                std::printf("%d %d %d %d\n", r.x(), r.y(), r.width(), r.height());
        else if (!probe.SendDeleteWindow(*window))
            return Fail("cannot send the message");
        return 0;
    }
    if (is("shot", 1) || is("shot", 5)) {
        const QRect rect =
            argc == 3 ? QRect(QPoint(0, 0), probe.ScreenSize()) : QRect(n(3), n(4), n(5), n(6));
        const QImage image = probe.Grab(rect);
        return !image.isNull() && image.save(argv[2], "PNG") ? 0
                                                             : Fail("cannot save the screenshot");
    }
    std::fputs(kUsage, stderr);
    return 2;
}

// A plain window of one colour (#3366cc), maximized: a native Wayland window to move the pointer
// over when run with QT_QPA_PLATFORM=wayland. It says on standard output when it shows ("shown")
// when the pointer enters it ("in") or leaves it ("out") and when it is clicked ("pressed"), which
// a headless session shows no screen for.
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <cstdio>

namespace {

class PlainWindow : public QWidget {
protected:
    void Say(const char* what) {
        std::puts(what);
        std::fflush(stdout);
    }
    void showEvent(QShowEvent*) override { Say("shown"); }
    void enterEvent(QEnterEvent*) override { Say("in"); }
    void leaveEvent(QEvent*) override { Say("out"); }
    void mousePressEvent(QMouseEvent*) override { Say("pressed"); }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PlainWindow window;
    window.setWindowTitle(QStringLiteral("plain"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0x33, 0x66, 0xcc));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.showMaximized();
    return QApplication::exec();
}

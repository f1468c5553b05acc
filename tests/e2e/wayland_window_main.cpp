// A plain window of one colour (#3366cc), maximized: a native Wayland window to move the pointer
// over when run with QT_QPA_PLATFORM=wayland.
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("plain"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0x33, 0x66, 0xcc));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.showMaximized();
    return QApplication::exec();
}

// The widget tests' main: one offscreen application for the whole run.
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

// Widget tests need one application object for the whole run.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

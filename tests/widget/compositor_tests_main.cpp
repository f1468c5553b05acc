// The compositor desktops' tests, on a session bus and runtime folder of their own.
#include "session_bus.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const orbo::testing::SessionBus bus;
    return RUN_ALL_TESTS();
}

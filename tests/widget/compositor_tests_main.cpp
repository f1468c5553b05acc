// The compositor desktops' tests: a session bus and a runtime folder (where the KWin desktop
// writes its script) of the program's own, named before anything asks for one.
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

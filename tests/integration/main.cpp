// Runs the integration tests inside a Qt application, so that the real Qt
// sockets, timers and event loop serve the client under test.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

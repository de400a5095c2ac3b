#include <gtest/gtest.h>

#include <QGuiApplication>

// Pixmaps need a GUI application; the tests run it on the offscreen platform.
int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include <QGuiApplication>
#include <gtest/gtest.h>

// Text needs a GUI application for its fonts. The offscreen platform gives one
// without a display, and the same fonts whether or not a display is present.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

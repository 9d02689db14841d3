#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Text needs a GUI application for its fonts. The offscreen platform gives one
// without a display, and the same fonts whether or not a display is present.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    // The font choices raster text keeps between runs stay out of the user's
    // cache.
    const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

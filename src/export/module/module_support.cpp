#include "export/module/module_support.h"

#include "export/allocator_tuning.h"

#include <QGuiApplication>
#include <cstdio>

namespace vornik::exporting {

// Destroying the application while static objects are torn down is unsafe,
// so the one made here is never destroyed. The offscreen platform needs no
// display.
void ensureGuiApplication() {
    if (QGuiApplication::instance() != nullptr)
        return;
    static int argc = 3;
    static char name[] = "vornik";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Qt's notices about the session (no runtime folder and the like) are
    // not the headless program's to report.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "vornik: %s\n", qPrintable(text));
    });
    new QGuiApplication(argc, argv);
    keepLargeBuffersInHeap();
}

} // namespace vornik::exporting

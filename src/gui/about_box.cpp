#include "gui/about_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <cstdio> // before jpeglib.h, which needs FILE
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>
#include <zint.h>

namespace vornik::gui {
namespace {

QString zintVersion() {
    const int version = ZBarcode_Version(); // e.g. 21200 for 2.12.0
    return QStringLiteral("%1.%2.%3")
        .arg(version / 10000)
        .arg(version / 100 % 100)
        .arg(version % 100);
}

// libtiff names itself "LIBTIFF, Version 4.5.0" and then its copyright lines.
QString tiffVersion() {
    const QString text = QString::fromLatin1(TIFFGetVersion());
    const qsizetype start = text.indexOf(QLatin1String("Version "));
    if (start < 0)
        return text.section(QLatin1Char('\n'), 0, 0);
    return text.mid(start + 8).section(QLatin1Char('\n'), 0, 0);
}

QString jpegVersion() {
#ifdef LIBJPEG_TURBO_VERSION
    return QStringLiteral("-turbo %1 (API %2)")
        .arg(QLatin1String(QT_STRINGIFY(LIBJPEG_TURBO_VERSION)))
        .arg(JPEG_LIB_VERSION);
#else
    return QStringLiteral(" (API %1)").arg(JPEG_LIB_VERSION);
#endif
}

// The versions of the libraries in use, read from them where they say.
QString libraryLines() {
    return QObject::tr("Qt %1\nlibzint %2 (Data Matrix, Aztec Code, RSS-14)\nlibpng %3\n"
                       "libjpeg%4\nlibtiff %5\ngiflib %6.%7.%8")
        .arg(QLatin1String(qVersion()), zintVersion(), QLatin1String(png_get_libpng_ver(nullptr)),
             jpegVersion(), tiffVersion())
        .arg(GIFLIB_MAJOR)
        .arg(GIFLIB_MINOR)
        .arg(GIFLIB_RELEASE);
}

} // namespace

QString aboutText() {
    return QObject::tr("Vornik %1\nTrue-size bar codes for Linux.\n\nBuilt with:\n%2")
        .arg(QCoreApplication::applicationVersion(), libraryLines());
}

QString systemInformation() {
    QString text = QObject::tr("%1\nKernel %2 %3\nDisplay platform: %4\n")
                       .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                            QSysInfo::kernelVersion(), QGuiApplication::platformName());
    for (const QScreen* screen : QGuiApplication::screens()) {
        text += QObject::tr("Screen %1: %2 x %3 pixels, %4 dpi physical, scale %5\n")
                    .arg(screen->name())
                    .arg(screen->size().width())
                    .arg(screen->size().height())
                    .arg(screen->physicalDotsPerInch(), 0, 'f', 1)
                    .arg(screen->devicePixelRatio());
    }
    return text + QLatin1Char('\n') + libraryLines();
}

void showAboutBox(QWidget* parent) {
    QMessageBox box(QMessageBox::Information, QObject::tr("About Vornik"), aboutText(),
                    QMessageBox::Ok, parent);
    QPushButton* details =
        box.addButton(QObject::tr("System &Information..."), QMessageBox::ActionRole);
    for (;;) {
        box.exec();
        if (box.clickedButton() != details)
            return;
        QMessageBox::information(parent, QObject::tr("System Information"), systemInformation());
    }
}

} // namespace vornik::gui

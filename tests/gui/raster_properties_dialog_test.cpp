// The raster image properties dialog over the real window: the job's
// settings shown, OK writing every control back with the numbers brought
// into range, the number boxes taking digits only, access keys reaching
// their controls, Cancel and Escape leaving the job, and a PNG saved after
// OK made at the stored resolution and depth, read back by ZXing.

#include "dialog_driver.h"
#include "gui/raster_properties_dialog.h"
#include "gui_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace vornik::gui::testing;
using vornik::Job;

namespace {

const char* const kLists[] = {"cboBPP", "cboPNGFilter", "cboTIFFCompression"};
const char* const kBoxes[] = {"txtDPI", "txtJPEGQuality"};
const char* const kChecks[] = {"chkPNGInterlace", "chkBMPCompress", "chkTGACompress",
                               "chkGIFCompress"};

// The dialog as one line: the three lists, the two boxes, then the four
// check boxes as 0 or 1.
QString shown(const QDialog& dialog) {
    QStringList parts;
    for (const char* name : kLists)
        parts << control<QComboBox>(dialog, name)->currentText();
    for (const char* name : kBoxes)
        parts << control<QLineEdit>(dialog, name)->text();
    QString checks;
    for (const char* name : kChecks)
        checks +=
            control<QCheckBox>(dialog, name)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return (parts << checks).join(QLatin1Char('|'));
}

// Sets the dialog from a line of the same form.
void enter(const QDialog& dialog, const QString& line) {
    const QStringList parts = line.split(QLatin1Char('|'));
    for (int i = 0; i < 3; ++i) {
        auto* list = control<QComboBox>(dialog, kLists[i]);
        list->setCurrentIndex(list->findText(parts[i]));
    }
    for (int i = 0; i < 2; ++i) {
        QLineEdit* box = control<QLineEdit>(dialog, kBoxes[i]);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, parts[3 + i]);
    }
    for (int i = 0; i < 4; ++i)
        control<QCheckBox>(dialog, kChecks[i])->setChecked(parts[5][i] == QLatin1Char('1'));
}

// The raster fields of the job in the order of the table of the program's
// settings, then Dirty.
QString rasterFields(const vornik::Application& app) {
    const Job& job = app.job();
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
        .arg(job.BitsPerPixel)
        .arg(job.RasterResolution)
        .arg(job.JpegQuality)
        .arg(job.PngFilter)
        .arg(job.PngInterlace)
        .arg(job.BmpCompression)
        .arg(job.TgaCompression)
        .arg(job.TiffCompression)
        .arg(job.GifCompression)
        .arg(app.state().Dirty ? "dirty" : "clean");
}

} // namespace

class RasterPropertiesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheJob_data();
    void showsTheJob();
    void okWritesEveryControlBack_data();
    void okWritesEveryControlBack();
    void theNumberBoxesTakeDigitsOnly();
    void accessKeysReachTheirControls();
    void cancelAndEscapeChangeNothing_data();
    void cancelAndEscapeChangeNothing();
    void aSavedPngFollowsTheStoredProperties_data();
    void aSavedPngFollowsTheStoredProperties();
};

void RasterPropertiesDialogTest::showsTheJob_data() {
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << ""
                              << "1|All Filters (Best)|None|300|100|0000";
    QTest::newRow("every field")
        << "[bitsperpixel=24][rasterimageresolution=600][jpegquality=75][pngpaethfilter]"
           "[pnginterlace=on][bmpcompression=on][tgacompression=on][gifcompression=on]"
           "[tiffcompression=group4]"
        << "24|Paeth Filter|Group4|600|75|1111";
    QTest::newRow("8 bits, up filter, LZW")
        << "[bitsperpixel=8][pngupfilter][tiffcompression=lzw][tgacompression=on]"
        << "8|Up Filter|LZW|300|100|0010";
}

void RasterPropertiesDialogTest::showsTheJob() {
    QFETCH(QString, commands);
    QFETCH(QString, expected);
    GuiSession session;
    QVERIFY(commands.isEmpty() || session.run(commands.toStdString()));
    QString seen;
    QString title;
    const auto opened = whenDialogShows(QStringLiteral("RasterProps"), [&](QDialog& dialog) {
        seen = shown(dialog);
        title = dialog.windowTitle();
    });
    QVERIFY(!showRasterPropertiesDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(seen, expected);
    QCOMPARE(title, QStringLiteral("Raster Image Properties"));
}

void RasterPropertiesDialogTest::okWritesEveryControlBack_data() {
    QTest::addColumn<QString>("entered");
    // BitsPerPixel, RasterResolution, JpegQuality, PngFilter, PngInterlace,
    // BmpCompression, TgaCompression, TiffCompression, GifCompression, Dirty.
    QTest::addColumn<QString>("stored");
    QTest::newRow("as shown") << "1|All Filters (Best)|None|300|100|0000"
                              << "1 300 100 0 0 0 0 0 0 clean";
    QTest::newRow("every control") << "24|Average Filter|PackBits|1200|85|1011"
                                   << "24 1200 85 8 1 0 1 2 1 dirty";
    QTest::newRow("lowest resolution, quality 1") << "8|No Filter|Group3|20|1|0100"
                                                  << "8 20 1 2 0 1 0 3 0 dirty";
    QTest::newRow("resolution 19 becomes 300") << "1|All Filters (Best)|None|19|100|0000"
                                               << "1 300 100 0 0 0 0 0 0 clean";
    QTest::newRow("resolution 5000 becomes 1440") << "1|All Filters (Best)|None|5000|100|0000"
                                                  << "1 1440 100 0 0 0 0 0 0 dirty";
    QTest::newRow("quality 0 becomes 100") << "1|Sub Filter|None|300|0|0000"
                                           << "1 300 100 4 0 0 0 0 0 dirty";
    QTest::newRow("empty boxes") << "1|All Filters (Best)|None|||0000"
                                 << "1 300 100 0 0 0 0 0 0 clean";
}

void RasterPropertiesDialogTest::okWritesEveryControlBack() {
    QFETCH(QString, entered);
    QFETCH(QString, stored);
    GuiSession session;
    const auto opened = whenDialogShows(QStringLiteral("RasterProps"), [&](QDialog& dialog) {
        enter(dialog, entered);
        click(dialog, "Command1");
    });
    QVERIFY(showRasterPropertiesDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(rasterFields(session->app()), stored);
}

void RasterPropertiesDialogTest::theNumberBoxesTakeDigitsOnly() {
    GuiSession session;
    QStringList seen;
    const auto opened = whenDialogShows(QStringLiteral("RasterProps"), [&](QDialog& dialog) {
        for (const char* name : kBoxes) {
            QLineEdit* box = control<QLineEdit>(dialog, name);
            box->setFocus();
            box->end(false);
            QTest::keyClicks(box, QStringLiteral("9 a-,.+"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, QStringLiteral("5e"));
            seen << box->text();
        }
    });
    showRasterPropertiesDialog(&session->window(), session->app());
    QVERIFY(*opened);
    QCOMPARE(seen, (QStringList{"3005", "1005"}));
}

// Alt and a caption's underlined letter move the focus to its control, or
// tick its check box.
void RasterPropertiesDialogTest::accessKeysReachTheirControls() {
    GuiSession session;
    QStringList focused;
    bool interlaced = false;
    const auto opened = whenDialogShows(QStringLiteral("RasterProps"), [&](QDialog& dialog) {
        for (const Qt::Key key : {Qt::Key_D, Qt::Key_R, Qt::Key_J, Qt::Key_F, Qt::Key_M}) {
            QTest::keyClick(&dialog, key, Qt::AltModifier);
            focused << QApplication::focusWidget()->objectName();
        }
        // A button's access key clicks it a moment later, as a shown press.
        QTest::keyClick(&dialog, Qt::Key_I, Qt::AltModifier);
        auto* box = control<QCheckBox>(dialog, "chkPNGInterlace");
        interlaced = QTest::qWaitFor([box] { return box->isChecked(); }, 2000);
    });
    showRasterPropertiesDialog(&session->window(), session->app());
    QVERIFY(*opened);
    QCOMPARE(focused, (QStringList{"cboBPP", "txtDPI", "txtJPEGQuality", "cboPNGFilter",
                                   "cboTIFFCompression"}));
    QVERIFY(interlaced);
}

void RasterPropertiesDialogTest::cancelAndEscapeChangeNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void RasterPropertiesDialogTest::cancelAndEscapeChangeNothing() {
    QFETCH(bool, escape);
    GuiSession session;
    QVERIFY(session.run("[code128][message='Unchanged'][bitsperpixel=8][jpegquality=70]"));
    const auto edit = [](QDialog& dialog) {
        enter(dialog, QStringLiteral("24|Paeth Filter|Group4|1440|5|1111"));
    };
    QCOMPARE(leaveWithoutChange(
                 session->app(), QStringLiteral("RasterProps"), "Command2", escape, edit,
                 [&] { return showRasterPropertiesDialog(&session->window(), session->app()); }),
             QString());
}

void RasterPropertiesDialogTest::aSavedPngFollowsTheStoredProperties_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("dotsPerInch");
    QTest::addColumn<bool>("grey");
    QTest::newRow("150 dpi, 1 bit") << "1|All Filters (Best)|None|150|100|0000" << 150 << false;
    QTest::newRow("600 dpi, 8 bits") << "8|Paeth Filter|None|600|100|1000" << 600 << true;
}

// The converter makes the PNG at the resolution OK stored; a symbol of the
// same width in inches has as many more pixels.
void RasterPropertiesDialogTest::aSavedPngFollowsTheStoredProperties() {
    QFETCH(QString, entered);
    QFETCH(int, dotsPerInch);
    QFETCH(bool, grey);
    GuiSession session;
    QTemporaryDir folder;
    QVERIFY(session.run("[code128][message='Raster 42'][build/copy]"));
    const auto opened = whenDialogShows(QStringLiteral("RasterProps"), [&](QDialog& dialog) {
        enter(dialog, entered);
        click(dialog, "Command1");
    });
    QVERIFY(showRasterPropertiesDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    const QString path = folder.filePath(QStringLiteral("symbol.png"));
    QVERIFY(session.run("[savebarcode(" + path.toStdString() + ")]"));
    QImage png(path);
    QVERIFY(!png.isNull());
    QCOMPARE(qRound(png.dotsPerMeterX() * 0.0254), dotsPerInch);
    const double widthInches = session->app().state().CurrentPicture.xExtent / 2540.0;
    QVERIFY(qAbs(png.width() - widthInches * dotsPerInch) <= 1);
    QCOMPARE(png.allGray(), true);
    QCOMPARE(png.format() == QImage::Format_Mono || png.format() == QImage::Format_MonoLSB, !grey);
    const ZXing::Result read = readSymbol(png, ZXing::BarcodeFormat::Code128);
    QCOMPARE(QString::fromStdString(read.isValid() ? read.text() : "(nothing read)"),
             QStringLiteral("Raster 42"));
}

QTEST_MAIN(RasterPropertiesDialogTest)
#include "raster_properties_dialog_test.moc"

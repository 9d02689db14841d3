// After a build the clipboard holds the symbol in the forms other programs
// paste: SVG and WMF at true size, and a PNG that ZXing reads and whose
// recorded resolution makes it true size. The text form stays free.

#include "gui/clipboard_picture.h"
#include "gui_session.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <ZXing/ReadBarcode.h>

using vornik::gui::testing::GuiSession;

namespace {

// The SVG's width or height attribute in millimetres; -1 when missing.
double svgMillimetres(const QByteArray& svg, const char* attribute) {
    const QRegularExpression pattern(
        QStringLiteral("<svg[^>]*\\b%1=\"([0-9.]+)mm\"").arg(QLatin1String(attribute)));
    const auto match = pattern.match(QString::fromUtf8(svg));
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

// A little-endian 16-bit field of the placeable header.
int headerWord(const QByteArray& wmf, int offset) {
    return static_cast<unsigned char>(wmf[offset]) |
           (static_cast<unsigned char>(wmf[offset + 1]) << 8);
}

std::string decoded(const QImage& image, ZXing::BarcodeFormat format) {
    QImage page(image.width() + 80, image.height() + 80, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        std::copy_n(grey.constScanLine(y), grey.width(), page.scanLine(y + 40) + 40);
    const ZXing::ImageView view(page.constBits(), page.width(), page.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(page.bytesPerLine()));
    const auto result = ZXing::ReadBarcode(view, ZXing::DecodeHints().setFormats(format));
    return result.isValid() ? result.text() : "(nothing read)";
}

} // namespace

class ClipboardPictureTest : public QObject {
    Q_OBJECT

private slots:
    void holdsEveryForm_data();
    void holdsEveryForm();
    void aFailedBuildLeavesTheClipboardAlone();
};

void ClipboardPictureTest::holdsEveryForm_data() {
    QTest::addColumn<QString>("commands");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Code 128") << "[code128][message='Vornik 15']"
                              << static_cast<int>(ZXing::BarcodeFormat::Code128) << "Vornik 15";
    QTest::newRow("Data Matrix") << "[datamatrix][message='Hello Matrix']"
                                 << static_cast<int>(ZXing::BarcodeFormat::DataMatrix)
                                 << "Hello Matrix";
    QTest::newRow("PDF417") << "[pdf417][message='Hello PDF417']"
                            << static_cast<int>(ZXing::BarcodeFormat::PDF417) << "Hello PDF417";
    QTest::newRow("UPC-A turned") << "[upca][message='01234567890'][vertup]"
                                  << static_cast<int>(ZXing::BarcodeFormat::UPCA) << "012345678905";
}

void ClipboardPictureTest::holdsEveryForm() {
    QFETCH(QString, commands);
    QFETCH(int, format);
    QFETCH(QString, expected);
    GuiSession session;
    QVERIFY(session.windowActive());
    QApplication::clipboard()->setText(QStringLiteral("left over"));
    QVERIFY(session.run(commands.toStdString()));
    QTest::keyClick(&session->window(), Qt::Key_F2);
    QVERIFY(session->app().state().SymbolBuilt);

    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data != nullptr);
    QVERIFY(!data->hasText());
    const auto& picture = session->app().state().CurrentPicture;
    const double widthMm = picture.xExtent / 100.0;
    const double heightMm = picture.yExtent / 100.0;

    const QByteArray svg = data->data(vornik::gui::kSvgForm);
    QCOMPARE(svgMillimetres(svg, "width"), widthMm);
    QCOMPARE(svgMillimetres(svg, "height"), heightMm);

    for (const char* form : {vornik::gui::kLibreOfficeWmfForm, vornik::gui::kWmfForm}) {
        const QByteArray wmf = data->data(form);
        QVERIFY2(wmf.size() > 22, form);
        QCOMPARE(headerWord(wmf, 10), picture.xExtent);
        QCOMPARE(headerWord(wmf, 12), picture.yExtent);
        QCOMPARE(headerWord(wmf, 14), 2540);
    }

    QImage png;
    QVERIFY(png.loadFromData(data->data(vornik::gui::kPngForm), "PNG"));
    const double dpi = png.dotsPerMeterX() * 0.0254;
    QVERIFY(qAbs(dpi - vornik::gui::kClipboardPngDotsPerInch) < 0.5);
    QVERIFY(qAbs(png.width() / dpi * 25.4 - widthMm) < 0.1);
    QVERIFY(qAbs(png.height() / dpi * 25.4 - heightMm) < 0.1);
    QCOMPARE(QString::fromStdString(decoded(png, static_cast<ZXing::BarcodeFormat>(format))),
             expected);
}

// A build that ends without a symbol puts nothing on the clipboard.
void ClipboardPictureTest::aFailedBuildLeavesTheClipboardAlone() {
    GuiSession session;
    QVERIFY(session.run("[code128][message='First'][build/copy]"));
    const QByteArray before = QApplication::clipboard()->mimeData()->data(vornik::gui::kWmfForm);
    QVERIFY(!before.isEmpty());
    QVERIFY(session.run("[message='']"));
    const auto error = session.answerNextMessageBox(QMessageBox::Ok);
    QTest::keyClick(&session->window(), Qt::Key_F2);
    QVERIFY(!session->app().state().SymbolBuilt);
    QCOMPARE(*error, QStringLiteral(
                         "Missing or invalid bar code message!  Please re-enter bar code text."));
    QCOMPARE(QApplication::clipboard()->mimeData()->data(vornik::gui::kWmfForm), before);
}

QTEST_MAIN(ClipboardPictureTest)
#include "clipboard_picture_test.moc"

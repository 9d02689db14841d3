// The window printing through a print service of the test's own (run by
// tests/cups/with_cups_queues.sh): the print setup dialog choosing a queue,
// whose resolution the target printer dialog then shows as CUPS gives it
// (600, and 300 x 600); File > Print putting the symbol at its margins on
// the PDF page the queue writes, at true size, read by ZXing; the preview;
// and the printer offset dialog, whose offset moves the next print and whose
// calibration page comes out of the queue.

#include "cups/cups_queues.h"
#include "dialog_driver.h"
#include "export/printing/printed_page.h"
#include "gui/menu_bar.h"
#include "gui_session.h"
#include "support/command_session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QTest>

using namespace vornik::gui::testing;
namespace printing = vornik::printing;
using vornik::testing::cupsOutput;
using vornik::testing::cupsQueue;

namespace {

constexpr int kDpi = 600;

void trigger(GuiSession& session, const char* control) {
    session->window().menus()->action(QString::fromLatin1(control))->trigger();
}

void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// Chooses QUEUE in the print setup dialog once it shows, and accepts it.
std::shared_ptr<bool> chooseInPrintSetup(const QString& queue, bool* found) {
    return whenDialogShows(QStringLiteral("PrinterSetup"), [queue, found](QDialog& dialog) {
        for (auto* list : dialog.findChildren<QComboBox*>()) {
            const int index = list->findText(queue);
            if (index < 0)
                continue;
            list->setCurrentIndex(index);
            *found = true;
        }
        dialog.accept();
    });
}

// The queue of SUFFIX printed one page with the window's symbol at LEFT,
// TOP inches, true to size within 0.1 mm, and ZXing reads it.
void expectPrintedAt(const char* suffix, const vornik::render::CurrentPicture& picture, double left,
                     double top) {
    const auto pdf = vornik::testing::printedPdf(cupsQueue(suffix), cupsOutput(suffix));
    QVERIFY2(!pdf.empty(), "no page came out of the queue");
    QTemporaryDir folder;
    const QImage page = printing::renderPdfCorner(
        pdf, std::filesystem::path(folder.path().toStdString()) / "page", kDpi, 4, 4);
    QVERIFY(!page.isNull());
    const QRect box = printing::darkBox(page);
    const QRect expected = printing::expectedDarkBox(picture, left, top, kDpi);
    const double tolerance = printing::tenthMillimetre(kDpi);
    QVERIFY2(std::abs(box.left() - expected.left()) <= tolerance, "left edge");
    QVERIFY2(std::abs(box.top() - expected.top()) <= tolerance, "top edge");
    QVERIFY2(std::abs(box.right() - expected.right()) <= tolerance, "right edge");
    QVERIFY2(std::abs(box.bottom() - expected.bottom()) <= tolerance, "bottom edge");
    QCOMPARE(printing::decodeArea(page, box, ZXing::BarcodeFormat::Code128),
             std::string(printing::kEdgeToEdgeMessage));
}

} // namespace

class PrintingCupsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(!cupsQueue("600").empty(), vornik::testing::kNotStartedByScript);
    }
    void selectPrinterShowsTheQueuesResolution_data();
    void selectPrinterShowsTheQueuesResolution();
    void theWindowPrintsAtTheMargins();
    void thePreviewPrintsTheOpenPage();
    void theOffsetMovesThePrintAndCalibrationPrints();
};

void PrintingCupsTest::selectPrinterShowsTheQueuesResolution_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("expected");
    QTest::newRow("600 dpi") << "600"
                             << "600|600";
    QTest::newRow("300 x 600 dpi") << "300X600"
                                   << "300|600";
}

void PrintingCupsTest::selectPrinterShowsTheQueuesResolution() {
    QFETCH(QString, suffix);
    QFETCH(QString, expected);
    GuiSession session;
    QString seen;
    bool found = false;
    const auto opened = whenDialogShows(QStringLiteral("WarnForm"), [&](QDialog& dialog) {
        const auto chosen =
            chooseInPrintSetup(QString::fromStdString(cupsQueue(suffix.toStdString())), &found);
        QVERIFY(click(dialog, "Command3"));
        QVERIFY(*chosen);
        seen = control<QComboBox>(dialog, "HDPI")->currentText() + "|" +
               control<QComboBox>(dialog, "VDPI")->currentText();
        QVERIFY(click(dialog, "Command1"));
    });
    trigger(session, "MPrinter");
    QVERIFY(*opened);
    QVERIFY(found);
    QCOMPARE(seen, expected);
    const QStringList dots = expected.split(QLatin1Char('|'));
    QCOMPARE(session->app().job().TargetDpiX, dots[0].toInt());
    QCOMPARE(session->app().job().TargetDpiY, dots[1].toInt());
}

void PrintingCupsTest::theWindowPrintsAtTheMargins() {
    GuiSession session;
    bool found = false;
    const auto chosen = chooseInPrintSetup(QString::fromStdString(cupsQueue("600")), &found);
    trigger(session, "PSetup");
    QVERIFY(*chosen && found);
    QCOMPARE(session->app().job().TargetDpiX, 600);
    QVERIFY(session.run(std::string(printing::kEdgeToEdgeSymbol) + "[BUILD/COPY]"));
    vornik::testing::clearOutput(cupsOutput("600"));
    const auto opened = whenDialogShows(QStringLiteral("Form3"), [](QDialog& dialog) {
        typeInto(control<QLineEdit>(dialog, "Text1"), QStringLiteral("1"));
        typeInto(control<QLineEdit>(dialog, "Text3"), QStringLiteral("0.5"));
        QVERIFY(click(dialog, "Command1"));
    });
    trigger(session, "PPrint");
    QVERIFY(*opened);
    QCOMPARE(session->app().failedFileOperations(), 0);
    expectPrintedAt("600", session->app().state().CurrentPicture, 1.0, 0.5);
}

// The preview paints the page; its Print sends it, the symbol included.
void PrintingCupsTest::thePreviewPrintsTheOpenPage() {
    GuiSession session;
    bool found = false;
    const auto chosen = chooseInPrintSetup(QString::fromStdString(cupsQueue("600")), &found);
    trigger(session, "PSetup");
    QVERIFY(*chosen && found);
    QVERIFY(session.run(std::string(printing::kEdgeToEdgeSymbol) +
                        "[BUILD/COPY][LEFTPRINTMARGIN=2][TOPPRINTMARGIN=1]"));
    vornik::testing::clearOutput(cupsOutput("600"));
    int pages = 0;
    const auto opened = whenDialogShows(QStringLiteral("PrintPreview"), [&](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(preview != nullptr);
        preview->updatePreview();
        pages = preview->pageCount();
        QVERIFY(click(dialog, "PreviewPrint"));
    });
    trigger(session, "PPreview");
    QVERIFY(*opened);
    QCOMPARE(pages, 1);
    expectPrintedAt("600", session->app().state().CurrentPicture, 2.0, 1.0);
}

void PrintingCupsTest::theOffsetMovesThePrintAndCalibrationPrints() {
    GuiSession session;
    bool found = false;
    const auto chosen = chooseInPrintSetup(QString::fromStdString(cupsQueue("600")), &found);
    trigger(session, "PSetup");
    QVERIFY(*chosen && found);
    QVERIFY(session.run("[METRIC]"));
    vornik::testing::clearOutput(cupsOutput("600"));
    const auto opened = whenDialogShows(QStringLiteral("PrinterOffset"), [](QDialog& dialog) {
        QVERIFY(click(dialog, "PrintCalibration"));
        typeInto(control<QLineEdit>(dialog, "HorizontalOffset"), QStringLiteral("2.54"));
        typeInto(control<QLineEdit>(dialog, "VerticalOffset"), QStringLiteral("-1.27"));
        QVERIFY(click(dialog, "Command1"));
    });
    trigger(session, "POffset");
    QVERIFY(*opened);
    QVERIFY2(!vornik::testing::printedPdf(cupsQueue("600"), cupsOutput("600")).empty(),
             "the calibration page did not come out");

    vornik::testing::clearOutput(cupsOutput("600"));
    QVERIFY(session.run(std::string(printing::kEdgeToEdgeSymbol) +
                        "[BUILD/COPY][LEFTPRINTMARGIN=1][TOPPRINTMARGIN=1][PRINT]"));
    expectPrintedAt("600", session->app().state().CurrentPicture, 1.1, 0.95);
}

QTEST_MAIN(PrintingCupsTest)
#include "printing_cups_test.moc"

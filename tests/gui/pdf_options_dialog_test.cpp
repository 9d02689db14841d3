// The PDF417 options dialog over the real window: it shows the job's
// settings, OK stores the controls as they stand, Cancel and Escape leave
// the job as it was, and a symbol built with the stored options reads back.

#include "dialog_driver.h"
#include "gui/pdf_options_dialog.h"
#include "gui_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vornik::gui::testing;
using vornik::Job;

namespace {

QComboBox* list(const QDialog& dialog, const char* name) {
    return control<QComboBox>(dialog, name);
}

// What the dialog shows, as one line: compaction, level, overhead (or "-"
// while hidden), rows, columns, truncated, codewords.
QString shown(const QDialog& dialog) {
    const QComboBox* overhead = list(dialog, "PctOverheadCombo");
    const bool overheadShown =
        !overhead->isHidden() && !control<QLabel>(dialog, "OverheadLabel")->isHidden();
    return QStringList{list(dialog, "CompressionCombo")->currentText(),
                       list(dialog, "SLevelCombo")->currentText(),
                       overheadShown ? overhead->currentText() : QStringLiteral("-"),
                       list(dialog, "MaxRows")->currentText(),
                       list(dialog, "MaxCols")->currentText(),
                       control<QCheckBox>(dialog, "TruncPDF")->isChecked() ? "truncated" : "full",
                       control<QCheckBox>(dialog, "CodeWordsCheckBox")->isChecked() ? "listed"
                                                                                    : "unlisted"}
        .join(QLatin1Char('|'));
}

// Chooses the item of the list that reads TEXT.
void choose(const QDialog& dialog, const char* name, const QString& text) {
    QComboBox* combo = list(dialog, name);
    combo->setCurrentIndex(combo->findText(text));
}

} // namespace

class PdfOptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheJob_data();
    void showsTheJob();
    void okStoresTheControls_data();
    void okStoresTheControls();
    void cancelAndEscapeChangeNothing_data();
    void cancelAndEscapeChangeNothing();
    void theOverheadShowsUnderAutoPercentOnly();
    void enterPressesOkAndTabVisitsEveryControl();
    void theStoredOptionsShapeTheSymbol_data();
    void theStoredOptionsShapeTheSymbol();
};

void PdfOptionsDialogTest::showsTheJob_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("security");
    QTest::addColumn<int>("overhead");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("truncated");
    QTest::addColumn<int>("codewords");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << 0 << 9 << 11 << 90 << 30 << 0 << 0
                              << "Auto (EXC/Binary/Numeric)|Auto %|11%|90|30|full|unlisted";
    QTest::newRow("fixed level") << 3 << 4 << 0 << 3 << 1 << 1 << 1
                                 << "Binary Mode| 4|-|3|1|truncated|listed";
    QTest::newRow("numeric, no overhead")
        << 4 << 9 << 0 << 45 << 7 << 0 << 1 << "Numeric Mode|Auto %|0%|45|7|full|listed";
    // Values a command or file set beyond the lists select their nearest item.
    QTest::newRow("beyond the lists")
        << 1 << 9 << 99 << 500 << 0 << 0 << 0 << "Auto (EXC/Binary)|Auto %|99%|90|1|full|unlisted";
}

void PdfOptionsDialogTest::showsTheJob() {
    QFETCH(int, mode);
    QFETCH(int, security);
    QFETCH(int, overhead);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, truncated);
    QFETCH(int, codewords);
    QFETCH(QString, expected);
    GuiSession session;
    Job& job = session->app().job();
    job.PdfMode = mode;
    job.PdfSecurityLevel = security;
    job.PdfOverheadPercent = overhead;
    job.PdfMaxRows = rows;
    job.PdfMaxColumns = columns;
    job.PdfTruncated = truncated;
    job.PdfShowCodewords = codewords;
    QString seen;
    QString title;
    const auto opened = whenDialogShows(QStringLiteral("PDFOptions"), [&](QDialog& dialog) {
        seen = shown(dialog);
        title = dialog.windowTitle();
        click(dialog, "Command2");
    });
    QVERIFY(!showPdfOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(seen, expected);
    QCOMPARE(title, QStringLiteral("PDF417 Options"));
}

void PdfOptionsDialogTest::okStoresTheControls_data() {
    // The items chosen: compaction, level, overhead, rows, columns.
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("truncated");
    QTest::addColumn<bool>("codewords");
    // PdfMode, PdfSecurityLevel, PdfOverheadPercent, PdfMaxRows,
    // PdfMaxColumns, PdfTruncated, PdfShowCodewords, then Dirty.
    QTest::addColumn<QString>("stored");
    QTest::newRow("as shown") << "Auto (EXC/Binary/Numeric)|Auto %|11%|90|30" << false << false
                              << "0 9 11 90 30 0 0 clean";
    QTest::newRow("every control")
        << "EXC Mode| 8|11%|3|1" << true << true << "2 8 11 3 1 1 1 dirty";
    QTest::newRow("overhead only")
        << "Auto (EXC/Binary/Numeric)|Auto %|0%|90|30" << false << false << "0 9 0 90 30 0 0 dirty";
    QTest::newRow("level 0, numeric")
        << "Numeric Mode| 0|99%|90|30" << false << false << "4 0 99 90 30 0 0 dirty";
}

void PdfOptionsDialogTest::okStoresTheControls() {
    QFETCH(QString, items);
    QFETCH(bool, truncated);
    QFETCH(bool, codewords);
    QFETCH(QString, stored);
    GuiSession session;
    const QStringList chosen = items.split(QLatin1Char('|'));
    const auto opened = whenDialogShows(QStringLiteral("PDFOptions"), [&](QDialog& dialog) {
        choose(dialog, "CompressionCombo", chosen[0]);
        choose(dialog, "PctOverheadCombo", chosen[2]);
        choose(dialog, "SLevelCombo", chosen[1]);
        choose(dialog, "MaxRows", chosen[3]);
        choose(dialog, "MaxCols", chosen[4]);
        control<QCheckBox>(dialog, "TruncPDF")->setChecked(truncated);
        control<QCheckBox>(dialog, "CodeWordsCheckBox")->setChecked(codewords);
        click(dialog, "Command1");
    });
    QVERIFY(showPdfOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    const Job& job = session->app().job();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                 .arg(job.PdfMode)
                 .arg(job.PdfSecurityLevel)
                 .arg(job.PdfOverheadPercent)
                 .arg(job.PdfMaxRows)
                 .arg(job.PdfMaxColumns)
                 .arg(job.PdfTruncated)
                 .arg(job.PdfShowCodewords)
                 .arg(session->app().state().Dirty ? "dirty" : "clean"),
             stored);
}

void PdfOptionsDialogTest::cancelAndEscapeChangeNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void PdfOptionsDialogTest::cancelAndEscapeChangeNothing() {
    QFETCH(bool, escape);
    GuiSession session;
    QVERIFY(session.run("[pdf417][message='Unchanged'][pdfsecurity=3][pdfmaxcols=5]"));
    const auto edit = [](QDialog& dialog) {
        choose(dialog, "CompressionCombo", QStringLiteral("Binary Mode"));
        choose(dialog, "SLevelCombo", QStringLiteral("Auto %"));
        choose(dialog, "MaxRows", QStringLiteral("4"));
        control<QCheckBox>(dialog, "TruncPDF")->setChecked(true);
    };
    QCOMPARE(leaveWithoutChange(
                 session->app(), QStringLiteral("PDFOptions"), "Command2", escape, edit,
                 [&] { return showPdfOptionsDialog(&session->window(), session->app()); }),
             QString());
}

// The overhead label and list come and go with the level's "Auto %".
void PdfOptionsDialogTest::theOverheadShowsUnderAutoPercentOnly() {
    GuiSession session;
    QStringList seen;
    const auto opened = whenDialogShows(QStringLiteral("PDFOptions"), [&](QDialog& dialog) {
        for (const char* level : {" 0", "Auto %", " 8", "Auto %"}) {
            choose(dialog, "SLevelCombo", QString::fromLatin1(level));
            seen << shown(dialog).section(QLatin1Char('|'), 2, 2);
        }
        click(dialog, "Command2");
    });
    showPdfOptionsDialog(&session->window(), session->app());
    QVERIFY(*opened);
    QCOMPARE(seen, (QStringList{"-", "11%", "-", "11%"}));
}

// Tab walks the controls in reading order; Enter presses OK, the default.
void PdfOptionsDialogTest::enterPressesOkAndTabVisitsEveryControl() {
    GuiSession session;
    QStringList visited;
    bool okIsDefault = false;
    const auto opened = whenDialogShows(QStringLiteral("PDFOptions"), [&](QDialog& dialog) {
        control<QCheckBox>(dialog, "TruncPDF")->setFocus();
        for (int i = 0; i < 7; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        okIsDefault = control<QPushButton>(dialog, "Command1")->isDefault();
        control<QCheckBox>(dialog, "TruncPDF")->setFocus();
        QTest::keyClick(control<QCheckBox>(dialog, "TruncPDF"), Qt::Key_Space);
        QTest::keyClick(control<QCheckBox>(dialog, "TruncPDF"), Qt::Key_Return);
    });
    QVERIFY(showPdfOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(visited, (QStringList{"TruncPDF", "MaxRows", "MaxCols", "CompressionCombo",
                                   "CodeWordsCheckBox", "SLevelCombo", "PctOverheadCombo"}));
    QVERIFY(okIsDefault);
    QCOMPARE(session->app().job().PdfTruncated, 1);
}

void PdfOptionsDialogTest::theStoredOptionsShapeTheSymbol_data() {
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<bool>("truncated");
    QTest::addColumn<int>("dataColumns");
    QTest::newRow("level 5, one column")
        << QStringLiteral(" 5") << QStringLiteral("1") << false << 1;
    QTest::newRow("level 2, two columns")
        << QStringLiteral(" 2") << QStringLiteral("2") << false << 2;
    QTest::newRow("automatic level, two columns, truncated")
        << QStringLiteral("Auto %") << QStringLiteral("2") << true << 2;
}

// The width of a PDF417 symbol tells its data columns: 17 modules each, with
// start, stop and two row indicators (start and left indicator only, and a
// one-module bar, when truncated), at 26 units a module.
void PdfOptionsDialogTest::theStoredOptionsShapeTheSymbol() {
    QFETCH(QString, level);
    QFETCH(QString, columns);
    QFETCH(bool, truncated);
    QFETCH(int, dataColumns);
    GuiSession session;
    QVERIFY(session.run("[pdf417][message='Options from the dialog']"));
    const auto opened = whenDialogShows(QStringLiteral("PDFOptions"), [&](QDialog& dialog) {
        choose(dialog, "SLevelCombo", level);
        choose(dialog, "MaxCols", columns);
        control<QCheckBox>(dialog, "TruncPDF")->setChecked(truncated);
        click(dialog, "Command1");
    });
    QVERIFY(showPdfOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    (void)session->app().Build();
    QVERIFY(session->app().state().SymbolBuilt);
    const int overheadModules = truncated ? 2 * 17 + 1 : 4 * 17 + 1;
    QCOMPARE(session->app().state().SymbolWidth, (overheadModules + 17 * dataColumns) * 26);
    const ZXing::Result read = clipboardSymbol(ZXing::BarcodeFormat::PDF417);
    QCOMPARE(QString::fromStdString(read.isValid() ? read.text() : "(nothing read)"),
             QStringLiteral("Options from the dialog"));
    if (level != QStringLiteral("Auto %"))
        QCOMPARE(QString::fromStdString(read.ecLevel()), level.trimmed());
}

QTEST_MAIN(PdfOptionsDialogTest)
#include "pdf_options_dialog_test.moc"

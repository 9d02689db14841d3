// The printing dialogs over the real window, with no print service within
// reach: the target printer dialog showing and storing the job's resolution
// with its lists and digit-only boxes, the print margins dialog storing
// margins and refusing ones off the paper, and a print with no printer told
// in a sentence. Printing through a real print queue is tested by the CUPS
// tests.

#include "dialog_driver.h"
#include "gui/menu_bar.h"
#include "gui_session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using namespace vornik::gui::testing;

namespace {

void typeInto(QWidget* box, const QString& text) {
    box->setFocus();
    auto* line = qobject_cast<QLineEdit*>(box);
    if (line == nullptr)
        line = qobject_cast<QComboBox*>(box)->lineEdit();
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClicks(line, text);
}

QString comboText(const QDialog& dialog, const char* name) {
    return control<QComboBox>(dialog, name)->currentText();
}

} // namespace

class PrintingDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // No print service: every test sees the same "no printer" world.
        qputenv("CUPS_SERVER", "/nonexistent/vornik-test-cups.sock");
    }
    void targetPrinterShowsTheJob();
    void targetPrinterStoresWhatIsTyped_data();
    void targetPrinterStoresWhatIsTyped();
    void targetPrinterCancelChangesNothing();
    void marginsAreStoredAndOffPaperOnesRefused();
    void printingWithoutAPrinterIsTold();
};

void PrintingDialogsTest::targetPrinterShowsTheJob() {
    GuiSession session;
    QVERIFY(session.run("[HORIZONTALDPI=203][VERTICALDPI=406][PRINTWARNINGS=OFF]"));
    QString seen;
    QStringList choices;
    const auto opened = whenDialogShows(QStringLiteral("WarnForm"), [&](QDialog& dialog) {
        seen = comboText(dialog, "HDPI") + "|" + comboText(dialog, "VDPI") + "|" +
               (control<QCheckBox>(dialog, "PrintWarningCheckBox")->isChecked() ? "on" : "off") +
               "|" + dialog.windowTitle();
        auto* list = control<QComboBox>(dialog, "VDPI");
        for (int i = 0; i < list->count(); ++i)
            choices << list->itemText(i);
    });
    session->window().menus()->action(QStringLiteral("MPrinter"))->trigger();
    QVERIFY(*opened);
    QCOMPARE(seen, QStringLiteral("203|406|off|Target Printer Options"));
    QCOMPARE(choices, QStringList({"  72", " 120", " 144", " 216", " 240", " 300", " 360", " 600",
                                   "1000", "1200", "2400"}));
}

void PrintingDialogsTest::targetPrinterStoresWhatIsTyped_data() {
    QTest::addColumn<QString>("orientation");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("expected");
    QTest::newRow("600 x 300, turned") << "[VERTDOWN]"
                                       << "600"
                                       << "300"
                                       << "600 300 300 600";
    QTest::newRow("letters are swallowed") << ""
                                           << "6x0y0"
                                           << "-1200"
                                           << "600 1200 600 1200";
    QTest::newRow("0 is stored as 1") << ""
                                      << "0"
                                      << ""
                                      << "1 1 1 1";
}

void PrintingDialogsTest::targetPrinterStoresWhatIsTyped() {
    QFETCH(QString, orientation);
    QFETCH(QString, horizontal);
    QFETCH(QString, vertical);
    QFETCH(QString, expected);
    GuiSession session;
    QVERIFY(orientation.isEmpty() || session.run(orientation.toStdString()));
    const auto opened = whenDialogShows(QStringLiteral("WarnForm"), [&](QDialog& dialog) {
        typeInto(control<QComboBox>(dialog, "HDPI"), horizontal);
        typeInto(control<QComboBox>(dialog, "VDPI"), vertical);
        QVERIFY(click(dialog, "Command1"));
    });
    session->window().menus()->action(QStringLiteral("MPrinter"))->trigger();
    QVERIFY(*opened);
    const vornik::Job& job = session->app().job();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                 .arg(job.TargetDpiX)
                 .arg(job.TargetDpiY)
                 .arg(job.DotsAcross)
                 .arg(job.DotsAlong),
             expected);
    QVERIFY(session->app().state().Dirty);
}

void PrintingDialogsTest::targetPrinterCancelChangesNothing() {
    GuiSession session;
    for (const bool escape : {false, true}) {
        const QString failure = leaveWithoutChange(
            session->app(), QStringLiteral("WarnForm"), "Command2", escape,
            [](QDialog& dialog) {
                typeInto(control<QComboBox>(dialog, "HDPI"), QStringLiteral("1200"));
                control<QCheckBox>(dialog, "PrintWarningCheckBox")->setChecked(false);
            },
            [&session] {
                session->window().menus()->action(QStringLiteral("MPrinter"))->trigger();
                return false;
            });
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
}

// Print stores the margins and prints; margins off the paper are refused
// with a message and the dialog stays open for a correction.
void PrintingDialogsTest::marginsAreStoredAndOffPaperOnesRefused() {
    GuiSession session;
    QVERIFY(session.run("[CODE39][MESSAGE='VORNIK'][BUILD/COPY][LEFTPRINTMARGIN=0.25]"));
    QString shownLeft;
    QString refusal;
    bool stayedOpen = false;
    const auto opened = whenDialogShows(QStringLiteral("Form3"), [&](QDialog& dialog) {
        shownLeft = control<QLineEdit>(dialog, "Text1")->text();
        typeInto(control<QLineEdit>(dialog, "Text1"), QStringLiteral("-1"));
        const auto told = session.answerNextMessageBox(QMessageBox::Ok);
        QVERIFY(click(dialog, "Command1"));
        refusal = *told;
        stayedOpen = dialog.isVisible();
        typeInto(control<QLineEdit>(dialog, "Text1"), QStringLiteral("1"));
        typeInto(control<QLineEdit>(dialog, "Text3"), QStringLiteral("0.5"));
        session.answerNextMessageBox(QMessageBox::Ok); // no printer here
        QVERIFY(click(dialog, "Command1"));
    });
    session->window().menus()->action(QStringLiteral("PPrint"))->trigger();
    QVERIFY(*opened);
    QCOMPARE(shownLeft, QStringLiteral("0.25"));
    QCOMPARE(refusal, QStringLiteral("A print margin is a number of inches from 0 to 100."));
    QVERIFY(stayedOpen);
    QCOMPARE(session->app().state().LeftPrintMargin, 1.0f);
    QCOMPARE(session->app().state().TopPrintMargin, 0.5f);
}

void PrintingDialogsTest::printingWithoutAPrinterIsTold() {
    GuiSession session;
    QVERIFY(session.run("[CODE39][MESSAGE='VORNIK'][BUILD/COPY]"));
    const auto told = session.answerNextMessageBox(QMessageBox::Ok);
    const auto opened = whenDialogShows(
        QStringLiteral("Form3"), [](QDialog& dialog) { QVERIFY(click(dialog, "Command1")); });
    session->window().menus()->action(QStringLiteral("PPrint"))->trigger();
    QVERIFY(*opened);
    QVERIFY(QTest::qWaitFor([&told] { return !told->isEmpty(); }));
    QVERIFY2(told->startsWith(QStringLiteral("The bar code was not printed. ")), qPrintable(*told));
    QCOMPARE(session->app().failedFileOperations(), 1);
}

QTEST_MAIN(PrintingDialogsTest)
#include "printing_dialogs_test.moc"

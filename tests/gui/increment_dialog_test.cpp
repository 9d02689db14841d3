// The incremental numbering dialog over the real window: the job's numbering
// shown, OK storing the boxes and numbering the symbol ZXing then reads,
// the two warnings keeping the dialog open with what was typed, the number
// boxes' key rules, the preamble and postamble boxes keeping every code,
// the character picker, and Cancel and Escape leaving the job.

#include "dialog_driver.h"
#include "gui/increment_dialog.h"
#include "gui_session.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vornik::gui::testing;
using vornik::Job;

namespace {

QLineEdit* box(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

// The dialog as one line: the five boxes, the numbered field, on or off.
QString shown(const QDialog& dialog) {
    QStringList parts;
    for (const char* name : {"StartNumber", "IncrementValue", "NumDigits", "Preamble", "Postamble"})
        parts << box(dialog, name)->text();
    parts << (control<QRadioButton>(dialog, "IncMsg")->isChecked() ? "message" : "supplement");
    parts << (control<QCheckBox>(dialog, "IncrementEnabled")->isChecked() ? "on" : "off");
    return parts.join(QLatin1Char('|'));
}

// Replaces the text of box NAME by typing TEXT into it.
void retype(const QDialog& dialog, const char* name, const QString& text) {
    QLineEdit* edit = box(dialog, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Sets the dialog from a line of the form shown() gives.
void enter(const QDialog& dialog, const QString& line) {
    const QStringList parts = line.split(QLatin1Char('|'));
    const char* names[] = {"StartNumber", "IncrementValue", "NumDigits", "Preamble", "Postamble"};
    for (int i = 0; i < 5; ++i)
        retype(dialog, names[i], parts[i]);
    control<QRadioButton>(dialog, parts[5] == QStringLiteral("message") ? "IncMsg" : "IncSup")
        ->click();
    control<QCheckBox>(dialog, "IncrementEnabled")->setChecked(parts[6] == QStringLiteral("on"));
}

// The numbering fields of the job, then Dirty.
QString numberingFields(const vornik::Application& app) {
    const Job& job = app.job();
    return QStringLiteral("%1 %2 %3 [%4] [%5] %6 %7 %8")
        .arg(job.IncStart)
        .arg(job.IncValue)
        .arg(job.IncWidth)
        .arg(QString::fromLatin1(job.IncPreamble.data(), job.IncPreamble.size()))
        .arg(QString::fromLatin1(job.IncPostamble.data(), job.IncPostamble.size()))
        .arg(job.IncTarget ? "message" : "supplement")
        .arg(job.IncEnabled)
        .arg(app.state().Dirty ? "dirty" : "clean");
}

} // namespace

class IncrementDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheJob_data();
    void showsTheJob();
    void okStoresTheBoxes_data();
    void okStoresTheBoxes();
    void aWarningKeepsTheDialogOpen_data();
    void aWarningKeepsTheDialogOpen();
    void theNumberBoxesTakeTheirKeys_data();
    void theNumberBoxesTakeTheirKeys();
    void thePreambleKeepsEveryCode_data();
    void thePreambleKeepsEveryCode();
    void thePickerIsTheWindowsList_data();
    void thePickerIsTheWindowsList();
    void thePickerInsertsIntoTheLastTextBox();
    void tabVisitsTheControlsInReadingOrder();
    void cancelAndEscapeChangeNothing_data();
    void cancelAndEscapeChangeNothing();
    void numberingOnBuildsTheNumber();
    void aPastedNegativeDigitCountSavesAFileThatOpens();
};

void IncrementDialogTest::showsTheJob_data() {
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("width");
    QTest::addColumn<QByteArray>("preamble");
    QTest::addColumn<bool>("message");
    QTest::addColumn<int>("enabled");
    QTest::addColumn<bool>("ansi");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << 0.0 << 1.0 << 0.0 << QByteArray() << true << 0 << false
                              << "0|1||||message|off";
    QTest::newRow("set up") << 7.0 << -2.0 << 3.0 << QByteArray("A") << false << 1 << false
                            << "7|-2|3|A||supplement|on";
    QTest::newRow("fractions") << 2.5 << 0.25 << 0.0 << QByteArray("x") << true << 0 << false
                               << "2.5|0.25||x||message|off";
    // A NUL shows as code 255: a hard space in the ASCII set, y with
    // diaeresis in the ANSI set; the OEM A with diaeresis (142) shows as Ä.
    QTest::newRow("NUL, ASCII set") << 1.0 << 1.0 << 0.0 << QByteArray("\0\x8E", 2) << true << 0
                                    << false << QStringLiteral("1|1||\u00A0\u00C4||message|off");
    QTest::newRow("NUL, ANSI set") << 1.0 << 1.0 << 0.0 << QByteArray("\0\xC4", 2) << true << 0
                                   << true << QStringLiteral("1|1||\u00FF\u00C4||message|off");
}

void IncrementDialogTest::showsTheJob() {
    QFETCH(double, start);
    QFETCH(double, step);
    QFETCH(double, width);
    QFETCH(QByteArray, preamble);
    QFETCH(bool, message);
    QFETCH(int, enabled);
    QFETCH(bool, ansi);
    QFETCH(QString, expected);
    GuiSession session;
    // Numbering left on builds once the dialog closes: a message to build.
    QVERIFY(session.run("[message='SHOWN']"));
    Job& job = session->app().job();
    job.IncStart = start;
    job.IncValue = step;
    job.IncWidth = width;
    job.IncPreamble = preamble.toStdString();
    job.IncTarget = message;
    job.IncEnabled = enabled;
    job.AnsiDisplay = ansi;
    QString seen;
    QString title;
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        seen = shown(dialog);
        title = dialog.windowTitle();
        click(dialog, "CancelButton");
    });
    QVERIFY(!showIncrementDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(seen, expected);
    QCOMPARE(title, QStringLiteral("Incremental Numbering"));
}

void IncrementDialogTest::okStoresTheBoxes_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("stored");
    QTest::newRow("as shown") << "0|1||||message|off"
                              << "0 1 0 [] [] message 0 clean";
    QTest::newRow("numbering the message") << "7|1|3|A||message|on"
                                           << "7 1 3 [A] [] message 1 dirty";
    QTest::newRow("a 2-digit supplement") << "5|10|1|X||supplement|on"
                                          << "5 10 1 [X] [] supplement 1 dirty";
    QTest::newRow("a 5-digit supplement") << "9|1|3|<|>|supplement|on"
                                          << "9 1 3 [<] [>] supplement 1 dirty";
    // Unticked, the digits go unchecked.
    QTest::newRow("off, digits unchecked") << "12345|1|2|||supplement|off"
                                           << "12345 1 2 [] [] supplement 0 dirty";
}

void IncrementDialogTest::okStoresTheBoxes() {
    QFETCH(QString, entered);
    QFETCH(QString, stored);
    GuiSession session;
    // Numbering switched on builds once the dialog closes: a message to build.
    QVERIFY(session.run("[message='SET']"));
    session->app().state().Dirty = false;
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        enter(dialog, entered);
        click(dialog, "OKButton");
    });
    QVERIFY(showIncrementDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(numberingFields(session->app()), stored);
    // Next and Previous show while numbering is on.
    QCOMPARE(session->app().state().NavigationShown, entered.endsWith(QStringLiteral("|on")));
}

void IncrementDialogTest::aWarningKeepsTheDialogOpen_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("warning");
    const QString fewer = QStringLiteral("Warning! - Number of Digits specified is less than the "
                                         "number of digits in the Starting Number");
    const QString supplement = QStringLiteral(
        "Warning! - The total number of digits (including Pre/Postambles) for UPC/EAN "
        "Supplements must add up to either 2 or 5.");
    QTest::newRow("fewer digits than the start") << "1234|1|3|||message|on" << fewer;
    QTest::newRow("3 supplement digits") << "1|1|3|||supplement|on" << supplement;
    QTest::newRow("4 supplement characters") << "1|1|2|A|B|supplement|on" << supplement;
}

// The warning comes in the program's message box; the dialog stays open
// with what was typed and the job stays as it was. Cancel then closes it.
void IncrementDialogTest::aWarningKeepsTheDialogOpen() {
    QFETCH(QString, entered);
    QFETCH(QString, warning);
    GuiSession session;
    const Job before = session->app().job();
    const std::string saved = savedJob(session->app());
    std::shared_ptr<QString> message;
    bool stillOpen = false;
    QString after;
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        enter(dialog, entered);
        message = session.answerNextMessageBox(QMessageBox::Ok);
        click(dialog, "OKButton");
        stillOpen = dialog.isVisible();
        after = shown(dialog);
        click(dialog, "CancelButton");
    });
    QVERIFY(!showIncrementDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(*message, warning);
    QVERIFY(stillOpen);
    QCOMPARE(after, entered);
    QVERIFY(session->app().job() == before);
    QCOMPARE(savedJob(session->app()), saved);
    QVERIFY(!session->app().state().Dirty);
}

void IncrementDialogTest::theNumberBoxesTakeTheirKeys_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("start: digits only") << "StartNumber"
                                        << "12a-.3 "
                                        << "123";
    QTest::newRow("digits: digits only") << "NumDigits"
                                         << "-4x"
                                         << "4";
    // A minus makes the increment negative wherever it is typed, once.
    QTest::newRow("increment: minus") << "IncrementValue"
                                      << "25-"
                                      << "-25";
    QTest::newRow("increment: minus twice") << "IncrementValue"
                                            << "-3--"
                                            << "-3";
    QTest::newRow("increment: no letters") << "IncrementValue"
                                           << "7e+1"
                                           << "71";
}

void IncrementDialogTest::theNumberBoxesTakeTheirKeys() {
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    GuiSession session;
    QString seen;
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        retype(dialog, name.toLatin1().constData(), typed);
        seen = box(dialog, name.toLatin1().constData())->text();
    });
    showIncrementDialog(&session->window(), session->app());
    QVERIFY(*opened);
    QCOMPARE(seen, expected);
}

void IncrementDialogTest::thePreambleKeepsEveryCode_data() {
    QTest::addColumn<bool>("ansi");
    QTest::addColumn<QByteArray>("before");
    // Keys: plain text typed, or one of "<bs>", "<del>", "<home>", "<paste>",
    // "<copyall>".
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("Ä typed in the ASCII set")
        << false << QByteArray() << QStringList{QStringLiteral("x\u00C4")} << QByteArray("x\x8E")
        << "";
    QTest::newRow("Ä typed in the ANSI set")
        << true << QByteArray() << QStringList{QStringLiteral("x\u00C4")} << QByteArray("x\xC4")
        << "";
    QTest::newRow("Backspace and Delete around a NUL")
        << false << QByteArray("A\0B\0C", 5)
        << QStringList{"<home>", "<del>", "<del>", "Z", "<end>", "<bs>"} << QByteArray("ZB\0", 3)
        << "";
    QTest::newRow("Shift+Insert pastes the clipboard")
        << false << QByteArray("AB") << QStringList{"<home>", "<paste>"} << QByteArray("pastedAB")
        << "";
    QTest::newRow("Ctrl+Insert copies the codes")
        << false << QByteArray("C\xC4") << QStringList{"<copyall>"} << QByteArray("C\xC4")
        << QStringLiteral("C\u00C4");
}

// What is typed lands in the job's preamble, code for code, after OK.
void IncrementDialogTest::thePreambleKeepsEveryCode() {
    QFETCH(bool, ansi);
    QFETCH(QByteArray, before);
    QFETCH(QStringList, keys);
    QFETCH(QByteArray, stored);
    QFETCH(QString, clipboard);
    GuiSession session;
    session->app().job().AnsiDisplay = ansi;
    session->app().job().IncPreamble = before.toStdString();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        QLineEdit* preamble = box(dialog, "Preamble");
        preamble->setFocus();
        for (const QString& key : keys) {
            if (key == QStringLiteral("<bs>"))
                QTest::keyClick(preamble, Qt::Key_Backspace);
            else if (key == QStringLiteral("<del>"))
                QTest::keyClick(preamble, Qt::Key_Delete);
            else if (key == QStringLiteral("<home>"))
                QTest::keyClick(preamble, Qt::Key_Home);
            else if (key == QStringLiteral("<end>"))
                QTest::keyClick(preamble, Qt::Key_End);
            else if (key == QStringLiteral("<paste>"))
                QTest::keyClick(preamble, Qt::Key_Insert, Qt::ShiftModifier);
            else if (key == QStringLiteral("<copyall>")) {
                preamble->selectAll();
                QTest::keyClick(preamble, Qt::Key_Insert, Qt::ControlModifier);
            } else
                QTest::keyClicks(preamble, key);
        }
        click(dialog, "OKButton");
    });
    QVERIFY(showIncrementDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(QByteArray::fromStdString(session->app().job().IncPreamble), stored);
    if (!clipboard.isEmpty())
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
}

void IncrementDialogTest::thePickerIsTheWindowsList_data() {
    QTest::addColumn<QString>("symbology");
    QTest::addColumn<int>("entries"); // 0: no list
    QTest::newRow("Code 39") << "[code39]" << 0;
    QTest::newRow("Code 93") << "[code93]" << 128;
    QTest::newRow("Code 128") << "[code128]" << 132;
    QTest::newRow("Data Matrix") << "[datamatrix]" << 256;
}

// The dialog shows the character list while the main window does, with the
// same entries.
void IncrementDialogTest::thePickerIsTheWindowsList() {
    QFETCH(QString, symbology);
    QFETCH(int, entries);
    GuiSession session;
    QVERIFY(session.run(symbology.toStdString()));
    int seen = -1;
    QString last;
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        auto* picker = control<QListWidget>(dialog, "AsciiMenu");
        seen = picker == nullptr ? 0 : picker->count();
        if (seen > 0)
            last = picker->item(seen - 1)->text();
    });
    showIncrementDialog(&session->window(), session->app());
    QVERIFY(*opened);
    QCOMPARE(seen, entries);
    auto* windowList = session->window().findChild<QListWidget*>(QStringLiteral("AsciiMenu"));
    QVERIFY(windowList != nullptr);
    QCOMPARE(windowList->isVisibleTo(&session->window()), entries > 0);
    if (entries > 0)
        QCOMPARE(last, windowList->item(windowList->count() - 1)->text());
}

// A double click or Enter on an entry inserts its code at the caret of the
// text box that had the focus last, and Enter there does not press OK;
// once another control took the focus, the picker inserts nothing.
void IncrementDialogTest::thePickerInsertsIntoTheLastTextBox() {
    GuiSession session;
    QVERIFY(session.run("[datamatrix]"));
    session->app().job().IncPostamble = "AB";
    bool openAfterEnter = false;
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        auto* picker = control<QListWidget>(dialog, "AsciiMenu");
        QLineEdit* postamble = box(dialog, "Postamble");
        postamble->setFocus();
        postamble->setCursorPosition(1);
        // A double click begins with a click, as a real one does.
        const QRect row = picker->visualItemRect(picker->item(0));
        const QPoint centre(row.left() + 4, row.center().y());
        QTest::mouseClick(picker->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(picker->viewport(), Qt::LeftButton, {}, centre);
        picker->setFocus();
        picker->setCurrentRow(0xC4);
        QTest::keyClick(picker, Qt::Key_Return);
        openAfterEnter = dialog.isVisible();
        box(dialog, "StartNumber")->setFocus();
        picker->setFocus();
        picker->setCurrentRow('Z');
        QTest::keyClick(picker, Qt::Key_Return);
        click(dialog, "OKButton");
    });
    QVERIFY(showIncrementDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QVERIFY(openAfterEnter);
    QCOMPARE(QByteArray::fromStdString(session->app().job().IncPostamble), QByteArray("A\0\xC4"
                                                                                      "B",
                                                                                      4));
}

void IncrementDialogTest::tabVisitsTheControlsInReadingOrder() {
    GuiSession session;
    QVERIFY(session.run("[code128]"));
    QStringList visited;
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        box(dialog, "StartNumber")->setFocus();
        for (int i = 0; i < 10; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    });
    showIncrementDialog(&session->window(), session->app());
    QVERIFY(*opened);
    // The buttons' order is the desktop's.
    std::sort(visited.begin() + 8, visited.end());
    QCOMPARE(visited,
             (QStringList{"StartNumber", "IncrementValue", "NumDigits", "Preamble", "Postamble",
                          "IncMsg", "IncrementEnabled", "AsciiMenu", "CancelButton", "OKButton"}));
}

void IncrementDialogTest::cancelAndEscapeChangeNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::addColumn<bool>("numbering");
    QTest::newRow("Cancel") << false << false;
    QTest::newRow("Escape") << true << false;
    QTest::newRow("Cancel with numbering on") << false << true;
}

void IncrementDialogTest::cancelAndEscapeChangeNothing() {
    QFETCH(bool, escape);
    QFETCH(bool, numbering);
    GuiSession session;
    QVERIFY(session.run("[code128][incpreamble='P'][incstart=41][incwidth=4]"));
    if (numbering)
        QVERIFY(session.run("[incenable]"));
    const auto edit = [](QDialog& dialog) {
        enter(dialog, QStringLiteral("99|-5|2|Q|R|supplement|on"));
    };
    QCOMPARE(leaveWithoutChange(
                 session->app(), QStringLiteral("Increment"), "CancelButton", escape, edit,
                 [&] { return showIncrementDialog(&session->window(), session->app()); }),
             QString());
}

// Numbering switched on by OK shows its current number in the message and
// builds it at once; Enter in a box presses OK.
void IncrementDialogTest::numberingOnBuildsTheNumber() {
    GuiSession session;
    QVERIFY(session.run("[code39][message='BEFORE']"));
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        enter(dialog, QStringLiteral("41|1|4|N-||message|on"));
        QTest::keyClick(box(dialog, "Preamble"), Qt::Key_Return);
    });
    QVERIFY(showIncrementDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(QString::fromStdString(session->app().job().Message), QStringLiteral("N-0041"));
    QVERIFY(session->app().state().SymbolBuilt);
    QCOMPARE(QString::fromStdString(clipboardSymbolText(ZXing::BarcodeFormat::Code39)),
             QStringLiteral("N-0041"));
}

// Only digits can be typed into the digits box, but a paste (the context
// menu, the middle button) is no keystroke. What it brings must still leave a
// job whose configuration file opens again.
void IncrementDialogTest::aPastedNegativeDigitCountSavesAFileThatOpens() {
    GuiSession session;
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("pasted.vkf")).toStdString();
    QVERIFY(session.run("[code39][message='PASTE']"));
    const auto opened = whenDialogShows(QStringLiteral("Increment"), [&](QDialog& dialog) {
        QLineEdit* digits = box(dialog, "NumDigits");
        digits->selectAll();
        digits->insert(QStringLiteral("-5"));
        QCOMPARE(digits->text(), QStringLiteral("-5"));
        click(dialog, "OKButton");
    });
    QVERIFY(showIncrementDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(session->app().job().IncWidth, 0.0);
    QVERIFY(session.run("[saveconfig(" + path + ")]"));
    GuiSession reopened;
    QVERIFY(reopened.run("[openconfig(" + path + ")]"));
    QCOMPARE(reopened->app().job().IncWidth, 0.0);
}

QTEST_MAIN(IncrementDialogTest)
#include "increment_dialog_test.moc"

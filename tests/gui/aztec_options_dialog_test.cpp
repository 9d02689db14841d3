// The Aztec Code options dialog over the real window: the job's error
// correction choice shown in its option and box, OK storing a valid choice,
// a number out of range refused with the program's message and the dialog
// kept open with what was typed, the boxes taking digits only, Cancel and
// Escape leaving the job, and symbols built with the stored layers read back.

#include "dialog_driver.h"
#include "gui/aztec_options_dialog.h"
#include "gui_session.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace vornik::gui::testing;
using vornik::Job;

namespace {

QLineEdit* box(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

// The dialog as one line: the checked option's index, the two boxes and the
// menu symbol box.
QString shown(const QDialog& dialog) {
    QString option = QStringLiteral("?");
    for (int i = 0; i < 4; ++i)
        if (control<QRadioButton>(dialog, "Option1", i)->isChecked())
            option = QString::number(i);
    return QStringList{option, box(dialog, "Text1")->text(), box(dialog, "Text2")->text(),
                       control<QCheckBox>(dialog, "Check1")->isChecked() ? "menu" : "plain"}
        .join(QLatin1Char('|'));
}

// Chooses option INDEX and types TEXT into its box (the whole text replaced).
void enter(const QDialog& dialog, int index, const QString& text) {
    control<QRadioButton>(dialog, "Option1", index)->click();
    if (index == 0)
        return;
    QLineEdit* edit = box(dialog, index == 1 ? "Text1" : "Text2");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class AztecOptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheJob_data();
    void showsTheJob();
    void okStoresTheChoice_data();
    void okStoresTheChoice();
    void aValueOutOfRangeIsRefused_data();
    void aValueOutOfRangeIsRefused();
    void theBoxesTakeDigitsOnly();
    void cancelAndEscapeChangeNothing_data();
    void cancelAndEscapeChangeNothing();
    void theStoredLayersShapeTheSymbol_data();
    void theStoredLayersShapeTheSymbol();
};

void AztecOptionsDialogTest::showsTheJob_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default") << 0 << 0 << "0|10|32|plain";
    QTest::newRow("percent") << 36 << 1 << "1|36|32|menu";
    QTest::newRow("compact") << 104 << 0 << "2|10|4|plain";
    QTest::newRow("full range") << 207 << 0 << "3|10|7|plain";
    QTest::newRow("no such choice") << 150 << 0 << "0|10|32|plain";
}

void AztecOptionsDialogTest::showsTheJob() {
    QFETCH(int, percent);
    QFETCH(int, menu);
    QFETCH(QString, expected);
    GuiSession session;
    session->app().job().AztecEcPercent = percent;
    session->app().job().AztecMenuFlag = menu;
    QString seen;
    QString title;
    const auto opened = whenDialogShows(QStringLiteral("frmAztecECP"), [&](QDialog& dialog) {
        seen = shown(dialog);
        title = dialog.windowTitle();
    });
    QVERIFY(!showAztecOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(seen, expected);
    QCOMPARE(title, QStringLiteral("Aztec Symbology Options"));
}

void AztecOptionsDialogTest::okStoresTheChoice_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("menu");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("dirty");
    QTest::newRow("default, as shown") << 0 << "" << false << 0 << false;
    QTest::newRow("menu symbol") << 0 << "" << true << 0 << true;
    QTest::newRow("1 percent") << 1 << "1" << false << 1 << true;
    QTest::newRow("99 percent") << 1 << "99" << false << 99 << true;
    QTest::newRow("compact, 4 layers") << 2 << "4" << false << 104 << true;
    QTest::newRow("full range, 32 layers") << 3 << "32" << false << 232 << true;
    QTest::newRow("full range, 1 layer") << 3 << "01" << false << 201 << true;
}

void AztecOptionsDialogTest::okStoresTheChoice() {
    QFETCH(int, option);
    QFETCH(QString, typed);
    QFETCH(bool, menu);
    QFETCH(int, stored);
    QFETCH(bool, dirty);
    GuiSession session;
    const auto opened = whenDialogShows(QStringLiteral("frmAztecECP"), [&](QDialog& dialog) {
        enter(dialog, option, typed);
        control<QCheckBox>(dialog, "Check1")->setChecked(menu);
        click(dialog, "Command1");
    });
    QVERIFY(showAztecOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(session->app().job().AztecEcPercent, stored);
    QCOMPARE(session->app().job().AztecMenuFlag, menu ? 1 : 0);
    QCOMPARE(session->app().state().Dirty, dirty);
}

void AztecOptionsDialogTest::aValueOutOfRangeIsRefused_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString percent = QStringLiteral("Error Correction Percent must be between 1 and 99%");
    const QString compact =
        QStringLiteral("Number of layers for a compact symbol must be between 1 and 4");
    const QString full =
        QStringLiteral("Number of layers for a full range symbol must be between 1 and 32");
    QTest::newRow("0 percent") << 1 << "0" << percent;
    QTest::newRow("100 percent") << 1 << "100" << percent;
    QTest::newRow("empty percent") << 1 << "" << percent;
    QTest::newRow("compact, 0 layers") << 2 << "0" << compact;
    QTest::newRow("compact, 5 layers") << 2 << "5" << compact;
    QTest::newRow("full range, 33 layers") << 3 << "33" << full;
    QTest::newRow("full range, no layers") << 3 << "" << full;
}

// The message box of the program's own title shows the reason; the dialog
// stays open with the typed text, the job and its changed mark untouched.
// Cancel then closes it.
void AztecOptionsDialogTest::aValueOutOfRangeIsRefused() {
    QFETCH(int, option);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    GuiSession session;
    session->app().job().AztecEcPercent = 207;
    const Job before = session->app().job();
    const std::string saved = savedJob(session->app());
    std::shared_ptr<QString> shownMessage;
    bool stillOpen = false;
    QString boxesAfter;
    const auto opened = whenDialogShows(QStringLiteral("frmAztecECP"), [&](QDialog& dialog) {
        enter(dialog, option, typed);
        control<QCheckBox>(dialog, "Check1")->setChecked(true);
        shownMessage = session.answerNextMessageBox(QMessageBox::Ok);
        click(dialog, "Command1");
        stillOpen = dialog.isVisible();
        boxesAfter = shown(dialog);
        click(dialog, "Command2");
    });
    QVERIFY(!showAztecOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(*shownMessage, message);
    QVERIFY(stillOpen);
    QCOMPARE(boxesAfter.section(QLatin1Char('|'), option == 1 ? 1 : 2, option == 1 ? 1 : 2), typed);
    QVERIFY(session->app().job() == before);
    QCOMPARE(savedJob(session->app()), saved);
    QVERIFY(!session->app().state().Dirty);
}

// Letters, signs and points typed into the boxes are refused; digits and
// Backspace go in.
void AztecOptionsDialogTest::theBoxesTakeDigitsOnly() {
    GuiSession session;
    QStringList seen;
    const auto opened = whenDialogShows(QStringLiteral("frmAztecECP"), [&](QDialog& dialog) {
        for (const char* name : {"Text1", "Text2"}) {
            QLineEdit* edit = box(dialog, name);
            edit->setFocus();
            edit->end(false);
            QTest::keyClicks(edit, QStringLiteral("4x-.5 "));
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, QStringLiteral("7"));
            seen << edit->text();
        }
    });
    showAztecOptionsDialog(&session->window(), session->app());
    QVERIFY(*opened);
    QCOMPARE(seen, (QStringList{"1047", "3247"}));
}

void AztecOptionsDialogTest::cancelAndEscapeChangeNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void AztecOptionsDialogTest::cancelAndEscapeChangeNothing() {
    QFETCH(bool, escape);
    GuiSession session;
    QVERIFY(session.run("[aztec][message='Unchanged']"));
    session->app().job().AztecEcPercent = 36;
    const auto edit = [](QDialog& dialog) {
        enter(dialog, 2, QStringLiteral("3"));
        control<QCheckBox>(dialog, "Check1")->setChecked(true);
    };
    QCOMPARE(leaveWithoutChange(
                 session->app(), QStringLiteral("frmAztecECP"), "Command2", escape, edit,
                 [&] { return showAztecOptionsDialog(&session->window(), session->app()); }),
             QString());
}

void AztecOptionsDialogTest::theStoredLayersShapeTheSymbol_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("modules");
    // A compact symbol of L layers is 11 + 4L modules square; a full-range
    // one of L layers below 5 is 15 + 4L.
    QTest::newRow("compact, 2 layers") << 2 << "2" << 19;
    QTest::newRow("compact, 4 layers") << 2 << "4" << 27;
    QTest::newRow("full range, 3 layers") << 3 << "3" << 27;
}

// Modules of 51 units (the default module size), and the quiet zone of two
// modules on each side that Aztec symbols are always drawn with.
void AztecOptionsDialogTest::theStoredLayersShapeTheSymbol() {
    QFETCH(int, option);
    QFETCH(QString, typed);
    QFETCH(int, modules);
    GuiSession session;
    QVERIFY(session.run("[aztec][message='Aztec from the dialog']"));
    const auto opened = whenDialogShows(QStringLiteral("frmAztecECP"), [&](QDialog& dialog) {
        enter(dialog, option, typed);
        click(dialog, "Command1");
    });
    QVERIFY(showAztecOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    (void)session->app().Build();
    QVERIFY(session->app().state().SymbolBuilt);
    QCOMPARE(session->app().state().SymbolWidth, (modules + 4) * 51);
    QCOMPARE(QString::fromStdString(clipboardSymbolText(ZXing::BarcodeFormat::Aztec)),
             QStringLiteral("Aztec from the dialog"));
}

QTEST_MAIN(AztecOptionsDialogTest)
#include "aztec_options_dialog_test.moc"

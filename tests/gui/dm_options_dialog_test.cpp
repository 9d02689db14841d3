// The Data Matrix options dialog over the real window: the job's choices
// shown, the frames enabled for the chosen ECC level, OK storing the buttons,
// Cancel and Escape leaving the job, Help reaching the window, and symbols
// built with the stored shape and tilde choice read back by ZXing.

#include "dialog_driver.h"
#include "gui/dm_options_dialog.h"
#include "gui_session.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vornik::gui::testing;
using vornik::Job;

namespace {

// The caption of the checked button of a control array, "?" when none.
QString checked(const QDialog& dialog, const char* name) {
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>(QString::fromLatin1(name)))
        if (button->isChecked())
            return button->text();
    return QStringLiteral("?");
}

// Whether the frame holding a control array takes input.
QString enabling(const QDialog& dialog, const char* name) {
    const QWidget* frame = control<QRadioButton>(dialog, name, 0)->parentWidget();
    return frame->isEnabled() ? QStringLiteral("on") : QStringLiteral("off");
}

// The dialog as one line: the three checked captions, the tilde box, then
// whether the format frame, the shape frame and the tilde box are enabled.
QString shown(const QDialog& dialog) {
    const QCheckBox* tildes = control<QCheckBox>(dialog, "TranslateTildes");
    return QStringList{
        checked(dialog, "Option1"),        checked(dialog, "Option2"),
        checked(dialog, "Option3"),        tildes->isChecked() ? "tildes" : "no tildes",
        enabling(dialog, "Option2"),       enabling(dialog, "Option3"),
        tildes->isEnabled() ? "on" : "off"}
        .join(QLatin1Char('|'));
}

void choose(const QDialog& dialog, const char* name, int index) {
    control<QRadioButton>(dialog, name, index)->click();
}

} // namespace

class DmOptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheJob_data();
    void showsTheJob();
    void theEccLevelEnablesItsFrames();
    void okStoresTheButtons_data();
    void okStoresTheButtons();
    void cancelAndEscapeChangeNothing_data();
    void cancelAndEscapeChangeNothing();
    void helpReachesTheWindow_data();
    void helpReachesTheWindow();
    void theStoredChoicesShapeTheSymbol_data();
    void theStoredChoicesShapeTheSymbol();
};

void DmOptionsDialogTest::showsTheJob_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << 26 << 6 << 0 << 1
                              << "ECC 200|Binary|Square - Auto Size|tildes|off|on|on";
    QTest::newRow("ECC 140, numeric") << 12 << 1 << 3 << 0
                                      << "ECC 140|Numeric (0-9)|Rectangular 12x26 modules|"
                                         "no tildes|on|off|off";
    QTest::newRow("ECC 200, 16x48")
        << 26 << 5 << 6 << 0 << "ECC 200|ASCII|Rectangular 16x48 modules|no tildes|off|on|on";
    // Values no button stands for select the default buttons.
    QTest::newRow("unknown values")
        << 7 << 0 << 9 << 1 << "ECC 200|Binary|Square - Auto Size|tildes|off|on|on";
}

void DmOptionsDialogTest::showsTheJob() {
    QFETCH(int, level);
    QFETCH(int, format);
    QFETCH(int, shape);
    QFETCH(int, standard);
    QFETCH(QString, expected);
    GuiSession session;
    Job& job = session->app().job();
    job.DmEccLevel = level;
    job.DmFormat = format;
    job.DmFormatOption = shape;
    job.DmStandard = standard;
    QString seen;
    QString title;
    const auto opened = whenDialogShows(QStringLiteral("DMOptions"), [&](QDialog& dialog) {
        seen = shown(dialog);
        title = dialog.windowTitle();
    });
    QVERIFY(!showDmOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    QCOMPARE(seen, expected);
    QCOMPARE(title, QStringLiteral("Data Matrix Symbology Options"));
}

// ECC 0 to 140 take a data format; ECC 200 a shape and the tilde choice.
void DmOptionsDialogTest::theEccLevelEnablesItsFrames() {
    GuiSession session;
    QStringList seen;
    const auto opened = whenDialogShows(QStringLiteral("DMOptions"), [&](QDialog& dialog) {
        for (int ecc : {0, 5, 3, 5}) {
            choose(dialog, "Option1", ecc);
            seen << shown(dialog).section(QLatin1Char('|'), 4);
        }
    });
    showDmOptionsDialog(&session->window(), session->app());
    QVERIFY(*opened);
    QCOMPARE(seen, (QStringList{"on|off|off", "off|on|on", "on|off|off", "off|on|on"}));
}

void DmOptionsDialogTest::okStoresTheButtons_data() {
    // The ECC, format and shape buttons clicked, then another ECC button
    // (-1: none).
    QTest::addColumn<int>("ecc");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("eccAfter");
    QTest::addColumn<bool>("tildes");
    // DmEccLevel, DmFormat, DmFormatOption, DmStandard, then Dirty.
    QTest::addColumn<QString>("stored");
    QTest::newRow("as shown") << -1 << -1 << -1 << -1 << true << "26 6 0 1 clean";
    QTest::newRow("rectangle, tildes off") << -1 << -1 << 2 << -1 << false << "26 6 2 0 dirty";
    QTest::newRow("ECC 50, alphanumeric") << 1 << 2 << -1 << -1 << true << "3 3 0 1 dirty";
    // A shape chosen under ECC 200 is kept when the level changes.
    QTest::newRow("shape, then ECC 100") << -1 << -1 << 4 << 3 << true << "8 6 4 1 dirty";
}

void DmOptionsDialogTest::okStoresTheButtons() {
    QFETCH(int, ecc);
    QFETCH(int, format);
    QFETCH(int, shape);
    QFETCH(int, eccAfter);
    QFETCH(bool, tildes);
    QFETCH(QString, stored);
    GuiSession session;
    const auto opened = whenDialogShows(QStringLiteral("DMOptions"), [&](QDialog& dialog) {
        for (const auto& [name, index] : {std::pair{"Option1", ecc},
                                          {"Option2", format},
                                          {"Option3", shape},
                                          {"Option1", eccAfter}}) {
            if (index >= 0)
                choose(dialog, name, index);
        }
        control<QCheckBox>(dialog, "TranslateTildes")->setChecked(tildes);
        click(dialog, "Command1");
    });
    QVERIFY(showDmOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    const Job& job = session->app().job();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(job.DmEccLevel)
                 .arg(job.DmFormat)
                 .arg(job.DmFormatOption)
                 .arg(job.DmStandard)
                 .arg(session->app().state().Dirty ? "dirty" : "clean"),
             stored);
}

void DmOptionsDialogTest::cancelAndEscapeChangeNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void DmOptionsDialogTest::cancelAndEscapeChangeNothing() {
    QFETCH(bool, escape);
    GuiSession session;
    QVERIFY(session.run("[datamatrix][message='Unchanged']"));
    session->app().job().DmEccLevel = 12;
    session->app().job().DmFormat = 3;
    const auto edit = [](QDialog& dialog) {
        choose(dialog, "Option2", 0);
        choose(dialog, "Option1", 5);
        choose(dialog, "Option3", 6);
        control<QCheckBox>(dialog, "TranslateTildes")->setChecked(false);
    };
    QCOMPARE(
        leaveWithoutChange(session->app(), QStringLiteral("DMOptions"), "Command2", escape, edit,
                           [&] { return showDmOptionsDialog(&session->window(), session->app()); }),
        QString());
}

void DmOptionsDialogTest::helpReachesTheWindow_data() {
    QTest::addColumn<bool>("byF1");
    QTest::newRow("Help... clicked") << false;
    QTest::newRow("F1 pressed") << true;
}

// "Help..." and F1 show the help the window gives and leave the dialog
// open. (Without it they open the user guide in the desktop's browser,
// which a test does not start.)
void DmOptionsDialogTest::helpReachesTheWindow() {
    QFETCH(bool, byF1);
    GuiSession session;
    int helpCalls = 0;
    bool stillOpen = false;
    const auto opened = whenDialogShows(QStringLiteral("DMOptions"), [&](QDialog& dialog) {
        if (byF1)
            QTest::keyClick(&dialog, Qt::Key_F1);
        else
            click(dialog, "Command3");
        stillOpen = dialog.isVisible();
    });
    QVERIFY(
        !showDmOptionsDialog(&session->window(), session->app(), [&helpCalls] { ++helpCalls; }));
    QVERIFY(*opened);
    QCOMPARE(helpCalls, 1);
    QVERIFY(stillOpen);
}

void DmOptionsDialogTest::theStoredChoicesShapeTheSymbol_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("tildes");
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    // The message is A~d066C: taken as it stands with the standard ASCII
    // interpretation, a tilde sequence for "B" without it.
    QTest::newRow("square, standard") << 0 << true << "A~d066C" << 14 << 14;
    QTest::newRow("16x48, tilde sequences") << 6 << false << "ABC" << 16 << 48;
    QTest::newRow("8x32, standard") << 2 << true << "A~d066C" << 8 << 32;
}

// Modules of 51 units (the default module size), no quiet zones.
void DmOptionsDialogTest::theStoredChoicesShapeTheSymbol() {
    QFETCH(int, shape);
    QFETCH(bool, tildes);
    QFETCH(QString, read);
    QFETCH(int, rows);
    QFETCH(int, columns);
    GuiSession session;
    QVERIFY(session.run("[datamatrix][message='A~d066C']"));
    const auto opened = whenDialogShows(QStringLiteral("DMOptions"), [&](QDialog& dialog) {
        choose(dialog, "Option3", shape);
        control<QCheckBox>(dialog, "TranslateTildes")->setChecked(tildes);
        click(dialog, "Command1");
    });
    QVERIFY(showDmOptionsDialog(&session->window(), session->app()));
    QVERIFY(*opened);
    (void)session->app().Build();
    QVERIFY(session->app().state().SymbolBuilt);
    QCOMPARE(session->app().state().SymbolWidth, columns * 51);
    QCOMPARE(session->app().state().SymbolHeight, rows * 51);
    QCOMPARE(QString::fromStdString(clipboardSymbolText(ZXing::BarcodeFormat::DataMatrix)), read);
}

QTEST_MAIN(DmOptionsDialogTest)
#include "dm_options_dialog_test.moc"

// The real main window on Qt's offscreen platform: what it shows follows the
// core's menu model and panel for every symbology, its message box edits the
// internal message, and F2 builds into the display.

#include "core/app/display_set.h"
#include "core/app/main_menu.h"
#include "core/app/preference_commands.h"
#include "core/app/symbology.h"
#include "dialog_driver.h"
#include "gui/menu_bar.h"
#include "gui/message_box_edit.h"
#include "gui/symbol_display.h"
#include "gui_session.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using vornik::gui::testing::GuiSession;

namespace {

// Every item of the model's tree whose shown state differs from the
// window's action of the same name, as "name: what differs". The top menus
// are checked by their items.
QStringList differences(const vornik::gui::MenuBar& bar,
                        const std::vector<vornik::MenuItemView>& items, bool top = true) {
    QStringList found;
    for (const auto& item : items) {
        if (top) {
            found << differences(bar, item.children, false);
            continue;
        }
        found << differences(bar, item.children, false);
        if (item.control.empty())
            continue;
        const QAction* action = bar.action(QString::fromStdString(item.control), item.index);
        const QString name = vornik::gui::MenuBar::objectName(item);
        if (action == nullptr) {
            found << name + QStringLiteral(": missing");
            continue;
        }
        if (action->isVisible() != item.visible)
            found << name + QStringLiteral(": visible");
        // Qt disables what it hides.
        if (item.visible && action->isEnabled() != item.enabled)
            found << name + QStringLiteral(": enabled");
        if (!item.separator && action->isChecked() != item.checked)
            found << name + QStringLiteral(": checked");
    }
    return found;
}

QLabel* label(GuiSession& session, const char* name) {
    return session->window().findChild<QLabel*>(QLatin1String(name));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheMenuModelForEverySymbology_data();
    void followsTheMenuModelForEverySymbology();
    void typingEditsTheInternalMessage_data();
    void typingEditsTheInternalMessage();
    void characterListInsertsNulShownAs255();
    void printAndSaveOnlyAfterAGoodBuild();
    void f2BuildsIntoTheDisplay();
    void toolbarTogglesFollowTheJob();
    void recentConfigurationsReopen();
    void menuItemsOpenTheirDialogs_data();
    void menuItemsOpenTheirDialogs();
    void closingAsksAboutUnsavedChanges_data();
    void closingAsksAboutUnsavedChanges();
    void pasteAdviceAfterTheFirstBuild();
    void textEditorReturnsItsText();
    void fontDialogStoresOnOkOnly_data();
    void fontDialogStoresOnOkOnly();
    void doubleClicksBuildAndClear();
    void noSpareFileLingersBesideASavedSymbol();
    void barPatternFilesOfLinearSymbolsOnly();
    void magnifyListFollowsTheSymbology();
    void pdf417LimitTypedBeyondTheLargestIsStoredAsTheLargest();
};

void MainWindowTest::followsTheMenuModelForEverySymbology_data() {
    QTest::addColumn<int>("symbology");
    for (const auto& entry : vornik::kSymbologyCatalogue)
        QTest::newRow(vornik::plainCaption(entry.menuCaption).c_str())
            << static_cast<int>(entry.symbology);
}

// Chosen from the Symbology menu, each symbology shows its name, its
// Preferences profile and its panel exactly as the core's models say.
void MainWindowTest::followsTheMenuModelForEverySymbology() {
    QFETCH(int, symbology);
    GuiSession session;
    auto& window = session->window();
    QAction* item = window.menus()->action(QStringLiteral("MCode"), symbology);
    QVERIFY(item != nullptr);
    item->trigger();
    auto& app = session->app();
    QCOMPARE(static_cast<int>(app.job().Symbology), symbology);
    QCOMPARE(label(session, "Label7")->text(), QString::fromStdString(vornik::symbologyLabel(app)));
    const QStringList wrong = differences(*window.menus(), vornik::mainMenuBar(app));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
    QCOMPARE(label(session, "TotalLength")->isVisibleTo(&window), app.panel().TotalLength.visible);
}

void MainWindowTest::typingEditsTheInternalMessage_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("ASCII mode stores code page 437")
        << "ASCIISet" << QStringLiteral("A\u00C4") << QByteArray("A\x8E");
    QTest::newRow("ANSI mode stores as typed")
        << "ANSISet" << QStringLiteral("A\u00C4") << QByteArray("A\xC4");
}

void MainWindowTest::typingEditsTheInternalMessage() {
    QFETCH(QString, setup);
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    GuiSession session;
    QVERIFY(session.run("[code128]"));
    session->window().menus()->action(setup)->trigger();
    auto* box = session->window().messageBox();
    box->setFocus();
    QTest::keyClicks(box, typed);
    QCOMPARE(QByteArray::fromStdString(session->app().job().Message), stored);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(QByteArray::fromStdString(session->app().job().Message), stored + "\r\n");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(QByteArray::fromStdString(session->app().job().Message), stored.mid(1));
}

void MainWindowTest::characterListInsertsNulShownAs255() {
    GuiSession session;
    QVERIFY(session.run("[code128][message='AB']"));
    auto& window = session->window();
    QListWidget* list = window.characterList();
    QVERIFY(list->isVisibleTo(&window));
    QCOMPARE(list->count(), 132); // 128 codes and the four function characters
    window.messageBox()->setCursorPosition(1);
    QCOMPARE(window.messageBox()->text(), QStringLiteral("AB"));
    QCOMPARE(window.messageBox()->cursorPosition(), 1);
    emit list->itemActivated(list->item(0));
    QCOMPARE(QByteArray::fromStdString(session->app().job().Message), QByteArray("A\0B", 3));
    // The box shows code 255 as the display set draws it.
    QCOMPARE(static_cast<char32_t>(window.messageBox()->text().at(1).unicode()),
             vornik::shownCharacter(255, session->app().job().AnsiDisplay));
    QVERIFY(window.messageBox()->hasFocus());
}

// Print and Save Bar Code As are enabled only while a symbol is built.
void MainWindowTest::printAndSaveOnlyAfterAGoodBuild() {
    GuiSession session;
    auto* menus = session->window().menus();
    const auto enabled = [&] {
        emit menus->opening();
        return std::pair(menus->action(QStringLiteral("PPrint"))->isEnabled(),
                         menus->action(QStringLiteral("MBSave"))->isEnabled());
    };
    QCOMPARE(enabled(), std::pair(false, false));
    QVERIFY(session.run("[code39][message='OK']"));
    QTest::keyClick(&session->window(), Qt::Key_F2);
    QCOMPARE(enabled(), std::pair(true, true));
    QVERIFY(session.run("[message='']"));
    const auto error = session.answerNextMessageBox(QMessageBox::Ok);
    QTest::keyClick(&session->window(), Qt::Key_F2);
    QVERIFY(!error->isEmpty());
    QCOMPARE(enabled(), std::pair(false, false));
}

void MainWindowTest::f2BuildsIntoTheDisplay() {
    GuiSession session;
    QVERIFY(session.windowActive());
    auto& window = session->window();
    QVERIFY(label(session, "Label7") != nullptr);
    QVERIFY(session.run("[code39][message='VORNIK']"));
    QTest::keyClick(&window, Qt::Key_F2);
    auto* display = window.symbolDisplay();
    QVERIFY(display->isVisibleTo(&window));
    QVERIFY(display->hasPicture());
    const QRectF drawn = display->pictureRect();
    QVERIFY(!drawn.isEmpty());
    // At true size unless the box is too small for it.
    const double trueWidth =
        session->app().state().CurrentPicture.xExtent * display->trueSizePixelsPerUnit();
    QVERIFY(drawn.width() <= trueWidth + 0.5);
    QVERIFY(display->accessibleDescription().contains(QStringLiteral("VORNIK")));
    const QImage shown = display->grab().toImage();
    const QRect inside = drawn.toAlignedRect().adjusted(1, 1, -1, -1);
    int dark = 0;
    for (int x = inside.left(); x < inside.right(); ++x)
        dark += qGray(shown.pixel(x, inside.center().y())) < 128;
    QVERIFY2(dark > 10, "no bars were drawn across the middle of the picture");
}

void MainWindowTest::toolbarTogglesFollowTheJob() {
    GuiSession session;
    auto* toolbar = session->window().toolbar();
    auto* quietZones = toolbar->findChild<QAction*>(QStringLiteral("QZButton"));
    QVERIFY(quietZones != nullptr);
    const bool before = session->app().job().QuietZones;
    QCOMPARE(quietZones->isChecked(), before);
    quietZones->trigger();
    QCOMPARE(session->app().job().QuietZones, !before);
    QCOMPARE(quietZones->isChecked(), !before);
    QVERIFY(session.run(before ? "[QUIETZONES=ON]" : "[QUIETZONES=OFF]"));
    session->window().refresh();
    QCOMPARE(quietZones->isChecked(), before);
}

// A saved configuration joins File's recent list, and its entry opens it.
void MainWindowTest::recentConfigurationsReopen() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("shelf.vkf"));
    GuiSession session;
    QVERIFY(session.run("[code93][message='SHELF'][saveconfig(" + path.toStdString() + ")]"));
    auto* recent = session->window().findChild<QMenu*>(QStringLiteral("RecentConfigurations"));
    QVERIFY(recent != nullptr);
    QVERIFY(!recent->actions().isEmpty());
    QVERIFY(recent->actions().first()->text().endsWith(path));
    QVERIFY(session.run("[new]"));
    QVERIFY(session->app().job().Message.empty());
    recent->actions().first()->trigger();
    QCOMPARE(QString::fromStdString(session->app().job().Message), QStringLiteral("SHELF"));
    QCOMPARE(session->window().messageBox()->text(), QStringLiteral("SHELF"));
}

void MainWindowTest::menuItemsOpenTheirDialogs_data() {
    QTest::addColumn<QString>("symbology");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("PDF417") << "[pdf417]"
                            << "PDFOps"
                            << "PDFOptions";
    QTest::newRow("Data Matrix") << "[datamatrix]"
                                 << "DMOpts"
                                 << "DMOptions";
    QTest::newRow("Aztec Code") << "[aztec]"
                                << "mAztecOpt"
                                << "frmAztecECP";
    QTest::newRow("raster") << "[code39]"
                            << "mnuRaster"
                            << "RasterProps";
    QTest::newRow("numbering") << "[code39]"
                               << "MIncNum"
                               << "Increment";
}

// Each options item opens its dialog over the window; cancelling it leaves
// the job as it was.
void MainWindowTest::menuItemsOpenTheirDialogs() {
    QFETCH(QString, symbology);
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    GuiSession session;
    QVERIFY(session.run(symbology.toStdString()));
    const std::string before = vornik::gui::testing::savedJob(session->app());
    const auto seen =
        vornik::gui::testing::whenDialogShows(dialog, [](QDialog& shown) { shown.reject(); });
    emit session->window().menus()->opening();
    QAction* action = session->window().menus()->action(item);
    QVERIFY(action != nullptr && action->isVisible() && action->isEnabled());
    action->trigger();
    QVERIFY(*seen);
    QCOMPARE(vornik::gui::testing::savedJob(session->app()), before);
}

void MainWindowTest::closingAsksAboutUnsavedChanges_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Cancel keeps the window") << int(QMessageBox::Cancel) << false;
    QTest::newRow("No closes without saving") << int(QMessageBox::No) << true;
}

void MainWindowTest::closingAsksAboutUnsavedChanges() {
    QFETCH(int, answer);
    QFETCH(bool, closes);
    GuiSession session;
    auto& window = session->window();
    QTest::keyClicks(window.messageBox(), QStringLiteral("changed"));
    QVERIFY(session->app().state().Dirty);
    const auto question =
        session.answerNextMessageBox(static_cast<QMessageBox::StandardButton>(answer));
    window.close();
    QCOMPARE(*question, QStringLiteral("Save current configuration?"));
    QCOMPARE(window.isVisible(), !closes);
}

// The first build of a run typed by hand offers the paste advice; its check
// box, with OK, turns the advice off for good.
void MainWindowTest::pasteAdviceAfterTheFirstBuild() {
    GuiSession session;
    auto& window = session->window();
    window.messageBox()->setFocus();
    QTest::keyClicks(window.messageBox(), QStringLiteral("ADVICE"));
    auto seen = std::make_shared<bool>(false);
    auto* timer = new QTimer(&window);
    connect(timer, &QTimer::timeout, timer, [timer, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->checkBox() == nullptr)
            return;
        *seen = true;
        box->checkBox()->setChecked(true);
        box->button(QMessageBox::Ok)->click();
        timer->deleteLater();
    });
    timer->start(10);
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(*seen);
    QVERIFY(session->app().state().SymbolBuilt);
    QVERIFY(!session->app().state().ShowWordWarning);
    QVERIFY(session->app().state().WordWarningDone);
}

// The Editor button opens the text editor on the message; what is typed
// there reaches the message with Return To Vornik.
void MainWindowTest::textEditorReturnsItsText() {
    GuiSession session;
    QVERIFY(session.run("[pdf417][message='AB',13,10,'CD']"));
    auto* editorButton =
        session->window().toolbar()->findChild<QAction*>(QStringLiteral("EditorButton"));
    QVERIFY(editorButton != nullptr && editorButton->isVisible());
    const auto seen =
        vornik::gui::testing::whenDialogShows(QStringLiteral("frmEditor"), [](QDialog& editor) {
            auto* text = editor.findChild<QPlainTextEdit*>(QStringLiteral("txtEdit"));
            QCOMPARE(text->toPlainText(), QStringLiteral("AB\nCD"));
            text->moveCursor(QTextCursor::End);
            QTest::keyClicks(text, QStringLiteral("E"));
            editor.findChild<QAction*>(QStringLiteral("mnuFileItem[4]"))->trigger();
        });
    editorButton->trigger();
    QVERIFY(*seen);
    QCOMPARE(QByteArray::fromStdString(session->app().job().Message), QByteArray("AB\r\nCDE"));
}

void MainWindowTest::fontDialogStoresOnOkOnly_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void MainWindowTest::fontDialogStoresOnOkOnly() {
    QFETCH(bool, ok);
    GuiSession session;
    QVERIFY(session.run("[code39]"));
    session->app().state().Dirty = false;
    const std::string before = vornik::gui::testing::savedJob(session->app());
    const auto seen =
        vornik::gui::testing::whenDialogShows(QStringLiteral("FontDialog"), [ok](QDialog& dialog) {
            auto& fonts = static_cast<QFontDialog&>(dialog);
            fonts.setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 14));
            QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("FontColor")) != nullptr);
            ok ? dialog.accept() : dialog.reject();
        });
    session->window().menus()->action(QStringLiteral("MCustFont"))->trigger();
    QVERIFY(*seen);
    const vornik::FontChoice stored = vornik::currentFontChoice(session->app().job());
    if (ok) {
        QCOMPARE(QString::fromStdString(stored.name), QStringLiteral("Liberation Serif"));
        QCOMPARE(stored.size, 14);
        QVERIFY(session->app().state().Dirty);
    } else {
        QCOMPARE(vornik::gui::testing::savedJob(session->app()), before);
        QVERIFY(!session->app().state().Dirty);
    }
}

// A double click on the start-up help text builds; a right double click on
// the display empties the message and the supplement.
void MainWindowTest::doubleClicksBuildAndClear() {
    GuiSession session;
    auto& window = session->window();
    QVERIFY(session.run("[upca][message='01234567890'][supplement=12]"));
    QLabel* help = nullptr;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->text().startsWith(QStringLiteral("To generate a bar code")))
            help = label;
    QVERIFY(help != nullptr && help->isVisibleTo(&window));
    QTest::mouseDClick(help, Qt::LeftButton);
    QVERIFY(session->app().state().SymbolBuilt);
    auto* display = window.symbolDisplay();
    QTest::mousePress(display, Qt::RightButton);
    QTest::mouseRelease(display, Qt::RightButton);
    QTest::mouseDClick(display, Qt::RightButton);
    QVERIFY(session->app().job().Message.empty());
    QVERIFY(session->app().job().Supplement.empty());
    QVERIFY(window.messageBox()->text().isEmpty());
}

// Saving over a symbol keeps the old file as a spare for the next save; the
// window removes it once idle, so the folder holds the symbol alone.
void MainWindowTest::noSpareFileLingersBesideASavedSymbol() {
    QTemporaryDir folder;
    const std::string path =
        QDir(folder.path()).filePath(QStringLiteral("label.png")).toStdString();
    GuiSession session;
    QVERIFY(session.run("[code39][message='ONE'][build/copy][savebarcode(" + path + ")]"));
    QVERIFY(session.run("[message='TWO'][build/copy][savebarcode(" + path + ")]"));
    const auto entries = [&] { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); };
    QCOMPARE(entries().size(), 2); // the symbol and the spare
    QTRY_COMPARE_WITH_TIMEOUT(entries(), QStringList{QStringLiteral("label.png")},
                              3 * vornik::gui::MainWindow::kSpareRemovalDelay);
}

// File > Save .dbp File As is there for a built linear symbol only.
void MainWindowTest::barPatternFilesOfLinearSymbolsOnly() {
    GuiSession session;
    auto* menus = session->window().menus();
    QAction* item = menus->action(QStringLiteral("dbpSave"));
    QVERIFY(item != nullptr);
    QVERIFY(session.run("[code39][message='DBP'][build/copy]"));
    emit menus->opening();
    QVERIFY(item->isVisible());
    QVERIFY(item->isEnabled());
    QVERIFY(session.run("[datamatrix][message='DBP'][build/copy]"));
    emit menus->opening();
    QVERIFY(!item->isEnabled());
    // A facing identification mark drawn after a linear symbol has none either.
    QVERIFY(session.run("[code39][message='DBP'][build/copy]"));
    menus->action(QStringLiteral("FIM"), 1)->trigger();
    emit menus->opening();
    QVERIFY(!item->isEnabled());
}

// The Magnify box lists magnifications for UPC and EAN; for PDF417 the
// aspect ratios its last build weighed, and nothing before a build.
void MainWindowTest::magnifyListFollowsTheSymbology() {
    GuiSession session;
    auto* magnify = session->window().findChild<QComboBox*>(QStringLiteral("Magnify"));
    QVERIFY(magnify != nullptr);
    QVERIFY(session.run("[upca]"));
    QCOMPARE(magnify->count(), 25);
    QCOMPARE(magnify->itemText(0), QStringLiteral("80"));
    QCOMPARE(magnify->itemText(24), QStringLiteral("200"));
    QVERIFY(session.run("[pdf417]"));
    QCOMPARE(magnify->count(), 0);
    QVERIFY(session.run("[message='Aspect ratios'][build/copy]"));
    QVERIFY(magnify->count() > 0);
    QVERIFY2(magnify->itemText(0).contains(QLatin1Char('.')), qPrintable(magnify->itemText(0)));
}

// With a fixed row count the box edits the column limit; it takes three digits,
// but the job keeps no more columns than a symbol can have, so that the
// configuration saved from it opens again.
void MainWindowTest::pdf417LimitTypedBeyondTheLargestIsStoredAsTheLargest() {
    GuiSession session;
    QVERIFY(session.run("[pdf417][message='LIMITS'][pdfmaxcols=4]"));
    session->app().job().PdfLayoutFlag = 1;   // as the PDF417 options dialog sets it
    QVERIFY(session.run("[code39][pdf417]")); // the panel is laid out anew
    auto* magnify = session->window().findChild<QComboBox*>(QStringLiteral("Magnify"));
    QVERIFY(magnify != nullptr);
    QCOMPARE(magnify->currentText(), QStringLiteral("4"));
    magnify->setFocus();
    magnify->lineEdit()->selectAll();
    QTest::keyClicks(magnify->lineEdit(), QStringLiteral("999"));
    QCOMPARE(magnify->currentText(), QStringLiteral("999"));
    QCOMPARE(session->app().job().PdfMaxColumns, 30);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

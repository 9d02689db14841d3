// The window's read-back line on a real X display: after each build the
// window draws the symbol as a PNG export would, reads it with the
// read-back module, and says what it read, or why it cannot, in the status
// bar. The program's settings and the user's files live in a fresh home.

#include "core/app/main_menu.h"
#include "gui/menu_bar.h"
#include "gui/symbol_read_back.h"
#include "gui_session.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

using vornik::gui::testing::GuiSession;

namespace {

// Reading a large symbol back takes a while on a loaded machine; the test
// waits for what the line must say, never for a time.
constexpr int kReadingTimeout = 60000; // ms

QString lineOf(vornik::gui::MainWindow& window) {
    const auto* line = window.findChild<QLabel*>(QStringLiteral("ReadBackLine"));
    return line == nullptr ? QStringLiteral("(no read-back line)") : line->text();
}

// Runs COMMANDS and waits until the window has settled the read-back line
// they left: the line then says what it will say until a reading ends.
bool runAndSettle(GuiSession& session, const std::string& commands) {
    auto* readBack = session->window().findChild<vornik::gui::SymbolReadBack*>();
    if (readBack == nullptr)
        return false;
    QSignalSpy settled(readBack, &vornik::gui::SymbolReadBack::settled);
    if (!session.run(commands))
        return false;
    return !settled.isEmpty() || settled.wait(kReadingTimeout);
}

void clickReadBackItem(GuiSession& session) {
    QAction* item = session->window().menus()->action(QStringLiteral("ReadBack"));
    QVERIFY(item != nullptr);
    item->trigger();
}

} // namespace

class ReadBackLineTest : public QObject {
    Q_OBJECT

private slots:
    void aSymbolThatReadsShowsItsTextWithACheckMark_data();
    void aSymbolThatReadsShowsItsTextWithACheckMark();
    void postnetIsNotVerifiable();
    void aFailedBuildEmptiesTheLine();
    void turnedOffNothingIsReadAndTheLineIsEmpty();
    void withoutTheModuleTheLineSaysSo();
};

void ReadBackLineTest::aSymbolThatReadsShowsItsTextWithACheckMark_data() {
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QString>("line");
    QTest::newRow("Code128") << QStringLiteral("[code128][message='ABC-1'][build/copy]")
                             << QStringLiteral("Read back: ABC-1 \u2713");
    QTest::newRow("UpcA") << QStringLiteral("[upca][message='03600029145'][build/copy]")
                          << QStringLiteral("Read back: 036000291452 \u2713");
    QTest::newRow("DataMatrix") << QStringLiteral(
                                       "[datamatrix][message='Read me back'][build/copy]")
                                << QStringLiteral("Read back: Read me back \u2713");
}

void ReadBackLineTest::aSymbolThatReadsShowsItsTextWithACheckMark() {
    QFETCH(QString, commands);
    QFETCH(QString, line);
    GuiSession session;
    QVERIFY(runAndSettle(session, commands.toStdString()));
    QTRY_COMPARE_WITH_TIMEOUT(lineOf(session->window()), line, kReadingTimeout);

    // The next symbol replaces the line.
    QVERIFY(runAndSettle(session, "[code128][message='Next one'][build/copy]"));
    QTRY_COMPARE_WITH_TIMEOUT(lineOf(session->window()),
                              QStringLiteral("Read back: Next one \u2713"), kReadingTimeout);
}

void ReadBackLineTest::postnetIsNotVerifiable() {
    GuiSession session;
    QVERIFY(runAndSettle(session, "[postnet][message='12345'][build/copy]"));
    QVERIFY(session->app().state().SymbolBuilt);
    QTRY_COMPARE_WITH_TIMEOUT(lineOf(session->window()),
                              QStringLiteral("Not verifiable: POSTNET cannot be read back."),
                              kReadingTimeout);
}

// The message is refused: no symbol stands for it, so nothing is said of one.
void ReadBackLineTest::aFailedBuildEmptiesTheLine() {
    GuiSession session;
    QVERIFY(runAndSettle(session, "[code128][message='Good'][build/copy]"));
    QTRY_COMPARE_WITH_TIMEOUT(lineOf(session->window()), QStringLiteral("Read back: Good \u2713"),
                              kReadingTimeout);
    const auto refusal = session.answerNextMessageBox(QMessageBox::Ok);
    (void)runAndSettle(session, "[message=''][build/copy]");
    QVERIFY(refusal->startsWith(QStringLiteral("Missing or invalid bar code message!")));
    QVERIFY(!session->app().state().SymbolBuilt);
    QTRY_COMPARE_WITH_TIMEOUT(lineOf(session->window()), QString(), kReadingTimeout);
}

// Off, a build reads nothing: the line stays empty once the build is over,
// and stays so while the symbol stands. On again, the symbol is read.
void ReadBackLineTest::turnedOffNothingIsReadAndTheLineIsEmpty() {
    GuiSession session;
    QVERIFY(runAndSettle(session, "[code128][message='Before'][build/copy]"));
    QTRY_COMPARE_WITH_TIMEOUT(lineOf(session->window()), QStringLiteral("Read back: Before \u2713"),
                              kReadingTimeout);

    clickReadBackItem(session);
    QVERIFY(!session->app().state().ReadBackSymbols);
    QTRY_COMPARE_WITH_TIMEOUT(lineOf(session->window()), QString(), kReadingTimeout);
    QVERIFY(runAndSettle(session, "[code128][message='While off'][build/copy]"));
    QVERIFY(session->app().state().SymbolBuilt);
    // A reading would have begun at the settling, saying so on the line.
    QCOMPARE(lineOf(session->window()), QString());

    clickReadBackItem(session);
    QTRY_COMPARE_WITH_TIMEOUT(lineOf(session->window()),
                              QStringLiteral("Read back: While off \u2713"), kReadingTimeout);
}

// A program folder without the read-back module: the window works on and
// the line says why nothing is read.
void ReadBackLineTest::withoutTheModuleTheLineSaysSo() {
    QTemporaryDir settings;
    QTemporaryDir programFolder;
    QVERIFY(settings.isValid() && programFolder.isValid());
    vornik::gui::DesktopSession session((settings.path() + "/Vornik.conf").toStdString(),
                                        programFolder.path().toStdString(), std::nullopt);
    session.start();
    QVERIFY(
        vornik::dde::Interpreter(session.app()).Execute("[code128][message='ABC'][build/copy]"));
    session.window().refresh();
    QVERIFY(session.app().state().SymbolBuilt);
    const QString module = QString::fromStdString(
        (std::filesystem::path(programFolder.path().toStdString()) / "vornik-readback.so")
            .string());
    QTRY_VERIFY_WITH_TIMEOUT(
        lineOf(session.window())
            .startsWith(QStringLiteral("The symbol is not read back: the read-back module ") +
                        module + QStringLiteral(" could not be loaded (")),
        kReadingTimeout);
    QVERIFY(lineOf(session.window()).endsWith(QStringLiteral(").")));
}

// The test runs in a home of its own, so that nothing the user keeps (or
// keeps out) changes what the window does.
int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toLocal8Bit());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        qunsetenv(name);
    QApplication app(argc, argv);
    ReadBackLineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "read_back_line_xvfb_test.moc"

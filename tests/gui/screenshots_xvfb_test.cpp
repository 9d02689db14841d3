// Screenshots of the main window for the README, made on an X server of the
// test's own: a linear symbol with text, a UPC-A with its add-on, a PDF417, a
// Data Matrix and POSTNET. Each is checked to show its symbol and what it read
// back as, and saved as
// PNG into $VORNIK_SCREENSHOTS (build/screenshots when unset). With
// VORNIK_SCREENSHOT_THEME=dark the window is drawn in a dark palette, to
// check that everything stays legible; QT_SCALE_FACTOR=2 draws it at 200 %.

#include "gui/symbol_display.h"
#include "gui_session.h"

#include <QDir>
#include <QLabel>
#include <QPalette>
#include <QStyleFactory>
#include <QTest>

using vornik::gui::testing::GuiSession;

namespace {

QString screenshotFolder() {
    const QString chosen = qEnvironmentVariable("VORNIK_SCREENSHOTS");
    return chosen.isEmpty() ? QStringLiteral(VORNIK_PROGRAM_DIRECTORY "/screenshots") : chosen;
}

void useDarkPalette() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(60, 110, 180));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(55, 55, 58));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
}

} // namespace

class ScreenshotsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void mainWindow_data();
    void mainWindow();
};

void ScreenshotsTest::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QVERIFY(QDir().mkpath(screenshotFolder()));
    if (qEnvironmentVariable("VORNIK_SCREENSHOT_THEME") == QLatin1String("dark"))
        useDarkPalette();
}

void ScreenshotsTest::mainWindow_data() {
    QTest::addColumn<QString>("commands");
    QTest::newRow("code128") << "[code128][message='Vornik 2026'][comment=Shelf 14]"
                                "[text=on][quietzones=on]";
    QTest::newRow("upca-addon") << "[upca][message='01234567890'][supplement=12345]";
    QTest::newRow("pdf417") << "[pdf417][message='Vornik makes true-size bar codes for Linux.']";
    QTest::newRow("datamatrix") << "[datamatrix][message='Vornik Data Matrix']";
    QTest::newRow("postnet") << "[postnet][message='55555-1237']";
}

void ScreenshotsTest::mainWindow() {
    QFETCH(QString, commands);
    GuiSession session;
    auto& window = session->window();
    window.resize(900, 640);
    QVERIFY(session.run(commands.toStdString()));
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(session->app().state().SymbolBuilt);
    // The status bar shows what the symbol read back as, once it has been read.
    const auto* line = window.findChild<QLabel*>(QStringLiteral("ReadBackLine"));
    QVERIFY(line != nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(line->text().startsWith(QStringLiteral("Read back: ")) ||
                                 line->text().startsWith(QStringLiteral("Not verifiable: ")),
                             60000);
    QTest::qWait(100);
    const QImage shot = window.grab().toImage();
    // The symbol is on display: dark bars inside the picture's place.
    const QRectF place = window.symbolDisplay()->pictureRect().translated(
        window.symbolDisplay()->mapTo(&window, QPoint(0, 0)));
    const QRect inside = place.toAlignedRect().adjusted(2, 2, -2, -2);
    const double scale = shot.devicePixelRatio();
    int dark = 0;
    for (int x = inside.left(); x < inside.right(); ++x)
        dark += qGray(shot.pixel(int(x * scale), int(inside.center().y() * scale))) < 128;
    QVERIFY2(dark > 0, "the screenshot shows no symbol");
    const QString name = QStringLiteral("%1/main-window-%2.png")
                             .arg(screenshotFolder(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(shot.save(name), qPrintable(name));
}

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_xvfb_test.moc"

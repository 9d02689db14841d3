// The window served on a session bus: clients drive it with vornik --send,
// the window commands act on it, and a command's message box is shown to the
// user while the client waits for the reply.

#include "bus/session_bus.h"
#include "gui/desktop_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace vornik::gui {
namespace {

// How long a client program, started by the test, may take to do its part:
// long enough for a loaded machine and for the sanitizer build.
constexpr int kPatience = 20000;

using bus::testing::SessionBus;

// vornik --send with the strings, started and left running.
std::unique_ptr<QProcess> startSend(const QStringList& strings) {
    auto process = std::make_unique<QProcess>();
    QStringList arguments;
    for (const QString& commands : strings)
        arguments << QStringLiteral("--send") << commands;
    process->start(QStringLiteral(VORNIK_PROGRAM), arguments);
    return process;
}

} // namespace

class WindowServiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void windowCommandsActOnTheWindow();
    void theReplyWaitsForTheMessageBox();
    void appExitClosesTheWindowWithoutAsking();
    void aSecondClientWaitsForTheFirstsBox();
    void clipboardCommandsUseTheSystemClipboard();
    void aSecondInstanceHandsItsFileToTheFirst();
    void openAsksAboutUnsavedChangesFirst();

private:
    std::unique_ptr<SessionBus> bus_;
    std::unique_ptr<QTemporaryDir> settings_;
    std::unique_ptr<DesktopSession> session_;
};

void WindowServiceTest::init() {
    QStandardPaths::setTestModeEnabled(true);
    bus_ = std::make_unique<SessionBus>();
    QVERIFY2(bus_->failure().empty(), bus_->failure().c_str());
    settings_ = std::make_unique<QTemporaryDir>();
    session_ = std::make_unique<DesktopSession>(
        (settings_->path() + QStringLiteral("/Vornik.conf")).toStdString(),
        VORNIK_PROGRAM_DIRECTORY, std::nullopt);
    session_->start();
    const QString name = QStringLiteral("window-%1").arg(QTest::currentTestFunction());
    const auto failure = session_->serveOn(
        QDBusConnection::connectToBus(QString::fromStdString(bus_->address()), name));
    QVERIFY2(!failure, failure ? failure->c_str() : "");
}

void WindowServiceTest::cleanup() {
    session_.reset();
    settings_.reset();
    bus_.reset();
}

void WindowServiceTest::windowCommandsActOnTheWindow() {
    MainWindow& window = session_->window();
    QVERIFY(!window.isMinimized());
    auto minimise = startSend({QStringLiteral("[appminimize]")});
    QTRY_VERIFY_WITH_TIMEOUT(window.isMinimized(), kPatience);
    QTRY_COMPARE_WITH_TIMEOUT(minimise->state(), QProcess::NotRunning, kPatience);
    QCOMPARE(minimise->exitCode(), 0);
    auto restore = startSend({QStringLiteral("[appnormal]")});
    QTRY_VERIFY_WITH_TIMEOUT(!window.isMinimized(), kPatience);
    QTRY_COMPARE_WITH_TIMEOUT(restore->state(), QProcess::NotRunning, kPatience);
    QCOMPARE(restore->exitCode(), 0);
}

// A build with message warnings on shows its box; the client's call returns
// only once the user has answered it, with the box in its report.
void WindowServiceTest::theReplyWaitsForTheMessageBox() {
    QString shown;
    bool clientWaited = false;
    QElapsedTimer boxOpen;
    QTimer answerer;
    std::unique_ptr<QProcess> client;
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (!boxOpen.isValid())
            boxOpen.start();
        // The box stays up a while, as for a user reading it.
        if (boxOpen.elapsed() < 500)
            return;
        shown = box->text();
        clientWaited = client->state() == QProcess::Running;
        answerer.stop();
        box->button(QMessageBox::Ok)->click();
    });
    answerer.start(20);
    client =
        startSend({QStringLiteral("[messagewarnings=on][code39][message='ABC',13][build/copy]")});
    QTRY_VERIFY_WITH_TIMEOUT(client->state() == QProcess::NotRunning, kPatience);
    QVERIFY(clientWaited);
    QVERIFY(shown.startsWith(QStringLiteral("Invalid Code 39 message!")));
    // The build ended without a symbol: --exec's status 2, the box reported.
    QCOMPARE(client->exitCode(), 2);
    QCOMPARE(QString::fromUtf8(client->readAllStandardError()),
             QStringLiteral("Vornik: ") + shown + QStringLiteral("\n"));
}

void WindowServiceTest::appExitClosesTheWindowWithoutAsking() {
    MainWindow& window = session_->window();
    auto client = startSend({QStringLiteral("[code128][message='UNSAVED'][appexit]")});
    QTRY_COMPARE_WITH_TIMEOUT(client->state(), QProcess::NotRunning, kPatience);
    QCOMPARE(client->exitCode(), 0);
    // A question about the unsaved changes would be a modal box left open.
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kPatience);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

// While the first client's box is open, the window's event loop delivers a
// second client's request: it waits its turn rather than running inside the
// first, and runs once the box is answered.
void WindowServiceTest::aSecondClientWaitsForTheFirstsBox() {
    std::unique_ptr<QProcess> first;
    std::unique_ptr<QProcess> second;
    bool bothWaited = false;
    QString messageWhileOpen;
    QElapsedTimer boxOpen;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (!second) {
            second = startSend({QStringLiteral("[message='SECOND']")});
            boxOpen.start();
            return;
        }
        if (boxOpen.elapsed() < 700)
            return;
        bothWaited = first->state() == QProcess::Running && second->state() == QProcess::Running;
        messageWhileOpen = QString::fromStdString(session_->app().job().Message);
        answerer.stop();
        box->button(QMessageBox::Ok)->click();
    });
    answerer.start(20);
    first =
        startSend({QStringLiteral("[messagewarnings=on][code39][message='ABC',13][build/copy]")});
    QTRY_VERIFY_WITH_TIMEOUT(first->state() == QProcess::NotRunning && second &&
                                 second->state() == QProcess::NotRunning,
                             20000);
    QVERIFY(bothWaited);
    QCOMPARE(messageWhileOpen, QStringLiteral("ABC\r"));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(session_->app().job().Message, std::string("SECOND"));
}

void WindowServiceTest::clipboardCommandsUseTheSystemClipboard() {
    auto copy = startSend({QStringLiteral("[message='TO CLIPBOARD'][copymessage]")});
    QTRY_COMPARE_WITH_TIMEOUT(copy->state(), QProcess::NotRunning, kPatience);
    QCOMPARE(copy->exitCode(), 0);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("TO CLIPBOARD"));
    QApplication::clipboard()->setText(QStringLiteral("FROM CLIPBOARD"));
    auto paste = startSend({QStringLiteral("[pastemessage]")});
    QTRY_COMPARE_WITH_TIMEOUT(paste->state(), QProcess::NotRunning, kPatience);
    QCOMPARE(paste->exitCode(), 0);
    QCOMPARE(session_->app().job().Message, std::string("FROM CLIPBOARD"));
}

// A second desktop program started with a file opens it in the first and
// leaves; the first shows the file's job.
void WindowServiceTest::aSecondInstanceHandsItsFileToTheFirst() {
    const QString file = settings_->path() + QStringLiteral("/handed.vkf");
    QProcess save;
    save.start(QStringLiteral(VORNIK_PROGRAM),
               {QStringLiteral("--exec"),
                QStringLiteral("[message='HANDED OVER'][saveconfig(%1)]").arg(file)});
    QVERIFY(save.waitForFinished(10000));
    QCOMPARE(save.exitCode(), 0);
    QProcess second;
    second.start(QStringLiteral(VORNIK_PROGRAM_DIRECTORY "/vornik-desktop"), {file});
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, kPatience);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(session_->app().job().Message, std::string("HANDED OVER"));
    QCOMPARE(QString::fromStdString(session_->app().state().ConfigPath), file);
}

// Open through org.freedesktop.Application as the desktop calls it: the
// window asks about its unsaved changes first, and the call returns once the
// file is open.
void WindowServiceTest::openAsksAboutUnsavedChangesFirst() {
    const QString file = settings_->path() + QStringLiteral("/opened.vkf");
    QProcess save;
    save.start(
        QStringLiteral(VORNIK_PROGRAM),
        {QStringLiteral("--exec"), QStringLiteral("[message='OPENED'][saveconfig(%1)]").arg(file)});
    QVERIFY(save.waitForFinished(10000));
    auto edit = startSend({QStringLiteral("[message='UNSAVED']")});
    QTRY_COMPARE_WITH_TIMEOUT(edit->state(), QProcess::NotRunning, kPatience);
    QVERIFY(session_->app().state().Dirty);

    QString question;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        question = box->text();
        answerer.stop();
        box->button(QMessageBox::No)->click();
    });
    answerer.start(20);
    QProcess open;
    open.start(QStringLiteral("gdbus"),
               {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
                QStringLiteral("org.vornik.Vornik"), QStringLiteral("--object-path"),
                QStringLiteral("/org/vornik/Vornik"), QStringLiteral("--method"),
                QStringLiteral("org.freedesktop.Application.Open"),
                QStringLiteral("['file://%1']").arg(file), QStringLiteral("{}")});
    QVERIFY2(open.waitForStarted(), "This test needs GLib's gdbus: install the Debian package "
                                    "libglib2.0-bin.");
    QTRY_COMPARE_WITH_TIMEOUT(open.state(), QProcess::NotRunning, kPatience);
    QCOMPARE(QString::fromUtf8(open.readAllStandardOutput()), QStringLiteral("()\n"));
    QCOMPARE(question, QStringLiteral("Save current configuration?"));
    QCOMPARE(session_->app().job().Message, std::string("OPENED"));
}

} // namespace vornik::gui

QTEST_MAIN(vornik::gui::WindowServiceTest)
#include "window_service_test.moc"

// `vornik` run on a display without command strings opens the desktop window,
// with the configuration file it was given; with --yes it stays headless.
// Each case runs in an X server of its own (xvfb-run), and the windows there
// are listed with xwininfo.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kProgram = QStringLiteral(VORNIK_PROGRAM_DIRECTORY "/vornik");

// Empty when the tools are there; otherwise what to install.
QString missingTools() {
    for (const auto& [tool, package] : {std::pair{"xvfb-run", "xvfb"}, {"xwininfo", "x11-utils"}}) {
        if (QProcess::execute(QStringLiteral("sh"),
                              {QStringLiteral("-c"), QStringLiteral("command -v %1").arg(tool)}) !=
            0)
            return QStringLiteral("%1 is missing: install the Debian package %2")
                .arg(tool, package);
    }
    return {};
}

// Starts `vornik ARGUMENTS` in a fresh X server, lists the windows there once
// one of them is captioned "Vornik" or the program has ended, and ends it. What xwininfo saw,
// then the program's error output.
QString windowsOf(const QString& arguments, const QString& folder) {
    const QString script =
        QStringLiteral(
            "cd %1 || exit 1; env -u QT_QPA_PLATFORM XDG_CONFIG_HOME=%1 %2 %3 2>err & program=$!; "
            "for i in $(seq 100); do xwininfo -root -tree | grep -q '\"Vornik' && "
            "break; kill -0 $program 2>/dev/null || break; sleep 0.1; done; "
            "xwininfo -root -tree; kill $program 2>/dev/null; wait; cat err")
            .arg(folder, kProgram, arguments);
    QProcess process;
    process.start(QStringLiteral("xvfb-run"),
                  {QStringLiteral("-a"), QStringLiteral("sh"), QStringLiteral("-c"), script});
    if (!process.waitForFinished(60000))
        return QStringLiteral("(xvfb-run did not finish)");
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

class DesktopStartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(missingTools(), QString()); }
    void opensTheWindow_data();
    void opensTheWindow();
    void staysHeadlessWithYes();
    void saysWhenTheDesktopProgramIsMissing();
    void saysWhenTheDisplayCannotBeReached();
};

void DesktopStartTest::opensTheWindow_data() {
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("caption");
    QTest::newRow("untitled") << QString() << "Vornik Professional (Untitled)";
    QTest::newRow("with a configuration") << "labels.vkf"
                                          << "labels.vkf)";
}

void DesktopStartTest::opensTheWindow() {
    QFETCH(QString, arguments);
    QFETCH(QString, caption);
    QTemporaryDir folder;
    if (!arguments.isEmpty()) {
        // The run keeps its settings in the folder, away from the user's.
        QProcess save;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
        save.setProcessEnvironment(environment);
        save.start(kProgram, {QStringLiteral("--exec"),
                              QStringLiteral("[code128][message='ABC'][saveconfig(%1/%2)]")
                                  .arg(folder.path(), arguments)});
        QVERIFY(save.waitForFinished(30000));
        QCOMPARE(save.exitCode(), 0);
    }
    const QString windows = windowsOf(arguments, folder.path());
    QVERIFY2(windows.contains(caption), qPrintable(windows));
    // The class the desktop file's StartupWMClass names.
    QVERIFY2(windows.contains(QStringLiteral("(\"vornik-desktop\" \"Vornik\")")),
             qPrintable(windows));
}

void DesktopStartTest::staysHeadlessWithYes() {
    QTemporaryDir folder;
    const QString windows = windowsOf(QStringLiteral("--yes"), folder.path());
    QVERIFY2(!windows.contains(QStringLiteral("\"Vornik")), qPrintable(windows));
    QVERIFY2(windows.contains(QStringLiteral("nothing to run")), qPrintable(windows));
}

// A vornik copied away from its desktop program says why no window opens.
void DesktopStartTest::saysWhenTheDesktopProgramIsMissing() {
    QTemporaryDir folder;
    const QString alone = folder.filePath(QStringLiteral("vornik"));
    QVERIFY(QFile::copy(kProgram, alone));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":97"));
    process.setProcessEnvironment(environment);
    process.start(alone, {});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 2);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()),
             QStringLiteral("vornik: the desktop program %1/vornik-desktop could not be started "
                            "(No such file or directory)\n")
                 .arg(folder.path()));
}

// DISPLAY naming an X server that is gone (or one over ssh without
// forwarding): a sentence and a failed run, not Qt's abort.
void DesktopStartTest::saysWhenTheDisplayCannotBeReached() {
    int number = 97;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
        ++number;
    const QString display = QStringLiteral(":%1").arg(number);
    QTemporaryDir folder;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    process.setProcessEnvironment(environment);
    process.start(kProgram, {});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(errors.endsWith(QStringLiteral("vornik: the window cannot open on DISPLAY=%1; run "
                                            "headless with --exec COMMANDS (see 'vornik --help')\n")
                                 .arg(display)),
             qPrintable(errors));
}

QTEST_GUILESS_MAIN(DesktopStartTest)
#include "desktop_start_test.moc"

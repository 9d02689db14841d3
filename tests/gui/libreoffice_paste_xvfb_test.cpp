// LibreOffice Draw pastes what a build puts on the system clipboard: the
// program builds in its real window on an X server, LibreOffice (started on
// the same server) reads the clipboard and inserts what it finds, and the
// picture on its page is a vector picture at the symbol's true size.

#include "gui_session.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using vornik::gui::testing::GuiSession;

namespace {

const QString kPasteScript =
    QStringLiteral(VORNIK_TEST_SOURCE_DIRECTORY "/gui/scripts/paste_into_draw.py");

// Empty when LibreOffice can open a window on the X server and be driven from
// Python; otherwise what is missing and how to get it.
QString missingLibreOffice() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QStringLiteral(
            "this test needs an X server: run it under xvfb-run (Debian package xvfb)");
    const auto fails = [](const QString& command) {
        return QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command}) != 0;
    };
    if (fails(QStringLiteral("soffice --version | grep -q LibreOffice")))
        return QStringLiteral("soffice is missing: install the Debian package libreoffice-draw");
    if (fails(QStringLiteral(
            "ls /usr/lib/libreoffice/program/libvclplug_gen*lo.so "
            "/usr/lib/libreoffice/program/libvclplug_gtk3lo.so 2>/dev/null | grep -q .")))
        return QStringLiteral("LibreOffice has no X11 front end (only the -nogui packages are "
                              "installed): install the Debian package libreoffice-draw");
    if (fails(QStringLiteral("/usr/bin/python3 -c 'import uno'")))
        return QStringLiteral(
            "Python cannot drive LibreOffice: install the Debian package python3-uno");
    return {};
}

// Runs PROGRAM with ARGUMENTS while this program's event loop keeps serving
// the clipboard; its standard output, or a sentence when it did not finish.
QString outputWhileServing(QProcess& process, const QString& program,
                           const QStringList& arguments) {
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    for (int waited = 0; process.state() != QProcess::NotRunning && waited < 120000; waited += 50)
        QTest::qWait(50);
    if (process.state() != QProcess::NotRunning)
        return QStringLiteral("(%1 did not finish within two minutes)").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int numberAfter(const QString& output, const QString& label) {
    const auto match = QRegularExpression(label + QStringLiteral(": (-?\\d+)")).match(output);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class LibreOfficePasteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pastesAVectorPictureAtTrueSize_data();
    void pastesAVectorPictureAtTrueSize();
    void cleanupTestCase();

private:
    QTemporaryDir profile_;
    QProcess office_;
    QString pipe_ = QStringLiteral("vornik_paste_test_%1").arg(QCoreApplication::applicationPid());
};

void LibreOfficePasteTest::initTestCase() {
    QCOMPARE(missingLibreOffice(), QString());
    office_.start(QStringLiteral("soffice"),
                  {QStringLiteral("-env:UserInstallation=file://") + profile_.path(),
                   QStringLiteral("--invisible"), QStringLiteral("--norestore"),
                   QStringLiteral("--nologo"), QStringLiteral("--nodefault"),
                   QStringLiteral("--accept=pipe,name=%1;urp;").arg(pipe_)});
    QVERIFY(office_.waitForStarted());
}

void LibreOfficePasteTest::pastesAVectorPictureAtTrueSize_data() {
    QTest::addColumn<QString>("commands");
    QTest::newRow("Data Matrix") << "[datamatrix][message='Hello Matrix']";
    QTest::newRow("Code 128") << "[code128][message='Code 128']";
}

void LibreOfficePasteTest::pastesAVectorPictureAtTrueSize() {
    QFETCH(QString, commands);
    GuiSession session;
    QVERIFY(session.windowActive());
    QVERIFY(session.run(commands.toStdString()));
    QTest::keyClick(&session->window(), Qt::Key_F2);
    QVERIFY(session->app().state().SymbolBuilt);
    const auto& picture = session->app().state().CurrentPicture;

    QProcess paste;
    const QString output =
        outputWhileServing(paste, QStringLiteral("/usr/bin/python3"), {kPasteScript, pipe_});
    QVERIFY2(paste.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("shape: com.sun.star.drawing.GraphicObjectShape")),
             qPrintable(output));
    QVERIFY2(qAbs(numberAfter(output, QStringLiteral("width")) - picture.xExtent) <= 10,
             qPrintable(output));
    QVERIFY2(qAbs(numberAfter(output, QStringLiteral("height")) - picture.yExtent) <= 10,
             qPrintable(output));
    QVERIFY2(numberAfter(output, QStringLiteral("graphic")) == 2, qPrintable(output));
}

void LibreOfficePasteTest::cleanupTestCase() {
    office_.terminate();
    if (!office_.waitForFinished(10000))
        office_.kill();
}

QTEST_MAIN(LibreOfficePasteTest)
#include "libreoffice_paste_xvfb_test.moc"

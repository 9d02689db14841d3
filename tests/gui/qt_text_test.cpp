// The window's edge between the core's Windows-1252 texts and Qt's Unicode,
// and the file dialog's filters.

#include "gui/qt_text.h"

#include <QTest>

using namespace vornik::gui;

class QtTextTest : public QObject {
    Q_OBJECT

private slots:
    void programTextsRoundTrip_data();
    void programTextsRoundTrip();
    void filtersAsQtWritesThem();
    void filterExtensionForBareNames_data();
    void filterExtensionForBareNames();
};

void QtTextTest::programTextsRoundTrip_data() {
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("back");
    QTest::newRow("CR LF becomes one line break")
        << QByteArray("one\r\ntwo") << QStringLiteral("one\ntwo") << QByteArray("one\ntwo");
    QTest::newRow("lone CR too") << QByteArray("a\rb") << QStringLiteral("a\nb")
                                 << QByteArray("a\nb");
    QTest::newRow("euro and curly quotes")
        << QByteArray("\x80 \x93x\x94") << QStringLiteral("\u20AC \u201Cx\u201D")
        << QByteArray("\x80 \x93x\x94");
    QTest::newRow("Latin-1 letters")
        << QByteArray("\xC4\xE9") << QStringLiteral("\u00C4\u00E9") << QByteArray("\xC4\xE9");
}

void QtTextTest::programTextsRoundTrip() {
    QFETCH(QByteArray, program);
    QFETCH(QString, shown);
    QFETCH(QByteArray, back);
    QCOMPARE(fromProgramText(program.toStdString()), shown);
    QCOMPARE(QByteArray::fromStdString(toProgramText(shown)), back);
}

void QtTextTest::filtersAsQtWritesThem() {
    QCOMPARE(qtFileFilter("Configuration Files (*.vkf)|*.vkf|All Files (*.*)|*.*"),
             QStringLiteral("Configuration Files (*.vkf);;All Files (*.*)"));
    QCOMPARE(qtFileFilter("Images|*.png;*.gif"), QStringLiteral("Images (*.png *.gif)"));
    // Characters Windows-1252 lacks become "?", one for each character.
    QCOMPARE(QByteArray::fromStdString(toProgramText(QStringLiteral("\u4E2D\U0001F600"))),
             QByteArray("??"));
}

void QtTextTest::filterExtensionForBareNames_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("saved");
    QTest::newRow("bare name takes the filter's") << "/t/label"
                                                  << "PNG Files (*.png)"
                                                  << "/t/label.png";
    QTest::newRow("upper-case pattern") << "/t/label"
                                        << "TIFF (*.TIF)"
                                        << "/t/label.tif";
    QTest::newRow("typed extension wins") << "/t/label.gif"
                                          << "PNG Files (*.png)"
                                          << "/t/label.gif";
    QTest::newRow("every file") << "/t/label"
                                << "All Files (*.*)"
                                << "/t/label";
    QTest::newRow("several patterns") << "/t/label"
                                      << "Images (*.png *.gif)"
                                      << "/t/label";
    QTest::newRow("cancelled") << ""
                               << "PNG Files (*.png)"
                               << "";
}

void QtTextTest::filterExtensionForBareNames() {
    QFETCH(QString, chosen);
    QFETCH(QString, filter);
    QFETCH(QString, saved);
    QCOMPARE(withFilterExtension(chosen, filter), saved);
}

QTEST_GUILESS_MAIN(QtTextTest)
#include "qt_text_test.moc"

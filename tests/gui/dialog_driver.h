#pragma once

// Driving a modal option dialog from a test: acting on it once it shows,
// finding its controls by the program's control names, and what it must
// leave alone (the job, the run state) or make (a symbol ZXing reads).

#include "core/app/application.h"
#include "core/files/configuration.h"
#include "gui/clipboard_picture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <ZXing/ReadBarcode.h>
#include <functional>
#include <memory>
#include <string>

namespace vornik::gui::testing {

// Once a modal dialog named NAME shows and is the active window, ACT is
// given it. A dialog ACT left open is cancelled afterwards, so that a failed
// check cannot leave the test waiting. True in *SEEN once ACT ran; the watch
// ends after ten seconds without the dialog.
inline std::shared_ptr<bool> whenDialogShows(const QString& name,
                                             std::function<void(QDialog&)> act) {
    auto seen = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, act, seen, polls] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != name) {
            if (++*polls == 1000)
                timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        *seen = true;
        // Focus and access keys act in the active window only; a dialog
        // counts as active for Qt already while its parent window is.
        (void)QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; });
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start(10);
    return seen;
}

// The control named NAME of a dialog; of a control array, the one of INDEX.
template <typename Control>
Control* control(const QDialog& dialog, const char* name, int index = -1) {
    for (Control* found : dialog.findChildren<Control*>(QString::fromLatin1(name))) {
        if (index < 0 || found->property("index").toInt() == index)
            return found;
    }
    return nullptr;
}

// Clicks the button named NAME; false when the dialog has none.
inline bool click(const QDialog& dialog, const char* name) {
    auto* button = control<QAbstractButton>(dialog, name);
    if (button == nullptr)
        return false;
    button->click();
    return true;
}

// Everything the job would save, byte for byte.
inline std::string savedJob(const Application& app) {
    return files::writeConfigurationBytes(files::currentConfiguration(app));
}

// Opens the dialog named NAME with OPEN, lets EDIT change its controls, then
// leaves it with the button named CANCEL or with Escape in the focused
// control. Empty when the dialog showed, OPEN did not report OK, and APP's
// job, its saved bytes and its changed mark are as they were; otherwise
// what went wrong.
inline QString leaveWithoutChange(Application& app, const QString& name, const char* cancel,
                                  bool escape, const std::function<void(QDialog&)>& edit,
                                  const std::function<bool()>& open) {
    app.state().Dirty = false;
    const Job before = app.job();
    const std::string saved = savedJob(app);
    const auto opened = whenDialogShows(name, [&](QDialog& dialog) {
        edit(dialog);
        if (!escape)
            click(dialog, cancel);
        else if (QWidget* focused = QApplication::focusWidget())
            QTest::keyClick(focused, Qt::Key_Escape);
    });
    if (open())
        return QStringLiteral("OK was reported");
    if (!*opened)
        return QStringLiteral("the dialog did not show");
    if (!(app.job() == before) || savedJob(app) != saved)
        return QStringLiteral("the job changed");
    return app.state().Dirty ? QStringLiteral("the job was marked changed") : QString();
}

// What ZXing reads in IMAGE, with a white margin put around it.
inline ZXing::Result readSymbol(const QImage& image, ZXing::BarcodeFormat format) {
    QImage page(image.width() + 80, image.height() + 80, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        std::copy_n(grey.constScanLine(y), grey.width(), page.scanLine(y + 40) + 40);
    const ZXing::ImageView view(page.constBits(), page.width(), page.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(page.bytesPerLine()));
    return ZXing::ReadBarcode(view, ZXing::DecodeHints().setFormats(format).setTryHarder(true));
}

// What ZXing reads in the PNG form of the clipboard's symbol.
inline ZXing::Result clipboardSymbol(ZXing::BarcodeFormat format) {
    QImage png;
    if (const QMimeData* data = QApplication::clipboard()->mimeData())
        png.loadFromData(data->data(kPngForm), "PNG");
    return readSymbol(png, format);
}

// The text ZXing reads there; "(nothing read)" when it reads nothing.
inline std::string clipboardSymbolText(ZXing::BarcodeFormat format) {
    const ZXing::Result result = clipboardSymbol(format);
    return result.isValid() ? result.text() : "(nothing read)";
}

} // namespace vornik::gui::testing

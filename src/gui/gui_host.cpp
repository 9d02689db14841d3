#include "gui/gui_host.h"

#include "core/app/program_texts.h"
#include "export/printing/page_pdf.h"
#include "gui/clipboard_picture.h"
#include "gui/printer_setup_dialog.h"
#include "gui/qt_text.h"
#include "gui/user_guide.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QWidget>

namespace vornik::gui {
namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Retry:
        return MessageAnswer::Retry;
    default:
        // Escape or the close box: the box's way of backing out.
        return MessageAnswer::Cancel;
    }
}

} // namespace

namespace {

constexpr const char* kNoPrinter =
    "There is no printer to print on: the print service (CUPS) has no default printer. Choose "
    "one with File > Printer Setup.";

} // namespace

GuiHost::GuiHost(cli::SettingsFile settings)
    : settings_(std::move(settings)), printer_(printing::writePrinterPagePdf, kNoPrinter) {}

MessageAnswer GuiHost::showMessage(const MessageBox& box) {
    if (messageShown)
        messageShown(box);
    QMessageBox dialog(iconOf(box.icon), fromProgramText(box.title), fromProgramText(box.text),
                       buttonsOf(box.buttons), parent_);
    return answerOf(dialog.exec());
}

// The advice's second button shows the guide's pages on pasting; the advice
// stays up until it is closed.
PasteAdviceAnswer GuiHost::showPasteAdvice(std::string_view text) {
    QMessageBox dialog(QMessageBox::Information, QStringLiteral("Vornik"), fromProgramText(text),
                       QMessageBox::Ok, parent_);
    QPushButton* help = dialog.addButton(QMessageBox::Help);
    auto* dontShow = new QCheckBox(QObject::tr("&Do not show this advice again"));
    dialog.setCheckBox(dontShow);
    for (;;) {
        const int button = dialog.exec();
        if (dialog.clickedButton() != help)
            return {.closedWithOk = button == QMessageBox::Ok,
                    .dontShowAgainChecked = dontShow->isChecked()};
        openUserGuide(parent_, programDirectory_, QStringLiteral("getting-started.html"));
    }
}

std::optional<std::string> GuiHost::inputBox(const InputBox& box) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent_, fromProgramText(box.title), fromProgramText(box.prompt),
                              QLineEdit::Normal, fromProgramText(box.defaultAnswer), &accepted);
    if (!accepted)
        return std::nullopt;
    return toProgramText(text);
}

void GuiHost::beep() {
    QApplication::beep();
}

void GuiHost::setBusyPointer(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

namespace {

// A dialog starts with the name it was given; a bare name starts in the
// folder the last dialog ended in.
QString startingName(const std::string& initialName, const QString& lastFolder) {
    const QString name = fromProgramText(initialName);
    if (lastFolder.isEmpty() || QFileInfo(name).isAbsolute())
        return name;
    return QDir(lastFolder).filePath(name);
}

} // namespace

std::optional<std::string> GuiHost::chooseFile(const FileDialogRequest& request) {
    const QString title = fromProgramText(request.title);
    const QString filter = qtFileFilter(request.filter);
    const QString start = startingName(request.initialName, memory_.lastFolder());
    QString selectedFilter;
    const QString chosen =
        request.forSaving
            ? withFilterExtension(QFileDialog::getSaveFileName(parent_, title, start, filter,
                                                               &selectedFilter,
                                                               QFileDialog::DontConfirmOverwrite),
                                  selectedFilter)
            : QFileDialog::getOpenFileName(parent_, title, start, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    memory_.setLastFolder(QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

void GuiHost::publishPicture(const render::CurrentPicture& picture,
                             std::span<const std::uint8_t> placeableWmf) {
    QApplication::clipboard()->setMimeData(clipboardPicture(picture, placeableWmf));
    if (pictureShown)
        pictureShown(picture);
}

void GuiHost::emptyClipboard() {
    QApplication::clipboard()->clear();
}

std::optional<std::string> GuiHost::clipboardText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText())
        return std::nullopt;
    return toProgramText(data->text());
}

void GuiHost::setClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(fromProgramText(text));
}

void GuiHost::setWindowState(WindowState state) {
    if (parent_ == nullptr)
        return;
    switch (state) {
    case WindowState::Normal:
        parent_->showNormal();
        return;
    case WindowState::Minimized:
        parent_->showMinimized();
        return;
    }
}

void GuiHost::viewChanged() {
    if (viewRefreshed)
        viewRefreshed();
}

std::optional<std::string> GuiHost::readSetting(std::string_view key) {
    return settings_.read(key);
}

void GuiHost::writeSetting(std::string_view key, std::string_view value) {
    if (!settings_.write(key, value))
        QMessageBox::warning(parent_, QStringLiteral("Vornik"),
                             QObject::tr("The setting could not be saved: %1")
                                 .arg(QString::fromStdString(settings_.lastError())));
}

std::optional<PrinterResolution> GuiHost::defaultPrinterResolution() {
    return printer_.resolution();
}

std::optional<std::string> GuiHost::printPage(const PrinterPage& page) {
    setBusyPointer(true);
    auto failure = printer_.print(page);
    setBusyPointer(false);
    return failure;
}

// The chosen printer becomes the one printed on; its resolution is the one
// the print service gives, which speaks of unequal resolutions (300 x 600)
// where Qt's printer information has one number.
std::optional<PrinterResolution> GuiHost::choosePrinter() {
    const auto name = choosePrinterName(parent_, printer_.name());
    if (!name)
        return std::nullopt;
    printer_.choose(*name);
    if (auto resolution = printer_.resolution())
        return resolution;
    showMessage({.title = std::string(kProgramTitle),
                 .text = "The printer " + *name +
                         " does not say its resolution; the target "
                         "printer is left as it was.",
                 .icon = MessageIcon::Exclamation});
    return std::nullopt;
}

} // namespace vornik::gui

#include "gui/window_actions.h"

#include "core/app/application.h"
#include "core/app/message_editing.h"
#include "core/app/preference_commands.h"
#include "core/app/target_printer.h"
#include "export/qt_colour.h"
#include "gui/about_box.h"
#include "gui/aztec_options_dialog.h"
#include "gui/dm_options_dialog.h"
#include "gui/increment_dialog.h"
#include "gui/main_window.h"
#include "gui/message_box_edit.h"
#include "gui/pdf_options_dialog.h"
#include "gui/print_margins_dialog.h"
#include "gui/print_preview.h"
#include "gui/printer_offset_dialog.h"
#include "gui/qt_text.h"
#include "gui/raster_properties_dialog.h"
#include "gui/target_printer_dialog.h"
#include "gui/text_editor_window.h"
#include "gui/user_guide.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace vornik::gui {
namespace {

ColorRef toColorRef(const QColor& color) {
    return static_cast<ColorRef>(color.red()) | static_cast<ColorRef>(color.green()) << 8 |
           static_cast<ColorRef>(color.blue()) << 16;
}

QFont qtFont(const FontChoice& choice) {
    QFont font(QString::fromStdString(choice.name));
    font.setPointSize(std::max(1, choice.size));
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeout);
    return font;
}

} // namespace

WindowActions::WindowActions(Application& app, MainWindow& window)
    : QObject(&window), app_(app), window_(window) {}

void WindowActions::carryOut(FrontEndAction action) {
    switch (action) {
    case FrontEndAction::TargetPrinterDialog:
        (void)showTargetPrinterDialog(&window_, app_);
        return;
    case FrontEndAction::PrinterSetupDialog:
        if (const auto chosen = app_.host().choosePrinter())
            applyPrinterSetup(app_, *chosen);
        return;
    case FrontEndAction::PrintDialog:
        (void)showPrintMarginsDialog(&window_, app_);
        return;
    case FrontEndAction::PrintPreview:
        showPrintPreview(&window_, app_);
        return;
    case FrontEndAction::PrinterOffsetDialog:
        (void)showPrinterOffsetDialog(&window_, app_);
        return;
    case FrontEndAction::RasterPropertiesDialog:
        (void)showRasterPropertiesDialog(&window_, app_);
        return;
    case FrontEndAction::IncrementalNumbering:
        (void)showIncrementDialog(&window_, app_);
        return;
    case FrontEndAction::AztecOptionsDialog:
        (void)showAztecOptionsDialog(&window_, app_);
        return;
    case FrontEndAction::Pdf417OptionsDialog:
        (void)showPdfOptionsDialog(&window_, app_);
        return;
    case FrontEndAction::DataMatrixOptionsDialog:
        (void)showDmOptionsDialog(&window_, app_);
        return;
    case FrontEndAction::Exit:
        window_.close();
        return;
    case FrontEndAction::Paste:
        paste();
        return;
    case FrontEndAction::FontDialog:
        chooseFont();
        return;
    case FrontEndAction::ForeColorDialog:
        chooseForeColor();
        return;
    case FrontEndAction::BackColorDialog:
        chooseBackColor();
        return;
    case FrontEndAction::HelpIndex:
    case FrontEndAction::WebPage:
        openUserGuide(&window_, app_.state().ProgramDirectory);
        return;
    case FrontEndAction::AboutBox:
        showAboutBox(&window_);
        return;
    case FrontEndAction::TextEditor:
        openTextEditor();
        return;
    }
}

// The font dialog starts from the job's font and its colour; OK stores the
// choice (the core refuses what it cannot hold and says why), Cancel changes
// nothing. Qt's font dialog has no colour, so ours gets a button for it.
void WindowActions::chooseFont() {
    const FontChoice current = currentFontChoice(app_.job());
    QFontDialog dialog(qtFont(current), &window_);
    dialog.setObjectName(QStringLiteral("FontDialog"));
    dialog.setWindowTitle(tr("Font"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QColor colour = exporting::toQColor(current.color);
    auto* colourButton = new QPushButton(tr("Font &Color..."), &dialog);
    colourButton->setObjectName(QStringLiteral("FontColor"));
    dialog.layout()->addWidget(colourButton);
    connect(colourButton, &QPushButton::clicked, &dialog, [&dialog, &colour] {
        const QColor chosen = QColorDialog::getColor(colour, &dialog, tr("Font Color"));
        if (chosen.isValid())
            colour = chosen;
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QFont font = dialog.selectedFont();
    FontChoice choice = current;
    choice.name = font.family().toStdString();
    choice.size = font.pointSize() > 0 ? font.pointSize() : current.size;
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeout = font.strikeOut();
    choice.color = toColorRef(colour);
    if (const auto refusal = applyFontChoice(app_, choice))
        QMessageBox::warning(&window_, QStringLiteral("Vornik"), fromProgramText(*refusal));
}

void WindowActions::chooseForeColor() {
    const QColor color = QColorDialog::getColor(exporting::toQColor(app_.job().ForeColor), &window_,
                                                tr("Foreground Color"));
    if (color.isValid())
        applyForeColor(app_, toColorRef(color));
}

void WindowActions::chooseBackColor() {
    const QColor color = QColorDialog::getColor(exporting::toQColor(app_.job().BackColor), &window_,
                                                tr("Background Color"));
    if (color.isValid())
        applyBackColor(app_, toColorRef(color));
}

void WindowActions::paste() {
    const PasteFocus focus =
        window_.commentBox()->hasFocus() ? PasteFocus::CommentBox : PasteFocus::MessageBox;
    const MessageBoxContent content = editPaste(app_, focus, window_.messageBox()->selection());
    window_.messageBox()->show(content);
}

void WindowActions::openTextEditor() {
    runTextEditor(&window_, app_, window_.messageBox()->selection());
    window_.messageBox()->showJobMessage();
    window_.messageBox()->setFocus();
}

} // namespace vornik::gui

#include "core/app/text_editor.h"

#include "core/app/application.h"
#include "core/app/display_set.h"
#include "core/app/error_reporter.h"
#include "core/app/program_texts.h"
#include "core/files/file_io.h"
#include "core/files/message_file.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace vornik {

namespace {

constexpr std::string_view kCaption = "Vornik Text Editor";
constexpr std::string_view kErrorTitle = "Vornik Text Editor Error";
constexpr std::string_view kAllFiles = "All Files (*.*)|*.*";
constexpr std::string_view kOpenTitle = "Read Bar Code Message From File";
constexpr std::string_view kSaveTitle = "Save Text To File";
constexpr std::string_view kOverwriteQuestion = "Overwrite existing file?";
constexpr std::string_view kUpdateQuestion = "Update Bar Code Message in Vornik?";
constexpr std::string_view kBreak = "\r\n";

std::string controlCharacterWarning() {
    return std::string(kBreak) + std::string(kBreak) +
           "Warning! The Vornik Text Editor Cannot Edit Messages That Contain ASCII Control "
           "Characters other than carriage returns, linefeeds and tabs!" +
           std::string(kBreak) + std::string(kBreak) +
           "Please use the Bar Code Message text edit field in Vornik's main window to edit this "
           "message.";
}

std::string controlCodeFileWarning(const std::string& path) {
    return std::string(kBreak) + std::string(kBreak) + "Warning! The file: " + path +
           " contains ASCII control codes. The Vornik Text Editor Cannot Edit Messages That "
           "Contain Control Codes Other Than Carriage Returns, Linefeeds and Tabs." +
           std::string(kBreak) + std::string(kBreak) +
           "You can only input or edit this file by reading it into the Bar Code Message text "
           "edit field in Vornik's main window. (select 'Read Message From File...' from the "
           "'File' menu in Vornik's main window.)";
}

void warn(Host& host, std::string text) {
    host.beep();
    host.showMessage({.title = std::string(kErrorTitle),
                      .text = std::move(text),
                      .icon = MessageIcon::Exclamation,
                      .buttons = MessageButtons::Ok});
}

// A Yes/No question whose default is No; false unless answered No.
bool answeredNo(Host& host, std::string_view question) {
    return host.showMessage({.title = std::string(kProgramTitle),
                             .text = std::string(question),
                             .icon = MessageIcon::Question,
                             .buttons = MessageButtons::YesNo,
                             .secondButtonDefault = true}) == MessageAnswer::No;
}

bool nameExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

} // namespace

bool editorCanShow(std::string_view codes) {
    return std::none_of(codes.begin(), codes.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code < 0x20 && code != '\t' && code != '\n' && code != '\r';
    });
}

TextEditor::TextEditor(Application& app) : app_(app), caption_(kCaption) {}

bool TextEditor::open(BoxSelection messageBoxSelection) {
    const std::string& message = app_.job().Message;
    if (!editorCanShow(message)) {
        warn(app_.host(), controlCharacterWarning());
        return false;
    }
    load(DisplayForm(message));
    initialSelection_ = toScreen(messageBoxSelection);
    dirty_ = false;
    return true;
}

std::string_view TextEditor::fontName() const {
    return displayFontName(app_.job().AnsiDisplay);
}

std::string TextEditor::screenText() const {
    return editorScreenText(text_, lineBreak_, app_.job().AnsiDisplay);
}

bool TextEditor::textEdited(std::string_view screenUtf8) {
    replaceText(editorCodes(screenUtf8, lineBreak_, app_.job().AnsiDisplay));
    return screenText() != screenUtf8;
}

char32_t TextEditor::keyCharacter(char32_t typed) const {
    const bool ansi = app_.job().AnsiDisplay;
    const auto code = typedCode(typed, ansi);
    return code ? shownCharacter(*code, ansi) : typed;
}

EditMenuState TextEditor::editMenu(BoxSelection selection) {
    const bool selected = codeRange(selection).length > 0;
    return {.cut = selected, .copy = selected, .paste = app_.host().clipboardText().has_value()};
}

BoxSelection TextEditor::cut(BoxSelection selection) {
    const BoxSelection range = codeRange(selection);
    if (range.length == 0)
        return toScreen(range);
    copy(selection);
    std::string edited = text_;
    edited.erase(range.start, range.length);
    replaceText(std::move(edited));
    return toScreen({range.start, 0});
}

void TextEditor::copy(BoxSelection selection) {
    const BoxSelection range = codeRange(selection);
    if (range.length == 0)
        return;
    app_.host().emptyClipboard();
    app_.host().setClipboardText(text_.substr(range.start, range.length));
}

BoxSelection TextEditor::paste(BoxSelection selection) {
    const BoxSelection range = codeRange(selection);
    const auto clipboard = app_.host().clipboardText();
    if (!clipboard)
        return toScreen(range);
    std::string edited = text_;
    edited.replace(range.start, range.length, *clipboard);
    replaceText(std::move(edited));
    return toScreen({range.start + clipboard->size(), 0});
}

void TextEditor::fileNew() {
    replaceText({});
    lineBreak_ = LineBreak::CrLf;
    caption_ = kCaption;
}

void TextEditor::fileOpen() {
    const auto path = app_.host().chooseFile({.title = std::string(kOpenTitle),
                                              .filter = std::string(kAllFiles),
                                              .initialName = app_.state().ReadMessagePath,
                                              .forSaving = false});
    if (!path)
        return;
    app_.state().ReadMessagePath = *path;
    files::FileBytes file = files::readWholeFile(*path, files::kMaxMessageFileBytes);
    if (file.tooLarge) {
        app_.ReportMessageError(kErrorMessageTooLarge);
        return;
    }
    if (!file.error.empty()) {
        showFailure(*path, file.error);
        return;
    }
    if (!editorCanShow(file.bytes)) {
        warn(app_.host(), controlCodeFileWarning(*path));
        return;
    }
    const bool changed = file.bytes != text_;
    load(std::move(file.bytes));
    dirty_ = dirty_ || changed;
    caption_ = std::string(kCaption) + ": " + *path;
}

void TextEditor::fileSaveAs() {
    const auto path = app_.host().chooseFile({.title = std::string(kSaveTitle),
                                              .filter = std::string(kAllFiles),
                                              .initialName = app_.state().ReadMessagePath,
                                              .forSaving = true});
    if (!path)
        return;
    app_.state().ReadMessagePath = *path;
    if (nameExists(*path) && answeredNo(app_.host(), kOverwriteQuestion))
        return;
    if (const auto failure = files::replaceFile(*path, text_ + std::string(kBreak)))
        showFailure(*path, *failure);
}

void TextEditor::returnToVornik() {
    setMessage();
}

void TextEditor::closeBox() {
    if (text_.size() == app_.job().Message.size() && !dirty_)
        return;
    app_.host().beep();
    if (!answeredNo(app_.host(), kUpdateQuestion))
        setMessage();
}

void TextEditor::load(std::string codes) {
    lineBreak_ = lineBreakOf(codes);
    text_ = std::move(codes);
}

void TextEditor::replaceText(std::string codes) {
    if (codes == text_)
        return;
    text_ = std::move(codes);
    dirty_ = true;
}

BoxSelection TextEditor::codeRange(BoxSelection selection) const {
    const std::size_t start = codePosition(text_, lineBreak_, selection.start);
    const std::size_t end = codePosition(text_, lineBreak_, selection.start + selection.length);
    return {start, end - start};
}

BoxSelection TextEditor::toScreen(BoxSelection codes) const {
    const std::size_t start = screenPosition(text_, lineBreak_, codes.start);
    const std::size_t end = screenPosition(text_, lineBreak_, codes.start + codes.length);
    return {start, end - start};
}

void TextEditor::showFailure(const std::string& path, std::string_view reason) {
    app_.host().showMessage({.title = std::string(kErrorTitle),
                             .text = files::fileFailureText(path, reason),
                             .icon = MessageIcon::Exclamation,
                             .buttons = MessageButtons::Ok});
    app_.countFailedFileOperation();
}

void TextEditor::setMessage() {
    if (app_.job().Message != text_) {
        app_.job().Message = text_;
        app_.state().Dirty = true;
    }
    app_.host().viewChanged();
}

} // namespace vornik

#include "core/app/message_editing.h"

#include "core/app/application.h"
#include "core/app/display_set.h"

#include <algorithm>
#include <utility>

namespace vornik {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The selection within a message of SIZE codes: a box may report positions
// past the end of a message changed since it last showed it.
BoxSelection clipped(BoxSelection selection, std::size_t size) {
    const std::size_t start = std::min(selection.start, size);
    return {start, std::min(selection.length, size - start)};
}

template <typename T> void assign(Application& app, T& field, T value) {
    if (field != value) {
        field = std::move(value);
        app.state().Dirty = true;
    }
}

MessageBoxContent unchanged(const Application& app, BoxSelection selection) {
    return messageBoxContent(app.job(), selection);
}

// Replaces the codes in RANGE by INSERTED; the cursor ends after them.
MessageBoxContent replaceRange(Application& app, BoxSelection range, std::string_view inserted) {
    std::string edited = app.job().Message;
    edited.replace(range.start, range.length, inserted);
    assign(app, app.job().Message, std::move(edited));
    return messageBoxContent(app.job(), {range.start + inserted.size(), 0});
}

MessageBoxContent replaceSelection(Application& app, BoxSelection selection,
                                   std::string_view inserted) {
    return replaceRange(app, clipped(selection, app.job().Message.size()), inserted);
}

MessageBoxContent backspace(Application& app, BoxSelection selection) {
    const BoxSelection s = clipped(selection, app.job().Message.size());
    if (s.length > 0)
        return replaceRange(app, s, {});
    if (s.start == 0)
        return unchanged(app, s);
    return replaceRange(app, {s.start - 1, 1}, {});
}

MessageBoxContent deleteForward(Application& app, BoxSelection selection) {
    const std::size_t size = app.job().Message.size();
    const BoxSelection s = clipped(selection, size);
    if (s.length > 0)
        return replaceRange(app, s, {});
    if (s.start == size)
        return unchanged(app, s);
    return replaceRange(app, {s.start, 1}, {});
}

MessageBoxContent pasteClipboard(Application& app, BoxSelection selection) {
    const auto text = app.host().clipboardText();
    if (!text || text->empty())
        return unchanged(app, selection);
    return replaceSelection(app, selection, *text);
}

// Nothing selected leaves the clipboard as it was, as the box's own copy does.
MessageBoxContent copySelection(Application& app, BoxSelection selection) {
    const BoxSelection s = clipped(selection, app.job().Message.size());
    if (s.length > 0)
        app.host().setClipboardText(app.job().Message.substr(s.start, s.length));
    return unchanged(app, s);
}

} // namespace

MessageBoxContent messageBoxContent(const Job& job, BoxSelection selection) {
    std::string shown = DisplayForm(job.Message);
    std::string screen = screenText(shown, job.AnsiDisplay);
    return {std::move(shown), std::move(screen), clipped(selection, job.Message.size())};
}

MessageBoxContent typeInMessageBox(Application& app, BoxSelection selection, char32_t typed) {
    const auto code = typedCode(typed, app.job().AnsiDisplay);
    if (!code)
        return unchanged(app, selection);
    return replaceSelection(app, selection, std::string(1, static_cast<char>(*code)));
}

MessageBoxContent pressInMessageBox(Application& app, BoxSelection selection, MessageBoxKey key) {
    switch (key) {
    case MessageBoxKey::Backspace:
        return backspace(app, selection);
    case MessageBoxKey::AltBackspace:
        return unchanged(app, selection);
    case MessageBoxKey::Delete:
        return deleteForward(app, selection);
    case MessageBoxKey::Enter:
        return replaceSelection(app, selection, kLineBreak);
    case MessageBoxKey::ShiftInsert:
        return pasteClipboard(app, selection);
    case MessageBoxKey::CtrlInsert:
        return copySelection(app, selection);
    }
    return unchanged(app, selection);
}

MessageBoxContent insertFromCharacterList(Application& app, BoxSelection selection,
                                          std::size_t listIndex) {
    if (listIndex > 255)
        return unchanged(app, selection);
    return replaceSelection(app, selection, std::string(1, static_cast<char>(listIndex)));
}

MessageBoxContent editPaste(Application& app, PasteFocus focus, BoxSelection messageSelection) {
    if (focus == PasteFocus::MessageBox)
        return pasteClipboard(app, messageSelection);
    auto text = app.host().clipboardText();
    if (text && !text->empty())
        assign(app, app.job().Comment, std::move(*text));
    return unchanged(app, messageSelection);
}

bool editPasteEnabled(Host& host) {
    return host.clipboardText().has_value();
}

} // namespace vornik

#include "core/files/message_file.h"

#include "core/app/application.h"
#include "core/app/error_reporter.h"
#include "core/app/number_format.h"
#include "core/app/numeric_text.h"
#include "core/app/program_texts.h"
#include "core/files/file_io.h"
#include "core/serial/navigation.h"

#include <utility>

namespace vornik::files {

namespace {

// A list of messages bigger than this is no list of labels.
constexpr std::size_t kMaxMessageListBytes = 256u << 20;

// The length of the symbol itself, before any add-on.
std::size_t baseLength(Symbology symbology) {
    if (symbology == Symbology::UpcA)
        return 12;
    if (symbology == Symbology::UpcE || symbology == Symbology::UpcE1)
        return 7;
    if (symbology == Symbology::Ean8)
        return 8;
    return 13; // EAN-13 and BookLand
}

// Digits written with leading zeros to the picture's width; other text as it is.
std::string zeroPadded(std::string_view text, std::string_view picture) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string(text);
    return formatNumber(leadingNumber(text), picture);
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

UpcEntry splitAtSeparator(std::string_view e, std::size_t s) {
    const std::string_view r = e.substr(s + 1);
    UpcEntry entry{std::string(e.substr(0, s)), {}};
    if (r.size() >= 6)
        entry.supplement = std::string(r.substr(0, 5));
    else if (r.size() >= 3)
        entry.supplement = zeroPadded(r, "00000");
    else
        entry.supplement = zeroPadded(r, "00");
    return entry;
}

void showFailure(Application& app, const std::string& path, std::string_view reason) {
    app.host().showMessage({.title = std::string(kProgramTitle),
                            .text = fileFailureText(path, reason),
                            .icon = MessageIcon::Exclamation,
                            .buttons = MessageButtons::Ok});
    app.countFailedFileOperation();
}

template <typename T> void assign(Application& app, T& field, T value) {
    if (field != value) {
        field = std::move(value);
        app.state().Dirty = true;
    }
}

} // namespace

UpcEntry splitUpcEntry(std::string_view entry, Symbology symbology) {
    const std::string_view e = trimBlanks(entry);
    auto s = e.find('-');
    if (s == std::string_view::npos)
        s = e.find(' ');
    if (s != std::string_view::npos)
        return splitAtSeparator(e, s);
    const std::size_t n = e.size();
    const std::size_t b = baseLength(symbology);
    if (n <= b)
        return {std::string(e), {}};
    if (n == b + 1)
        return {std::string(e.substr(0, b - 1)), zeroPadded(e.substr(b - 1, 2), "00")};
    if (n <= b + 3)
        return {std::string(e.substr(0, b)), zeroPadded(e.substr(b, 2), "00")};
    if (n == b + 4)
        return {std::string(e.substr(0, b - 1)), zeroPadded(e.substr(b - 1, 5), "00000")};
    return {std::string(e.substr(0, b)), zeroPadded(e.substr(b, 5), "00000")};
}

bool ReadMessageFile(Application& app, const std::string& path) {
    app.state().ReadMessagePath = path;
    FileBytes file = readWholeFile(path, kMaxMessageFileBytes);
    if (file.tooLarge) {
        app.ReportMessageError(kErrorMessageTooLarge);
        return false;
    }
    if (!file.error.empty()) {
        showFailure(app, path, file.error);
        return false;
    }
    assign(app, app.job().Message, std::move(file.bytes));
    app.host().viewChanged();
    return true;
}

bool OpenMessageFile(Application& app, const std::string& path) {
    FileBytes file = readWholeFile(path, kMaxMessageListBytes);
    if (file.tooLarge)
        file.error = "it is larger than 256 MB";
    if (!file.error.empty()) {
        showFailure(app, path, file.error);
        return false;
    }
    RunState& state = app.state();
    state.MessageFilePath = path;
    state.Messages.MessageList = MessageLines(std::move(file.bytes));
    state.Messages.MessageIndex = 1;
    state.MessageFileOpen = true;
    state.NavigationShown = true;
    if (app.job().IncEnabled == 1) {
        app.job().IncEnabled = 0;
        state.Messages.NumberingSuspended = true;
    }
    StepMessage(app, 0);
    app.Build();
    return true;
}

bool StepMessage(Application& app, int step) {
    MessageFileState& messages = app.state().Messages;
    messages.AtEnd = false;
    const auto last = static_cast<std::int64_t>(messages.MessageList.size());
    const std::int64_t index = static_cast<std::int64_t>(messages.MessageIndex) + step;
    if (index < 1 || index > last) {
        messages.AtEnd = true;
        app.host().beep();
        return false;
    }
    messages.MessageIndex = static_cast<std::int32_t>(index);
    const std::string_view entry = messages.MessageList.line(static_cast<std::size_t>(index - 1));
    Job& job = app.job();
    if (isUpcEanFamily(job.Symbology)) {
        UpcEntry split = splitUpcEntry(entry, job.Symbology);
        assign(app, job.Message, std::move(split.message));
        assign(app, job.Supplement, std::move(split.supplement));
    } else {
        assign(app, job.Message, std::string(entry));
    }
    app.host().viewChanged();
    return true;
}

bool CloseMessageFile(Application& app) {
    RunState& state = app.state();
    if (!state.MessageFileOpen)
        return false;
    const bool resumeNumbering = state.Messages.NumberingSuspended;
    state.Messages = MessageFileState{};
    state.MessageFileOpen = false;
    if (resumeNumbering)
        app.job().IncEnabled = 1;
    if (app.job().IncEnabled == 1) {
        serial::Step(app, 0);
        app.Build();
    } else {
        state.NavigationShown = false;
    }
    app.host().viewChanged();
    return true;
}

} // namespace vornik::files

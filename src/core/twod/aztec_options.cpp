#include "core/twod/aztec_options.h"

#include "core/app/application.h"
#include "core/app/program_texts.h"

#include <charconv>

namespace vornik::twod {

namespace {

// The whole text as a number, or -1 when it is not one.
int numberOf(const std::string& text) {
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : -1;
}

} // namespace

AztecOptionsForm frmAztecECP_Load(const Job& job) {
    AztecOptionsForm form;
    form.menuSymbol = job.AztecMenuFlag != 0;
    const std::int32_t e = job.AztecEcPercent;
    if (e >= 1 && e <= 99) {
        form.option = AztecEcOption::Percent;
        form.percentText = std::to_string(e);
    } else if (e >= 101 && e <= 104) {
        form.option = AztecEcOption::Compact;
        form.layersText = std::to_string(e - 100);
    } else if (e >= 201 && e <= 232) {
        form.option = AztecEcOption::FullRange;
        form.layersText = std::to_string(e - 200);
    }
    return form;
}

bool frmAztecECP_AcceptsKey(char key) {
    return (key >= '0' && key <= '9') || key == '\b';
}

std::optional<std::string> frmAztecECP_Ok(const AztecOptionsForm& form, Job& job) {
    std::int32_t value = 0;
    switch (form.option) {
    case AztecEcOption::Default:
        break;
    case AztecEcOption::Percent:
        value = numberOf(form.percentText);
        if (value < 1 || value > 99)
            return "Error Correction Percent must be between 1 and 99%";
        break;
    case AztecEcOption::Compact:
        value = numberOf(form.layersText);
        if (value < 1 || value > 4)
            return "Number of layers for a compact symbol must be between 1 and 4";
        value += 100;
        break;
    case AztecEcOption::FullRange:
        value = numberOf(form.layersText);
        if (value < 1 || value > 32)
            return "Number of layers for a full range symbol must be between 1 and 32";
        value += 200;
        break;
    }
    job.AztecEcPercent = value;
    job.AztecMenuFlag = form.menuSymbol ? 1 : 0;
    return std::nullopt;
}

bool confirmAztecOptions(Application& app, const AztecOptionsForm& form) {
    Job& job = app.job();
    const Job before = job;
    if (auto refusal = frmAztecECP_Ok(form, job)) {
        app.host().showMessage({.title = std::string(kProgramTitle),
                                .text = std::move(*refusal),
                                .icon = MessageIcon::None,
                                .buttons = MessageButtons::Ok});
        return false;
    }
    if (!(job == before))
        app.state().Dirty = true;
    return true;
}

} // namespace vornik::twod

#include "core/files/bar_pattern_file.h"

#include "core/app/application.h"
#include "core/app/build_checks.h"
#include "core/app/program_texts.h"
#include "core/app/rounding.h"
#include "core/files/file_io.h"

namespace vornik::files {

namespace {

constexpr std::int32_t kPostalBar = 50; // 0.01 mm, as the renderer draws it
constexpr std::int32_t kPostalGap = 70; // the 120 pitch less the bar
constexpr int kMarginModules = 9;

double ratioOf(const Job& job) {
    return 2.0 + job.Ratio / 10.0;
}

// The width of one pattern character in 0.01 mm; 0 for none of the alphabet.
std::int32_t elementWidth(char c, const Job& job, std::int32_t X) {
    switch (c) {
    case '1':
    case '3':
        return X;
    case '2':
    case '4':
        return nearest(job.NarrowBarWidth * ratioOf(job));
    case '5':
    case '8':
        return 2 * X;
    case '6':
    case '9':
        return 3 * X;
    case '7':
    case 'A':
        return 4 * X;
    case 'B':
        return kMarginModules * X;
    case 'C':
    case 'G':
        return X - nearest(X / 13.0);
    case 'D':
    case 'H':
        return nearest(25.0 * X / 13.0);
    case 'E':
    case 'I':
        return nearest(27.0 * X / 13.0);
    case 'F':
    case 'J':
        return nearest(40.0 * X / 13.0);
    }
    return 0;
}

std::vector<std::int32_t> postalWidths(std::string_view pattern) {
    std::vector<std::int32_t> widths{kPostalGap};
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        widths.push_back(kPostalBar);
        widths.push_back(kPostalGap);
    }
    return widths;
}

bool isPostal(Symbology symbology) {
    return symbology == Symbology::Postnet || symbology == Symbology::Bpo4State;
}

} // namespace

std::vector<std::int32_t> barPatternWidths(std::string_view pattern, const Job& job,
                                           std::int32_t X) {
    std::vector<std::int32_t> widths;
    if (isPostal(job.Symbology)) {
        widths = postalWidths(pattern);
    } else {
        const bool ownMargins = isUpcEanFamily(job.Symbology);
        if (!ownMargins)
            widths.push_back(elementWidth('B', job, X));
        for (char c : pattern)
            widths.push_back(elementWidth(c, job, X));
        if (!ownMargins)
            widths.push_back(elementWidth('B', job, X));
    }
    if (job.Units == Units::InchesMils)
        for (std::int32_t& width : widths)
            width = nearest(width / 2.54);
    return widths;
}

std::string barPatternFileText(const std::vector<std::int32_t>& widths) {
    std::string text;
    auto print = [&text](std::int64_t value) {
        text += value < 0 ? "-" : " ";
        text += std::to_string(value < 0 ? -value : value);
        text += ' ';
    };
    for (std::int32_t width : widths)
        print(width);
    print(0);
    text += "\r\n";
    return text;
}

bool SaveBarPatternFile(Application& app) {
    RunState& state = app.state();
    // The command is there only while a linear symbol is on display.
    const Symbology symbology = app.job().Symbology;
    const bool twoDimensional = symbology == Symbology::Pdf417 || symbology == Symbology::Aztec ||
                                symbology == Symbology::DataMatrix || isRssFamily(symbology);
    if (!state.SymbolBuilt || twoDimensional || state.LastBarPattern.empty())
        return false;
    const auto chosen = app.host().chooseFile({.title = "Save Bar Pattern As",
                                               .filter = std::string(kBarPatternFilter),
                                               .initialName = state.BarPatternPath,
                                               .forSaving = true});
    if (!chosen)
        return false;
    state.BarPatternPath = *chosen;
    const std::int32_t X = deriveBuildDimensions(app.job()).widthUnits;
    const auto widths = barPatternWidths(state.LastBarPattern, app.job(), X);
    if (replaceFile(*chosen, barPatternFileText(widths))) {
        app.host().showMessage({.title = std::string(kProgramTitle),
                                .text = "File I/O Error!",
                                .icon = MessageIcon::None,
                                .buttons = MessageButtons::Ok});
        app.countFailedFileOperation();
        return false;
    }
    return true;
}

} // namespace vornik::files

// Commands with a value: [KEYWORD=value].

#include "core/app/named_color.h"
#include "core/app/number_format.h"
#include "core/app/numeric_text.h"
#include "core/app/print_margins.h"
#include "core/app/rounding.h"
#include "core/app/save_bar_code.h"
#include "core/app/units.h"
#include "core/dde/command_call.h"
#include "core/dde/execute_string.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace vornik::dde {

namespace {

// A value that must be a number. Commands whose value is no number are
// refused rather than read as 0, which would silently set a level, a limit or
// a resolution of 0.
std::optional<double> numberValue(const CommandCall& call) {
    return wholeNumber(call.value);
}

// A whole number within [low, high], rounded to the nearest as the job's
// integer fields take it, or why the value is none.
struct IntegerValue {
    std::int32_t value = 0;
    Outcome refusal;
};

IntegerValue integerValue(const CommandCall& call, double low, double high, Refusal outOfRange) {
    const auto number = numberValue(call);
    if (!number)
        return {.refusal = Refusal::NotANumber};
    if (*number < low - 0.5 || *number > high + 0.5)
        return {.refusal = outOfRange};
    const std::int32_t rounded = nearest(*number);
    if (rounded < low || rounded > high)
        return {.refusal = outOfRange};
    return {.value = rounded, .refusal = kAccepted};
}

constexpr double kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr double kInt32Max = std::numeric_limits<std::int32_t>::max();

// --- message texts --------------------------------------------------------

Outcome message(CommandCall& call) {
    call.set(call.job().Message, decodeEscapedText(call.value));
    return kAccepted;
}

Outcome messageText(CommandCall& call) {
    call.set(call.job().Message, std::string(call.value));
    return kAccepted;
}

Outcome barcode(CommandCall& call) {
    messageText(call);
    call.app.host().emptyClipboard();
    call.app.Build();
    return kAccepted;
}

Outcome comment(CommandCall& call) {
    call.set(call.job().Comment, std::string(call.value));
    return kAccepted;
}

Outcome supplement(CommandCall& call) {
    if (call.job().Symbology == Symbology::Pdf417)
        return Refusal::SupplementWithPdf417;
    if (call.value.find_first_not_of("1234567890") != std::string_view::npos)
        return Refusal::SupplementNotDigits;
    call.set(call.job().Supplement, std::string(call.value));
    return kAccepted;
}

Outcome composite(CommandCall& call) {
    call.set(call.job().Supplement, std::string(call.value));
    return kAccepted;
}

// --- dimensions -----------------------------------------------------------
// Values are in the display unit and converted as if typed into the box. A
// value that is no number becomes 0, which the Build command reports as a
// missing dimension. When the selected symbology shows the field in a box,
// the value goes through the box, so that width and magnification follow
// each other as they do when typed.

Outcome barWidth(CommandCall& call) {
    Job& job = call.job();
    DimensionBoxes& boxes = call.app.boxes();
    call.set(job.NarrowBarWidth, ToInternalWidth(call.value, job.Units, job.DotsAcross));
    if (boxes.widthBoxShowsNarrowBar()) {
        call.app.state().CommandJustSetDimension = true;
        boxes.editWidth(std::string(call.value), BoxEdit::Command);
    }
    return kAccepted;
}

Outcome barHeight(CommandCall& call) {
    Job& job = call.job();
    if (job.Symbology == Symbology::Pdf417)
        return Refusal::BarHeightWithPdf417;
    call.set(job.BarHeight, ToInternalHeight(call.value, job.Units, job.DotsAlong));
    const bool boxShowsBarHeight =
        job.Symbology != Symbology::Aztec && job.Symbology != Symbology::DataMatrix;
    if (boxShowsBarHeight)
        call.app.boxes().editHeight(std::string(call.value), BoxEdit::Command);
    return kAccepted;
}

Outcome pdfModuleWidth(CommandCall& call) {
    Job& job = call.job();
    call.set(job.PdfModuleWidth, ToInternalWidth(call.value, job.Units, job.DotsAcross));
    if (job.Symbology == Symbology::Pdf417)
        call.app.boxes().editWidth(std::string(call.value), BoxEdit::Command);
    return kAccepted;
}

Outcome pdfModuleHeight(CommandCall& call) {
    Job& job = call.job();
    call.set(job.PdfModuleHeight, ToInternalModuleHeight(call.value, job.Units, job.DotsAlong));
    if (job.Symbology == Symbology::Pdf417 || job.Symbology == Symbology::Aztec)
        call.app.boxes().editHeight(std::string(call.value), BoxEdit::Command);
    return kAccepted;
}

Outcome moduleSize(CommandCall& call) {
    Job& job = call.job();
    call.set(job.ModuleSize, ToInternalWidth(call.value, job.Units, job.DotsAcross));
    if (job.Symbology == Symbology::Aztec || job.Symbology == Symbology::DataMatrix)
        call.app.boxes().editWidth(std::string(call.value), BoxEdit::Command);
    return kAccepted;
}

// Magnification is the UPC/EAN family's way of sizing a symbol.
Outcome magnify(CommandCall& call) {
    if (!isUpcEanFamily(call.job().Symbology))
        return Refusal::MagnifyNotUpcEan;
    const auto value = numberValue(call);
    if (!value)
        return Refusal::NotANumber;
    if (*value < 0.0 || *value > 1.0e6)
        return Refusal::MagnificationRange;
    call.app.boxes().commandSetMagnification(*value);
    return kAccepted;
}

// Only the ratios of the list, 2.0 to 3.0, are taken; others are ignored.
Outcome ratio(CommandCall& call) {
    const std::string wanted = formatNumber(leadingNumber(call.value), "0.0");
    for (std::int16_t index = 0; index <= 10; ++index) {
        if (formatNumber(2.0 + index / 10.0, "0.0") == wanted) {
            call.set(call.job().Ratio, index);
            break;
        }
    }
    return kAccepted;
}

// --- two-dimensional settings ---------------------------------------------

Outcome pdfAspect(CommandCall& call) {
    const auto value = numberValue(call);
    if (!value)
        return Refusal::NotANumber;
    call.set(call.job().PdfAspectRatio, *value);
    if (call.job().Symbology == Symbology::Pdf417)
        call.app.boxes().editMagnify(formatNumber(*value, "#0.0##"), BoxEdit::Display);
    return kAccepted;
}

template <std::int32_t Job::*Field, int Low, int High, Refusal OutOfRange>
Outcome boundedInteger(CommandCall& call) {
    const auto [value, refusal] = integerValue(call, Low, High, OutOfRange);
    if (refusal)
        return refusal;
    call.set(call.job().*Field, value);
    return kAccepted;
}

// Row and column limits may be set as low as the caller likes: the PDF417
// builder reports a limit too small for the data.
template <std::int32_t Job::*Field, int Above, Refusal OutOfRange>
Outcome upperBoundedInteger(CommandCall& call) {
    const auto [value, refusal] = integerValue(call, kInt32Min, Above - 1, OutOfRange);
    if (refusal)
        return refusal;
    call.set(call.job().*Field, value);
    return kAccepted;
}

Outcome aztecEcPercent(CommandCall& call) {
    const auto [value, refusal] =
        integerValue(call, kInt32Min, kInt32Max, Refusal::AztecEcPercentRange);
    if (refusal)
        return refusal;
    call.set(call.job().AztecEcPercent, value);
    return kAccepted;
}

// The Data Matrix formats are 0 to 7; the integer part of the value is taken.
Outcome dmFormat(CommandCall& call) {
    const auto value = numberValue(call);
    if (!value)
        return Refusal::NotANumber;
    if (*value < 0.0 || *value >= 8.0)
        return Refusal::DmFormatRange;
    call.set(call.job().DmFormat, static_cast<std::int32_t>(std::trunc(*value)));
    return kAccepted;
}

// ECC 000, 050, 080, 100, 140 and 200 are held as 0, 3, 6, 8, 12 and 26.
Outcome dmEcc(CommandCall& call) {
    constexpr std::array<std::pair<int, std::int32_t>, 6> kLevels{
        {{0, 0}, {50, 3}, {80, 6}, {100, 8}, {140, 12}, {200, 26}}};
    const auto value = numberValue(call);
    if (!value)
        return Refusal::NotANumber;
    for (const auto& [ecc, level] : kLevels) {
        if (*value == ecc) {
            call.set(call.job().DmEccLevel, level);
            return kAccepted;
        }
    }
    return Refusal::DmEccLevel;
}

// --- drawing ----------------------------------------------------------------

// Bar width reduction in percent, in steps of 5 %; a negative value is a gain.
Outcome barReduction(CommandCall& call) {
    const auto value = numberValue(call);
    if (!value)
        return Refusal::NotANumber;
    const double step = std::trunc(*value / 5.0);
    if (std::fabs(step) >= 16.0)
        return Refusal::BarReductionRange;
    std::int32_t adjust = static_cast<std::int32_t>(std::fabs(step));
    if (*value < 0.0)
        adjust |= kBarWidthGainBit;
    call.set(call.job().BarWidthAdjust, adjust);
    return kAccepted;
}

// A target resolution of at least 1 dot per inch keeps every division by it
// well defined.
template <bool Horizontal> Outcome targetResolution(CommandCall& call) {
    const auto [value, refusal] = integerValue(call, 1, 99999, Refusal::TargetResolutionRange);
    if (refusal)
        return refusal;
    const Job& job = call.job();
    if (Horizontal)
        call.app.setTargetResolution(value, job.TargetDpiY);
    else
        call.app.setTargetResolution(job.TargetDpiX, value);
    return kAccepted;
}

Outcome fontName(CommandCall& call) {
    call.set(call.job().FontName, std::string(call.value));
    return kAccepted;
}

// A font of less than one point cannot be drawn; the integer part is taken.
Outcome fontSize(CommandCall& call) {
    const auto value = numberValue(call);
    if (!value)
        return Refusal::NotANumber;
    if (*value < 1.0 || *value > 32767.0)
        return Refusal::FontSizeRange;
    call.set(call.job().FontSize, static_cast<std::int32_t>(std::trunc(*value)));
    return kAccepted;
}

template <ColorRef Job::*Field> Outcome namedColor(CommandCall& call) {
    call.set(call.job().*Field, NamedColor(trimmed(call.upperValue)));
    return kAccepted;
}

template <ColorRef Job::*Field> Outcome rgbColor(CommandCall& call) {
    call.set(call.job().*Field, decodeRgb(call.value));
    return kAccepted;
}

// --- files ------------------------------------------------------------------

Outcome saveBarCodeAs(CommandCall& call) {
    call.app.state().BarcodeSavePath =
        filePath(call.command, std::string_view("[SAVEBARCODE(").size());
    return saveOutcome(saveBarCode(call.app));
}

// The margins the symbol is printed at, in inches from the paper's edge;
// kept while the program runs, not with the job.
template <float RunState::*Margin> Outcome printMargin(CommandCall& call) {
    const auto value = numberValue(call);
    if (!value)
        return Refusal::NotANumber;
    if (!(*value >= 0.0 && *value <= kLargestPrintMargin))
        return Refusal::PrintMarginRange;
    call.app.state().*Margin = static_cast<float>(*value);
    return kAccepted;
}

constexpr auto kValueCommands = std::to_array<CommandEntry>({
    {"[MESSAGE=", Match::Prefix, message},
    {"[BARCODE=", Match::Prefix, barcode},
    {"[MSGTEXT=", Match::Prefix, messageText},
    {"[COMMENT=", Match::Prefix, comment},
    {"[SUPPLEMENT=", Match::Prefix, supplement},
    {"[COMPOSITE=", Match::Prefix, composite},
    {"[BARWIDTH=", Match::Prefix, barWidth},
    {"[BARHEIGHT=", Match::Prefix, barHeight},
    {"[PDFMODULEWIDTH=", Match::Prefix, pdfModuleWidth},
    {"[PDFMODULEHEIGHT=", Match::Prefix, pdfModuleHeight},
    {"[AZTECMODULESIZE=", Match::Prefix, moduleSize},
    {"[DMMODULESIZE=", Match::Prefix, moduleSize},
    {"[MAGNIFY=", Match::Prefix, magnify},
    {"[RATIO=", Match::Prefix, ratio},
    {"[PDFASPECT=", Match::Prefix, pdfAspect},
    {"[PDFSECURITY=", Match::Prefix,
     boundedInteger<&Job::PdfSecurityLevel, 0, 8, Refusal::SecurityLevelRange>},
    {"[PDFOVERHEAD=", Match::Prefix,
     boundedInteger<&Job::PdfOverheadPercent, 0, 99, Refusal::OverheadRange>},
    {"[PDFMAXCOLS=", Match::Prefix,
     upperBoundedInteger<&Job::PdfMaxColumns, 31, Refusal::MaxColumnsRange>},
    {"[PDFMAXROWS=", Match::Prefix,
     upperBoundedInteger<&Job::PdfMaxRows, 91, Refusal::MaxRowsRange>},
    {"[AZTECECP=", Match::Prefix, aztecEcPercent},
    {"[DMFORMAT=", Match::Prefix, dmFormat},
    {"[DMECC=", Match::Prefix, dmEcc},
    {"[BARREDUCTION=", Match::Prefix, barReduction},
    {"[HORIZONTALDPI=", Match::Prefix, targetResolution<true>},
    {"[VERTICALDPI=", Match::Prefix, targetResolution<false>},
    {"[LEFTPRINTMARGIN=", Match::Prefix, printMargin<&RunState::LeftPrintMargin>},
    {"[TOPPRINTMARGIN=", Match::Prefix, printMargin<&RunState::TopPrintMargin>},
    {"[FONTNAME=", Match::Prefix, fontName},
    {"[FONTSIZE=", Match::Prefix, fontSize},
    {"[FONTCOLOR=", Match::Prefix, namedColor<&Job::FontColor>},
    {"[FORECOLOR=", Match::Prefix, namedColor<&Job::ForeColor>},
    {"[BACKCOLOR=", Match::Prefix, namedColor<&Job::BackColor>},
    {"[SAVEBARCODE(", Match::Prefix, saveBarCodeAs},
    {"[FONTCOLORRGB=", Match::Prefix, rgbColor<&Job::FontColor>},
    {"[FORECOLORRGB=", Match::Prefix, rgbColor<&Job::ForeColor>},
    {"[BACKCOLORRGB=", Match::Prefix, rgbColor<&Job::BackColor>},
});

} // namespace

std::span<const CommandEntry> valueCommands() {
    return kValueCommands;
}

} // namespace vornik::dde

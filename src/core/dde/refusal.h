#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornik::dde {

// Why a command was refused. Each has one text, said the same way wherever
// the refusal is reported.
enum class Refusal {
    NotANumber,
    SupplementNotDigits,
    SupplementWithPdf417,
    BarHeightWithPdf417,
    MagnifyNotUpcEan,
    MagnificationRange,
    SecurityLevelRange,
    OverheadRange,
    MaxColumnsRange,
    MaxRowsRange,
    AztecEcPercentRange,
    DmFormatRange,
    DmEccLevel,
    BarReductionRange,
    TargetResolutionRange,
    FontSizeRange,
    RasterResolutionRange,
    JpegQualityRange,
    NumberWidthRange,
    PrintMarginRange,
    ClipboardHasNoText,
    NothingToSave,
    SaveFailed,
    ConfigurationNotSaved,
    ConfigurationNotLoaded,
    MessageFileNotOpened,
    MessageFileNotRead,
    NoMessageFileOpen,
    NoNavigation,
    NoNextMessage,
    NoPreviousMessage,
    SymbologyNotSelected,
    NothingToPrint,
    PrintFailed,
    OutOfMemory,
};

// The reason as a clause that follows the command: "the supplement takes
// digits only".
[[nodiscard]] std::string refusalText(Refusal refusal);

// What one command came to: accepted when empty.
using Outcome = std::optional<Refusal>;
inline constexpr std::nullopt_t kAccepted = std::nullopt;

// A refused command as it was sent, with the reason.
struct RefusedCommand {
    std::string command;
    Refusal reason;

    bool operator==(const RefusedCommand&) const = default;
};

// The refusals of one execute string, in the order of its commands.
using ExecuteReport = std::vector<RefusedCommand>;

// One line for the user: "refused [SUPPLEMENT='12A45']: the supplement takes
// digits only". The keyword is shown in capitals, the value as sent; a very
// long command is cut short.
[[nodiscard]] std::string refusalLine(const RefusedCommand& refused);

} // namespace vornik::dde

#pragma once

#include "core/app/job.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vornik {
class Application;
}

namespace vornik::twod {

// The "Aztec Symbology Options" dialog: what it shows, accepts and stores.
inline constexpr std::string_view kAztecOptionsTitle = "Aztec Symbology Options";
inline constexpr std::string_view kAztecMenuCaption = "Create Aztec Menu Symbol";
inline constexpr std::string_view kAztecFrameCaption = "Error Correction Options:";
inline constexpr std::array<std::string_view, 4> kAztecOptionCaptions = {
    "Use Default Error Correction (approx 23% of symbol area)",
    "Specify Error Correction By Percent Symbol Area:", "Create 1-4 Layer Compact Symbol",
    "Create 1-32 Layer Full Range Symbol"};
inline constexpr std::string_view kAztecLayersLabel = "Specify Total Number of Symbol Data Layers:";
inline constexpr std::string_view kAztecLayersUnit = "Layers";
// Shown beside the percentage box: what the encoder makes of a percentage.
inline constexpr std::string_view kAztecPercentHelp =
    "The encoder has four error correction levels, about 10, 23, 36 and 50 % of the symbol "
    "area: a percentage is drawn with the smallest level that gives at least as much, and "
    "more than 50 % cannot be encoded.";

enum class AztecEcOption { Default, Percent, Compact, FullRange };

struct AztecOptionsForm {
    bool menuSymbol = false;
    AztecEcOption option = AztecEcOption::Default;
    std::string percentText = "10"; // Text1
    std::string layersText = "32";  // Text2, shared by the compact and full-range options
};

// Form_Load: the option and text box of the job's AztecEcPercent.
[[nodiscard]] AztecOptionsForm frmAztecECP_Load(const Job& job);

// Text1_KeyPress, Text2_KeyPress: digits and backspace go into the boxes.
[[nodiscard]] bool frmAztecECP_AcceptsKey(char key);

// OK: the validation message of a value out of range (the dialog stays
// open), or nullopt after the choice was stored in the job.
[[nodiscard]] std::optional<std::string> frmAztecECP_Ok(const AztecOptionsForm& form, Job& job);

// OK as the dialog's button does it: a value out of range is shown in a
// message box and false returned (the dialog stays open, the job as it was);
// otherwise the choice is stored, the configuration marked changed when a
// setting changed, and true returned.
[[nodiscard]] bool confirmAztecOptions(Application& app, const AztecOptionsForm& form);

} // namespace vornik::twod

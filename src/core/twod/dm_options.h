#pragma once

#include "core/app/job.h"
#include "core/app/run_state.h"

#include <array>
#include <string_view>

namespace vornik::twod {

// The "Data Matrix Symbology Options" dialog: what it shows, enables and
// stores. The front end draws the option buttons from these captions.
inline constexpr std::string_view kDmOptionsTitle = "Data Matrix Symbology Options";
inline constexpr std::string_view kDmEccFrame = "ECC Mode:";
inline constexpr std::string_view kDmFormatFrame = "Data Format";
inline constexpr std::string_view kDmShapeFrame = "Shape/Size";
inline constexpr std::string_view kDmHelpCaption = "Help...";
inline constexpr std::array<std::string_view, 6> kDmEccCaptions = {"ECC 0",   "ECC 50",  "ECC 80",
                                                                   "ECC 100", "ECC 140", "ECC 200"};
inline constexpr std::array<std::int32_t, 6> kDmEccLevels = {0, 3, 6, 8, 12, 26};
inline constexpr std::array<std::string_view, 6> kDmFormatCaptions = {
    "Numeric (0-9)", "A-Z, Space", "A-Z, 0-9, Space", "A-Z, 0-9, Space, (.,-/)", "ASCII", "Binary"};
inline constexpr std::array<std::string_view, 7> kDmShapeCaptions = {
    "Square - Auto Size",        "Rectangular 8x18 modules",  "Rectangular 8x32 modules",
    "Rectangular 12x26 modules", "Rectangular 12x36 modules", "Rectangular 16x36 modules",
    "Rectangular 16x48 modules"};
inline constexpr std::string_view kDmTildeCaption =
    "Use standard ASCII interpretation of all input data.";
// Shown beside the ECC buttons: what the levels below ECC 200 make.
inline constexpr std::string_view kDmEccHelp =
    "ECC 0 to ECC 140 make square symbols of 9x9 to 49x49 modules in the chosen data "
    "format; scanners for them are rare and this version cannot read them back.";

struct DmOptionsForm {
    int ecc = 5;    // index into the ECC captions
    int format = 5; // index into the data format captions
    int shape = 0;  // index into the shape captions
    bool translateTildes = true;
    // "Data Format" is for ECC 0 to 140; "Shape/Size" and the tilde box for ECC 200.
    bool formatEnabled = false;
    bool shapeEnabled = true;
    bool tildesEnabled = true;
};

// Form_Load: the buttons of the job's settings (a value without a button
// selects the default one).
[[nodiscard]] DmOptionsForm DMOptions_Load(const Job& job);

// Option1_Click: an ECC button chosen, the frames enabled to match.
void DMOptions_SelectEcc(DmOptionsForm& form, int index);

// OK: the choices stored in the job; true when a setting changed.
[[nodiscard]] bool DMOptions_Ok(const DmOptionsForm& form, Job& job);

// OK as the dialog's button does it: the choices stored, and the
// configuration marked changed when a setting changed.
void confirmDmOptions(const DmOptionsForm& form, Job& job, RunState& state);

} // namespace vornik::twod

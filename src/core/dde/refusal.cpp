#include "core/dde/refusal.h"

#include "core/app/raster_properties.h"
#include "core/dde/execute_string.h"
#include "core/serial/numbering.h"

#include <algorithm>

namespace vornik::dde {

std::string refusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::NotANumber:
        return "the value is not a number";
    case Refusal::SupplementNotDigits:
        return "the supplement takes digits only";
    case Refusal::SupplementWithPdf417:
        return "PDF417 takes no supplement";
    case Refusal::BarHeightWithPdf417:
        return "PDF417 takes its height from the module height";
    case Refusal::MagnifyNotUpcEan:
        return "only the UPC and EAN symbologies are magnified";
    case Refusal::MagnificationRange:
        return "the magnification runs from 0 to 1000000 percent";
    case Refusal::SecurityLevelRange:
        return "the PDF417 security level runs from 0 to 8, or is AUTO";
    case Refusal::OverheadRange:
        return "the PDF417 overhead runs from 0 to 99 percent";
    case Refusal::MaxColumnsRange:
        return "PDF417 has at most 30 columns";
    case Refusal::MaxRowsRange:
        return "PDF417 has at most 90 rows";
    case Refusal::AztecEcPercentRange:
        return "the Aztec Code error correction percentage is out of range";
    case Refusal::DmFormatRange:
        return "the Data Matrix format runs from 0 to 7";
    case Refusal::DmEccLevel:
        return "the Data Matrix error correction is 0, 50, 80, 100, 140 or 200";
    case Refusal::BarReductionRange:
        return "the bar width reduction runs from -79 to 79 percent";
    case Refusal::TargetResolutionRange:
        return "the printer resolution runs from 1 to 99999 dots per inch";
    case Refusal::FontSizeRange:
        return "the font size runs from 1 to 32767 points";
    case Refusal::RasterResolutionRange:
        return "the raster resolution runs from " + std::to_string(kLowestRasterResolution) +
               " to " + std::to_string(kHighestRasterResolution) + " dots per inch";
    case Refusal::JpegQualityRange:
        return "the JPEG quality runs from 1 to " + std::to_string(kHighestJpegQuality);
    case Refusal::NumberWidthRange:
        return "the number width runs from 0 to " + std::to_string(serial::kMaxNumberDigits) +
               " digits";
    case Refusal::PrintMarginRange:
        return "a print margin is a number of inches from 0 to 100";
    case Refusal::ClipboardHasNoText:
        return "the clipboard holds no text";
    case Refusal::NothingToSave:
        return "no symbol has been built to save";
    case Refusal::SaveFailed:
        return "the symbol could not be saved";
    case Refusal::ConfigurationNotSaved:
        return "the configuration could not be saved";
    case Refusal::ConfigurationNotLoaded:
        return "the configuration could not be loaded";
    case Refusal::MessageFileNotOpened:
        return "the message file could not be opened";
    case Refusal::MessageFileNotRead:
        return "the message file could not be read";
    case Refusal::NoMessageFileOpen:
        return "no message file is open";
    case Refusal::NoNavigation:
        return "there is no message file or numbering to step through";
    case Refusal::NoNextMessage:
        return "there is no message after the last";
    case Refusal::NoPreviousMessage:
        return "there is no message before the first";
    case Refusal::SymbologyNotSelected:
        return "the symbology could not be selected";
    case Refusal::NothingToPrint:
        return "no symbol has been built to print";
    case Refusal::PrintFailed:
        return "the printer did not print it";
    case Refusal::OutOfMemory:
        return "there was not enough memory to carry it out";
    }
    return "it was refused";
}

namespace {

// The command with its keyword (up to "=" or "(") in capitals.
std::string shownCommand(std::string_view command) {
    constexpr std::size_t kLongestShown = 60;
    const std::size_t keywordEnd = std::min(command.find_first_of("=("), command.size());
    std::string shown = upperCased(command.substr(0, keywordEnd));
    shown += command.substr(keywordEnd);
    if (shown.size() > kLongestShown)
        shown = shown.substr(0, kLongestShown) + "...";
    return shown;
}

} // namespace

std::string refusalLine(const RefusedCommand& refused) {
    return "refused " + shownCommand(refused.command) + ": " + refusalText(refused.reason);
}

} // namespace vornik::dde

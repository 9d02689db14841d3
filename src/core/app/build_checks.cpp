#include "core/app/build_checks.h"

#include "core/app/rounding.h"

#include <algorithm>

namespace vornik {

namespace {

constexpr std::string_view kNarrowBarWidth = "Narrow Bar Width";
constexpr std::string_view kBarCodeHeight = "Bar Code Height";
constexpr std::string_view kModuleWidth = "Module Width";
constexpr std::string_view kModuleHeight = "Module Height";
constexpr std::string_view kModuleSize = "Module Size";

// Nominal minimum dimensions of the symbology specifications, 0.001 cm,
// compared in single precision as the job holds them.
constexpr float kMinimumUpcEanBar = 26.4f;
constexpr float kMinimumBar = 19.0f;
constexpr float kMinimumPdfModuleWidth = 16.6624f;
constexpr float kMinimumPdfModuleHeight = 25.4f;
constexpr float kMinimumModuleSize = 25.4f;

// Lengths are single-precision floats, so 10 mils (25.4) is held a few
// millionths short; a dimension of exactly three dots must not warn.
constexpr double kMinimumDots = 3.0 - 1e-5;
constexpr const char* kCrLf = "\r\n";

} // namespace

BuildDimensions deriveBuildDimensions(const Job& job) {
    BuildDimensions dimensions;
    dimensions.widthUnits = job.NarrowBarWidth >= 1000.0f ? 1000 : nearest(job.NarrowBarWidth);
    dimensions.heightUnits =
        job.BarHeight >= 20.0f ? 20000 : nearest(static_cast<double>(job.BarHeight) * 1000.0);
    return dimensions;
}

std::optional<std::string_view> dimensionBelowNominal(const Job& job) {
    const Symbology symbology = job.Symbology;
    if (symbology == Symbology::Postnet)
        return std::nullopt;
    if (symbology == Symbology::Pdf417) {
        std::optional<std::string_view> name;
        if (job.PdfModuleWidth < kMinimumPdfModuleWidth)
            name = kModuleWidth;
        if (job.PdfModuleHeight < kMinimumPdfModuleHeight)
            name = kModuleHeight;
        return name;
    }
    if (symbology == Symbology::Aztec || symbology == Symbology::DataMatrix)
        return job.ModuleSize < kMinimumModuleSize ? std::optional(kModuleSize) : std::nullopt;
    const float minimum = isUpcEanFamily(symbology) ? kMinimumUpcEanBar : kMinimumBar;
    return job.NarrowBarWidth < minimum ? std::optional(kNarrowBarWidth) : std::nullopt;
}

std::optional<std::string_view> dimensionBelowThreeDots(const Job& job,
                                                        BuildDimensions dimensions) {
    // DotsAcross and DotsAlong already follow the orientation: across the bars
    // is whichever printer axis the narrow bars lie on.
    const double dotAcross = 2540.0 / job.DotsAcross;
    const double dotAlong = 2540.0 / job.DotsAlong;
    const Symbology symbology = job.Symbology;
    std::optional<std::string_view> name;
    if (symbology == Symbology::Pdf417) {
        if (job.PdfModuleWidth / dotAcross < kMinimumDots)
            name = kModuleWidth;
        if (job.PdfModuleHeight / dotAlong < kMinimumDots)
            name = kModuleHeight;
    } else if (symbology == Symbology::Aztec || symbology == Symbology::DataMatrix) {
        if (job.ModuleSize / dotAcross < kMinimumDots || job.ModuleSize / dotAlong < kMinimumDots)
            name = kModuleSize;
    } else {
        // The width as specified, not as rounded to 0.01 mm for drawing: a
        // width of exactly three dots (10 mils at 300 dpi, drawn as 0.25 mm)
        // must not be called less than three dots.
        if (std::min(job.NarrowBarWidth, 1000.0f) / dotAcross < kMinimumDots)
            name = kNarrowBarWidth;
        if (dimensions.heightUnits / dotAlong < kMinimumDots)
            name = kBarCodeHeight;
    }
    return name;
}

std::string dimensionWarningText(std::string_view name) {
    std::string text = "WARNING! - The Specified ";
    text.append(name).append(" is less than the smallest allowable nominal ").append(name);
    text.append(" defined in the specifications for the selected symbology. Bar Codes produced "
                "using this dimension may be unreadable!");
    text.append(kCrLf).append(kCrLf);
    text.append("Do you want to continue generating this bar code?");
    return text;
}

std::string printerWarningText(std::string_view name) {
    std::string text = "WARNING! - The Specified ";
    text.append(name).append(" is less than three printer dots for the chosen target printer. "
                             "Bar Codes produced using this dimension may be unreadable!");
    text.append(kCrLf).append(kCrLf);
    text.append("Either increase the ").append(name);
    text.append(" dimension or select a different target printer.");
    text.append(kCrLf).append(kCrLf);
    text.append("Do you want to continue generating this bar code?");
    return text;
}

std::string_view pasteAdviceText() {
    return "The bar code that you just created has been placed in the Windows clipboard as a "
           "Windows Metafile graphic so that you can paste it into documents created with other "
           "Windows programs.\r\n"
           "If you will be pasting your bar codes into a Word or PageMaker document, you should "
           "select 'Edit' and 'Paste Special' in these programs (do not select 'Paste'). The "
           "'Paste Special' option will display a dialog box where you should select either "
           "'Picture' or 'Windows metafile' as the format of the image.\r\n"
           "Do not select the 'Enhanced Metafile' option in the Paste Special dialog box as this "
           "will distort the image and make your bar code unreadable.";
}

} // namespace vornik

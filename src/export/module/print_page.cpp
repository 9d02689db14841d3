// The printer page drawn as a PDF file inside the converter module, so that
// the headless program loads Qt only when it prints.

#include "export/module/print_page.h"

#include "core/render/placeable_wmf.h"
#include "export/module/module_support.h"
#include "export/printing/page_pdf.h"

#include <memory>
#include <span>
#include <string>
#include <variant>

namespace {

using vornik::PlacedPicture;
using vornik::PrinterPage;

// The picture the bytes hold, or why they hold none.
std::variant<PlacedPicture, std::string> readPicture(const VornikPrintPicture& given,
                                                     std::size_t index) {
    const std::string which = "symbol " + std::to_string(index + 1) + " of the page";
    if (given.placeableWmf == nullptr)
        return "The " + which + " has no picture.";
    auto read = vornik::render::readPlaceableWmf(
        std::span<const std::uint8_t>(given.placeableWmf, given.placeableWmfSize));
    if (const auto* failure = std::get_if<vornik::render::WmfReadError>(&read))
        return "The " + which + " could not be read back: " + failure->message;
    auto& picture = std::get<vornik::render::PlaceablePicture>(read);
    if (picture.unitsPerInch != vornik::render::kUnitsPerInch)
        return "The " + which + " is not measured in hundredths of a millimetre.";
    vornik::render::CurrentPicture current{
        .xExtent = picture.xExtent,
        .yExtent = picture.yExtent,
        .metafile = std::make_shared<const vornik::render::Metafile>(std::move(picture.metafile))};
    return PlacedPicture{std::move(current), given.leftInches, given.topInches};
}

} // namespace

extern "C" int vornik_write_print_page(const char* destination, std::int32_t paperWidthUnits,
                                       std::int32_t paperHeightUnits, std::int32_t dotsPerInch,
                                       const VornikPrintPicture* pictures, std::size_t pictureCount,
                                       char* error, std::size_t errorSize) {
    if (pictures == nullptr && pictureCount > 0) {
        vornik::exporting::copyError("The page's symbols were not handed over.", error, errorSize);
        return 1;
    }
    PrinterPage page;
    for (std::size_t i = 0; i < pictureCount; ++i) {
        auto placed = readPicture(pictures[i], i);
        if (const auto* failure = std::get_if<std::string>(&placed)) {
            vornik::exporting::copyError(*failure, error, errorSize);
            return 1;
        }
        page.push_back(std::move(std::get<PlacedPicture>(placed)));
    }
    vornik::exporting::ensureGuiApplication();
    const vornik::printing::PageSetup setup{{paperWidthUnits, paperHeightUnits}, dotsPerInch};
    if (const auto failure = vornik::printing::writePrinterPagePdf(page, setup, destination)) {
        vornik::exporting::copyError(*failure, error, errorSize);
        return 1;
    }
    return 0;
}

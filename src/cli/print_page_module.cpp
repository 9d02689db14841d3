#include "cli/print_page_module.h"

#include "cli/module_entry.h"
#include "core/render/placeable_wmf.h"
#include "export/module/print_page.h"

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace vornik::cli {
namespace {

constexpr std::int32_t kLargestExtent = std::numeric_limits<std::uint16_t>::max();

// Each picture as the placeable metafile bytes the module reads back; empty
// when one has no picture or is too large for a placeable header.
std::vector<std::vector<std::uint8_t>> pictureBytes(const PrinterPage& page) {
    std::vector<std::vector<std::uint8_t>> files;
    for (const PlacedPicture& placed : page) {
        const render::CurrentPicture& picture = placed.picture;
        if (picture.metafile == nullptr || picture.xExtent < 0 || picture.yExtent < 0 ||
            picture.xExtent > kLargestExtent || picture.yExtent > kLargestExtent)
            return {};
        files.push_back(render::placeableWmfBytes(*picture.metafile,
                                                  static_cast<std::uint16_t>(picture.xExtent),
                                                  static_cast<std::uint16_t>(picture.yExtent)));
    }
    return files;
}

} // namespace

std::optional<std::string> PrintPageModule::load() {
    if (entry_ != nullptr)
        return std::nullopt;
    auto entry = moduleEntry(file_, kPrintPageEntryPoint);
    if (const auto* failure = std::get_if<std::string>(&entry))
        return "The page could not be drawn for the printer: the converter module " +
               file_.string() + " could not be loaded (" + *failure + ").";
    entry_ = reinterpret_cast<EntryPoint>(std::get<void*>(entry));
    return std::nullopt;
}

std::optional<std::string> PrintPageModule::writePdf(const PrinterPage& page,
                                                     const printing::PageSetup& setup,
                                                     const std::filesystem::path& path) {
    if (auto failure = load())
        return failure;
    const auto files = pictureBytes(page);
    if (files.size() != page.size())
        return std::string("The page could not be drawn for the printer: a symbol on it is "
                           "missing or larger than a picture can be.");
    std::vector<VornikPrintPicture> pictures;
    for (std::size_t i = 0; i < page.size(); ++i)
        pictures.push_back(
            {files[i].data(), files[i].size(), page[i].leftInches, page[i].topInches});
    std::array<char, 1024> error{};
    const int status =
        entry_(path.c_str(), setup.paper.widthUnits, setup.paper.heightUnits, setup.dotsPerInch,
               pictures.data(), pictures.size(), error.data(), error.size());
    if (status == 0)
        return std::nullopt;
    return std::string(error.data());
}

} // namespace vornik::cli

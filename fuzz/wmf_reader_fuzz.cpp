// The placeable metafile reader and the SVG and EPS writers it feeds: any
// bytes either give a picture or a reason. A picture read is written again
// as a metafile, which must read back as the same picture, and is drawn as
// SVG and EPS, all in memory.

#include "core/render/placeable_wmf.h"
#include "export/vector/eps_writer.h"
#include "export/vector/svg_writer.h"
#include "support/scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <span>

using namespace vornik;

namespace {

void checkReadsBack(const render::PlaceablePicture& picture) {
    const auto written =
        render::placeableWmfBytes(picture.metafile, picture.xExtent, picture.yExtent);
    const auto again = render::readPlaceableWmf(written);
    const auto* reread = std::get_if<render::PlaceablePicture>(&again);
    if (reread == nullptr)
        fuzz::finding("a picture read and written again does not read back: " +
                      std::get<render::WmfReadError>(again).message);
    if (!(reread->metafile == picture.metafile))
        fuzz::finding("a picture read and written again reads back different records");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = render::readPlaceableWmf(std::span(data, size));
    const auto* picture = std::get_if<render::PlaceablePicture>(&read);
    if (picture == nullptr) {
        if (std::get<render::WmfReadError>(read).message.empty())
            fuzz::finding("a metafile was refused without a reason");
        return 0;
    }
    checkReadsBack(*picture);
    if (exporting::svgDocument(*picture).empty() || exporting::epsDocument(*picture).empty())
        fuzz::finding("a picture read gave an empty document");
    return 0;
}

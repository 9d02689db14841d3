#pragma once

#include "core/app/job.h"
#include "core/render/metafile.h"

#include <cstdint>
#include <vector>

namespace vornik::render {

// What every symbol picture starts and ends with. The start sets the window
// (origin 0, 0; extent x by minus y, in 0.01 mm), fills the background unless
// it is transparent, and selects the bar pen and the solid bar brush.
//
// Bars are filled rectangles without an outline: LibreOffice strokes every
// pen, inside-frame ones included, as a hairline centred on the edge, which
// widens each bar by a device pixel there and closes narrow spaces. When
// working round printer drivers that fill poorly, the bars are instead framed
// by an inside-frame pen 2 mm wide, which draws them with the pen alone. The end puts the
// stock objects back and deletes every object the picture made.
class SymbolPicture {
public:
    SymbolPicture(const Job& job, int xExtent, int yExtent);

    [[nodiscard]] MetafileRecorder& recorder() { return recorder_; }

    // An object made for the picture, to be deleted at the end.
    void own(std::uint16_t index) { made_.push_back(index); }

    [[nodiscard]] Metafile finish();

private:
    MetafileRecorder recorder_;
    std::vector<std::uint16_t> made_;
};

} // namespace vornik::render

#pragma once

#include "core/render/metafile.h"

#include <cstdint>
#include <memory>

namespace vornik::render {

// The picture of the last symbol built, as it is published: anisotropic
// mapping, extents in 0.01 mm (width and height exchanged for rotated
// symbols), and the recorded metafile.
struct CurrentPicture {
    std::int32_t mappingMode = 8;
    std::int32_t xExtent = 0;
    std::int32_t yExtent = 0;
    std::shared_ptr<const Metafile> metafile;
};

} // namespace vornik::render

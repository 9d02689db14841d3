#pragma once

#include "core/render/metafile.h"

namespace vornik {
class Application;
}

namespace vornik::render {

// The last step of every renderer: the finished picture becomes the current
// picture, is written to the temporary placeable metafile (a failure is told
// to the user, and publishing goes on), and goes to the host's clipboard and
// display. Extents in 0.01 mm, exchanged for rotated symbols.
void publishPicture(Application& app, Metafile metafile, std::int32_t xExtent,
                    std::int32_t yExtent);

} // namespace vornik::render

#pragma once

#include "export/glyphs/font_choice.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace vornik::exporting {

// The FreeType face of a font file with a size of `pixelsPerEm` whole pixels
// to the em active and no transform set. Faces and their sizes are opened the
// first time they are asked for on this thread and kept until it ends, so
// that a batch of labels opens its font once; null when FreeType cannot read
// the file.
[[nodiscard]] FT_Face sizedFace(const FontFile& file, int pixelsPerEm);

} // namespace vornik::exporting

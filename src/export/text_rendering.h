#pragma once

namespace vornik::exporting {

// Text drawn smoothly (anti-aliased) or crisply, in the picture's own colours
// only, as a two-colour raster needs it. Bars are never anti-aliased.
enum class TextRendering { Smooth, Crisp };

} // namespace vornik::exporting

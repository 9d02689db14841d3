#pragma once

#include "core/render/metafile.h"

#include <optional>
#include <string>

namespace vornik::exporting {

// A font file and the face within it, as fontconfig names them.
struct FontFile {
    std::string path;
    int index = 0;
    std::string family; // the face's own family name
    bool operator==(const FontFile&) const = default;
};

// The installed face that draws a recorded font. The face name is looked up
// through fontconfig, so that "Arial" finds its metric-compatible substitute;
// a face that is not installed gives way to the generic family that the
// pitch-and-family byte names (roman, swiss, modern, script, decorative; a
// fixed pitch asks for a monospace face), and the weight and italic choose
// among the family's styles. Only outline faces are chosen: text is drawn at
// any size and angle. Nothing when no such face is installed at all.
// Remembered on this thread for the next call with the same font, and kept
// between runs (see RememberedChoices).
[[nodiscard]] std::optional<FontFile> chooseFontFile(const render::LogFont& log);

// For a character the chosen face lacks: the face closest to the same font
// that has a glyph for `codePoint`; nothing when no installed face has.
[[nodiscard]] std::optional<FontFile> chooseFontFileFor(const render::LogFont& log,
                                                        char32_t codePoint);

} // namespace vornik::exporting

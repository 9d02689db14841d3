#pragma once

// Where a text record's alignment flags put the text relative to its
// reference point, as GDI's text-out places it; both text renderers use it.

#include "core/render/metafile.h"

#include <cstdint>

namespace vornik::exporting {

// Where the text starts along its baseline, relative to the reference point,
// for text that advances the pen by ADVANCE.
[[nodiscard]] inline double alignedX(std::uint16_t align, double advance) {
    constexpr std::uint16_t kHorizontal = 6;
    switch (align & kHorizontal) {
    case render::kAlignRight:
        return -advance;
    case render::kAlignCenter:
        return -advance / 2;
    }
    return 0;
}

// Where the baseline lies below the reference point: at it (TA_BASELINE),
// a descent above it (TA_BOTTOM), or an ascent below it (TA_TOP).
[[nodiscard]] inline double alignedBaseline(std::uint16_t align, double ascent, double descent) {
    constexpr std::uint16_t kVertical = 24;
    constexpr std::uint16_t kBottom = 8;
    constexpr std::uint16_t kBaseline = 24;
    switch (align & kVertical) {
    case kBaseline:
        return 0;
    case kBottom:
        return -descent;
    }
    return ascent;
}

} // namespace vornik::exporting

#pragma once

// Small pictures drawn record by record, for the player and the rasteriser.

#include "core/render/metafile.h"
#include "core/render/metafile_replay.h"

#include <cstdint>
#include <vector>

namespace vornik::exporting {

// COLORREF keeps red in its lowest byte.
inline constexpr ColorRef kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kYellow = 0x00FFFF;

// A window of width x height units, y running down from 0, with a black inside-frame pen in
// slot 0 and a black brush in slot 1 selected, then `more`.
inline render::Metafile canvas(int width, int height, std::vector<render::MetaOp> more = {}) {
    using namespace render;
    more.insert(more.begin(), {op::SetWindowOrg{0, 0},
                               op::SetWindowExt{std::int16_t(width), std::int16_t(-height)},
                               op::CreatePen{{kPenInsideFrame, 0, kBlack}}, op::SelectObject{0},
                               op::CreateBrush{{kBrushSolid, kBlack, 0}}, op::SelectObject{1}});
    return {more};
}

// A rectangle given with y counted downward from the top, as positive numbers.
inline render::op::Rectangle box(int left, int top, int right, int bottom) {
    return {std::int16_t(left), std::int16_t(-top), std::int16_t(right), std::int16_t(-bottom)};
}

} // namespace vornik::exporting

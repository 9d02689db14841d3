#pragma once

#include "core/app/job.h"
#include "core/render/metafile.h"

#include <cstdint>
#include <string>

namespace vornik::render {

// Draws a symbol laid out upright (orientation 0: x from 0 to W rightward,
// y from 0 down to -H) into a recorder in the job's orientation. Vertical 90
// turns the symbol a quarter turn clockwise, its top edge on the right;
// vertical 270 a quarter turn counter-clockwise.
class OrientedCanvas {
public:
    OrientedCanvas(MetafileRecorder& recorder, Orientation orientation, int width, int height)
        : recorder_(recorder), orientation_(orientation), width_(width), height_(height) {}

    // A rectangle given by two corners in upright coordinates.
    void rectangle(int x1, int y1, int x2, int y2);

    // Text at a position already in the picture's own coordinates (the text
    // layout of rotated symbols has its own rules).
    void textOut(int x, int y, std::string text);

    [[nodiscard]] MetafileRecorder& recorder() { return recorder_; }
    [[nodiscard]] bool rotated() const { return orientation_ != Orientation::Horizontal; }

private:
    MetafileRecorder& recorder_;
    Orientation orientation_;
    int width_;
    int height_;
};

// A coordinate as a metafile holds it: 16 bits, saturating at the ends of the
// range (the layout keeps every symbol inside it; a gain may reach past).
[[nodiscard]] std::int16_t unit(long long value);

// The longest side a picture can have, its extents being such coordinates.
inline constexpr int kLargestPictureSide = 32767;

} // namespace vornik::render

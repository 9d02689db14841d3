#pragma once

#include "export/raster/pixel_image.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vornik::exporting {

// A box of whole pixels; the right and bottom edges are not part of it.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    [[nodiscard]] bool isEmpty() const { return right <= left || bottom <= top; }
    [[nodiscard]] bool contains(const PixelBox& inner) const {
        return inner.left >= left && inner.top >= top && inner.right <= right &&
               inner.bottom <= bottom;
    }
    [[nodiscard]] PixelBox intersectedWith(const PixelBox& other) const {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
};

// A small picture laid over the scene, such as a line of text: premultiplied
// alpha, red, green, blue in one 32-bit value a pixel (alpha in the top
// byte), rows top to bottom, `width` values a row.
struct Stamp {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// How a stamp's partly covered pixels are laid over what lies below them:
// blended, or, for a two-colour picture, taken whole from half coverage up
// and left out below it, so that no new colour arises.
enum class Coverage { Blend, Threshold };

// A picture on a background of one colour, recorded as solid fills and
// stamps in the order they are drawn and rendered row by row. Rows that no
// fill or stamp edge separates are alike, so each band of them is drawn
// once and copied: a bar code's bars run the height of the symbol, and most
// of its rows cost a copy.
class RasterScene {
public:
    RasterScene(int width, int height, Rgb background);

    // Both are clipped to the picture.
    void fill(PixelBox box, Rgb colour);
    void lay(Stamp stamp, Coverage coverage);

    // The picture with one byte a pixel indexing a palette when it has at
    // most 256 colours, else at 24 bits a pixel. Palette entries may go
    // unused where later drawing covered every pixel of them.
    [[nodiscard]] PixelImage render(double dotsPerInch) const;

    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }

private:
    struct Fill {
        PixelBox box;
        Rgb colour;
    };
    struct Layer {
        Stamp stamp;
        Coverage coverage;
    };
    // One drawing step: an index into fills_ or into layers_.
    struct Step {
        bool isFill;
        std::size_t index;
    };

    template <typename Row> [[nodiscard]] bool renderInto(Row& row, PixelImage& image) const;
    [[nodiscard]] std::vector<int> bandStarts() const;

    int width_;
    int height_;
    Rgb background_;
    std::vector<Fill> fills_;
    std::vector<Layer> layers_;
    std::vector<Step> steps_;
};

} // namespace vornik::exporting

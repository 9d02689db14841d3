#include "export/raster/raster_scene.h"

#include "export/raster/scene_rows.h"

#include <algorithm>
#include <cstring>

namespace vornik::exporting {
namespace {

// Whether `count` stamp pixels are all transparent.
[[nodiscard]] bool isClear(const std::uint32_t* pixels, int count) {
    std::uint32_t any = 0;
    for (int i = 0; i < count; ++i)
        any |= pixels[i];
    return any == 0;
}

// Lays columns first to last (exclusive) of a stamp row whose pixels start
// at column `left`. Transparent stretches, such as those between letters,
// are passed over sixteen pixels at a time.
template <typename Row>
[[nodiscard]] bool layStampRow(Row& row, const std::uint32_t* pixels, int left, int first, int last,
                               Coverage coverage) {
    constexpr int kStretch = 16;
    int x = first;
    while (x < last) {
        if (x + kStretch <= last && isClear(pixels + (x - left), kStretch)) {
            x += kStretch;
            continue;
        }
        for (const int end = std::min(x + kStretch, last); x < end; ++x) {
            const std::uint32_t pixel = pixels[x - left];
            if (pixel != 0 && !row.lay(x, pixel, coverage))
                return false;
        }
    }
    return true;
}

// A stamp cut to the smallest box holding all its pixels that are not fully
// transparent: every row a stamp spans is drawn on its own.
[[nodiscard]] Stamp withoutClearBorder(Stamp stamp) {
    const auto width = static_cast<std::size_t>(stamp.width);
    const auto rowOf = [&](int y) {
        return stamp.argb.data() + static_cast<std::size_t>(y) * width;
    };
    const auto inked = [&](int y) {
        std::uint32_t ink = 0;
        for (std::size_t x = 0; x < width; ++x)
            ink |= rowOf(y)[x];
        return ink != 0;
    };
    int top = 0;
    while (top < stamp.height && !inked(top))
        ++top;
    int bottom = stamp.height;
    while (bottom > top && !inked(bottom - 1))
        --bottom;
    int left = stamp.width;
    int right = 0;
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* row = rowOf(y);
        int x = 0;
        while (x < left && row[x] == 0)
            ++x;
        left = x;
        x = stamp.width;
        while (x > right && row[x - 1] == 0)
            --x;
        right = x;
    }
    if (top == bottom)
        return {stamp.left, stamp.top, 0, 0, {}};
    if (left == 0 && top == 0 && right == stamp.width && bottom == stamp.height)
        return stamp;
    Stamp cut{stamp.left + left, stamp.top + top, right - left, bottom - top, {}};
    cut.argb.reserve(static_cast<std::size_t>(cut.width) * static_cast<std::size_t>(cut.height));
    for (int y = top; y < bottom; ++y)
        cut.argb.insert(cut.argb.end(), rowOf(y) + left, rowOf(y) + right);
    return cut;
}

} // namespace

RasterScene::RasterScene(int width, int height, Rgb background)
    : width_(std::max(0, width)), height_(std::max(0, height)), background_(background) {}

void RasterScene::fill(PixelBox box, Rgb colour) {
    box = box.intersectedWith({0, 0, width_, height_});
    if (box.isEmpty())
        return;
    steps_.push_back({true, fills_.size()});
    fills_.push_back({box, colour});
}

void RasterScene::lay(Stamp stamp, Coverage coverage) {
    if (stamp.argb.size() == static_cast<std::size_t>(std::max(stamp.width, 0)) *
                                 static_cast<std::size_t>(std::max(stamp.height, 0)))
        stamp = withoutClearBorder(std::move(stamp));
    const bool outside = stamp.left >= width_ || stamp.top >= height_ ||
                         stamp.left + stamp.width <= 0 || stamp.top + stamp.height <= 0;
    if (stamp.width <= 0 || stamp.height <= 0 || outside ||
        stamp.argb.size() !=
            static_cast<std::size_t>(stamp.width) * static_cast<std::size_t>(stamp.height))
        return;
    steps_.push_back({false, layers_.size()});
    layers_.push_back({std::move(stamp), coverage});
}

// Every row where a fill starts or ends, and every row a stamp touches,
// starts a band; the picture's first row starts one too.
std::vector<int> RasterScene::bandStarts() const {
    std::vector<bool> starts(static_cast<std::size_t>(height_) + 1, false);
    starts[0] = true;
    for (const Fill& fill : fills_) {
        starts[static_cast<std::size_t>(fill.box.top)] = true;
        starts[static_cast<std::size_t>(fill.box.bottom)] = true;
    }
    for (const Layer& layer : layers_) {
        const int first = std::max(layer.stamp.top, 0);
        const int last = std::min(layer.stamp.top + layer.stamp.height, height_);
        for (int y = first; y <= last; ++y)
            starts[static_cast<std::size_t>(y)] = true;
    }
    std::vector<int> bands;
    for (int y = 0; y < height_; ++y)
        if (starts[static_cast<std::size_t>(y)])
            bands.push_back(y);
    bands.push_back(height_);
    return bands;
}

// Each band's first row is drawn into a scratch row, which is then appended
// once for every row of the band.
template <typename Row> bool RasterScene::renderInto(Row& row, PixelImage& image) const {
    const std::size_t rowBytes = image.bytesPerRow();
    const std::vector<int> bands = bandStarts();
    std::vector<std::uint8_t> scratch(rowBytes);
    image.pixels.clear();
    image.pixels.reserve(rowBytes * static_cast<std::size_t>(height_));
    image.sameAsAbove.assign(static_cast<std::size_t>(height_), true);
    for (std::size_t band = 0; band + 1 < bands.size(); ++band) {
        const int y = bands[band];
        image.sameAsAbove[static_cast<std::size_t>(y)] = false;
        row.start(scratch.data());
        if (!row.fill(0, width_, background_))
            return false;
        for (const Step& step : steps_) {
            if (step.isFill) {
                const Fill& fill = fills_[step.index];
                if (fill.box.top <= y && y < fill.box.bottom &&
                    !row.fill(fill.box.left, fill.box.right, fill.colour))
                    return false;
                continue;
            }
            const Layer& layer = layers_[step.index];
            const int stampRow = y - layer.stamp.top;
            if (stampRow < 0 || stampRow >= layer.stamp.height)
                continue;
            const std::uint32_t* source =
                layer.stamp.argb.data() +
                static_cast<std::size_t>(stampRow) * static_cast<std::size_t>(layer.stamp.width);
            const int first = std::max(layer.stamp.left, 0);
            const int last = std::min(layer.stamp.left + layer.stamp.width, width_);
            if (!layStampRow(row, source, layer.stamp.left, first, last, layer.coverage))
                return false;
        }
        for (int copy = y; copy < bands[band + 1]; ++copy)
            image.pixels.insert(image.pixels.end(), scratch.begin(), scratch.end());
    }
    image.palette = row.palette();
    return true;
}

PixelImage RasterScene::render(double dotsPerInch) const {
    PixelImage image;
    image.width = width_;
    image.height = height_;
    image.dotsPerInch = dotsPerInch;
    image.bitsPerPixel = 8;
    IndexedRow indexed;
    if (renderInto(indexed, image))
        return image;
    image.bitsPerPixel = 24;
    FullColourRow fullColour;
    (void)renderInto(fullColour, image);
    return image;
}

} // namespace vornik::exporting

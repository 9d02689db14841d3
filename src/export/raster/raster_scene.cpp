#include "export/raster/raster_scene.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <utility>

namespace vornik::exporting {
namespace {

constexpr std::size_t kMostPaletteEntries = 256;

struct Argb {
    int alpha, red, green, blue;
};

[[nodiscard]] Argb unpack(std::uint32_t pixel) {
    return {static_cast<int>(pixel >> 24), static_cast<int>((pixel >> 16) & 0xFF),
            static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF)};
}

[[nodiscard]] std::uint8_t channel(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// A premultiplied channel laid over an opaque one.
[[nodiscard]] std::uint8_t over(int source, int alpha, int below) {
    return channel(source + (below * (255 - alpha) + 127) / 255);
}

[[nodiscard]] std::uint8_t unpremultiplied(int source, int alpha) {
    return channel((source * 255 + alpha / 2) / alpha);
}

// The colour a stamp pixel leaves on `below`; nothing where it leaves it as
// it was.
[[nodiscard]] std::optional<Rgb> laidOver(std::uint32_t pixel, Coverage coverage, Rgb below) {
    const Argb source = unpack(pixel);
    if (source.alpha == 0)
        return std::nullopt;
    if (coverage == Coverage::Threshold || source.alpha == 255) {
        if (source.alpha < 128)
            return std::nullopt;
        return Rgb{unpremultiplied(source.red, source.alpha),
                   unpremultiplied(source.green, source.alpha),
                   unpremultiplied(source.blue, source.alpha)};
    }
    return Rgb{over(source.red, source.alpha, below.red),
               over(source.green, source.alpha, below.green),
               over(source.blue, source.alpha, below.blue)};
}

[[nodiscard]] std::uint32_t key(Rgb colour) {
    return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

// Draws a row as palette indices, adding colours to the palette as they come;
// a step fails once a 257th colour is wanted.
class IndexedRow {
public:
    void start(std::uint8_t* pixels) { pixels_ = pixels; }
    [[nodiscard]] bool fill(int left, int right, Rgb colour) {
        const auto index = indexOf(colour);
        if (!index)
            return false;
        std::memset(pixels_ + left, *index, static_cast<std::size_t>(right - left));
        return true;
    }
    [[nodiscard]] bool lay(int x, std::uint32_t pixel, Coverage coverage) {
        // A stamp is mostly a few opaque colours: the text and its cell.
        for (const auto& [opaque, index] : recentOpaque_)
            if (pixel == opaque) {
                pixels_[x] = index;
                return true;
            }
        const auto colour = laidOver(pixel, coverage, palette_[pixels_[x]]);
        if (!colour)
            return true;
        const auto index = indexOf(*colour);
        if (!index)
            return false;
        pixels_[x] = *index;
        if (pixel >> 24 == 255) {
            recentOpaque_[nextRecent_] = {pixel, *index};
            nextRecent_ = (nextRecent_ + 1) % recentOpaque_.size();
        }
        return true;
    }
    [[nodiscard]] std::vector<Rgb> palette() const { return palette_; }

private:
    [[nodiscard]] std::optional<std::uint8_t> indexOf(Rgb colour) {
        if (!palette_.empty() && colour == palette_[last_])
            return last_;
        const auto found = indexOfKey_.find(key(colour));
        if (found != indexOfKey_.end())
            last_ = found->second;
        else if (palette_.size() == kMostPaletteEntries)
            return std::nullopt;
        else {
            last_ = static_cast<std::uint8_t>(palette_.size());
            indexOfKey_.emplace(key(colour), last_);
            palette_.push_back(colour);
        }
        return last_;
    }

    std::uint8_t* pixels_ = nullptr;
    std::vector<Rgb> palette_;
    std::unordered_map<std::uint32_t, std::uint8_t> indexOfKey_;
    std::uint8_t last_ = 0;
    // Opaque stamp pixels lately laid and their indices; 0 is transparent and
    // so never one of them.
    std::array<std::pair<std::uint32_t, std::uint8_t>, 4> recentOpaque_{};
    std::size_t nextRecent_ = 0;
};

// Draws a row as red, green and blue bytes.
class FullColourRow {
public:
    void start(std::uint8_t* pixels) { pixels_ = pixels; }
    [[nodiscard]] bool fill(int left, int right, Rgb colour) {
        for (int x = left; x < right; ++x)
            put(x, colour);
        return true;
    }
    [[nodiscard]] bool lay(int x, std::uint32_t pixel, Coverage coverage) {
        std::uint8_t* at = pixels_ + 3 * static_cast<std::size_t>(x);
        if (const auto colour = laidOver(pixel, coverage, Rgb{at[0], at[1], at[2]}))
            put(x, *colour);
        return true;
    }
    [[nodiscard]] static std::vector<Rgb> palette() { return {}; }

private:
    void put(int x, Rgb colour) {
        std::uint8_t* at = pixels_ + 3 * static_cast<std::size_t>(x);
        at[0] = colour.red;
        at[1] = colour.green;
        at[2] = colour.blue;
    }

    std::uint8_t* pixels_ = nullptr;
};

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
    box = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width_),
           std::min(box.bottom, height_)};
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

#include "core/app/rounding.h"
#include "export/canvas_support.h"
#include "export/player.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vornik::exporting {
namespace {

using namespace render;

const auto dark = [](QRgb pixel) { return qGray(pixel) < 128; };

// The bounds of the pixels that pass `test`.
template <typename Test> QRect bounds(const QImage& image, Test test) {
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}

// A picture of no size or at no resolution gives a null image.
TEST(RenderToImage, SizesTheImageToTheExtentAtTheResolution) {
    // clang-format off
    const std::tuple<int, int, double, int, int, int> rows[] = {
        // x and y extents in units, dots per inch; width, height, dots per metre
        {2540, 1270, 300, 300, 150, 11811}, {1000, 500, 96, 38, 19, 3780},
        {2541, 2539, 100, 101, 100, 3937},  {1, 1, 72, 1, 1, 2835},
        {0, 100, 300, 0, 0, 0},             {100, 100, 0, 0, 0, 0}};
    // clang-format on
    for (const auto& [xUnits, yUnits, dpi, width, height, dotsPerMeter] : rows) {
        SCOPED_TRACE(::testing::Message() << xUnits << " x " << yUnits << " at " << dpi);
        const QImage image = renderToImage({}, xUnits, yUnits, dpi);
        EXPECT_EQ(image.size(), QSize(width, height));
        EXPECT_EQ(image.dotsPerMeterX(), dotsPerMeter);
        EXPECT_EQ(image.dotsPerMeterY(), dotsPerMeter);
    }
}

// Forty bars of one width, a space of that width apart, every other one given from its bottom
// right corner: every edge lands on nearest(units * dpi / 2540) on its own, so bars of one width
// come out one width, give or take a pixel.
TEST(PlayMetafile, RectangleEdgesLandOnTheNearestPixel) {
    const std::pair<int, double> rows[] = {{25, 300}, {33, 300},  {19, 203.2}, {26, 600},
                                           {50, 96},  {13, 1200}, {38, 72},    {27, 150}};
    for (const auto& [bar, dpi] : rows) {
        SCOPED_TRACE(::testing::Message() << bar << " units at " << dpi << " dpi");
        const auto pixel = [dpi = dpi](int units) { return nearest(units * dpi / 2540); };
        Metafile picture = canvas(86 * bar, 500);
        std::vector<int> edges;
        for (int left = 3 * bar; left < 83 * bar; left += 2 * bar) {
            const bool flip = left % (4 * bar) != 3 * bar;
            picture.ops.push_back(flip ? box(left + bar, 483, left, 17)
                                       : box(left, 17, left + bar, 483));
            edges.insert(edges.end(), {pixel(left), pixel(left + bar)});
        }
        const QImage image = renderToImage(picture, 86 * bar, 500, dpi);
        EXPECT_EQ(bounds(image, dark), QRect(QPoint(edges.front(), pixel(17)),
                                             QPoint(edges.back() - 1, pixel(483) - 1)));
        const int y = image.height() / 2;
        std::vector<int> found, widths;
        for (int x = 1; x < image.width(); ++x)
            if (dark(image.pixel(x, y)) != dark(image.pixel(x - 1, y)))
                found.push_back(x);
        EXPECT_EQ(found, edges);
        for (std::size_t i = 0; i + 1 < found.size(); i += 2)
            widths.push_back(found[i + 1] - found[i]);
        EXPECT_LE(std::ranges::max(widths) - std::ranges::min(widths), 1);
    }
}

// A blue rectangle from pixel 10 to 89 (at 254 dpi, 10 units a pixel) framed by a red pen; and
// an object table whose slots are freed and taken again. Probes along the middle row.
TEST(PlayMetafile, FillsWithTheBrushFramesWithThePenAndKeepsTheObjectTable) {
    const auto framed = [](LogPen pen) {
        return std::vector<MetaOp>{op::CreatePen{pen}, op::SelectObject{2},
                                   op::CreateBrush{{kBrushSolid, kBlue, 0}}, op::SelectObject{3},
                                   box(100, 100, 900, 900)};
    };
    using enum Qt::GlobalColor;
    using Probes = std::vector<std::pair<int, Qt::GlobalColor>>; // pixel, colour
    const std::tuple<const char*, std::vector<MetaOp>, Probes> rows[] = {
        // clang-format off
        {"inside frame 100 units", framed({kPenInsideFrame, 100, kRed}),
         {{9, white}, {10, red}, {19, red}, {20, blue}, {79, blue}, {80, red}, {89, red},
          {90, white}}},
        {"inside frame width 0 is a pixel", framed({kPenInsideFrame, 0, kRed}),
         {{9, white}, {10, red}, {11, blue}, {88, blue}, {89, red}, {90, white}}},
        // A null pen draws no outline. Brushes 3 and 4; 3 is freed and taken by green, 4 freed
        // while selected stays in use.
        {"object table", {op::CreatePen{{5, 0, kBlack}}, op::SelectObject{2},
          op::CreateBrush{{kBrushSolid, kRed, 0}}, op::CreateBrush{{kBrushSolid, kBlue, 0}},
          op::DeleteObject{3}, op::CreateBrush{{kBrushSolid, kGreen, 0}},
          op::SelectObject{4}, box(0, 0, 250, 1000), op::SelectObject{3}, box(250, 0, 500, 1000),
          op::DeleteObject{4}, op::CreateBrush{{kBrushSolid, kYellow, 0}}, op::SelectObject{4},
          box(500, 0, 750, 1000), op::DeleteObject{4}, box(750, 0, 1000, 1000)},
         {{0, blue}, {12, blue}, {37, green}, {62, yellow}, {87, yellow}, {99, yellow}}},
        // clang-format on
    };
    for (const auto& [name, ops, probes] : rows) {
        SCOPED_TRACE(name);
        const QImage image = renderToImage(canvas(1000, 1000, ops), 1000, 1000, 254);
        for (const auto& [x, colour] : probes)
            EXPECT_EQ(image.pixelColor(x, 50), QColor(colour)) << "pixel " << x;
    }
}

// Red "HHH" with a yellow background in a 30-pixel cell at (100, 100) pixels: the alignment
// decides where the ink lies around the point, the escapement turns it counter-clockwise about
// the point in tenths of a degree; an opaque background shows, a transparent one does not.
TEST(PlayMetafile, PlacesTextByAlignmentAndEscapement) {
    // Alignment, background mode (0: left as it is, opaque), escapement, and the ink's bounds in
    // pixels (left, top, width, height), each edge within 2.
    const std::tuple<const char*, std::uint16_t, std::uint16_t, std::int16_t, QRect> rows[] = {
        {"left, top", kAlignLeft | kAlignTop, kTransparentBackground, 0, {102, 105, 54, 19}},
        {"right, top", kAlignRight | kAlignTop, kOpaqueBackground, 0, {44, 105, 54, 19}},
        {"reads upward, opaque by default", kAlignCenter, 0, 900, {105, 73, 19, 54}},
        {"reads downward", kAlignCenter, kTransparentBackground, 2700, {75, 73, 20, 54}},
    };
    for (const auto& [name, align, mode, escapement, expected] : rows) {
        SCOPED_TRACE(name);
        LogFont font{.height = 300, .faceName = "Arial"};
        font.escapement = font.orientation = escapement;
        Metafile picture =
            canvas(2000, 2000,
                   {op::CreateFont{font}, op::SelectObject{2}, op::SetTextAlign{align},
                    op::SetBkColor{kYellow}, op::SetTextColor{kRed}});
        if (mode != 0)
            picture.ops.push_back(op::SetBkMode{mode});
        picture.ops.push_back(op::TextOut{1000, -1000, "HHH"});
        const QImage image = renderToImage(picture, 2000, 2000, 254);
        const QRect ink = bounds(image, dark);
        EXPECT_NEAR(ink.left(), expected.left(), 2);
        EXPECT_NEAR(ink.top(), expected.top(), 2);
        EXPECT_NEAR(ink.right(), expected.right(), 2);
        EXPECT_NEAR(ink.bottom(), expected.bottom(), 2);
        EXPECT_FALSE(bounds(image, [](QRgb p) { return p == qRgb(255, 0, 0); }).isEmpty());
        EXPECT_EQ(bounds(image, [](QRgb p) { return p == qRgb(255, 255, 0); }).isEmpty(),
                  mode == kTransparentBackground);
    }
}

} // namespace
} // namespace vornik::exporting

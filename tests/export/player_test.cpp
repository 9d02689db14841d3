#include "core/app/rounding.h"
#include "export/player.h"

#include <QColor>
#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace vornik::exporting {
namespace {

using namespace render;

constexpr ColorRef kRed = 0x0000FF; // COLORREF keeps red in its lowest byte
constexpr ColorRef kGreen = 0x00FF00;
constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kYellow = 0x00FFFF;

std::int16_t units(int value) {
    return static_cast<std::int16_t>(value);
}

// A window of width x height units, y running down from 0, with a black
// inside-frame pen in slot 0 and a black brush in slot 1 selected.
std::vector<MetaOp> canvas(int width, int height) {
    return {op::SetWindowOrg{0, 0},
            op::SetWindowExt{units(width), units(-height)},
            op::CreatePen{{kPenInsideFrame, 0, kBlack}},
            op::SelectObject{0},
            op::CreateBrush{{kBrushSolid, kBlack, 0}},
            op::SelectObject{1}};
}

// A rectangle given with y counted downward from the top, as positive numbers.
op::Rectangle box(int left, int top, int right, int bottom) {
    return {units(left), units(-top), units(right), units(-bottom)};
}

op::CreateFont arialFont(int height, std::int16_t escapement = 0) {
    LogFont font;
    font.height = units(height);
    font.escapement = escapement;
    font.orientation = escapement;
    font.faceName = "Arial";
    return {font};
}

QImage rasterise(std::vector<MetaOp> ops, int width, int height, double dpi) {
    return renderToImage(Metafile{std::move(ops)}, width, height, dpi);
}

bool isDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The dark runs of one pixel row, as (first pixel, length).
std::vector<std::pair<int, int>> darkRuns(const QImage& image, int y) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (!isDark(image, x, y)) {
            continue;
        }
        if (runs.empty() || runs.back().first + runs.back().second != x) {
            runs.emplace_back(x, 0);
        }
        ++runs.back().second;
    }
    return runs;
}

// The bounds of the pixels that pass `test`.
template <typename Test> QRect boundsWhere(const QImage& image, Test test) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QRect inkBounds(const QImage& image) {
    return boundsWhere(image, [&](int x, int y) { return isDark(image, x, y); });
}

bool contains(const QImage& image, const QColor& colour) {
    return !boundsWhere(image, [&](int x, int y) {
                return image.pixelColor(x, y) == colour;
            }).isEmpty();
}

struct SizeRow {
    int xUnits, yUnits;
    double dpi;
    int width, height, dotsPerMeter;
};

TEST(RenderToImage, SizesTheImageToTheExtentAtTheResolution) {
    const SizeRow rows[] = {{2540, 1270, 300, 300, 150, 11811},
                            {1000, 500, 96, 38, 19, 3780},
                            {2541, 2539, 100, 101, 100, 3937},
                            {1, 1, 72, 1, 1, 2835}};
    for (const SizeRow& row : rows) {
        const QImage image = rasterise({}, row.xUnits, row.yUnits, row.dpi);
        EXPECT_EQ(image.size(), QSize(row.width, row.height)) << row.xUnits << " at " << row.dpi;
        EXPECT_EQ(image.dotsPerMeterX(), row.dotsPerMeter) << row.dpi;
        EXPECT_EQ(image.dotsPerMeterY(), row.dotsPerMeter) << row.dpi;
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << row.dpi;
    }
    EXPECT_TRUE(rasterise({}, 0, 100, 300).isNull());
    EXPECT_TRUE(rasterise({}, 100, 100, 0).isNull());
}

// Every edge is rounded on its own: the rectangle covers exactly the pixels
// from nearest(edge * dpi / 2540), left and top inclusive, whatever the order
// of its corners.
struct CoverRow {
    int x1, y1, x2, y2;
    double dpi;
};

TEST(PlayMetafile, RectangleCoversThePixelsNearestItsEdges) {
    const CoverRow rows[] = {{100, 50, 733, 421, 300},   {733, 421, 100, 50, 300},
                             {17, 1, 2999, 1999, 96},    {1234, 400, 1260, 1000, 600},
                             {3, 1990, 29, 1960, 203.2}, {0, 0, 3000, 2000, 72}};
    for (const CoverRow& row : rows) {
        std::vector<MetaOp> ops = canvas(3000, 2000);
        ops.push_back(box(row.x1, row.y1, row.x2, row.y2));
        const QImage image = rasterise(ops, 3000, 2000, row.dpi);
        const auto device = [&](int edge) { return nearest(edge * row.dpi / 2540); };
        const int left = std::min(device(row.x1), device(row.x2));
        const int right = std::max(device(row.x1), device(row.x2));
        const int top = std::min(device(row.y1), device(row.y2));
        const int bottom = std::max(device(row.y1), device(row.y2));
        const std::vector<std::pair<int, int>> expected{{left, right - left}};
        EXPECT_EQ(darkRuns(image, top), expected) << row.x1 << " at " << row.dpi;
        EXPECT_EQ(inkBounds(image), QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)))
            << row.x1 << " at " << row.dpi;
    }
}

// Forty bars of one width, each a space of the same width apart, at several
// widths and resolutions: no bar differs from another by more than a pixel.
struct EqualRow {
    int barUnits;
    double dpi;
};

TEST(PlayMetafile, BarsOfOneWidthComeOutOneWidthGiveOrTakeAPixel) {
    const EqualRow rows[] = {{25, 300}, {33, 300},  {19, 203}, {26, 600},
                             {50, 96},  {13, 1200}, {38, 72},  {27, 150}};
    constexpr int kBars = 40;
    for (const EqualRow& row : rows) {
        const int width = (2 * kBars + 6) * row.barUnits;
        std::vector<MetaOp> ops = canvas(width, 500);
        for (int bar = 0; bar < kBars; ++bar) {
            const int left = (2 * bar + 3) * row.barUnits;
            ops.push_back(box(left, 0, left + row.barUnits, 500));
        }
        const QImage image = rasterise(ops, width, 500, row.dpi);
        const auto runs = darkRuns(image, image.height() / 2);
        ASSERT_EQ(runs.size(), std::size_t{kBars}) << row.barUnits << " at " << row.dpi;
        const auto [narrowest, widest] = std::minmax_element(
            runs.begin(), runs.end(), [](auto a, auto b) { return a.second < b.second; });
        EXPECT_LE(widest->second - narrowest->second, 1) << row.barUnits << " at " << row.dpi;
    }
}

// A blue rectangle from pixel 10 to 89 (at 254 dpi, 10 units a pixel) framed
// by a red pen; probes along its middle row.
struct FrameRow {
    const char* name;
    LogPen pen;
    std::vector<std::pair<int, QColor>> probes;
};

TEST(PlayMetafile, FillsWithTheBrushAndFramesWithThePen) {
    const QColor white(Qt::white), red(Qt::red), blue(Qt::blue);
    // clang-format off
    const FrameRow rows[] = {
        {"inside frame 100 units", {kPenInsideFrame, 100, kRed},
         {{9, white}, {10, red}, {19, red}, {20, blue}, {79, blue}, {80, red}, {89, red}, {90, white}}},
        {"inside frame width 0 is a pixel", {kPenInsideFrame, 0, kRed},
         {{9, white}, {10, red}, {11, blue}, {88, blue}, {89, red}, {90, white}}},
        {"solid 100 units straddles the edge", {kPenSolid, 100, kRed},
         {{4, white}, {5, red}, {14, red}, {15, blue}, {84, blue}, {85, red}, {94, red}}},
        {"null pen draws no frame", {5, 100, kRed}, {{9, white}, {10, blue}, {89, blue}}},
    };
    // clang-format on
    for (const FrameRow& row : rows) {
        std::vector<MetaOp> ops = canvas(1000, 1000);
        ops.insert(ops.end(), {op::CreatePen{row.pen}, op::SelectObject{2},
                               op::CreateBrush{{kBrushSolid, kBlue, 0}}, op::SelectObject{3},
                               box(100, 100, 900, 900)});
        const QImage image = rasterise(ops, 1000, 1000, 254);
        for (const auto& [x, colour] : row.probes) {
            EXPECT_EQ(image.pixelColor(x, 50), colour) << row.name << ", pixel " << x;
        }
    }
}

// Deleting frees a slot and the next object takes the lowest free one; an
// object deleted while selected stays in use.
TEST(PlayMetafile, ObjectTableReusesTheLowestFreeSlot) {
    const std::vector<MetaOp> ops{
        op::SetWindowExt{1000, -100},
        op::CreatePen{{5, 0, kBlack}}, // 0: no outline
        op::SelectObject{0},
        op::CreateBrush{{kBrushSolid, kRed, 0}},  // 1
        op::CreateBrush{{kBrushSolid, kBlue, 0}}, // 2
        op::DeleteObject{1},
        op::CreateBrush{{kBrushSolid, kGreen, 0}}, // 1 again
        op::SelectObject{2},
        box(0, 0, 250, 100),
        op::SelectObject{1},
        box(250, 0, 500, 100),
        op::DeleteObject{2},
        op::CreateBrush{{kBrushSolid, kYellow, 0}}, // 2 again
        op::SelectObject{2},
        box(500, 0, 750, 100),
        op::DeleteObject{2},
        box(750, 0, 1000, 100),
    };
    const QImage image = rasterise(ops, 1000, 100, 254);
    const std::pair<int, QColor> expected[] = {
        {12, Qt::blue}, {37, Qt::green}, {62, Qt::yellow}, {87, Qt::yellow}};
    for (const auto& [x, colour] : expected) {
        EXPECT_EQ(image.pixelColor(x, 5), colour) << "pixel " << x;
    }
}

// Text over a blue field: an opaque background paints its colour behind the
// glyphs, a transparent one leaves the field; the text is in its own colour.
struct BackgroundRow {
    const char* name;
    std::vector<MetaOp> mode;
    bool backgroundShows;
};

TEST(PlayMetafile, TextBackgroundFollowsTheMode) {
    const BackgroundRow rows[] = {
        {"transparent", {op::SetBkMode{kTransparentBackground}}, false},
        {"opaque", {op::SetBkMode{kOpaqueBackground}}, true},
        {"opaque by default", {}, true},
    };
    for (const BackgroundRow& row : rows) {
        std::vector<MetaOp> ops = canvas(1000, 500);
        ops.insert(ops.end(), {op::CreateBrush{{kBrushSolid, kBlue, 0}}, op::SelectObject{2},
                               box(0, 0, 1000, 500), arialFont(300), op::SelectObject{3},
                               op::SetBkColor{kYellow}, op::SetTextColor{kRed}});
        ops.insert(ops.end(), row.mode.begin(), row.mode.end());
        ops.push_back(op::TextOut{100, -100, "Hi"});
        const QImage image = rasterise(ops, 1000, 500, 254);
        EXPECT_EQ(contains(image, Qt::yellow), row.backgroundShows) << row.name;
        EXPECT_TRUE(contains(image, Qt::red)) << row.name;
    }
}

// "HHH" in a 30-pixel cell at (100, 100) pixels: the alignment decides
// where the ink lies around the point, the escapement turns it about the
// point counter-clockwise in tenths of a degree.
struct TextRow {
    const char* name;
    std::uint16_t align;
    std::int16_t escapement;
    int left, top, right, bottom; // the ink's edges in pixels, each within 2
};

TEST(PlayMetafile, PlacesTextByAlignmentAndEscapement) {
    const TextRow rows[] = {
        {"left, top", kAlignLeft | kAlignTop, 0, 102, 105, 155, 123},
        {"centre, top", kAlignCenter | kAlignTop, 0, 73, 105, 126, 123},
        {"right, top", kAlignRight | kAlignTop, 0, 44, 105, 97, 123},
        {"reads upward", kAlignCenter | kAlignTop, 900, 105, 73, 123, 126},
        {"reads downward", kAlignCenter | kAlignTop, 2700, 75, 73, 94, 126},
    };
    for (const TextRow& row : rows) {
        std::vector<MetaOp> ops = canvas(2000, 2000);
        ops.insert(ops.end(), {arialFont(300, row.escapement), op::SelectObject{2},
                               op::SetTextAlign{row.align}, op::SetBkMode{kTransparentBackground},
                               op::TextOut{1000, -1000, "HHH"}});
        const QRect ink = inkBounds(rasterise(ops, 2000, 2000, 254));
        EXPECT_NEAR(ink.left(), row.left, 2) << row.name;
        EXPECT_NEAR(ink.top(), row.top, 2) << row.name;
        EXPECT_NEAR(ink.right(), row.right, 2) << row.name;
        EXPECT_NEAR(ink.bottom(), row.bottom, 2) << row.name;
    }
}

// Code 39 characters as their nine elements, bar first, n narrow and w wide
// (the character table of ISO/IEC 16388).
// clang-format off
const std::pair<char, const char*> kCode39[] = {
    {'*', "nwnnwnwnn"}, {'H', "wnnnnwwnn"}, {'E', "wnnnwwnnn"},
    {'L', "nnwnnnnww"}, {'O', "wnnnwnnwn"},
};
// clang-format on

// Draws *HELLO* as rectangles, narrow 26 units and wide 78, with quiet zones
// of ten narrow elements, plays it at 300 dpi and reads it back.
TEST(PlayMetafile, HandDrawnCode39ReadsBack) {
    constexpr int kNarrow = 26, kWide = 78, kHeight = 1500;
    std::vector<MetaOp> bars;
    int x = 10 * kNarrow;
    for (const char c : std::string("*HELLO*")) {
        const auto* entry = std::find_if(std::begin(kCode39), std::end(kCode39),
                                         [c](const auto& row) { return row.first == c; });
        ASSERT_NE(entry, std::end(kCode39)) << c;
        for (int element = 0; element < 9; ++element) {
            const int width = entry->second[element] == 'w' ? kWide : kNarrow;
            if (element % 2 == 0) {
                bars.push_back(box(x, 0, x + width, kHeight));
            }
            x += width;
        }
        x += kNarrow; // the gap between characters
    }
    const int width = x + 9 * kNarrow;
    std::vector<MetaOp> ops = canvas(width, kHeight);
    ops.insert(ops.end(), bars.begin(), bars.end());
    const QImage grey =
        rasterise(ops, width, kHeight, 300).convertToFormat(QImage::Format_Grayscale8);

    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine()));
    const ZXing::Result result =
        ZXing::ReadBarcode(view, ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::Code39));
    ASSERT_TRUE(result.isValid());
    EXPECT_EQ(result.text(), "HELLO");
}

} // namespace
} // namespace vornik::exporting

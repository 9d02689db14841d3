#include "core/render/placeable_wmf.h"
#include "export/canvas_support.h"
#include "export/player.h"
#include "export/raster/pixel_access.h"
#include "export/rasteriser.h"
#include "support/command_session.h"

#include <QImage>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace vornik::exporting {
namespace {

using namespace render;

struct Picture {
    Metafile metafile;
    int xExtent;
    int yExtent;
};

// A symbol built by commands, as its temporary picture holds it.
Picture built(const std::string& commands) {
    vornik::testing::CommandSession session;
    session.run("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF]");
    if (!session.run(commands + "[BUILD/COPY]") || !session.state().SymbolBuilt)
        return {};
    const auto& current = session.state().CurrentPicture;
    return {*current.metafile, current.xExtent, current.yExtent};
}

// Outlines of every kind.
Picture outlines();
// The same, and text turned, aligned, stretched and on an opaque cell.
Picture outlines() {
    // clang-format off
    return {canvas(4000, 3000, {
        op::CreatePen{{kPenSolid, 60, kRed}}, op::SelectObject{2},
        op::CreateBrush{{kBrushNull, 0, 0}}, op::SelectObject{3}, box(100, 100, 1900, 900),
        op::CreatePen{{kPenInsideFrame, 100, kBlue}}, op::SelectObject{4},
        op::CreateBrush{{kBrushSolid, kYellow, 0}}, op::SelectObject{5}, box(2100, 100, 3900, 900)}),
        4000, 3000};
    // clang-format on
}

Picture drawn() {
    LogFont turned{.height = 300, .faceName = "Arial"};
    turned.escapement = turned.orientation = 900;
    const LogFont stretched{.height = -250, .width = 200, .weight = 700, .faceName = "Arial"};
    // clang-format off
    return {canvas(4000, 3000, {
        op::CreatePen{{kPenSolid, 60, kRed}}, op::SelectObject{2},
        op::CreateBrush{{kBrushNull, 0, 0}}, op::SelectObject{3}, box(100, 100, 1900, 900),
        op::CreatePen{{kPenInsideFrame, 100, kBlue}}, op::SelectObject{4},
        op::CreateBrush{{kBrushSolid, kYellow, 0}}, op::SelectObject{5}, box(2100, 100, 3900, 900),
        op::CreateFont{turned}, op::SelectObject{6}, op::SetTextAlign{kAlignRight | kAlignTop},
        op::SetBkColor{kYellow}, op::SetTextColor{kRed}, op::TextOut{600, -2900, "Turned 90"},
        op::CreateFont{stretched}, op::SelectObject{7}, op::SetTextAlign{kAlignCenter},
        op::SetBkMode{kTransparentBackground}, op::SetTextColor{kGreen},
        op::TextOut{2500, -1800, "Stretched \xC4\xE9"}}), 4000, 3000};
    // clang-format on
}

// The largest difference in any channel between the rasterised picture and the
// player's image of it.
int largestDifference(const PixelImage& raster, const QImage& played) {
    int largest = 0;
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x) {
            const Rgb ours = colourAt(raster, x, y);
            const QRgb theirs = played.pixel(x, y);
            largest = std::max({largest, std::abs(ours.red - qRed(theirs)),
                                std::abs(ours.green - qGreen(theirs)),
                                std::abs(ours.blue - qBlue(theirs))});
        }
    return largest;
}

// Fills never go through the text drawing: where a picture has no text, the
// rasteriser draws the player's pixels exactly, in either rendering.
TEST(Rasterise, DrawsFillsAsThePlayerDoes) {
    const std::pair<const char*, Picture> rows[] = {
        {"Code 39 without its text", built("[CODE39][MESSAGE='VORNIK 39'][TEXT=OFF]")},
        {"Code 128 navy on yellow, turned, no text",
         built("[CODE128][MESSAGE='Vornik 128'][FORECOLOR=NAVY][BACKCOLOR=YELLOW][VERTDOWN]"
               "[TEXT=OFF]")},
        {"PDF417", built("[PDF417][MESSAGE='Vornik PDF417 symbol']")},
        {"Outlines", outlines()},
    };
    for (const auto& [name, picture] : rows) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(picture.metafile.ops.empty());
        for (const auto rendering : {TextRendering::Crisp, TextRendering::Smooth}) {
            const PixelImage raster =
                rasterise(picture.metafile, picture.xExtent, picture.yExtent, 254, rendering);
            const QImage played =
                renderToImage(picture.metafile, picture.xExtent, picture.yExtent, 254, rendering);
            ASSERT_EQ(raster.width, played.width());
            ASSERT_EQ(raster.height, played.height());
            EXPECT_EQ(raster.dotsPerInch, 254);
            EXPECT_EQ(largestDifference(raster, played), 0);
        }
    }
}

// The smallest box holding every pixel of `colour` inside `region`.
template <typename ColourAt> QRect inkOf(QRect region, Rgb colour, const ColourAt& colourAt) {
    QRect ink;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (colourAt(x, y) == colour)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Text drawn with FreeType lands where Qt's player puts it, of the same size:
// each text's ink, found by its colour within its region, has the player's
// edges and size to within two pixels, or a tenth of the size.
TEST(Rasterise, PlacesTextWhereThePlayerDoes) {
    const Picture code39 = built("[CODE39][MESSAGE='VORNIK 39']");
    const Picture turned = built("[CODE128][MESSAGE='Vornik 128'][FORECOLOR=NAVY]"
                                 "[BACKCOLOR=YELLOW][FONTCOLOR=RED][VERTDOWN]");
    const Picture texts = drawn();
    const struct {
        const char* name;
        const Picture& picture;
        double dpi;
        QRect region; // in pixels
        Rgb colour;
    } rows[] = {
        // Below the bars, which end 300 pixels down.
        {"Code 39's human-readable line", code39, 300, {0, 300, 1000, 100}, {0, 0, 0}},
        {"Code 128's line in red, turned downward", turned, 203, {0, 0, 1000, 1000}, {255, 0, 0}},
        // Below the outlines, which end 90 pixels down; the text runs off the foot.
        {"text turned 90 on an opaque cell", texts, 254, {0, 100, 400, 200}, {255, 255, 0}},
        {"text turned 90", texts, 254, {0, 100, 400, 200}, {255, 0, 0}},
        {"text stretched, accented", texts, 254, {0, 0, 400, 300}, {0, 255, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_FALSE(row.picture.metafile.ops.empty());
        const auto& picture = row.picture;
        const PixelImage raster = rasterise(picture.metafile, picture.xExtent, picture.yExtent,
                                            row.dpi, TextRendering::Crisp);
        const QImage played = renderToImage(picture.metafile, picture.xExtent, picture.yExtent,
                                            row.dpi, TextRendering::Crisp);
        const QRect region = row.region.intersected(QRect(0, 0, raster.width, raster.height));
        const QRect ours =
            inkOf(region, row.colour, [&](int x, int y) { return colourAt(raster, x, y); });
        const QRect theirs = inkOf(region, row.colour, [&](int x, int y) {
            const QRgb pixel = played.pixel(x, y);
            return Rgb{std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)),
                       std::uint8_t(qBlue(pixel))};
        });
        ASSERT_FALSE(theirs.isEmpty());
        ASSERT_FALSE(ours.isEmpty());
        EXPECT_NEAR(ours.left(), theirs.left(), 2);
        EXPECT_NEAR(ours.top(), theirs.top(), 2);
        EXPECT_NEAR(ours.right(), theirs.right(), 2);
        EXPECT_NEAR(ours.bottom(), theirs.bottom(), 2);
        EXPECT_NEAR(ours.width(), theirs.width(), std::max(2.0, theirs.width() / 10.0));
        EXPECT_NEAR(ours.height(), theirs.height(), std::max(2.0, theirs.height() / 10.0));
    }
}

// Too many colours for a palette give a full-colour picture, colours exact.
TEST(Rasterise, KeepsMoreThan256ColoursExactly) {
    std::vector<MetaOp> stripes;
    for (int i = 0; i < 300; ++i) {
        stripes.push_back(op::CreateBrush{{kBrushSolid, ColorRef(i), 0}});
        stripes.push_back(op::SelectObject{2});
        stripes.push_back(op::CreatePen{{kPenNull, 0, 0}});
        stripes.push_back(op::SelectObject{3});
        stripes.push_back(box(10 * i, 0, 10 * (i + 1), 100));
        stripes.push_back(op::DeleteObject{2});
        stripes.push_back(op::DeleteObject{3});
    }
    const PixelImage raster =
        rasterise(canvas(3000, 100, stripes), 3000, 100, 254, TextRendering::Crisp);
    ASSERT_EQ(raster.bitsPerPixel, 24);
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(colourAt(raster, i, 5), (Rgb{std::uint8_t(i % 256), std::uint8_t(i / 256), 0}))
            << "stripe " << i;
    }
}

// A metafile may ask for any font width. This one, found by fuzzing, asks
// for a one-dot font stretched over a thousand times, which made Qt's glyph
// rasteriser read an image it could not make; it is drawn at the most the
// rasteriser stretches, and the rest of the picture is drawn after it.
TEST(Rasterise, AFontStretchedAThousandTimesLeavesThePictureWhole) {
    std::ifstream file(VORNIK_EXPORT_TEST_DATA "/stretched-font.wmf", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    const auto read = readPlaceableWmf(bytes);
    const auto* picture = std::get_if<PlaceablePicture>(&read);
    ASSERT_NE(picture, nullptr);
    for (const auto rendering : {TextRendering::Crisp, TextRendering::Smooth}) {
        const PixelImage raster =
            rasterise(picture->metafile, picture->xExtent, picture->yExtent, 220, rendering);
        EXPECT_EQ(raster.width, 323);
        EXPECT_EQ(raster.height, 251);
    }
}

} // namespace
} // namespace vornik::exporting

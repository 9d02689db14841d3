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

// Outlines of every kind, and text turned, aligned, stretched and on an opaque cell.
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

struct Row {
    const char* name;
    Picture picture;
    double dpi;
    std::vector<Rgb> shown; // colours the crisp picture must show, so that text is compared too
};

bool shows(const PixelImage& raster, Rgb colour) {
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            if (colourAt(raster, x, y) == colour)
                return true;
    return false;
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

// The rasteriser lays fills down itself and only text goes through Qt; what it
// draws is what the player draws through Qt: the same pixels in two colours,
// and within a little rounding where smooth text is blended.
TEST(Rasterise, DrawsWhatThePlayerDraws) {
    const Row rows[] = {
        {"Code 39 with its text", built("[CODE39][MESSAGE='VORNIK 39']"), 300, {}},
        {"Code 128 navy on yellow, turned",
         built("[CODE128][MESSAGE='Vornik 128'][FORECOLOR=NAVY][BACKCOLOR=YELLOW][VERTDOWN]"),
         203,
         {}},
        {"PDF417", built("[PDF417][MESSAGE='Vornik PDF417 symbol']"), 600, {}},
        {"Outlines and text", drawn(), 254, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}}},
    };
    for (const auto& [name, picture, dpi, colours] : rows) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(picture.metafile.ops.empty());
        for (const auto rendering : {TextRendering::Crisp, TextRendering::Smooth}) {
            const bool crisp = rendering == TextRendering::Crisp;
            SCOPED_TRACE(crisp ? "crisp" : "smooth");
            const PixelImage raster =
                rasterise(picture.metafile, picture.xExtent, picture.yExtent, dpi, rendering);
            const QImage played =
                renderToImage(picture.metafile, picture.xExtent, picture.yExtent, dpi, rendering);
            ASSERT_EQ(raster.width, played.width());
            ASSERT_EQ(raster.height, played.height());
            EXPECT_EQ(raster.dotsPerInch, dpi);
            EXPECT_LE(largestDifference(raster, played), crisp ? 0 : 2);
            for (const Rgb colour : colours)
                EXPECT_TRUE(!crisp || shows(raster, colour))
                    << int(colour.red) << " " << int(colour.green) << " " << int(colour.blue);
        }
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

#include "export/glyphs/device_face.h"
#include "export/glyphs/font_choice.h"
#include "export/glyphs/text_stamp.h"
#include "export/text_rendering.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cmath>
#include <freetype/ftoutln.h>
#include <freetype/tttables.h>
#include <gtest/gtest.h>
#include <numbers>
#include <set>
#include <string>

namespace vornik::exporting {
namespace {

using namespace render;

constexpr double kX = 300; // the reference point, well inside the device
constexpr double kY = 300;

// The ink of a stamp in device pixels: every pixel at least half covered.
struct Ink {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom not included
    int count = 0;
    [[nodiscard]] int width() const { return right - left; }
    [[nodiscard]] int height() const { return bottom - top; }
};

Ink inkOf(const Stamp& stamp) {
    Ink ink{stamp.left + stamp.width, stamp.top + stamp.height, stamp.left, stamp.top, 0};
    for (int y = 0; y < stamp.height; ++y)
        for (int x = 0; x < stamp.width; ++x) {
            if ((stamp.argb[static_cast<std::size_t>(y * stamp.width + x)] >> 24) < 128)
                continue;
            ink.left = std::min(ink.left, stamp.left + x);
            ink.top = std::min(ink.top, stamp.top + y);
            ink.right = std::max(ink.right, stamp.left + x + 1);
            ink.bottom = std::max(ink.bottom, stamp.top + y + 1);
            ++ink.count;
        }
    return ink;
}

enum class Edge { Left, Top, Right, Bottom };

int edgeOf(const Ink& ink, Edge edge) {
    switch (edge) {
    case Edge::Left:
        return ink.left;
    case Edge::Top:
        return ink.top;
    case Edge::Right:
        return ink.right;
    case Edge::Bottom:
        return ink.bottom;
    }
    return 0;
}

TextStyle styleOf(const LogFont& font, std::uint16_t align) {
    return {.font = font, .align = align, .color = kBlack, .opaque = false, .background = kWhite};
}

// Text at the reference point, one logical unit a pixel.
Stamp drawn(const std::string& text, const TextStyle& style,
            TextRendering rendering = TextRendering::Crisp) {
    return drawText(op::TextOut{0, 0, text}, style, {.x = kX, .y = kY}, rendering);
}

// Liberation Sans's capital height as a share of its cell (ascent plus
// descent, the Windows metrics), read from the font itself.
double capitalShareOfCell() {
    const std::optional<FontFile> file = chooseFontFile({.faceName = "Arial"});
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    double share = 0;
    if (!file || FT_Init_FreeType(&library) != 0)
        return share;
    if (FT_New_Face(library, file->path.c_str(), file->index, &face) == 0) {
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        if (os2 != nullptr && os2->version >= 2)
            share = double(os2->sCapHeight) / (os2->usWinAscent + os2->usWinDescent);
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return share;
}

// "HH" stands on its baseline with a flat top at the capital height, so its
// ink shows where the text was put and how tall it was drawn. A 40-pixel cell
// gives capitals about 25 pixels tall.
TEST(DrawText, PlacesAndSizesTextAsAligned) {
    const double capital = capitalShareOfCell() * 40;
    ASSERT_GT(capital, 20) << "Liberation Sans has no capital height";
    const DeviceFace face = *deviceFace({.height = 40, .faceName = "Arial"}, 1, 1, 96);
    ASSERT_NEAR(face.ascent + face.descent, 40, 1);
    const double ascent = face.ascent;
    const double descent = face.descent;
    // Each row names the ink's edge along the baseline and where it must lie,
    // and the edge where the text starts: the capitals' side bearing keeps
    // their ink a pixel or three inside the start.
    const struct {
        const char* name;
        std::int16_t escapement;
        std::uint16_t align;
        const char* face;
        Edge baseline;
        double baselineAt;
        Edge start;
        double startAt;
    } rows[] = {
        {"left, baseline", 0, kAlignLeft | 24, "Arial", Edge::Bottom, kY, Edge::Left, kX},
        {"left, top", 0, kAlignLeft | kAlignTop, "Arial", Edge::Bottom, kY + ascent, Edge::Left,
         kX},
        {"right, bottom", 0, kAlignRight | 8, "Arial", Edge::Bottom, kY - descent, Edge::Right, kX},
        {"a missing face falls back and keeps its size", 0, kAlignLeft | 24, "Vornik No Such Face",
         Edge::Bottom, kY, Edge::Left, kX},
        {"turned a quarter, left, baseline", 900, kAlignLeft | 24, "Arial", Edge::Right, kX,
         Edge::Bottom, kY},
        {"turned half, left, baseline", 1800, kAlignLeft | 24, "Arial", Edge::Top, kY, Edge::Right,
         kX},
        {"turned three quarters, left, top", 2700, kAlignLeft | kAlignTop, "Arial", Edge::Left,
         kX - ascent, Edge::Top, kY},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LogFont font{.height = 40, .faceName = row.face};
        font.escapement = font.orientation = row.escapement;
        const Ink ink = inkOf(drawn("HH", styleOf(font, row.align)));
        ASSERT_GT(ink.count, 0);
        EXPECT_NEAR(edgeOf(ink, row.baseline), row.baselineAt, 1);
        const double inward = (edgeOf(ink, row.start) - row.startAt) *
                              (row.start == Edge::Left || row.start == Edge::Top ? 1 : -1);
        EXPECT_GE(inward, 0);
        EXPECT_LE(inward, 4);
        const bool upright = row.escapement % 1800 == 0;
        EXPECT_NEAR(upright ? ink.height() : ink.width(), capital, 1.5);
        EXPECT_GT(upright ? ink.width() : ink.height(), capital) << "two capitals side by side";
    }
    // Centred text has the reference point halfway along.
    const Ink centred = inkOf(drawn("HH", styleOf({.height = 40, .faceName = "Arial"}, 6 | 24)));
    EXPECT_NEAR((centred.left + centred.right) / 2.0, kX, 1.5);
}

// A positive height is the cell, a negative one the em; the width stretches
// the text without changing its height.
TEST(DrawText, SizesByCellEmAndWidth) {
    const double share = capitalShareOfCell();
    ASSERT_GT(share, 0.5);
    const Ink cell = inkOf(drawn("HH", styleOf({.height = 60, .faceName = "Arial"}, 24)));
    EXPECT_NEAR(cell.height(), share * 60, 1.5);
    const Ink em = inkOf(drawn("HH", styleOf({.height = -60, .faceName = "Arial"}, 24)));
    EXPECT_GT(em.height(), cell.height()) << "the em is smaller than the cell";
    const Ink narrow =
        inkOf(drawn("HHHH", styleOf({.height = 60, .width = 15, .faceName = "Arial"}, 24)));
    const Ink wide =
        inkOf(drawn("HHHH", styleOf({.height = 60, .width = 30, .faceName = "Arial"}, 24)));
    EXPECT_NEAR(wide.width(), 2.0 * narrow.width(), 0.05 * wide.width());
    EXPECT_EQ(wide.height(), narrow.height());
    EXPECT_EQ(wide.height(), cell.height());
}

// A width far beyond what the face can sensibly be stretched or squeezed to
// is held to the stretch the metafile renderer allows, as a fuzzed metafile
// asks: the glyph images stay of a size that can be made.
TEST(DrawText, StretchesAtMostAsFarAsTheRendererAllows) {
    const struct {
        std::int16_t height;
        std::int16_t width;
        double scale;
    } rows[] = {{20, 30000, kWidestTextStretch}, {2000, 1, 1 / kWidestTextStretch}};
    for (const auto& row : rows) {
        const auto face =
            deviceFace({.height = row.height, .width = row.width, .faceName = "Arial"}, 1, 1, 96);
        ASSERT_TRUE(face.has_value());
        EXPECT_DOUBLE_EQ(face->horizontalScale, row.scale) << row.width;
    }
    const Ink widest =
        inkOf(drawn("H", styleOf({.height = 8, .width = 1000, .faceName = "Arial"}, 24)));
    const Ink asWide =
        inkOf(drawn("H", styleOf({.height = 8, .width = 30000, .faceName = "Arial"}, 24)));
    EXPECT_EQ(asWide.width(), widest.width());
}

// The size in pixels of the black-and-white image FreeType draws for a
// character of a face at `pixelsPerEm`; -1 when the face lacks it.
std::pair<int, int> glyphImageSize(const std::optional<FontFile>& file, char32_t character,
                                   int pixelsPerEm) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::pair<int, int> size{-1, -1};
    if (!file || FT_Init_FreeType(&library) != 0)
        return size;
    if (FT_New_Face(library, file->path.c_str(), file->index, &face) == 0 &&
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelsPerEm)) == 0 &&
        FT_Get_Char_Index(face, character) != 0 &&
        FT_Load_Char(face, character, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0)
        size = {static_cast<int>(face->glyph->bitmap.width),
                static_cast<int>(face->glyph->bitmap.rows)};
    if (face != nullptr)
        FT_Done_Face(face);
    FT_Done_FreeType(library);
    return size;
}

// Bytes of the ANSI code page are its characters, not the Latin-1 controls
// of the same value: each is drawn as the face's glyph for its character, and
// accents stand above their letters.
TEST(DrawText, DrawsTheAnsiCodePage) {
    const LogFont arial{.height = 60, .faceName = "Arial"};
    const TextStyle style = styleOf(arial, 24);
    const int pixelsPerEm = deviceFace(arial, 1, 1, 96)->pixelsPerEm;
    const std::pair<const char*, char32_t> rows[] = {
        {"\x80", 0x20AC}, {"\x8A", 0x0160}, {"\x9C", 0x0153}, {"\x9F", 0x0178},
        {"\xC4", 0x00C4}, {"\xE9", 0x00E9}, {"A", 'A'},
    };
    for (const auto& [byte, character] : rows) {
        SCOPED_TRACE(static_cast<unsigned>(character));
        const Ink ink = inkOf(drawn(byte, style));
        const auto [width, height] = glyphImageSize(chooseFontFile(arial), character, pixelsPerEm);
        ASSERT_GT(width, 0) << "Liberation Sans lacks the character";
        EXPECT_NEAR(ink.width(), width, 1) << "the image may have an empty column";
        EXPECT_NEAR(ink.height(), height, 1);
    }
    const Ink plainA = inkOf(drawn("A", style));
    const Ink umlautA = inkOf(drawn("\xC4", style));
    EXPECT_LT(umlautA.top, plainA.top - 3) << "the diaeresis above A";
    EXPECT_EQ(umlautA.bottom, plainA.bottom);
    const Ink plainE = inkOf(drawn("e", style));
    const Ink acuteE = inkOf(drawn("\xE9", style));
    EXPECT_LT(acuteE.top, plainE.top - 3) << "the acute above e";
    EXPECT_EQ(acuteE.bottom, plainE.bottom);
}

// A face that lacks a character has it drawn by another face at the same
// size: OpenSymbol has no Latin letters.
TEST(DrawText, DrawsACharacterTheFaceLacksFromAnotherFace) {
    const std::optional<FontFile> symbols = chooseFontFile({.faceName = "OpenSymbol"});
    ASSERT_TRUE(symbols && symbols->family == "OpenSymbol")
        << "the face OpenSymbol is not installed; it is in the Debian package fonts-opensymbol";
    const LogFont font{.height = 60, .faceName = "OpenSymbol"};
    const std::optional<FontFile> standIn = chooseFontFileFor(font, 'H');
    ASSERT_TRUE(standIn);
    const int pixelsPerEm = deviceFace(font, 1, 1, 96)->pixelsPerEm;
    const Ink letter = inkOf(drawn("H", styleOf(font, 24)));
    const auto [width, height] = glyphImageSize(standIn, 'H', pixelsPerEm);
    ASSERT_GT(width, 0);
    EXPECT_NEAR(letter.width(), width, 1);
    EXPECT_NEAR(letter.height(), height, 1);
    EXPECT_EQ(letter.bottom, kY) << "on the baseline";
}

// Crisp text covers whole pixels in its colour; smooth text blends its edges.
// An opaque cell is filled with the background colour over the text's
// advance and its whole cell height; underline and strike-out add lines.
TEST(DrawText, RendersCrispSmoothOpaqueAndLined) {
    TextStyle style = styleOf({.height = 40, .faceName = "Arial"}, kAlignTop);
    style.color = 0x0000FF; // red
    const Stamp crisp = drawn("Vornik", style, TextRendering::Crisp);
    const Stamp smooth = drawn("Vornik", style, TextRendering::Smooth);
    const auto alphas = [](const Stamp& stamp) {
        std::set<std::uint32_t> seen;
        for (const std::uint32_t pixel : stamp.argb)
            seen.insert(pixel >> 24);
        return seen;
    };
    EXPECT_EQ(alphas(crisp), (std::set<std::uint32_t>{0, 255}));
    EXPECT_GT(alphas(smooth).size(), 2u);
    for (const std::uint32_t pixel : crisp.argb)
        ASSERT_TRUE(pixel == 0 || pixel == 0xFFFF0000) << std::hex << pixel;

    style.opaque = true;
    style.background = 0x00FFFF; // yellow
    const Stamp opaque = drawn("Vornik", style);
    int yellowRows = 0;
    for (int y = 0; y < opaque.height; ++y)
        yellowRows += opaque.argb[static_cast<std::size_t>(y * opaque.width)] == 0xFFFFFF00;
    EXPECT_EQ(opaque.top, kY);
    EXPECT_NEAR(yellowRows, 40, 1) << "the cell's height";

    style.opaque = false;
    const Ink plain = inkOf(drawn("Vornik", style));
    style.font.underline = 1;
    const Ink underlined = inkOf(drawn("Vornik", style));
    EXPECT_GT(underlined.bottom, plain.bottom);
    EXPECT_GT(underlined.count, plain.count);
    style.font.underline = 0;
    style.font.strikeOut = 1;
    const Ink struck = inkOf(drawn("Vornik", style));
    EXPECT_EQ(struck.bottom, plain.bottom);
    EXPECT_GT(struck.count, plain.count);
}

// Nothing to draw, or nothing on the device, gives an empty stamp; text
// partly off the device is cut to it.
TEST(DrawText, CutsTextToTheDevice) {
    const TextStyle style = styleOf({.height = 40, .faceName = "Arial"}, kAlignTop);
    EXPECT_TRUE(drawn("", style).argb.empty());
    const auto onDevice = [&](double x, double y) {
        return drawText(op::TextOut{0, 0, "Vornik"}, style,
                        {.x = x, .y = y, .deviceWidth = 100, .deviceHeight = 50},
                        TextRendering::Crisp);
    };
    EXPECT_TRUE(onDevice(200, 10).argb.empty());
    const Stamp cut = onDevice(60, 30);
    EXPECT_GE(cut.left, 0);
    EXPECT_LE(cut.left + cut.width, 100);
    EXPECT_LE(cut.top + cut.height, 50);
    EXPECT_GT(inkOf(cut).count, 0);
}

// The stamp's pixels over the device box [0, width) x [0, height), row by
// row; transparent where the stamp does not reach.
std::vector<std::uint32_t> devicePixels(const Stamp& stamp, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int column = x - stamp.left;
            const int row = y - stamp.top;
            if (column >= 0 && column < stamp.width && row >= 0 && row < stamp.height)
                pixels[static_cast<std::size_t>(y * width + x)] =
                    stamp.argb[static_cast<std::size_t>(row * stamp.width + column)];
        }
    return pixels;
}

// Glyphs that reach beyond the device are drawn only where they are on it,
// and those pixels are the ones the whole glyph has: text crossing each
// edge, turned every way, stretched or not, matches the same text drawn on
// an unbounded device. At angles other than quarter turns FreeType draws
// the part of a turned outline a little differently from the whole (seen
// here: a grey level along an edge, a lone black-and-white pixel), so there
// the two may differ that much. Each row has a size of its own, so that no
// glyph comes from what an earlier drawing kept.
TEST(DrawText, DrawsTextCrossingTheDeviceEdgeAsTheWholeTextHasIt) {
    constexpr int kWidth = 90;
    constexpr int kHeight = 60;
    const struct {
        std::int16_t escapement;
        std::int16_t width;
        double x, y;
    } rows[] = {
        {0, 0, -30, 50},   {0, 50, 40, 30},   {900, 0, 20, 70},   {900, 50, 70, 40},
        {1800, 0, 80, 10}, {2700, 0, 40, 0},  {2700, 30, 80, 10}, {300, 0, -20, 80},
        {300, 40, 30, 90}, {1350, 0, 95, 50},
    };
    std::int16_t height = 101;
    for (const auto& row : rows)
        for (const TextRendering rendering : {TextRendering::Crisp, TextRendering::Smooth}) {
            SCOPED_TRACE(testing::Message()
                         << "escapement " << row.escapement << ", width " << row.width
                         << ", smooth " << (rendering == TextRendering::Smooth));
            LogFont font{.height = height++, .width = row.width, .faceName = "Arial"};
            font.escapement = font.orientation = row.escapement;
            const TextStyle style = styleOf(font, 24);
            const op::TextOut call{0, 0, "WVornik"};
            const Stamp cut =
                drawText(call, style,
                         {.x = row.x, .y = row.y, .deviceWidth = kWidth, .deviceHeight = kHeight},
                         rendering);
            const Stamp whole = drawText(call, style, {.x = row.x, .y = row.y}, rendering);
            ASSERT_GT(inkOf(cut).count, 0) << "the text crosses the device";
            EXPECT_GE(cut.left, 0);
            EXPECT_GE(cut.top, 0);
            EXPECT_LE(cut.left + cut.width, kWidth);
            EXPECT_LE(cut.top + cut.height, kHeight);
            const auto cutPixels = devicePixels(cut, kWidth, kHeight);
            const auto wholePixels = devicePixels(whole, kWidth, kHeight);
            if (row.escapement % 900 == 0) {
                EXPECT_EQ(cutPixels, wholePixels);
                continue;
            }
            int apart = 0;
            for (std::size_t i = 0; i < cutPixels.size(); ++i)
                apart += std::abs(int(cutPixels[i] >> 24) - int(wholePixels[i] >> 24)) > 2;
            EXPECT_LE(apart, 2);
        }
}

// Where the stem of "I" lies in Liberation Sans, in ems from the glyph's
// origin: "I" is a plain bar, so its outline's box is the stem.
struct Stem {
    double left = 0, right = 0, bottom = 0, top = 0;
};

Stem stemOfCapitalI() {
    const std::optional<FontFile> file = chooseFontFile({.faceName = "Arial"});
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    Stem stem;
    if (!file || FT_Init_FreeType(&library) != 0)
        return stem;
    if (FT_New_Face(library, file->path.c_str(), file->index, &face) == 0 &&
        FT_Load_Char(face, 'I', FT_LOAD_NO_SCALE) == 0) {
        FT_BBox box;
        FT_Outline_Get_CBox(&face->glyph->outline, &box);
        const double em = face->units_per_EM;
        stem = {box.xMin / em, box.xMax / em, box.yMin / em, box.yMax / em};
    }
    if (face != nullptr)
        FT_Done_Face(face);
    FT_Done_FreeType(library);
    return stem;
}

// A glyph many times larger than the device, as a metafile may ask for, is
// still drawn where it covers the device: the stem of an "I" of the largest
// size, stretched as far as text stretches, turned every way, fills a small
// device wholly. Such a glyph is wider than FreeType draws whole.
TEST(DrawText, DrawsTheVisiblePartOfAGlyphFarLargerThanTheDevice) {
    constexpr int kWidth = 100;
    constexpr int kHeight = 50;
    const Stem stem = stemOfCapitalI();
    ASSERT_GT(stem.right - stem.left, 0.05) << "Liberation Sans has no capital I";
    for (const std::int16_t escapement : {0, 900, 1800, 2700, 300}) {
        for (const TextRendering rendering : {TextRendering::Crisp, TextRendering::Smooth}) {
            SCOPED_TRACE(testing::Message() << "escapement " << escapement << ", smooth "
                                            << (rendering == TextRendering::Smooth));
            LogFont font{.height = -30000, .width = 30000, .faceName = "Arial"};
            font.escapement = font.orientation = escapement;
            constexpr double kWidthScale = 20;
            const std::optional<DeviceFace> face = deviceFace(font, 1, kWidthScale, 96);
            ASSERT_TRUE(face);
            const double stretch = face->horizontalScale;
            ASSERT_GT((stem.right - stem.left) * face->pixelsPerEm * stretch, 32767)
                << "wider than FreeType draws a whole glyph";
            // The stem's middle, in the text's frame (y down), lands on the
            // device's middle.
            const double u = (stem.left + stem.right) / 2 * face->pixelsPerEm * stretch;
            const double v = -(stem.bottom + stem.top) / 2 * face->pixelsPerEm;
            const double angle = escapement / 10.0 * std::numbers::pi / 180;
            const double x = kWidth / 2.0 - (u * std::cos(angle) + v * std::sin(angle));
            const double y = kHeight / 2.0 - (-u * std::sin(angle) + v * std::cos(angle));
            const Stamp stamp = drawText(op::TextOut{0, 0, "I"}, styleOf(font, 24),
                                         {.x = std::round(x),
                                          .y = std::round(y),
                                          .widthScale = kWidthScale,
                                          .deviceWidth = kWidth,
                                          .deviceHeight = kHeight},
                                         rendering);
            EXPECT_EQ(inkOf(stamp).count, kWidth * kHeight);
        }
    }
}

} // namespace
} // namespace vornik::exporting

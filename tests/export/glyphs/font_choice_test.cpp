#include "export/glyphs/font_choice.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vornik::exporting {
namespace {

// The family fontconfig itself gives for a pattern such as "serif", as
// fc-match would print it.
std::string familyFontconfigGives(const char* name) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FcChar8* family = nullptr;
    std::string text;
    if (found != nullptr && FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch)
        text = reinterpret_cast<const char*>(family);
    if (found != nullptr)
        FcPatternDestroy(found);
    FcPatternDestroy(pattern);
    return text;
}

// What FreeType reads in a chosen file: its style flags, and whether it has
// a glyph for a character.
struct FaceFacts {
    bool opened = false;
    bool bold = false;
    bool italic = false;
    bool hasCharacter = false;
};

FaceFacts factsOf(const FontFile& file, char32_t character = 'A') {
    FT_Library library = nullptr;
    FaceFacts facts;
    if (FT_Init_FreeType(&library) != 0)
        return facts;
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.path.c_str(), file.index, &face) == 0) {
        facts = {true, (face->style_flags & FT_STYLE_FLAG_BOLD) != 0,
                 (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0,
                 FT_Get_Char_Index(face, character) != 0};
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return facts;
}

// Families are the metric-compatible faces of fonts-liberation2, which the
// program depends on, or whatever fontconfig makes of a generic family.
TEST(ChooseFontFile, FindsTheFaceOrTheGenericFamilyItsHintsName) {
    // The pitch-and-family byte: family in the high nibble (1 roman, 2 swiss,
    // 3 modern), pitch in the low bits (1 fixed).
    const struct {
        const char* name;
        render::LogFont font;
        std::string family;
        bool bold;
        bool italic;
    } rows[] = {
        {"Arial, its metric twin", {.faceName = "Arial"}, "Liberation Sans", false, false},
        {"Arial bold italic",
         {.weight = 700, .italic = 1, .faceName = "Arial"},
         "Liberation Sans",
         true,
         true},
        {"weight 0 is normal", {.weight = 0, .faceName = "Arial"}, "Liberation Sans", false, false},
        {"Times New Roman",
         {.pitchAndFamily = 0x12, .faceName = "Times New Roman"},
         "Liberation Serif",
         false,
         false},
        {"Courier New",
         {.pitchAndFamily = 0x31, .faceName = "Courier New"},
         "Liberation Mono",
         false,
         false},
        {"a missing roman face",
         {.pitchAndFamily = 0x12, .faceName = "Vornik No Such Face"},
         familyFontconfigGives("serif"),
         false,
         false},
        {"a missing swiss face",
         {.pitchAndFamily = 0x22, .faceName = "Vornik No Such Face"},
         familyFontconfigGives("sans-serif"),
         false,
         false},
        {"a missing modern face, bold",
         {.weight = 700, .pitchAndFamily = 0x30, .faceName = "Vornik No Such Face"},
         familyFontconfigGives("monospace"),
         true,
         false},
        {"a missing face of fixed pitch only",
         {.pitchAndFamily = 0x01, .faceName = "Vornik No Such Face"},
         familyFontconfigGives("monospace"),
         false,
         false},
        {"a name in the ANSI code page",
         {.faceName = "Vornik Caf\xE9"},
         familyFontconfigGives("sans-serif"),
         false,
         false},
        {"no name and no hints", {}, familyFontconfigGives("sans-serif"), false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_FALSE(row.family.empty()) << "fontconfig finds no face at all";
        const std::optional<FontFile> chosen = chooseFontFile(row.font);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->family, row.family);
        const FaceFacts facts = factsOf(*chosen);
        ASSERT_TRUE(facts.opened) << chosen->path;
        EXPECT_EQ(facts.bold, row.bold);
        EXPECT_EQ(facts.italic, row.italic);
        EXPECT_TRUE(facts.hasCharacter);
        EXPECT_EQ(chooseFontFile(row.font), chosen) << "a second choice differs";
    }
}

// A character the face lacks is found in another face; one no face has, nowhere.
TEST(ChooseFontFile, FindsAFaceForACharacterTheFaceLacks) {
    const render::LogFont arial{.faceName = "Arial"};
    const std::optional<FontFile> own = chooseFontFile(arial);
    ASSERT_TRUE(own);
    constexpr char32_t kSnowman = 0x2603; // not in Liberation Sans, in DejaVu Sans
    ASSERT_FALSE(factsOf(*own, kSnowman).hasCharacter);
    const std::optional<FontFile> standIn = chooseFontFileFor(arial, kSnowman);
    ASSERT_TRUE(standIn) << "no installed face has U+2603; fonts-dejavu-core has";
    EXPECT_NE(standIn->path, own->path);
    EXPECT_TRUE(factsOf(*standIn, kSnowman).hasCharacter);
    EXPECT_FALSE(chooseFontFileFor(arial, 0x10FFFD)) << "a private-use character has a face";
}

} // namespace
} // namespace vornik::exporting

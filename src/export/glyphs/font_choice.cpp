#include "export/glyphs/font_choice.h"

#include "core/app/windows1252.h"
#include "export/glyphs/remembered_choices.h"

#include <algorithm>
#include <fontconfig/fontconfig.h>
#include <memory>
#include <mutex>
#include <vector>

namespace vornik::exporting {
namespace {

struct PatternRelease {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternRelease>;

struct CharSetRelease {
    void operator()(FcCharSet* set) const { FcCharSetDestroy(set); }
};

constexpr std::uint8_t kFixedPitch = 1; // the low bits of the pitch-and-family byte

const char* genericFamily(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily >> 4) {
    case 1:
        return "serif";
    case 2:
        return "sans-serif";
    case 3:
        return "monospace";
    case 4:
        return "cursive";
    case 5:
        return "fantasy";
    }
    return (pitchAndFamily & 3) == kFixedPitch ? "monospace" : "sans-serif";
}

// LOGFONT weights run 100..900 as OpenType's do; 0 means "don't care", which
// GDI draws as normal.
int fontconfigWeight(std::int16_t weight) {
    return FcWeightFromOpenType(weight <= 0 ? 400 : std::clamp<int>(weight, 1, 1000));
}

const FcChar8* text(const char* value) {
    return reinterpret_cast<const FcChar8*>(value);
}

// What is asked of fontconfig for a font, before its configuration fills in
// the defaults and aliases.
Pattern patternFor(const render::LogFont& log, char32_t codePoint) {
    Pattern pattern(FcPatternCreate());
    const std::string face = windows1252ToUtf8(log.faceName);
    if (!face.empty())
        FcPatternAddString(pattern.get(), FC_FAMILY, text(face.c_str()));
    FcPatternAddString(pattern.get(), FC_FAMILY, text(genericFamily(log.pitchAndFamily)));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, fontconfigWeight(log.weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT,
                        log.italic != 0 ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if ((log.pitchAndFamily & 3) == kFixedPitch)
        FcPatternAddInteger(pattern.get(), FC_SPACING, FC_MONO);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (codePoint != 0) {
        const std::unique_ptr<FcCharSet, CharSetRelease> wanted(FcCharSetCreate());
        FcCharSetAddChar(wanted.get(), codePoint);
        FcPatternAddCharSet(pattern.get(), FC_CHARSET, wanted.get());
    }
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

std::optional<FontFile> match(const render::LogFont& log, char32_t codePoint) {
    const Pattern pattern = patternFor(log, codePoint);
    FcResult result = FcResultNoMatch;
    const Pattern found(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* path = nullptr;
    if (!found || FcPatternGetString(found.get(), FC_FILE, 0, &path) != FcResultMatch)
        return std::nullopt;
    FcBool scalable = FcFalse;
    if (FcPatternGetBool(found.get(), FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable)
        return std::nullopt;
    if (codePoint != 0) {
        FcCharSet* has = nullptr;
        if (FcPatternGetCharSet(found.get(), FC_CHARSET, 0, &has) != FcResultMatch ||
            !FcCharSetHasChar(has, codePoint))
            return std::nullopt;
    }
    FontFile file{reinterpret_cast<const char*>(path), 0, {}};
    FcPatternGetInteger(found.get(), FC_INDEX, 0, &file.index);
    FcChar8* family = nullptr;
    if (FcPatternGetString(found.get(), FC_FAMILY, 0, &family) == FcResultMatch)
        file.family = reinterpret_cast<const char*>(family);
    return file;
}

// A label uses a font or two and a handful of characters a face may lack; a
// long-running program that has seen many starts afresh rather than keep them.
constexpr std::size_t kRememberedChoices = 64;

// Asks the choices kept between runs first; what fontconfig answers is kept.
std::optional<FontFile> keptOrMatched(const render::LogFont& log, const ChoiceKey& key) {
    static std::mutex guard;
    static RememberedChoices kept(rememberedChoicesFile());
    const std::lock_guard lock(guard);
    if (auto choice = kept.find(key))
        return *choice;
    std::optional<FontFile> choice = match(log, key.codePoint);
    kept.remember(key, choice, fontconfigInputs());
    return choice;
}

std::optional<FontFile> rememberedMatch(const render::LogFont& log, char32_t codePoint) {
    thread_local std::vector<std::pair<ChoiceKey, std::optional<FontFile>>> choices;
    const ChoiceKey key{log.faceName, log.pitchAndFamily, log.weight, log.italic != 0, codePoint};
    for (const auto& [made, file] : choices)
        if (made == key)
            return file;
    if (choices.size() == kRememberedChoices)
        choices.clear();
    choices.emplace_back(key, keptOrMatched(log, key));
    return choices.back().second;
}

} // namespace

std::optional<FontFile> chooseFontFile(const render::LogFont& log) {
    return rememberedMatch(log, 0);
}

std::optional<FontFile> chooseFontFileFor(const render::LogFont& log, char32_t codePoint) {
    if (codePoint == 0)
        return std::nullopt;
    return rememberedMatch(log, codePoint);
}

} // namespace vornik::exporting

#include "core/twod/dm_legacy_formats.h"

#include <array>
#include <cstdint>

namespace vornik::twod {

namespace {

// How a base format packs its characters: `groupSize` characters make one
// number in base `base`, the first character its lowest digit.
struct BasePacking {
    int base;
    std::size_t groupSize;
};

// Bits needed for `count` characters of base `base`: the fewest bits that
// hold base^count - 1 (a full group of Base 11 takes 21 bits, of Base 27 24,
// of Base 37 21 and of Base 41 22).
int bitsForGroup(int base, std::size_t count) {
    std::uint64_t values = 1;
    for (std::size_t i = 0; i < count; ++i)
        values *= static_cast<std::uint64_t>(base);
    int bits = 0;
    while ((std::uint64_t{1} << bits) < values)
        ++bits;
    return bits;
}

std::optional<BasePacking> basePackingOf(LegacyFormat format) {
    switch (format) {
    case LegacyFormat::Base11:
        return BasePacking{11, 6};
    case LegacyFormat::Base27:
        return BasePacking{27, 5};
    case LegacyFormat::Base41:
        return BasePacking{41, 4};
    case LegacyFormat::Base37:
        return BasePacking{37, 4};
    case LegacyFormat::Ascii:
    case LegacyFormat::Binary:
        return std::nullopt;
    }
    return std::nullopt;
}

// The value of `c` in a base format, or -1 when the format lacks it. Space
// is 0 everywhere; Base 11 has digits 1 to 10; the others letters 1 to 26,
// then digits 27 to 36, then . , - / 37 to 40.
int baseValue(LegacyFormat format, char c) {
    const bool digit = c >= '0' && c <= '9';
    const bool letter = c >= 'A' && c <= 'Z';
    if (c == ' ')
        return 0;
    if (format == LegacyFormat::Base11)
        return digit ? c - '0' + 1 : -1;
    if (letter)
        return c - 'A' + 1;
    if (format == LegacyFormat::Base27)
        return -1;
    if (digit)
        return c - '0' + 27;
    if (format == LegacyFormat::Base37)
        return -1;
    constexpr std::string_view kPunctuation = ".,-/";
    const std::size_t at = kPunctuation.find(c);
    return at == std::string_view::npos ? -1 : 37 + static_cast<int>(at);
}

} // namespace

std::optional<LegacyFormat> legacyFormatOf(int dmFormat) {
    constexpr std::array<LegacyFormat, 6> kByOption = {LegacyFormat::Base11, LegacyFormat::Base27,
                                                       LegacyFormat::Base37, LegacyFormat::Base41,
                                                       LegacyFormat::Ascii,  LegacyFormat::Binary};
    if (dmFormat < 1 || dmFormat > static_cast<int>(kByOption.size()))
        return std::nullopt;
    return kByOption[static_cast<std::size_t>(dmFormat - 1)];
}

bool formatAccepts(LegacyFormat format, std::string_view message) {
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (format == LegacyFormat::Ascii && byte > 127)
            return false;
        if (basePackingOf(format) && baseValue(format, c) < 0)
            return false;
    }
    return true;
}

LegacyBits packCharacters(LegacyFormat format, std::string_view message) {
    LegacyBits bits;
    const std::optional<BasePacking> packing = basePackingOf(format);
    if (!packing) {
        const int width = format == LegacyFormat::Ascii ? 7 : 8;
        for (const char c : message)
            appendLowBitFirst(bits, static_cast<unsigned char>(c), width);
        return bits;
    }
    for (std::size_t start = 0; start < message.size(); start += packing->groupSize) {
        const std::string_view group = message.substr(start, packing->groupSize);
        std::uint64_t value = 0;
        for (auto c = group.rbegin(); c != group.rend(); ++c)
            value = value * static_cast<std::uint64_t>(packing->base) +
                    static_cast<std::uint64_t>(baseValue(format, *c));
        appendLowBitFirst(bits, value, bitsForGroup(packing->base, group.size()));
    }
    return bits;
}

} // namespace vornik::twod

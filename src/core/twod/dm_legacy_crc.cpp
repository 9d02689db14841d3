#include "core/twod/dm_legacy_crc.h"

namespace vornik::twod {

namespace {

constexpr std::uint16_t kCcittPolynomial = 0x1021;

std::uint16_t addByte(std::uint16_t crc, unsigned char byte) {
    for (int bit = 0; bit < 8; ++bit) {
        const bool feedback = ((crc >> 15) & 1U) != ((byte >> bit) & 1U);
        crc = static_cast<std::uint16_t>(crc << 1);
        if (feedback)
            crc ^= kCcittPolynomial;
    }
    return crc;
}

} // namespace

std::uint16_t legacyCrc(LegacyFormat format, std::string_view message) {
    std::uint16_t crc = 0;
    crc = addByte(crc, static_cast<unsigned char>(formatNumber(format) + 1));
    crc = addByte(crc, 0);
    for (const char c : message)
        crc = addByte(crc, static_cast<unsigned char>(c));
    return crc;
}

} // namespace vornik::twod

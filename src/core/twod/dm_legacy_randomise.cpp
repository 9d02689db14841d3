#include "core/twod/dm_legacy_randomise.h"

#include <string_view>

namespace vornik::twod {

namespace {

// The master random bit stream, four bits a digit, first bit highest. It was
// read from recorded symbols whose data and fill are known: a symbol's module
// is the placed bit combined with the bit of this stream at that position.
constexpr std::string_view kMasterRandomBits =
    "ffe398c45441ce3243cfb259f026ce40149d4859c5cf4822dffab4258467a25c6a262dd055b9290e72693a52"
    "6d45047d53e3ee801854f33255eac5f6ce3cfc0468c5e311320599a1e8406a224a9737af09c6a3b10375c041"
    "64a0eab9c518119271bfd95405f69c21266bd8674c5ef0eaf2618e8aa567e88f9c930c49fe0cd916d5f93750"
    "cfd7e84515d02b5820b6a1d231f9d53ed79aabe14a253285a0ef5c71180913cdb3159a2ddc4cf41438e84ab5"
    "83a69e3d59f294d9dd466616f064e01176266f7c2c03fe0cf9327161f16c5cfeb3d05e7a9764a4bab1411388"
    "7a0cb7a4fbd9c20a7575f09518d5a3be8414d65db97d7d315c6469c344cafeefe64e56f8ea36321192152b0f"
    "9b75dbeb7fed2bfa283c840";
static_assert(kMasterRandomBits.size() * 4 >= kLegacyRandomisedBits);

int randomBit(std::size_t index) {
    const char digit = kMasterRandomBits[index / 4];
    const int value = digit <= '9' ? digit - '0' : digit - 'a' + 10;
    return (value >> (3 - index % 4)) & 1;
}

} // namespace

LegacyBits randomise(const LegacyBits& bits) {
    LegacyBits result(bits);
    for (std::size_t i = 0; i < result.size() && i < kLegacyRandomisedBits; ++i)
        result[i] = static_cast<std::uint8_t>(result[i] ^ randomBit(i));
    return result;
}

} // namespace vornik::twod

#include "core/linear/upc_ean_tables.h"

#include <array>
#include <cstddef>

namespace vornik::linear {
namespace {

// ISO/IEC 15420, table 1 (number sets A, B and C), by digit value. Each digit
// is four elements adding up to 7 modules; the digits 1, 2, 7 and 8 have their
// bars narrowed or widened by 1/13 module (the letters C to J), the spaces
// taking up the difference. Sets A and B begin with a space, set C with a bar.
constexpr std::array<std::string_view, 10> kSetA = {
    "9513", "IDIC", "ICID", "1713", "1395", "1593", "1317", "GFGE", "GEGF", "9315", // 0 to 9
};
constexpr std::array<std::string_view, 10> kSetB = {
    "1386", "GEHE", "HEGE", "13A3", "8613", "1683", "A313", "ICJC", "JCIC", "8316", // 0 to 9
};
constexpr std::array<std::string_view, 10> kSetC = {
    "6831", "EHEG", "EGEH", "3A31", "3168", "3861", "313A", "CJCI", "CICJ", "6138", // 0 to 9
};
static_assert(kSetA.size() == 10 && kSetB.size() == 10 && kSetC.size() == 10);

constexpr std::string_view kNormalGuard = "313";
constexpr std::string_view kCentreGuard = "13131";
constexpr std::size_t kNormalGuardSlot = 128;
constexpr std::size_t kCentreGuardSlot = 0;

// ISO/IEC 15420, table 7 (the leading digit's parity in EAN-13), O = set A.
constexpr std::array<std::string_view, 10> kEan13Parity = {
    "OOOOOO", "OOEOEE", "OOEEOE", "OOEEEO", "OEOOEE", // 0 to 4
    "OEEOOE", "OEEEOO", "OEOEOE", "OEOEEO", "OEEOEO", // 5 to 9
};
static_assert(kEan13Parity.size() == 10);

// The UPC-E parity by check digit (number system 0); number system 1 takes
// the mirror image, which for 1 to 9 is the EAN-13 column.
constexpr std::array<std::string_view, 10> kUpcEParity = {
    "EEEOOO", "EEOEOO", "EEOOEO", "EEOOOE", "EOEEOO", // 0 to 4
    "EOOEEO", "EOOOEE", "EOEOEO", "EOEOOE", "EOOEOE", // 5 to 9
};
static_assert(kUpcEParity.size() == 10);
constexpr std::string_view kUpcE1ParityOfZero = "OOOEEE";

// The 2-digit add-on's parity by value mod 4, the 5-digit add-on's by checksum.
constexpr std::array<std::string_view, 4> kTwoDigitAddOnParity = {"OO", "OE", "EO", "EE"};
static_assert(kTwoDigitAddOnParity.size() == 4);
constexpr std::array<std::string_view, 10> kFiveDigitAddOnParity = {
    "EEOOO", "EOEOO", "EOOEO", "EOOOE", "OEEOO", // 0 to 4
    "OOEEO", "OOOEE", "OEOEO", "OEOOE", "OOEOE", // 5 to 9
};
static_assert(kFiveDigitAddOnParity.size() == 10);

std::size_t slot(int digit) {
    return static_cast<std::size_t>(digit);
}

} // namespace

void fillUpcEanTables(PatternTables& tables) {
    tables.RightHandTable = {};
    for (int digit = 0; digit < 10; ++digit) {
        const auto code = static_cast<std::size_t>('0' + digit);
        tables.PatternTable[code] = kSetA[slot(digit)];
        tables.RightHandTable[code] = kSetC[slot(digit)];
        tables.EvenParityTable[slot(digit)] = kSetB[slot(digit)];
    }
    tables.PatternTable[kNormalGuardSlot] = kNormalGuard;
    tables.PatternTable[kCentreGuardSlot] = kCentreGuard;
}

std::string_view ean13Parity(int leadingDigit) {
    return kEan13Parity.at(slot(leadingDigit));
}

std::string_view upcEParity(int checkDigit) {
    return kUpcEParity.at(slot(checkDigit));
}

std::string_view upcE1Parity(int checkDigit) {
    return checkDigit == 0 ? kUpcE1ParityOfZero : kEan13Parity.at(slot(checkDigit));
}

std::string_view twoDigitAddOnParity(int value) {
    return kTwoDigitAddOnParity.at(slot(value % 4));
}

std::string_view fiveDigitAddOnParity(int checksum) {
    return kFiveDigitAddOnParity.at(slot(checksum));
}

} // namespace vornik::linear

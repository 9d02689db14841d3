// Code 128 and EAN/UCC-128 symbols drawn the whole way and read back by
// ZXing: every code set change and shift has to land where the reader
// expects it, in each orientation.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

struct Code128Case {
    const char* name;
    const char* commands;
    std::string expected;
    const char* identifier; // ]C0 plain Code 128, ]C1 FNC1 in first position
};

// FNC1 in the middle of a GS1 message reads as the group separator (29).
const Code128Case kCases[] = {
    {"SetB", "[CODE128][MESSAGE='Code 128']", "Code 128", "]C0"},
    {"EvenDigitsInC", "[CODE128][MESSAGE='1234']", "1234", "]C0"},
    {"OddDigitsCThenB", "[CODE128][MESSAGE='123']", "123", "]C0"},
    {"DigitsThenLetters", "[CODE128][MESSAGE='12345AB']", "12345AB", "]C0"},
    {"OddRunAfterLetters", "[CODE128][MESSAGE='AB12345']", "AB12345", "]C0"},
    {"ShiftToA", "[CODE128][MESSAGE='ab',9,'cd']", "ab\tcd", "]C0"},
    {"ShiftToB", "[CODE128][MESSAGE=9,'x',9]", "\tx\t", "]C0"},
    {"SwitchesBAC", "[CODE128][MESSAGE='Ab',9,13,'123456x']", "Ab\t\r123456x", "]C0"},
    {"Controls", "[CODE128][MESSAGE='ESC',27,'SOH',1,'US',31]", "ESC\x1BSOH\x01US\x1F", "]C0"},
    {"EanUcc", "[EAN/UCC128][MESSAGE='0001234560000000']", "0001234560000000", "]C1"},
    {"EanUccCheckDigit", "[EAN/UCC128][MESSAGE='0001234560000000'][CODE39CHECK=ON]",
     "00012345600000005", "]C1"},
    {"EanUccSeparator", "[EAN/UCC128][MESSAGE='10ABC',128,'3712']",
     "10ABC\x1D"
     "3712",
     "]C1"},
};

TEST(Code128DecodeTest, ZxingReadsEveryCodeSetChange) {
    const auto hints = readerFor(ZXing::BarcodeFormat::Code128);
    for (const Code128Case& row : kCases) {
        for (const char* orientation : {"[HORIZONTAL]", "[VERTDOWN]", "[VERTUP]"}) {
            SCOPED_TRACE(::testing::Message() << row.name << " " << orientation);
            std::string identifier;
            EXPECT_EQ(
                buildAndDecode(row.commands + std::string(orientation), hints, 300, &identifier),
                row.expected);
            EXPECT_EQ(identifier, row.identifier);
        }
    }
}

} // namespace
} // namespace vornik::exporting

#include "core/app/numeric_text.h"
#include "support/locale_guard.h"

#include <clocale>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace vornik {
namespace {

struct LeadingCase {
    std::string text;
    double expected;
};

const LeadingCase kLeadingCases[] = {
    // No number at the start.
    {"", 0.0},
    {"abc", 0.0},
    {"   ", 0.0},
    {"-", 0.0},
    {"+", 0.0},
    {".", 0.0},
    {"-.", 0.0},
    {"e5", 0.0},
    {".e5", 0.0},
    {"x12", 0.0},
    {"\n12", 0.0}, // only blanks and tabs are skipped
    {"- 5", 0.0},  // no blank after the sign
    {"0x10", 0.0}, // no hexadecimal
    {"inf", 0.0},  // no words
    {"nan", 0.0},
    {"\xC2\xA0\x35", 0.0}, // a no-break space (then "5") is not a blank
    {"\xD9\xA3", 0.0},     // an Arabic-Indic digit is not a digit
    // Plain numbers.
    {"0", 0.0},
    {"12", 12.0},
    {"12abc", 12.0},
    {"2.54", 2.54},
    {"-2.54", -2.54},
    {"+2.54", 2.54},
    {".5", 0.5},
    {"-.5", -0.5},
    {"5.", 5.0},
    {"007", 7.0},
    {"  42", 42.0},
    {"\t 42\t", 42.0},
    {"12 34", 12.0},
    {"1,5", 1.0}, // a comma ends the number
    {"1.2.3", 1.2},
    {"3/4", 3.0},
    {"1.5\"", 1.5},
    // Exponents.
    {" -3.5e2x", -350.0},
    {"1e3", 1000.0},
    {"1E3", 1000.0},
    {"1e+3", 1000.0},
    {"25e-1", 2.5},
    {".5e1", 5.0},
    {"5.e1", 50.0},
    {"2e", 2.0}, // an e not followed by a digit ends the number before it
    {"2e+", 2.0},
    {"2e-x", 2.0},
    {"2E ", 2.0},
    {"2ee3", 2.0},
    {"2e3.5", 2000.0},
    {"2e3e4", 2000.0},
    // Beyond the range of double: 0.
    {"1e999", 0.0},
    {"-1e999", 0.0},
    {"1e309", 0.0},
    {"1.7976931348623157e308", 1.7976931348623157e308},
    {"1e99999999999999999999999999", 0.0},
    {std::string(400, '9'), 0.0},
    // Too small for a double: 0 as well.
    {"1e-999", 0.0},
    {"1e-99999999999999999999999999", 0.0},
    {"4.9406564584124654e-324", 4.9406564584124654e-324},
    {"0e99999999", 0.0},
};

TEST(LeadingNumberTest, ReadsTheNumberAtTheStart) {
    for (const LeadingCase& row : kLeadingCases) {
        SCOPED_TRACE("text [" + row.text + "]");
        EXPECT_EQ(leadingNumber(row.text), row.expected);
    }
}

struct WholeCase {
    std::string text;
    std::optional<double> expected;
};

const WholeCase kWholeCases[] = {
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"abc", std::nullopt},
    {"-", std::nullopt},
    {".", std::nullopt},
    {"12abc", std::nullopt},
    {"12 34", std::nullopt},
    {"1,5", std::nullopt},
    {"1.2.3", std::nullopt},
    {"2e", std::nullopt},
    {"2e+", std::nullopt},
    {"- 5", std::nullopt},
    {"0x10", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"5\n", std::nullopt}, // only blanks and tabs are trimmed
    {std::string("5\0", 2), std::nullopt},
    {"1e999", std::nullopt}, // beyond the range of double
    {"-1e999", std::nullopt},
    {std::string(400, '9'), std::nullopt},
    {"12", 12.0},
    {"  12  ", 12.0},
    {"\t-3.5e2\t", -350.0},
    {"+7", 7.0},
    {".5", 0.5},
    {"5.", 5.0},
    {"1E3", 1000.0},
    {"0", 0.0},
    {"1e-999", 0.0}, // too small for a double: 0
};

TEST(WholeNumberTest, AcceptsOnlyANumber) {
    for (const WholeCase& row : kWholeCases) {
        SCOPED_TRACE("text [" + row.text + "]");
        EXPECT_EQ(wholeNumber(row.text), row.expected);
    }
}

// Megabyte-long texts are read without trouble.
TEST(NumericTextTest, ToleratesHugeTexts) {
    const std::size_t megabyte = std::size_t{1} << 20;
    const std::string nines(megabyte, '9');
    EXPECT_EQ(leadingNumber(nines), 0.0);
    EXPECT_EQ(wholeNumber(nines), std::nullopt);

    const std::string leadingZeros = std::string(megabyte, '0') + "7";
    EXPECT_EQ(leadingNumber(leadingZeros), 7.0);
    EXPECT_EQ(wholeNumber(leadingZeros), 7.0);

    const std::string tiny = "0." + std::string(megabyte, '0') + "1";
    EXPECT_EQ(leadingNumber(tiny), 0.0);
    EXPECT_EQ(wholeNumber(tiny), 0.0);

    const std::string scaledBack = "1" + std::string(megabyte, '0') + "e-1048576";
    EXPECT_EQ(leadingNumber(scaledBack), 1.0);
    EXPECT_EQ(wholeNumber(scaledBack), 1.0);

    const std::string longFraction = "2." + std::string(megabyte, '5') + "x";
    EXPECT_EQ(leadingNumber(longFraction), 2.5555555555555554); // the double nearest 2.555...
    EXPECT_EQ(wholeNumber(longFraction), std::nullopt);

    const std::string blanks(megabyte, ' ');
    EXPECT_EQ(leadingNumber(blanks), 0.0);
    EXPECT_EQ(wholeNumber(blanks), std::nullopt);
    EXPECT_EQ(wholeNumber(blanks + "3" + blanks), 3.0);

    const std::string longExponent = "1e" + std::string(megabyte, '9');
    EXPECT_EQ(leadingNumber(longExponent), 0.0);
    EXPECT_EQ(wholeNumber(longExponent), std::nullopt);
}

using vornik::testing::GermanLocale;

// "." stays the decimal point, and "," still ends the number, whatever the C
// locale says.
TEST(NumericTextTest, IgnoresTheLocale) {
    const GermanLocale german;
    if (!german.active()) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    for (const LeadingCase& row : kLeadingCases) {
        SCOPED_TRACE("text [" + row.text + "]");
        EXPECT_EQ(leadingNumber(row.text), row.expected);
    }
    for (const WholeCase& row : kWholeCases) {
        SCOPED_TRACE("text [" + row.text + "]");
        EXPECT_EQ(wholeNumber(row.text), row.expected);
    }
}

} // namespace
} // namespace vornik

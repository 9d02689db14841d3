// Every message error the linear encoders raise, reached through a build
// command: the user sees the whole text of its code, and no symbol is drawn.

#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vornik::linear {
namespace {

using Session = vornik::testing::CommandSession;

// The UPC and EAN texts go on to say that the check digit is computed, and
// that padding and cutting happen with warnings off; lines end in CR.
const std::string kPaddingAdvice =
    "\rVornik will automatically calculate the trailing check digit for you.\r\rNOTE: Vornik "
    "will pad shorter data with zeros and truncate longer data if you disable Invalid Message "
    "Warnings in the Preferences Menu.";

// The UPC and EAN texts past the first (written out whole above).
std::string upcEanText(const std::string& name, int digits) {
    return "Invalid " + name + " message!  " + name + " bar codes must consist of " +
           std::to_string(digits) + " numeric digits only." + kPaddingAdvice;
}

// name, commands, the message's text
const std::tuple<const char*, const char*, std::string> kCases[] = {
    // 1: four digits are no ZIP code
    {"Postnet", "[POSTNET][MESSAGE='1234']",
     "Invalid POSTNET message!  POSTNET bar codes must consist of 5, 9 or 11 numeric digits "
     "only."},
    // 2: ten digits, one short
    {"UpcA", "[UPCA][MESSAGE='1234567890']",
     "Invalid UPC-A message!  UPC-A bar codes must consist of 11 numeric digits only." +
         kPaddingAdvice},
    // 3: a letter among seven characters
    {"Ean8", "[EAN8][MESSAGE='12345A7']", upcEanText("EAN-8", 7)},
    // 4
    {"Interleaved2of5", "[I2OF5][MESSAGE='12A4']",
     "Invalid Interleaved 2 of 5 message!  Interleaved 2 of 5 bar codes must consist of an even "
     "number of numeric digits only."},
    // 5: E is no Codabar character
    {"CodabarCharacter", "[CODABAR][MESSAGE='A12E4B']",
     "Invalid Codabar message!  Codabar bar codes may contain only the following characters: "
     "0123456789ABCD-$:/.+ "},
    // 6: no start letter
    {"CodabarNoStart", "[CODABAR][MESSAGE='1234B']",
     "Invalid Codabar message!  Codabar bar codes must start and end with one of the following "
     "characters: ABCD  (the body of the message should not contain these characters)."},
    // 7
    {"Code39FullAscii", "[CODE39FULLASCII][MESSAGE='A',200]",
     "Invalid Code 39 message!  Code 39 Full ASCII bar codes may not contain characters with "
     "ASCII codes greater than 127."},
    // 8: # has no normal Code 39 character
    {"Code39", "[CODE39][MESSAGE='AB#1']",
     "Invalid Code 39 message!  Normal Code 39 bar codes may contain only the following 44 (upper "
     "case) characters: 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ  -.*$/+%"},
    // 9
    {"Code93", "[CODE93][MESSAGE='A',200]",
     "Invalid Code 93 message!  Code 93 bar codes may not contain characters with ASCII codes "
     "greater than 127."},
    // 12
    {"Code128", "[CODE128][MESSAGE='A',200]",
     "Invalid Code 128 message!  Code 128 bar codes may not contain characters with ASCII codes "
     "greater than 127."},
    // 13: five digits, one short
    {"UpcE", "[UPCE][MESSAGE='12345']", upcEanText("UPC-E", 6)},
    // 14: a valid UPC-A with a three-digit add-on
    {"Supplement", "[UPCA][MESSAGE='03600029145'][SUPPLEMENT=123]",
     "Invalid Supplemental message!  Supplements must consist of either 2 or 5 numeric digits "
     "only."},
    // 15: eleven digits, one short
    {"Ean13", "[EAN13][MESSAGE='12345678901']", upcEanText("EAN-13", 12)},
    // 16
    {"Discrete2of5", "[D2OF5][MESSAGE='12A']",
     "Invalid Discrete 2 of 5 message!  Discrete 2 of 5 bar codes must consist of numeric digits "
     "only."},
    // 31: the ISBN's own wording carries "Invalid" already
    {"BookLandIsbn", "[BOOKLAND][MESSAGE='12345']",
     "Invalid ISBN Number! For BookLan bar codes please enter a 10 digit ISBN number. "},
    // 32: a valid ISBN priced at five digits, 123.45
    {"BookLandPrice", "[BOOKLAND][MESSAGE='0-306-40615-2'][SUPPLEMENT=12345]",
     "Invalid BookLan price supplemental.  Please enter dollar amount (under 100 dollars). "},
    // 34: two characters, fewer than the four-state code's five
    {"Bpo4State", "[BPO][MESSAGE='AB']", "Invalid BPO 4 State Code message. Please Re-Enter."},
    // 35
    {"Msi", "[MSI][MESSAGE='12A']",
     "Invalid MSI message!  MSI bar codes must consist of numeric digits only."},
};

TEST(MessageErrorsTest, EveryLinearErrorShowsItsWholeTextAndDrawsNothing) {
    for (const auto& [name, commands, text] : kCases) {
        SCOPED_TRACE(name);
        Session session;
        ASSERT_TRUE(session.run(std::string("[PRINTWARNINGS=OFF][MESSAGEWARNINGS=ON]") + commands));
        session.run("[BUILD/COPY]");
        ASSERT_FALSE(session.host.messages.empty());
        EXPECT_EQ(session.host.messages.back().text, text);
        EXPECT_TRUE(session.host.published.empty());
        EXPECT_FALSE(session.state().SymbolBuilt);
    }
}

} // namespace
} // namespace vornik::linear

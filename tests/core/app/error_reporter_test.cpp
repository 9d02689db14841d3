#include "core/app/error_reporter.h"
#include "core/app/job.h"
#include "core/app/run_state.h"
#include "support/fake_host.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace vornik {
namespace {

const std::string kGeneric = "Missing or invalid bar code message!  Please re-enter bar code text.";
// clang-format off
const std::string kCheckDigit = "\rVornik will automatically calculate the trailing check digit for you.\r\rNOTE: Vornik will pad shorter data with zeros";
const std::string kPadding = kCheckDigit + " and truncate longer data if you disable Invalid Message Warnings in the Preferences Menu.";

// Every text whole, once: the code is the row's name.
const std::pair<std::int32_t, std::string> kTexts[] = {
    {1, "Invalid POSTNET message!  POSTNET bar codes must consist of 5, 9 or 11 numeric digits only."},
    {2, "Invalid UPC-A message!  UPC-A bar codes must consist of 11 numeric digits only." + kPadding},
    {3, "Invalid EAN-8 message!  EAN-8 bar codes must consist of 7 numeric digits only." + kPadding},
    {4, "Invalid Interleaved 2 of 5 message!  Interleaved 2 of 5 bar codes must consist of an even number of numeric digits only."},
    {5, "Invalid Codabar message!  Codabar bar codes may contain only the following characters: 0123456789ABCD-$:/.+ "},
    {6, "Invalid Codabar message!  Codabar bar codes must start and end with one of the following characters: ABCD  (the body of the message should not contain these characters)."},
    {7, "Invalid Code 39 message!  Code 39 Full ASCII bar codes may not contain characters with ASCII codes greater than 127."},
    {8, "Invalid Code 39 message!  Normal Code 39 bar codes may contain only the following 44 (upper case) characters: 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ  -.*$/+%"},
    {9, "Invalid Code 93 message!  Code 93 bar codes may not contain characters with ASCII codes greater than 127."},
    {12, "Invalid Code 128 message!  Code 128 bar codes may not contain characters with ASCII codes greater than 127."},
    {13, "Invalid UPC-E message!  UPC-E bar codes must consist of 6 numeric digits only." + kPadding},
    {14, "Invalid Supplemental message!  Supplements must consist of either 2 or 5 numeric digits only."},
    {15, "Invalid EAN-13 message!  EAN-13 bar codes must consist of 12 numeric digits only." + kPadding},
    {16, "Invalid Discrete 2 of 5 message!  Discrete 2 of 5 bar codes must consist of numeric digits only."},
    {17, "Invalid or Missing Narrow Bar Width! Please Re-Enter."},
    {18, "Invalid or Missing Bar Code Height! Please Re-Enter."},
    {19, "Bar Code Message is too large! Please Re-Enter."},
    {20, "Bar code message is too large or selected security level is too high!  Please re-enter bar code text or set PDF security level to a lower value."},
    {21, "Bar code message contains invalid characters!  Please re-enter bar code text or change the PDF417 data compression mode."},
    {23, "Module Height or Width values exceed system limits!  Please enter smaller values for these parameters."},
    {24, "Maximum number of rows specified is too small to generate a bar code!  Please enter a larger values for this parameter."},
    {25, "Maximum number of columns specified is too small to generate a bar code!  Please enter a larger values for this parameter."},
    {26, "Maximum number of rows or columns specified is too small to produce a bar code for the data entered!  Please enter larger values for these parameters in the PDF417 Options menu or reduce the PDF417 Security Level or reduce the size of the bar code message."},
    {27, "Missing or invalid bar code message. Please re-enter bar code message text."},
    {28, "Invalid or Missing PDF417 Aspect Ratio! Aspect Ratio Must Be Greater Than Zero. Please Re-Enter."},
    {29, "Invalid or Missing PDF417 Module Width! Module Width Must Be Greater Than Zero. Please Re-Enter."},
    {30, "Invalid or Missing PDF417 Module Height! Module Height Must Be Greater Than Zero. Please Re-Enter."},
    {31, "Invalid ISBN Number! For BookLan bar codes please enter a 10 digit ISBN number. "},
    {32, "Invalid BookLan price supplemental.  Please enter dollar amount (under 100 dollars). "},
    {34, "Invalid BPO 4 State Code message. Please Re-Enter."},
    {35, "Invalid MSI message!  MSI bar codes must consist of numeric digits only."},
    {36, "Invalid RSS14 message! RSS14 bar codes must consist of 13 numeric digits only." + kCheckDigit + "."},
    {37, "Invalid RSS14 message!  Check that the composite message does not contain invalid characters or more than the allowable number of characters."},
    {38, "Invalid RSS Limited message!\r\nThe primary message in a RSS Limited bar code must not have a value exceeding 1999999999999."},
    {3023, "Invalid Data Matrix message!  Data Matrix message is too short."},
    {1024, "Invalid Data Matrix message!  Data Matrix message is too long."},
    {3024, "Invalid Data Matrix message!  Data Matrix message is too long."},
    {1025, "Invalid Data Matrix message!  Data Matrix message contains invalid characters for the currently selected Data Matrix options."},
    {1032, "Invalid Data Matrix message!  Data Matrix message is too long for the selected symbol size."},
    // Other Data Matrix codes are numbered; any other code, -1 (an empty
    // message) included, gets the generic text, which is not 27's and has no
    // "Invalid " even between 1 and 18.
    {1026, "Data Matrix encode error # 1026"}, {1001, "Data Matrix encode error # 1001"},
    {std::numeric_limits<std::int32_t>::max(), "Data Matrix encode error # 2147483647"},
    {-1, kGeneric}, {0, kGeneric}, {10, kGeneric}, {22, kGeneric}, {39, kGeneric}, {1000, kGeneric}, {std::numeric_limits<std::int32_t>::min(), kGeneric},
};
// clang-format on

TEST(ComposeErrorText, GivesTheWholeTextOfEveryCode) {
    for (const auto& [code, text] : kTexts) {
        EXPECT_EQ(composeErrorText(code), text) << "code " << code;
    }
}

// Beeps, clears SymbolBuilt and the busy pointer, then shows the text or,
// with warnings off, empties the clipboard and keeps the previous text.
TEST(ReportMessageError, ShowsTheTextOrEmptiesTheClipboard) {
    for (const bool warnings : {true, false}) {
        SCOPED_TRACE(warnings ? "warnings on" : "warnings off");
        Job job;
        job.MessageWarnings = warnings;
        RunState state;
        state.SymbolBuilt = true;
        state.ErrorText = "older text";
        testing::FakeHost host;
        host.clipboard = "previous symbol";
        ReportMessageError(kErrorMessageTooLarge, job, state, host);

        const std::string shown = composeErrorText(kErrorMessageTooLarge);
        EXPECT_EQ(host.beeps, 1);
        EXPECT_FALSE(state.SymbolBuilt);
        EXPECT_EQ(host.busyPointerCalls, std::vector<bool>{false});
        const MessageBox box{"Vornik", shown, MessageIcon::None, MessageButtons::Ok};
        EXPECT_EQ(host.messages, warnings ? std::vector{box} : std::vector<MessageBox>{});
        EXPECT_EQ(state.ErrorText, warnings ? shown : "older text");
        EXPECT_EQ(host.clipboard.has_value(), warnings);
    }
}

} // namespace
} // namespace vornik

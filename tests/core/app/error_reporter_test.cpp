#include "core/app/error_reporter.h"
#include "core/app/job.h"
#include "core/app/run_state.h"
#include "support/fake_host.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace vornik {
namespace {

const std::string kGeneric = "Missing or invalid bar code message!  Please re-enter bar code text.";
const std::string kPaddingAdvice =
    "\rVornik will automatically calculate the trailing check digit for you.\r\r"
    "NOTE: Vornik will pad shorter data with zeros and truncate longer data if you disable "
    "Invalid Message Warnings in the Preferences Menu.";

struct TextCase {
    std::string name;
    std::int32_t code;
    std::string expected;
};

// Rows print as their names, so test listings and failures stay readable.
void PrintTo(const TextCase& row, std::ostream* out) {
    *out << row.name;
}

std::string caseName(const ::testing::TestParamInfo<TextCase>& info) {
    return info.param.name;
}

class ComposeErrorTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ComposeErrorTextTest, ComposesTheWholeText) {
    EXPECT_EQ(composeErrorText(GetParam().code), GetParam().expected);
}

// Codes 1 to 18 open with "Invalid "; the UPC/EAN codes add the padding advice.
INSTANTIATE_TEST_SUITE_P(
    PrefixedCodes, ComposeErrorTextTest,
    ::testing::Values(
        TextCase{"Code1Postnet", 1,
                 "Invalid POSTNET message!  POSTNET bar codes must consist of 5, 9 or 11 numeric "
                 "digits only."},
        TextCase{"Code2UpcA", 2,
                 "Invalid UPC-A message!  UPC-A bar codes must consist of 11 numeric digits "
                 "only." +
                     kPaddingAdvice},
        TextCase{"Code3Ean8", 3,
                 "Invalid EAN-8 message!  EAN-8 bar codes must consist of 7 numeric digits only." +
                     kPaddingAdvice},
        TextCase{"Code4Interleaved", 4,
                 "Invalid Interleaved 2 of 5 message!  Interleaved 2 of 5 bar codes must consist "
                 "of an even number of numeric digits only."},
        TextCase{"Code5CodabarCharacters", 5,
                 "Invalid Codabar message!  Codabar bar codes may contain only the following "
                 "characters: 0123456789ABCD-$:/.+ "},
        TextCase{"Code6CodabarStartStop", 6,
                 "Invalid Codabar message!  Codabar bar codes must start and end with one of the "
                 "following characters: ABCD  (the body of the message should not contain these "
                 "characters)."},
        TextCase{"Code7Code39FullAscii", 7,
                 "Invalid Code 39 message!  Code 39 Full ASCII bar codes may not contain "
                 "characters with ASCII codes greater than 127."},
        TextCase{"Code8Code39Normal", 8,
                 "Invalid Code 39 message!  Normal Code 39 bar codes may contain only the "
                 "following 44 (upper case) characters: "
                 "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ  -.*$/+%"},
        TextCase{"Code9Code93", 9,
                 "Invalid Code 93 message!  Code 93 bar codes may not contain characters with "
                 "ASCII codes greater than 127."},
        TextCase{"Code12Code128", 12,
                 "Invalid Code 128 message!  Code 128 bar codes may not contain characters with "
                 "ASCII codes greater than 127."},
        TextCase{"Code13UpcE", 13,
                 "Invalid UPC-E message!  UPC-E bar codes must consist of 6 numeric digits only." +
                     kPaddingAdvice},
        TextCase{"Code14Supplement", 14,
                 "Invalid Supplemental message!  Supplements must consist of either 2 or 5 numeric "
                 "digits only."},
        TextCase{"Code15Ean13", 15,
                 "Invalid EAN-13 message!  EAN-13 bar codes must consist of 12 numeric digits "
                 "only." +
                     kPaddingAdvice},
        TextCase{"Code16Discrete", 16,
                 "Invalid Discrete 2 of 5 message!  Discrete 2 of 5 bar codes must consist of "
                 "numeric digits only."},
        TextCase{"Code17NarrowBarWidth", 17,
                 "Invalid or Missing Narrow Bar Width! Please Re-Enter."},
        TextCase{"Code18BarHeight", 18, "Invalid or Missing Bar Code Height! Please Re-Enter."}),
    caseName);

// From code 19 on the table text stands as it is.
INSTANTIATE_TEST_SUITE_P(
    PlainCodes, ComposeErrorTextTest,
    ::testing::Values(
        TextCase{"Code19TooLarge", 19, "Bar Code Message is too large! Please Re-Enter."},
        TextCase{"Code20SecurityLevel", 20,
                 "Bar code message is too large or selected security level is too high!  Please "
                 "re-enter bar code text or set PDF security level to a lower value."},
        TextCase{"Code21CompressionMode", 21,
                 "Bar code message contains invalid characters!  Please re-enter bar code text or "
                 "change the PDF417 data compression mode."},
        TextCase{"Code23SystemLimits", 23,
                 "Module Height or Width values exceed system limits!  Please enter smaller values "
                 "for these parameters."},
        TextCase{"Code24Rows", 24,
                 "Maximum number of rows specified is too small to generate a bar code!  Please "
                 "enter a larger values for this parameter."},
        TextCase{"Code25Columns", 25,
                 "Maximum number of columns specified is too small to generate a bar code!  Please "
                 "enter a larger values for this parameter."},
        TextCase{"Code26RowsOrColumns", 26,
                 "Maximum number of rows or columns specified is too small to produce a bar code "
                 "for the data entered!  Please enter larger values for these parameters in the "
                 "PDF417 Options menu or reduce the PDF417 Security Level or reduce the size of "
                 "the bar code message."},
        TextCase{"Code27Pdf417Message", 27,
                 "Missing or invalid bar code message. Please re-enter bar code message text."},
        TextCase{"Code28AspectRatio", 28,
                 "Invalid or Missing PDF417 Aspect Ratio! Aspect Ratio Must Be Greater Than Zero. "
                 "Please Re-Enter."},
        TextCase{"Code29ModuleWidth", 29,
                 "Invalid or Missing PDF417 Module Width! Module Width Must Be Greater Than Zero. "
                 "Please Re-Enter."},
        TextCase{"Code30ModuleHeight", 30,
                 "Invalid or Missing PDF417 Module Height! Module Height Must Be Greater Than "
                 "Zero. Please Re-Enter."},
        TextCase{"Code31Isbn", 31,
                 "Invalid ISBN Number! For BookLan bar codes please enter a 10 digit ISBN "
                 "number. "},
        TextCase{"Code32BookLanPrice", 32,
                 "Invalid BookLan price supplemental.  Please enter dollar amount (under 100 "
                 "dollars). "},
        TextCase{"Code34Bpo4State", 34, "Invalid BPO 4 State Code message. Please Re-Enter."},
        TextCase{"Code35Msi", 35,
                 "Invalid MSI message!  MSI bar codes must consist of numeric digits only."},
        TextCase{"Code37Rss14Composite", 37,
                 "Invalid RSS14 message!  Check that the composite message does not contain "
                 "invalid characters or more than the allowable number of characters."}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    ComposedCodes, ComposeErrorTextTest,
    ::testing::Values(
        TextCase{"Code36Rss14Digits", 36,
                 "Invalid RSS14 message! RSS14 bar codes must consist of 13 numeric digits "
                 "only.\rVornik will automatically calculate the trailing check digit for "
                 "you.\r\rNOTE: Vornik will pad shorter data with zeros."},
        TextCase{"Code38RssLimitedValue", 38,
                 "Invalid RSS Limited message!\r\nThe primary message in a RSS Limited bar code "
                 "must not have a value exceeding 1999999999999."}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    DataMatrixCodes, ComposeErrorTextTest,
    ::testing::Values(
        TextCase{"Code3023TooShort", 3023,
                 "Invalid Data Matrix message!  Data Matrix message is too short."},
        TextCase{"Code1024TooLong", 1024,
                 "Invalid Data Matrix message!  Data Matrix message is too long."},
        TextCase{"Code3024TooLong", 3024,
                 "Invalid Data Matrix message!  Data Matrix message is too long."},
        TextCase{"Code1025InvalidCharacters", 1025,
                 "Invalid Data Matrix message!  Data Matrix message contains invalid characters "
                 "for the currently selected Data Matrix options."},
        TextCase{"Code1032TooLongForSize", 1032,
                 "Invalid Data Matrix message!  Data Matrix message is too long for the selected "
                 "symbol size."},
        TextCase{"Code1026Numbered", 1026, "Data Matrix encode error # 1026"},
        TextCase{"Code1001FirstNumbered", 1001, "Data Matrix encode error # 1001"},
        TextCase{"Code3025Numbered", 3025, "Data Matrix encode error # 3025"},
        TextCase{"Code2000000000Numbered", 2000000000, "Data Matrix encode error # 2000000000"},
        TextCase{"MaxInt32Numbered", std::numeric_limits<std::int32_t>::max(),
                 "Data Matrix encode error # 2147483647"}),
    caseName);

// Codes without an entry below 1001 get the generic text, without "Invalid "
// even where they lie between 1 and 18.
INSTANTIATE_TEST_SUITE_P(
    UnknownCodes, ComposeErrorTextTest,
    ::testing::Values(TextCase{"CodeMinus1EmptyMessage", -1, kGeneric},
                      TextCase{"Code0", 0, kGeneric}, TextCase{"Code10", 10, kGeneric},
                      TextCase{"Code11", 11, kGeneric}, TextCase{"Code22", 22, kGeneric},
                      TextCase{"Code33", 33, kGeneric}, TextCase{"Code39", 39, kGeneric},
                      TextCase{"Code1000", 1000, kGeneric}, TextCase{"CodeMinus5", -5, kGeneric},
                      TextCase{"CodeMinus1026", -1026, kGeneric},
                      TextCase{"Int32Min", std::numeric_limits<std::int32_t>::min(), kGeneric}),
    caseName);

TEST(ComposeErrorText, NamedCodesMatchTheirTexts) {
    EXPECT_EQ(composeErrorText(kErrorEmptyMessage), kGeneric);
    EXPECT_EQ(composeErrorText(kErrorNarrowBarWidth),
              "Invalid or Missing Narrow Bar Width! Please Re-Enter.");
    EXPECT_EQ(composeErrorText(kErrorBarHeight),
              "Invalid or Missing Bar Code Height! Please Re-Enter.");
    EXPECT_EQ(composeErrorText(kErrorMessageTooLarge),
              "Bar Code Message is too large! Please Re-Enter.");
}

// What the reporter does around the text, with warnings on and off. A row
// with warnings on names the text it must show; with warnings off nothing is
// shown and the previous ErrorText must survive.
struct ReportCase {
    std::string name;
    std::int32_t code;
    bool warnings;
    std::string previousErrorText;
    std::string shownText;
};

void PrintTo(const ReportCase& row, std::ostream* out) {
    *out << row.name;
}

std::string reportName(const ::testing::TestParamInfo<ReportCase>& info) {
    return info.param.name;
}

class ReportMessageErrorTest : public ::testing::TestWithParam<ReportCase> {
protected:
    void report() {
        job.MessageWarnings = GetParam().warnings;
        state.SymbolBuilt = true;
        state.ErrorText = GetParam().previousErrorText;
        host.clipboard = "previous symbol";
        ReportMessageError(GetParam().code, job, state, host);
    }

    Job job;
    RunState state;
    testing::FakeHost host;
};

TEST_P(ReportMessageErrorTest, BeepsClearsSymbolBuiltAndResetsPointer) {
    report();
    EXPECT_EQ(host.beeps, 1);
    EXPECT_FALSE(state.SymbolBuilt);
    EXPECT_EQ(host.busyPointerCalls, std::vector<bool>{false});
}

TEST_P(ReportMessageErrorTest, ShowsTextOrEmptiesClipboard) {
    report();
    if (GetParam().warnings) {
        const MessageBox expected{"Vornik", GetParam().shownText, MessageIcon::None,
                                  MessageButtons::Ok};
        EXPECT_EQ(host.messages, std::vector<MessageBox>{expected});
        EXPECT_EQ(state.ErrorText, GetParam().shownText);
        EXPECT_EQ(host.clipboardEmptied, 0);
        EXPECT_EQ(host.clipboard, "previous symbol");
        return;
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(state.ErrorText, GetParam().previousErrorText);
    EXPECT_EQ(host.clipboardEmptied, 1);
    EXPECT_FALSE(host.clipboard.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportMessageErrorTest,
    ::testing::Values(
        ReportCase{"Code2WarningsOn", 2, true, "older text",
                   "Invalid UPC-A message!  UPC-A bar codes must consist of 11 numeric digits "
                   "only." +
                       kPaddingAdvice},
        ReportCase{"Code19WarningsOn", 19, true, "",
                   "Bar Code Message is too large! Please Re-Enter."},
        ReportCase{"Code38WarningsOn", 38, true, "",
                   "Invalid RSS Limited message!\r\nThe primary message in a RSS Limited bar "
                   "code must not have a value exceeding 1999999999999."},
        ReportCase{"Code1026WarningsOn", 1026, true, "", "Data Matrix encode error # 1026"},
        ReportCase{"EmptyMessageWarningsOn", -1, true, "older text", kGeneric},
        ReportCase{"Code2WarningsOff", 2, false, "older text", ""},
        ReportCase{"Code19WarningsOff", 19, false, "", ""},
        ReportCase{"Code1026WarningsOff", 1026, false, "older text", ""},
        ReportCase{"EmptyMessageWarningsOff", -1, false, "older text", ""}),
    reportName);

} // namespace
} // namespace vornik

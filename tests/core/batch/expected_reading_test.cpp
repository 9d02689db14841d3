#include "core/batch/expected_reading.h"
#include "core/batch/read_back_verdict.h"

#include <gtest/gtest.h>

namespace vornik::batch {

// Failures show what the reader must find, or why nothing can be read.
void PrintTo(const ExpectedReading& reading, std::ostream* out) {
    *out << reading.format << " \"" << reading.text << "\"" << (reading.pure ? " pure" : "")
         << (reading.partial ? " partial" : "") << " or \"" << reading.alternative << "\"";
}
void PrintTo(const NotVerifiable& refusal, std::ostream* out) {
    *out << "not verifiable: " << refusal.reason;
}

namespace {

struct ReadingCase {
    const char* name;
    Symbology symbology;
    std::string message;
    std::string supplement;
    bool checkDigit;
    Expectation expected;
};

ExpectedReading reads(const char* format, std::string text, bool pure = false, bool partial = false,
                      std::string alternative = "") {
    return {.format = format,
            .text = std::move(text),
            .pure = pure,
            .partial = partial,
            .alternative = std::move(alternative)};
}

// The check characters: Code 39 HELLO-123 sums to 139, 139 mod 43 = 10 is
// "A"; UPC-A 03600029145 has check 2, EAN-13 400638133393 check 1, EAN-8
// 9638507 check 4; UPC-E 123453 reads as 0 123453 1; ITF 1234567 gets the
// check 0 after a leading zero; Codabar A123456B has "-" before its stop;
// GTIN 0001234567890 has check 5, and with a composite's linkage flag
// folded in, 10001234567890 check 4. Full ASCII "a%" is written +A/E, whose
// values 41 + 10 + 40 + 14 = 105 leave 19 mod 43, "J".
// clang-format off
const ReadingCase kCases[] = {
    {"Code39", Symbology::Code39, "hello-123", "", false, reads("Code39", "HELLO-123")},
    {"Code39Check", Symbology::Code39, "HELLO-123", "", true, reads("Code39", "HELLO-123A")},
    {"Code39FullAscii", Symbology::Code39FullAscii, "Mixed a+b", "", false, reads("Code39FullAscii", "Mixed a+b")},
    {"Code93", Symbology::Code93, "Code 93", "", false, reads("Code93", "Code 93")},
    {"Code128", Symbology::Code128, "Ab 12345", "", false, reads("Code128", "Ab 12345")},
    {"EanUccSeparator", Symbology::EanUcc128, std::string("10ABC\x80" "3712"), "", false, reads("Code128", "10ABC\x1D" "3712")},
    {"EanUccCheck", Symbology::EanUcc128, "0001234560000000", "", true, reads("Code128", "00012345600000005")},
    {"Code128Fnc4", Symbology::Code128, std::string("A\x83" "B"), "", false, NotVerifiable{"a Code 128 message with FNC2, FNC3 or FNC4"}},
    {"UpcA", Symbology::UpcA, "03600029145", "", false, reads("UPC-A", "036000291452")},
    {"UpcAAddOn", Symbology::UpcA, "03600029145", "52495", false, reads("UPC-A", "036000291452 52495")},
    {"UpcE", Symbology::UpcE, "123453", "", false, reads("UPC-E", "01234531")},
    {"Ean8", Symbology::Ean8, "9638507", "34", false, reads("EAN-8", "96385074 34")},
    {"Ean13", Symbology::Ean13, "400638133393", "", false, reads("EAN-13", "4006381333931")},
    {"BookLandPrice", Symbology::BookLand, "0-306-40615-2", "995", false, reads("EAN-13", "9780306406157 50995")},
    {"ItfPadded", Symbology::Interleaved2of5, "12345", "", false, reads("ITF", "012345")},
    {"ItfCheck", Symbology::Interleaved2of5, "1234567", "", true, reads("ITF", "12345670")},
    {"CodabarCheck", Symbology::Codabar, "a123456b", "", true, reads("Codabar", "A123456-B")},
    {"Pdf417Latin1", Symbology::Pdf417, "caf\xE9", "", false, reads("PDF417", "caf\xC3\xA9")},
    {"DataMatrix", Symbology::DataMatrix, "DM 1", "", false, reads("DataMatrix", "DM 1")},
    {"Aztec", Symbology::Aztec, "Az", "", false, reads("Aztec", "Az")},
    {"Rss14", Symbology::Rss14, "1234567890", "", false, reads("DataBar", "00012345678905")},
    {"Rss14Stacked", Symbology::Rss14Stacked, "1234567890", "", false, reads("DataBar", "00012345678905", true)},
    {"Rss14Composite", Symbology::Rss14, "1234567890", "(10)ABC", false, reads("DataBar", "00012345678905", false, true, "100012345678904")},
    {"FullAsciiCheckAsWritten", Symbology::Code39FullAscii, "a%", "", true, reads("Code39", "+A/EJ")},
    {"ItfTooShort", Symbology::Interleaved2of5, "1234", "", false, NotVerifiable{"an Interleaved 2 of 5 symbol of fewer than 6 digits"}},
    {"ItfLongEnoughWithCheck", Symbology::Interleaved2of5, "1234", "", true, reads("ITF", "012348")},
    {"CodabarTooShort", Symbology::Codabar, "A1B", "", false, NotVerifiable{"a Codabar symbol of fewer than 4 characters"}},
    {"RssLimited", Symbology::RssLimited, "1234567890", "", false, NotVerifiable{"RSS Limited"}},
    {"RssLetters", Symbology::Rss14, "12A", "", false, NotVerifiable{"a message the symbology refuses"}},
    {"UpcLetters", Symbology::UpcA, "ABC", "", false, NotVerifiable{"a message the symbology refuses"}},
    {"Msi", Symbology::MsiPlessey, "1234", "", false, NotVerifiable{"MSI"}},
    {"Discrete", Symbology::Discrete2of5, "1234", "", false, NotVerifiable{"Discrete 2 of 5"}},
    {"Postnet", Symbology::Postnet, "12345", "", false, NotVerifiable{"POSTNET"}},
    {"Bpo", Symbology::Bpo4State, "AB12", "", false, NotVerifiable{"BPO 4 State"}},
};
// clang-format on

TEST(ExpectedReadingTest, TheTextAReaderMustFindCarriesTheAddedCharacters) {
    for (const ReadingCase& row : kCases) {
        SCOPED_TRACE(row.name);
        Job job;
        job.Symbology = row.symbology;
        job.Message = row.message;
        job.Supplement = row.supplement;
        job.CheckDigit = row.checkDigit;
        const Expectation got = expectedReading(job);
        EXPECT_EQ(got, row.expected);
    }
}

// No reader knows Data Matrix below ECC 200: those levels are not verifiable,
// with the reason the batch report and the window line give.
TEST(ExpectedReadingTest, DataMatrixBelowEcc200IsNotVerifiable) {
    for (const int level : {0, 3, 6, 8, 12}) {
        Job job;
        job.Symbology = Symbology::DataMatrix;
        job.Message = "12345";
        job.DmEccLevel = level;
        const Expectation got = expectedReading(job);
        ASSERT_EQ(got, Expectation(NotVerifiable{"Data Matrix ECC 000 to 140"})) << level;
        EXPECT_EQ(verdictPhrase(notVerifiableVerdict(std::get<NotVerifiable>(got))),
                  "Data Matrix ECC 000 to 140 cannot be read back");
    }
    Job job;
    job.Symbology = Symbology::DataMatrix;
    job.Message = "12345";
    EXPECT_EQ(expectedReading(job), Expectation(reads("DataMatrix", "12345")));
}

} // namespace
} // namespace vornik::batch

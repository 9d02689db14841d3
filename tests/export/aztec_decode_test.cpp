// Aztec Code symbols go the whole way (job, parameter record, encoder and its
// drawing, temporary file, player, raster) and ZXing reads them back.

#include "export/decode_support.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::exporting {
namespace {

using namespace std::string_literals;

struct AztecCase {
    const char* name;
    const char* commands;
    std::string message;
    std::string expected;
};

const AztecCase kCases[] = {
    {"Default", "", "Hello Aztec", "Hello Aztec"},
    {"Percent10", "[AZTECECP=10]", "Ten percent", "Ten percent"},
    {"Percent23", "[AZTECECP=23]", "Twenty-three", "Twenty-three"},
    {"Percent36", "[AZTECECP=36]", "Thirty-six", "Thirty-six"},
    {"Percent50", "[AZTECECP=50]", "Fifty", "Fifty"},
    {"Compact1", "[AZTECECP=101]", "123456", "123456"},
    {"Compact2", "[AZTECECP=102]", "Two layers", "Two layers"},
    {"Compact3", "[AZTECECP=103]", "Three compact layers", "Three compact layers"},
    {"Compact4", "[AZTECECP=104]", "Four compact layers here", "Four compact layers here"},
    {"FullRange1", "[AZTECECP=201]", "Full 1", "Full 1"},
    {"FullRange12", "[AZTECECP=212]", "Full range, twelve layers", "Full range, twelve layers"},
    {"FullRange32", "[AZTECECP=232]", std::string(200, 'x'), std::string(200, 'x')},
    {"Vertical90", "[VERTDOWN]", "Turned", "Turned"},
    {"Vertical270", "[VERTUP][COMMENT=Below][COMMENTABOVE=OFF]", "Turned", "Turned"},
    {"Reduced", "[BARREDUCTION=25]", "Reduced", "Reduced"},
    {"Gain", "[BARREDUCTION=-15]", "Widened", "Widened"},
    {"MenuSymbol", "[AZTECMENU=ON][AZTECECP=101]", "MENU", "MENU"},
    {"BinaryBytes", "", "A\0\xE9"s, "A\0\xC3\xA9"s},
};

TEST(AztecDecodeTest, ZxingReadsWhatWeDraw) {
    for (const AztecCase& row : kCases) {
        SCOPED_TRACE(row.name);
        const auto prepare = [&row](Job& job) { job.Message = row.message; };
        EXPECT_EQ(buildAndDecodeJob("[AZTEC]"s + row.commands, prepare,
                                    readerFor(ZXing::BarcodeFormat::Aztec)),
                  row.expected);
    }
}

} // namespace
} // namespace vornik::exporting

#include "core/app/error_reporter.h"
#include "core/twod/pdf417_builder.h"
#include "core/twod/pdf417_error_correction.h"
#include "support/command_session.h"

#include <cfloat>
#include <gtest/gtest.h>

namespace vornik::twod {
namespace {

using testing::CommandSession;

// A session with PDF417 chosen and the dimension warnings off.
struct PdfSession : CommandSession {
    PdfSession() { run("[PRINTWARNINGS=OFF][PDF417]"); }
    // The error code the last build reported, or 0 when it built.
    int build(const std::string& commands) {
        const std::size_t before = host.messages.size();
        run(commands + "[BUILD/COPY]");
        if (state().SymbolBuilt)
            return 0;
        if (host.messages.size() == before)
            return -1;
        for (int code : {19, 20, 21, 23, 24, 25, 26, 27, 28, 29, 30})
            if (host.messages.back().text == composeErrorText(code))
                return code;
        return -2;
    }
};

TEST(Pdf417Builder, EveryErrorCode) {
    const std::string capitals = "[PDFSECURITY=0][PDFMODE=EXC][MESSAGE='" + std::string(1850, 'Q');
    const auto message = [](int length) { return "[MESSAGE='" + std::string(length, 'a') + "']"; };
    const struct {
        const char* name;
        std::string commands;
        void (*tweak)(Job&);
        int code;
    } rows[] = {
        {"Largest", capitals + "']", nullptr, 0},
        {"OneCodewordTooMany", capitals + "QQ']", nullptr, 20},
        {"TooLong", message(3073), nullptr, 19},
        {"SecurityTooHigh", "[PDFSECURITY=8]" + message(900), nullptr, 20},
        {"TextModeControl", "[PDFMODE=EXC][MESSAGE='A',1,'B']", nullptr, 21},
        {"NumericModeLetter", "[PDFMODE=NUM][MESSAGE='12A4']", nullptr, 21},
        {"ZeroAspect", message(1), [](Job& j) { j.PdfAspectRatio = 0; }, 28},
        {"NegativeAspect", message(1), [](Job& j) { j.PdfAspectRatio = -1; }, 28},
        {"ZeroWidth", message(1), [](Job& j) { j.PdfModuleWidth = 0; }, 29},
        {"ZeroHeight", message(1), [](Job& j) { j.PdfModuleHeight = 0; }, 30},
        {"TooWide", message(200), [](Job& j) { j.PdfModuleWidth = 500; }, 23},
        {"LargestWidth", message(1), [](Job& j) { j.PdfModuleWidth = FLT_MAX; }, 23},
        {"LargestHeight", message(1), [](Job& j) { j.PdfModuleHeight = FLT_MAX; }, 23},
        {"ModuleTallerThanAPicture", message(1), [](Job& j) { j.PdfModuleHeight = 32767; }, 23},
        {"HugeBothWays", message(1), [](Job& j) { j.PdfModuleWidth = j.PdfModuleHeight = 1e9f; },
         23},
        {"FixedRowsTooFew", "[PDFMAXROWS=3]" + message(400), [](Job& j) { j.PdfLayoutFlag = 1; },
         24},
        {"FixedColumnsTooFew", "[PDFMAXCOLS=1]" + message(400), [](Job& j) { j.PdfLayoutFlag = 2; },
         25},
        {"LimitsTooSmall", "[PDFMAXROWS=3][PDFMAXCOLS=1][MESSAGE='ABCDEFGH']", nullptr, 26},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PdfSession session;
        if (row.tweak)
            row.tweak(session.job());
        EXPECT_EQ(session.build(row.commands), row.code);
    }
}

// The Build command turns an empty message away before any builder; the
// builder's own check answers callers that reach it directly.
TEST(Pdf417Builder, EmptyMessage) {
    PdfSession session;
    EXPECT_EQ(PdfBuildSymbol(session.app, ""), BuildOutcome::Rejected);
    EXPECT_EQ(session.state().ErrorText, composeErrorText(27));
}

TEST(Pdf417Builder, CodewordListingAndCandidateRatios) {
    PdfSession session;
    ASSERT_EQ(session.build("[PDFCODEWORDS=ON][PDFMODE=EXC][MESSAGE='ABC']"), 0);
    // 2 data codewords, level 1 (4 error correction): 7 fit 7 rows of 1.
    std::string expected = "3,1,89,";
    for (const int c : PdfReedSolomon(Codewords{3, 1, 89}, 1))
        expected += std::to_string(c) + ",";
    EXPECT_EQ(session.job().Supplement, expected);
    EXPECT_EQ(session.app.boxes().magnifyText(), "0.500");
    EXPECT_EQ(session.app.boxes().magnifyList(),
              (std::vector<std::string>{"0.074", "0.115", "0.241"}));
    EXPECT_FALSE(session.state().BarPatternSaveEnabled);
}

// One column (fixed columns of 1): 86 modules wide, 90 with quiet zones,
// 56 truncated with quiet zones. The module width is rounded after adding a half.
TEST(Pdf417Builder, WidthsHeightsAndModuleRounding) {
    const struct {
        const char* name;
        const char* commands;
        float moduleWidth;
        int width, height;
    } rows[] = {
        {"Plain", "", 25.4f, 86 * 26, 6 * 77},
        {"HalfRoundsToEven25", "", 25.0f, 86 * 26, 6 * 77},
        {"HalfRoundsToEven26", "", 26.0f, 86 * 26, 6 * 77},
        {"Wider", "", 27.0f, 86 * 28, 6 * 77},
        {"QuietZones", "[QUIETZONES=ON]", 25.4f, 90 * 26, 6 * 77},
        {"Truncated", "[QUIETZONES=ON][TRUNCATEDPDF=ON]", 25.4f, 56 * 26, 6 * 77},
        {"CommentAbove", "[COMMENT=Note]", 25.4f, 86 * 26, 6 * 77 + 352},
        {"Reduction", "[BARREDUCTION=15]", 25.4f, 86 * 26, 6 * 77},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        PdfSession session;
        session.job().PdfLayoutFlag = 2;
        session.job().PdfMaxColumns = 1;
        session.job().PdfModuleWidth = row.moduleWidth;
        ASSERT_EQ(session.build(std::string(row.commands) + "[MESSAGE='A']"), 0);
        EXPECT_EQ(session.state().SymbolWidth, row.width);
        EXPECT_EQ(session.state().SymbolHeight, row.height);
    }
}

} // namespace
} // namespace vornik::twod

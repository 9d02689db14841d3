#include "core/twod/dm_builder.h"
#include "support/command_session.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace vornik::twod {
namespace {

using namespace std::string_literals;

TEST(DmBuilderTest, MessagePreparation) {
    // name, message, ECC level, standard tildes, prepared message
    const std::tuple<const char*, std::string, int, bool, std::string> rows[] = {
        {"StandardDoublesTilde", "a~b", 26, true, "a~~b"},
        {"LibraryReadsTildes", "a~b", 26, false, "a~b"},
        {"NulBecomesAt", "a\0b"s, 26, false, "a~@b"},
        {"Ecc140Unchanged", "a~\0b"s, 12, true, "a~\0b"s},
    };
    for (const auto& [name, message, eccLevel, standard, prepared] : rows)
        EXPECT_EQ(prepareDataMatrixMessage(message, eccLevel, standard), prepared) << name;
}

// An encoder that answers from a script and records what it was asked.
class ScriptedLibrary final : public DataMatrixLibrary {
public:
    int initResult = 0, selfTestResult = 0, status = 0, size = 10;
    std::string calls;
    int requestedRows = -1, requestedColumns = -1;

    int IDM_initialize(int) override { return calls += "init ", initResult; }
    int IDM_self_test() override { return calls += "selftest ", selfTestResult; }
    int IDM_enc_complete(int, int, int rows, int columns, int, int, std::string_view, int& r,
                         int& c, int) override {
        requestedRows = rows;
        requestedColumns = columns;
        r = c = status > 0 ? 0 : size;
        return calls += "encode ", status;
    }
    // A checkerboard.
    int get_dm_cell(int row, int column) const override {
        return row <= size && column <= size && (row + column) % 2 == 0 ? 1 : 0;
    }
};

TEST(DmBuilderTest, InitialisationSequence) {
    const struct {
        const char* name;
        int initResult, selfTestResult;
        const char* calls; // over two builds
        bool built;
    } rows[] = {
        {"OnceOnly", 0, 0, "init selftest encode encode ", true},
        {"InitFailsEncodesAndRetries", 1, 0, "init encode init encode ", true},
        {"SelfTestFailsSilently", 0, 1, "init selftest init selftest ", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing::CommandSession session;
        ScriptedLibrary library;
        library.initResult = row.initResult;
        library.selfTestResult = row.selfTestResult;
        DataMatrixSession state;
        for (int build = 0; build < 2; ++build)
            EXPECT_EQ(buildDataMatrix(session.app, library, state) == BuildOutcome::Built,
                      row.built);
        EXPECT_EQ(library.calls, row.calls);
        EXPECT_TRUE(session.host.messages.empty());
        EXPECT_EQ(session.host.published.size(), row.built ? 2u : 0u);
    }
}

TEST(DmBuilderTest, StatusGoesToTheReporter) {
    testing::CommandSession session;
    ScriptedLibrary library;
    library.status = 1032;
    DataMatrixSession state;
    EXPECT_EQ(buildDataMatrix(session.app, library, state), BuildOutcome::Rejected);
    EXPECT_EQ(state.lastStatus, 1032);
    ASSERT_EQ(session.host.messages.size(), 1u);
    EXPECT_EQ(session.host.messages[0].text, "Invalid Data Matrix message!  Data Matrix message is "
                                             "too long for the selected symbol size.");
}

struct GeometryCase {
    const char* name;
    float moduleSize;
    bool quietZones;
    int barWidthAdjust;
    const char* comment;
    int formatOption, width, height; // width 0: refused
};

// 51 x 10 + 4 x 51 = 714; a comment line of size 10 is nearest(351.5) = 352;
// a 15 % reduction of 51 is nearest(7.65) = 8.
const GeometryCase kGeometryCases[] = {
    {"QuietZones", 51.0f, true, 0, "", 0, 714, 714},
    {"Comment", 51.0f, true, 0, "Lot 4", 0, 714, 1066},
    {"Reduced", 51.0f, true, 3, "", 0, 706, 706},
    {"Gain", 51.0f, true, 3 | kBarWidthGainBit, "", 0, 722, 722},
    {"ModuleRoundsHalfToEven", 50.5f, false, 0, "", 0, 500, 500},
    {"RequestsRectangle", 51.0f, false, 0, "", 3, 510, 510},
    {"ModuleTooSmall", 0.4f, false, 0, "", 0, 0, 0},
    {"PictureTooLarge", 4000.0f, false, 0, "", 0, 0, 0},
    {"LargestModule", FLT_MAX, true, 15 | kBarWidthGainBit, "", 0, 0, 0},
    {"LargestModuleReduced", 1e9f, true, 15, "Lot 4", 0, 0, 0},
};

TEST(DmBuilderTest, Geometry) {
    for (const GeometryCase& row : kGeometryCases) {
        SCOPED_TRACE(row.name);
        testing::CommandSession session;
        Job& job = session.job();
        job.ModuleSize = row.moduleSize;
        job.QuietZones = row.quietZones;
        job.BarWidthAdjust = row.barWidthAdjust;
        job.Comment = row.comment;
        job.DmFormatOption = row.formatOption;
        ScriptedLibrary library;
        DataMatrixSession state;
        const BuildOutcome outcome = buildDataMatrix(session.app, library, state);
        EXPECT_EQ(session.host.published.size(), row.width == 0 ? 0u : 1u);
        EXPECT_EQ(session.host.messages.size(), row.width == 0 ? 1u : 0u);
        if (row.width == 0) {
            EXPECT_EQ(outcome, BuildOutcome::Rejected);
            continue;
        }
        ASSERT_EQ(outcome, BuildOutcome::Built);
        EXPECT_EQ(library.requestedRows * 100 + library.requestedColumns,
                  row.formatOption == 3 ? 1226 : 0);
        EXPECT_EQ(session.state().SymbolWidth, row.width);
        EXPECT_EQ(session.state().SymbolHeight, row.height);
    }
}

} // namespace
} // namespace vornik::twod

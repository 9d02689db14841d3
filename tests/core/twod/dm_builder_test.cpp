#include "core/twod/dm_builder.h"
#include "support/command_session.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::twod {
namespace {

using namespace std::string_literals;

struct PrepareCase {
    const char* name;
    std::string message;
    int eccLevel;
    bool standard;
    std::string prepared;
};

const PrepareCase kPrepareCases[] = {
    {"StandardDoublesTilde", "a~b", 26, true, "a~~b"},
    {"LibraryReadsTildes", "a~b", 26, false, "a~b"},
    {"NulBecomesAt", "a\0b"s, 26, false, "a~@b"},
    {"Ecc140Unchanged", "a~\0b"s, 12, true, "a~\0b"s},
};

TEST(DmBuilderTest, MessagePreparation) {
    for (const PrepareCase& row : kPrepareCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(prepareDataMatrixMessage(row.message, row.eccLevel, row.standard), row.prepared);
    }
}

// An encoder that answers from a script and records what it was asked.
class ScriptedLibrary final : public DataMatrixLibrary {
public:
    int initResult = 0;
    int selfTestResult = 0;
    int status = 0;
    int size = 10;
    std::vector<std::string> calls;
    int requestedRows = -1;
    int requestedColumns = -1;

    int IDM_initialize(int) override { return log("init", initResult); }
    int IDM_self_test() override { return log("selftest", selfTestResult); }
    int IDM_enc_complete(int, int, int rows, int columns, int, int, std::string_view, int& r,
                         int& c, int) override {
        requestedRows = rows;
        requestedColumns = columns;
        r = c = status > 0 ? 0 : size;
        return log("encode", status);
    }
    // A checkerboard.
    int get_dm_cell(int row, int column) const override {
        return row <= size && column <= size && (row + column) % 2 == 0 ? 1 : 0;
    }

private:
    int log(const char* call, int result) {
        calls.emplace_back(call);
        return result;
    }
};

struct InitCase {
    const char* name;
    int initResult;
    int selfTestResult;
    const char* calls; // over two builds
    bool built;
};

const InitCase kInitCases[] = {
    {"OnceOnly", 0, 0, "init selftest encode encode ", true},
    {"InitFailsEncodesAndRetries", 1, 0, "init encode init encode ", true},
    {"SelfTestFailsSilently", 0, 1, "init selftest init selftest ", false},
};

TEST(DmBuilderTest, InitialisationSequence) {
    for (const InitCase& row : kInitCases) {
        SCOPED_TRACE(row.name);
        testing::CommandSession session;
        ScriptedLibrary library;
        library.initResult = row.initResult;
        library.selfTestResult = row.selfTestResult;
        DataMatrixSession state;
        for (int build = 0; build < 2; ++build)
            EXPECT_EQ(buildDataMatrix(session.app, library, state) == BuildOutcome::Built,
                      row.built);
        std::string calls;
        for (const std::string& call : library.calls)
            calls += call + " ";
        EXPECT_EQ(calls, row.calls);
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
    int formatOption;
    int width;
    int height;
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
        ASSERT_EQ(buildDataMatrix(session.app, library, state), BuildOutcome::Built);
        EXPECT_EQ(library.requestedRows * 100 + library.requestedColumns,
                  row.formatOption == 3 ? 1226 : 0);
        EXPECT_EQ(session.state().SymbolWidth, row.width);
        EXPECT_EQ(session.state().SymbolHeight, row.height);
    }
}

TEST(DmBuilderTest, RefusesWhatCannotBeDrawn) {
    for (const float moduleSize : {0.4f, 4000.0f}) {
        SCOPED_TRACE(moduleSize);
        testing::CommandSession session;
        session.job().ModuleSize = moduleSize;
        ScriptedLibrary library;
        DataMatrixSession state;
        EXPECT_EQ(buildDataMatrix(session.app, library, state), BuildOutcome::Rejected);
        EXPECT_EQ(session.host.messages.size(), 1u);
        EXPECT_TRUE(session.host.published.empty());
    }
}

} // namespace
} // namespace vornik::twod

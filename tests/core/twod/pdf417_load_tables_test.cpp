#include "core/dde/interpreter.h"
#include "core/twod/pdf417_load_tables.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace vornik::twod {
namespace {

std::string shippedFile() {
    std::ifstream in(testing::builtProgramDirectory() / "Cluster.Dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An application whose program folder is a fresh folder, holding the given
// pattern file text (none when nullopt).
struct Program {
    testing::TempFolder folder;
    testing::FakeHost host;
    Application app{host, StartupOptions{.programDirectory = folder.path()}};
    explicit Program(const std::optional<std::string>& clusterFile) {
        if (clusterFile)
            folder.write("Cluster.Dat", *clusterFile);
        app.startUp();
    }
    bool choosePdf417() {
        app.MCode_Click(Symbology::Pdf417);
        const bool chosen = app.job().Symbology == Symbology::Pdf417;
        EXPECT_EQ(chosen, app.pdfTables().patterns.has_value());
        return chosen;
    }
};

TEST(Pdf417LoadTables, FoundInTheProgramFolderOrAtATypedPath) {
    Program found(shippedFile());
    EXPECT_TRUE(found.choosePdf417());
    EXPECT_TRUE(found.host.inputBoxes.empty());
    Program typed(std::nullopt);
    const auto elsewhere = typed.folder.write("data/patterns.dat", shippedFile());
    typed.host.inputAnswers = {elsewhere.string()};
    EXPECT_TRUE(typed.choosePdf417());
}

TEST(Pdf417LoadTables, MissingFileAsksUntilTheUserGivesUp) {
    Program program(std::nullopt);
    program.host.inputAnswers = {"elsewhere/none.dat", std::string()};
    EXPECT_FALSE(program.choosePdf417());
    ASSERT_EQ(program.host.inputBoxes.size(), 2U);
    const InputBox& first = program.host.inputBoxes[0];
    EXPECT_EQ(first.title, "Vornik File I/O Error!");
    EXPECT_EQ(first.prompt, "Cannot Find Vornik Initialization File: CLUSTER.DAT        Please "
                            "Enter New Path.");
    EXPECT_EQ(first.defaultAnswer, (program.folder.path() / "Cluster.Dat").string());
    EXPECT_EQ(program.host.inputBoxes[1].defaultAnswer,
              (program.folder.path() / "elsewhere/none.dat").string());
    // The selection is abandoned; the flag and the path are reset for next time.
    EXPECT_EQ(program.app.job().Symbology, Symbology::Code39);
    EXPECT_FALSE(program.app.state().Dirty);
    EXPECT_FALSE(program.app.pdfTables().patternFileMissing);
    EXPECT_EQ(program.app.pdfTables().ClusterFilePath, "Cluster.Dat");
    // The keyword is refused, so that a client does not build the old symbology.
    EXPECT_FALSE(dde::Interpreter(program.app).Execute("[PDF417]"));
}

TEST(Pdf417LoadTables, DamagedFileIsReportedAndLoadsNothing) {
    const std::string good = shippedFile();
    for (const std::string& damaged : {good.substr(0, good.size() / 2), "x" + good}) {
        Program program(damaged);
        EXPECT_FALSE(program.choosePdf417());
        ASSERT_EQ(program.host.messages.size(), 1U);
        EXPECT_NE(program.host.messages[0].text.find(" is damaged: "), std::string::npos);
        EXPECT_EQ(program.host.inputBoxes.size(), 1U);
        EXPECT_EQ(program.app.job().Symbology, Symbology::Code39);
    }
}

} // namespace
} // namespace vornik::twod

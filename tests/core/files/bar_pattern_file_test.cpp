#include "core/files/bar_pattern_file.h"
#include "support/command_session.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace vornik::files {
namespace {

using vornik::testing::CommandSession;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

// Builds through the real encoder and renderer, then exports.
std::string exported(const std::string& commands, const TempFolder& folder) {
    CommandSession session;
    EXPECT_TRUE(session.run(commands + "[build/copy]"));
    const std::string path = (folder.path() / "out.dbp").string();
    session.host.fileChoices = {path};
    EXPECT_TRUE(SaveBarPatternFile(session.app));
    EXPECT_EQ(session.state().BarPatternPath, path);
    return readFile(path);
}

TEST(BarPatternFileTest, ExportsTheElementWidthsOfTheLastSymbol) {
    const TempFolder folder;
    const std::string code39 = exported("[metric][code39][message='A']", folder);
    EXPECT_TRUE(code39.starts_with(" 297  33  83  33  33  83  33  83  33  33 ")) << code39;
    EXPECT_TRUE(code39.ends_with(" 83  33  33  297  0 \r\n")) << code39;

    const std::string inches = exported("[code39][message='A']", folder);
    EXPECT_TRUE(inches.starts_with(" 117  13  33  13 ")) << inches;

    const std::string ean = exported("[metric][ean13][message='590123412345']", folder);
    EXPECT_TRUE(ean.starts_with(" 297  33  33  33 ")) << ean;
    for (const char* adjusted : {" 30 ", " 63 ", " 69 ", " 102 "})
        EXPECT_NE(ean.find(adjusted), std::string::npos) << adjusted;
    EXPECT_TRUE(ean.ends_with(" 33  33  33  297  0 \r\n")) << ean;

    const std::string postnet = exported("[metric][postnet][message='12345']", folder);
    EXPECT_TRUE(postnet.starts_with(" 70  50  70  50 ")) << postnet;
    EXPECT_TRUE(postnet.ends_with(" 50  70  0 \r\n")) << postnet;
}

TEST(BarPatternFileTest, CancelWritesNothingAndAFailureSaysSo) {
    const TempFolder folder;
    CommandSession session;
    EXPECT_FALSE(SaveBarPatternFile(session.app)) << "no symbol";
    EXPECT_TRUE(session.host.fileDialogs.empty());
    ASSERT_TRUE(session.run("[code39][message='A'][build/copy]"));
    session.state().BarPatternPath = "kept.dbp";
    EXPECT_FALSE(SaveBarPatternFile(session.app));
    EXPECT_EQ(session.state().BarPatternPath, "kept.dbp");
    EXPECT_EQ(session.host.fileDialogs.back().initialName, "kept.dbp");
    EXPECT_EQ(session.host.fileDialogs.back().title, "Save Bar Pattern As");

    session.host.fileChoices = {(folder.path() / "no" / "such" / "x.dbp").string()};
    EXPECT_FALSE(SaveBarPatternFile(session.app));
    ASSERT_FALSE(session.host.messages.empty());
    EXPECT_EQ(session.host.messages.back().text, "File I/O Error!");
}

} // namespace
} // namespace vornik::files

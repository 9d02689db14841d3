// The README's examples of automation over D-Bus run as they stand and print
// what their comments say: the gdbus block against the server it starts, the
// Python script against vornik --serve, the labelling loop through a window.

#include "served_job.h"

#include <regex>

namespace vornik::bus::testing {
namespace {

namespace fs = std::filesystem;

struct Block {
    std::string language;
    std::vector<std::string> lines;
};

// The fenced blocks of the README's section on D-Bus, in order.
std::vector<Block> sectionBlocks() {
    const std::string readme = readFile(fs::path(VORNIK_SOURCE_DIRECTORY) / "README.md");
    const auto start = readme.find("\n## Automation over D-Bus\n");
    const auto end = readme.find("\n## ", start + 1);
    std::istringstream section(readme.substr(start, end - start));
    std::vector<Block> blocks;
    bool inBlock = false;
    for (std::string line; std::getline(section, line);) {
        if (line.starts_with("```")) {
            inBlock = !inBlock;
            if (inBlock)
                blocks.push_back({line.substr(3), {}});
        } else if (inBlock) {
            blocks.back().lines.push_back(line);
        }
    }
    return blocks;
}

// The block's lines as the test runs them: the built program, and the files
// it puts in /tmp in the test's folder; the output its comments give.
struct Script {
    std::string text;
    std::string output;
};
Script scriptOf(const Block& block, const fs::path& folder) {
    Script script;
    for (const std::string& line : block.lines) {
        if (line.starts_with("#   ")) {
            script.output += line.substr(4) + "\n";
            continue;
        }
        std::string runnable = std::regex_replace(line, std::regex("/tmp/"), folder.string() + "/");
        if (runnable.starts_with("build/vornik "))
            runnable = VORNIK_PROGRAM + runnable.substr(std::string_view("build/vornik").size());
        runnable = std::regex_replace(runnable, std::regex(" build/vornik "),
                                      std::string(" ") + VORNIK_PROGRAM + " ");
        script.text += runnable + "\n";
    }
    return script;
}

TEST_F(ServedJob, ReadmeDbusExamplesRunAsTheirCommentsSay) {
    const std::vector<Block> blocks = sectionBlocks();
    ASSERT_EQ(blocks.size(), 3u);
    ASSERT_EQ(blocks[0].language, "shell");
    ASSERT_EQ(blocks[1].language, "python");
    ASSERT_EQ(blocks[2].language, "shell");

    // gdbus against the server the block starts and ends.
    const Script calls = scriptOf(blocks[0], folder());
    writeFile("calls.sh", calls.text);
    EXPECT_EQ(cli::runIn(folder(), "sh calls.sh"), 0) << readFile(folder() / "err");
    EXPECT_EQ(readFile(folder() / "out"), calls.output);
    EXPECT_TRUE(readFile(folder() / "vornik.svg").starts_with("<?xml"));

    // The Python script against vornik --serve.
    ASSERT_EQ(cli::runIn(folder(), "/usr/bin/python3 -c 'from gi.repository import Gio'"), 0)
        << "The Python example needs GLib's Python binding: install the Debian package "
           "python3-gi.";
    startServer();
    writeFile("labels.py", scriptOf(blocks[1], folder()).text);
    EXPECT_EQ(cli::runIn(folder(), "/usr/bin/python3 labels.py"), 0) << readFile(folder() / "err");
    EXPECT_EQ(readFile(folder() / "out"), "1 True []\n2 True []\n3 True []\n");
    for (const char* file : {"lot-1.png", "lot-2.png", "lot-3.png"})
        EXPECT_TRUE(fs::is_regular_file(folder() / file)) << file;
    EXPECT_EQ(send({"[appexit]"}).status, 0);
    ASSERT_TRUE(serverExit().has_value());

    // The loop through a window.
    startWindow();
    const Script loop = scriptOf(blocks[2], folder());
    writeFile("loop.sh", loop.text);
    EXPECT_EQ(cli::runIn(folder(), "sh loop.sh"), 0) << readFile(folder() / "err");
    EXPECT_EQ(readFile(folder() / "out"), "");
    for (const char* file : {"SHELF-A1.png", "SHELF-A2.png", "SHELF-B1.png"})
        EXPECT_TRUE(fs::is_regular_file(folder() / file)) << file;
    EXPECT_EQ(send({"[appexit]"}).status, 0);
    EXPECT_EQ(serverExit(), std::optional<int>(0)) << serverErrors();
}

} // namespace
} // namespace vornik::bus::testing

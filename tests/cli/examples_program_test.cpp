// Every example of the README and of --help runs through the built program
// and does what its text says, so that none goes stale.

#include "cli/command_line.h"
#include "run_in.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace vornik::cli {
namespace {

namespace fs = std::filesystem;
using vornik::testing::readFile;
using vornik::testing::TempFolder;

// One command line of an example: what it runs, the exit status its
// comment gives (0 when it gives none) and the lines it shows on standard
// error (comment lines indented three blanks, right after the command).
struct Example {
    std::string line;
    int exitStatus = 0;
    std::string err;
};

const fs::path kReadme = fs::path(VORNIK_SOURCE_DIRECTORY) / "README.md";

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The command lines of the README's sh blocks. A comment that says "exit
// status N" sets the status of the commands after it, up to a blank line.
std::vector<Example> readmeExamples(const std::string& readme) {
    std::vector<Example> examples;
    std::istringstream lines(readme);
    std::string line;
    bool inBlock = false;
    int status = 0;
    const std::regex statusSaid(R"(exit status (is )?(\d))");
    while (std::getline(lines, line)) {
        if (startsWith(line, "```")) {
            inBlock = line == "```sh";
            status = 0;
        } else if (!inBlock) {
            continue;
        } else if (line.empty()) {
            status = 0;
        } else if (startsWith(line, "#   ") && !examples.empty()) {
            examples.back().err += line.substr(4) + "\n";
        } else if (std::smatch said; line[0] == '#' && std::regex_search(line, said, statusSaid)) {
            status = std::stoi(said[2]);
        } else if (line[0] != '#') {
            examples.push_back({line, status, ""});
        }
    }
    return examples;
}

// The inline examples of the README's text: command strings in backquotes
// that build a symbol.
std::vector<Example> readmeInlineExamples(const std::string& readme) {
    std::vector<Example> examples;
    const std::regex inlineString(R"(`(\[[^`]*\[build/copy\])`)");
    for (auto it = std::sregex_iterator(readme.begin(), readme.end(), inlineString);
         it != std::sregex_iterator(); ++it)
        examples.push_back({"vornik --exec " + shellWord((*it)[1]), 0, ""});
    return examples;
}

// The examples of a help text: the lines under "Examples:", the lines that
// run the program, and the command strings set apart in the text, which must
// run as they stand.
std::vector<Example> helpExamples(std::string_view text) {
    std::vector<Example> examples;
    std::istringstream lines{std::string(text)};
    std::string line;
    bool inExamples = false;
    while (std::getline(lines, line)) {
        inExamples = line == "Examples:" || (inExamples && startsWith(line, "  "));
        if (inExamples && startsWith(line, "  "))
            examples.push_back({line.substr(2), 0, ""});
        else if (startsWith(line, "  vornik --exec "))
            examples.push_back({line.substr(2), 0, ""});
        else if (startsWith(line, "      ["))
            examples.push_back({"vornik --exec " + shellWord(line.substr(6)), 0, ""});
    }
    return examples;
}

// The line as the test runs it: the built program, and the files the README
// puts in /tmp put in the test's folder.
std::string runnable(std::string line, const fs::path& folder) {
    const std::string program = shellWord(VORNIK_PROGRAM);
    if (startsWith(line, "build/vornik "))
        line = program + line.substr(std::string_view("build/vornik").size());
    else if (startsWith(line, "vornik "))
        line = program + line.substr(std::string_view("vornik").size());
    line = std::regex_replace(line, std::regex("/tmp/"), folder.string() + "/");
    // A shell of its own, so that the line's own redirections stay its own.
    return "sh -c " + shellWord(line);
}

void runInOrder(const std::vector<Example>& examples) {
    const TempFolder folder;
    for (const Example& example : examples) {
        SCOPED_TRACE(example.line);
        EXPECT_EQ(runIn(folder.path(), runnable(example.line, folder.path())), example.exitStatus);
        EXPECT_EQ(readFile(folder.path() / "err"), example.err);
    }
}

TEST(ExamplesProgram, ReadmeExamplesRunAsTheirCommentsSay) {
    const std::string readme = readFile(kReadme);
    ASSERT_FALSE(readme.empty()) << kReadme;
    const std::vector<Example> examples = readmeExamples(readme);
    // The set-up block, the headless use and the two-dimensional symbols.
    ASSERT_GE(examples.size(), 20u);
    std::vector<Example> headless;
    for (const Example& example : examples)
        if (!startsWith(example.line, "./scripts/"))
            headless.push_back(example);
    runInOrder(headless);
    const std::vector<Example> inlineExamples = readmeInlineExamples(readme);
    ASSERT_FALSE(inlineExamples.empty());
    runInOrder(inlineExamples);
}

TEST(ExamplesProgram, HelpAndUsageExamplesRun) {
    const std::vector<Example> help = helpExamples(helpText());
    ASSERT_GE(help.size(), 5u);
    runInOrder(help);
    const std::vector<Example> usage = helpExamples(usageText());
    ASSERT_EQ(usage.size(), 1u);
    runInOrder(usage);
}

// The examples' own files: the README's /tmp names land in the test's folder.
TEST(ExamplesProgram, ReadmeFilesLandInTheTestsFolder) {
    const TempFolder folder;
    EXPECT_EQ(runnable("build/vornik --exec \"[savebarcode(/tmp/x.wmf)]\"", folder.path()),
              "sh -c " + shellWord(shellWord(VORNIK_PROGRAM) + " --exec \"[savebarcode(" +
                                   folder.path().string() + "/x.wmf)]\""));
}

} // namespace
} // namespace vornik::cli

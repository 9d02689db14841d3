#include "cli/batch_command_line.h"

#include <gtest/gtest.h>

namespace vornik::cli {
namespace {

std::vector<std::string> words(std::initializer_list<const char*> list) {
    return {list.begin(), list.end()};
}

BatchCommandLine parsed(std::initializer_list<const char*> list) {
    auto result = parseBatchCommandLine(words(list));
    if (const auto* error = std::get_if<std::string>(&result)) {
        ADD_FAILURE() << *error;
        return {};
    }
    return std::get<BatchCommandLine>(result);
}

TEST(BatchCommandLineTest, EveryOptionIsTaken) {
    BatchCommandLine expected;
    expected.jobFile = "job.vkf";
    expected.execStrings = {"[code128]", "[text=off]"};
    expected.source = BatchSource::Table;
    expected.sourceFile = "items.csv";
    expected.messageColumn = "SKU";
    expected.commentColumn = "Note";
    expected.supplementColumn = "Price";
    expected.outputTemplate = "labels/{n:05}.png";
    expected.jobs = 3;
    expected.verify = expected.skipExisting = expected.stopOnError = true;
    EXPECT_EQ(parsed({"job.vkf", "--exec", "[code128]", "--exec=[text=off]", "--csv", "items.csv",
                      "--column", "message=SKU", "--column=comment=Note", "--column",
                      "supplement=Price", "--output", "labels/{n:05}.png", "--jobs=3", "--verify",
                      "--skip-existing", "--stop-on-error"}),
              expected);
}

TEST(BatchCommandLineTest, SourcesAndDefaults) {
    const BatchCommandLine count = parsed({"--count", "1000000", "--output={n}.svg"});
    EXPECT_EQ(count.source, BatchSource::Count);
    EXPECT_EQ(count.count, 1'000'000u);
    EXPECT_EQ(count.jobs, 0u);
    EXPECT_FALSE(count.verify || count.skipExisting || count.stopOnError || count.jobFile);
    const BatchCommandLine messages = parsed({"--messages", "list.txt", "--output", "{n}.png"});
    EXPECT_EQ(messages.source, BatchSource::Messages);
    EXPECT_EQ(messages.sourceFile, "list.txt");
}

struct ErrorCase {
    std::vector<std::string> arguments;
    const char* error;
};

// clang-format off
const ErrorCase kErrors[] = {
    {{"--output", "{n}.png"}, "a batch needs its records: give one of --messages FILE, --csv FILE or --count N"},
    {{"--count", "2", "--csv", "a.csv", "--output", "{n}.png"}, "a batch takes its records from one source: give one of --messages FILE, --csv FILE or --count N"},
    {{"--count", "2"}, "a batch needs --output, the name of each file, as in --output 'labels/{n:05}.png'"},
    {{"--count", "2", "--output", "a{n}", "--output", "b{n}"}, "a batch takes one --output name"},
    {{"a.vkf", "b.vkf"}, "a batch takes one job file, but both a.vkf and b.vkf were named"},
    {{"--count"}, "option --count needs a value"},
    {{"--output="}, "option --output needs a value"},
    {{"--count", "-1", "--output", "{n}"}, "--count -1 is out of range: give a number of labels from 1 to 1000000"},
    {{"--count", "2x", "--output", "{n}"}, "--count 2x is out of range: give a number of labels from 1 to 1000000"},
    {{"--count", "2", "--jobs", "257", "--output", "{n}"}, "--jobs 257 is out of range: give a number of workers from 1 to 256"},
    {{"--verify=yes"}, "option --verify takes no value"},
    {{"--yes"}, "unknown option --yes for a batch"},
    {{"--csv", "a.csv", "--column", "message", "--output", "{n}"}, "--column message is not understood: write --column FIELD=NAME, FIELD being message, comment or supplement and NAME a column of the table, as in --column message=SKU"},
    {{"--csv", "a.csv", "--column", "message=", "--output", "{n}"}, "--column message= is not understood: write --column FIELD=NAME, FIELD being message, comment or supplement and NAME a column of the table, as in --column message=SKU"},
    {{"--csv", "a.csv", "--column", "comment=A", "--column", "comment=B"}, "--column names the comment column twice"},
    {{"--messages", "a.txt", "--column", "message=A", "--output", "{n}"}, "--column names columns of a table, and goes with --csv only"},
};
// clang-format on

TEST(BatchCommandLineTest, WordsThatCannotBeFollowedAreToldInASentence) {
    for (const ErrorCase& row : kErrors) {
        const auto result = parseBatchCommandLine(row.arguments);
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << row.error;
        EXPECT_EQ(std::get<std::string>(result), row.error);
    }
}

} // namespace
} // namespace vornik::cli

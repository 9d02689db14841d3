#include "core/batch/csv_table.h"

#include <gtest/gtest.h>

namespace vornik::batch {
namespace {

struct TableCase {
    const char* name;
    std::string bytes;
    Separator separator;
    std::vector<std::string> header;
    std::vector<CsvRow> rows;
};

// clang-format off
const TableCase kTables[] = {
    {"Plain", "a,b\n1,2\n3,4\n", Separator::Comma, {"a", "b"}, {{2, {"1", "2"}}, {3, {"3", "4"}}}},
    {"NoFinalLineEnd", "a,b\n1,2", Separator::Comma, {"a", "b"}, {{2, {"1", "2"}}}},
    {"CrLf", "a,b\r\n1,2\r\n", Separator::Comma, {"a", "b"}, {{2, {"1", "2"}}}},
    {"ByteOrderMark", "\xEF\xBB\xBF" "a,b\n1,2\n", Separator::Comma, {"a", "b"}, {{2, {"1", "2"}}}},
    {"QuotedSeparator", "a,b\n\"1,5\",2\n", Separator::Comma, {"a", "b"}, {{2, {"1,5", "2"}}}},
    {"DoubledQuote", "a\n\"say \"\"hi\"\"\"\n", Separator::Comma, {"a"}, {{2, {"say \"hi\""}}}},
    {"LineEndInside", "a,b\n\"x\ny\",2\n3,4\n", Separator::Comma, {"a", "b"}, {{2, {"x\ny", "2"}}, {4, {"3", "4"}}}},
    {"CrLfInsideKept", "a\n\"x\r\ny\"\n", Separator::Comma, {"a"}, {{2, {"x\r\ny"}}}},
    {"EmptyFields", "a,b,c\n,,\n", Separator::Comma, {"a", "b", "c"}, {{2, {"", "", ""}}}},
    {"BlankLinesSkipped", "a\n\n1\n\r\n2\n", Separator::Comma, {"a"}, {{3, {"1"}}, {5, {"2"}}}},
    {"QuoteInsideUnquoted", "a\n5\"x\n", Separator::Comma, {"a"}, {{2, {"5\"x"}}}},
    {"Tabs", "a\tb\n1,5\t2\n", Separator::Tab, {"a", "b"}, {{2, {"1,5", "2"}}}},
    {"HeaderOnly", "a,b\n", Separator::Comma, {"a", "b"}, {}},
};
// clang-format on

TEST(CsvTableTest, ReadsWhatSpreadsheetsWrite) {
    for (const TableCase& row : kTables) {
        SCOPED_TRACE(row.name);
        const auto parsed = parseCsv(row.bytes, row.separator);
        ASSERT_TRUE(std::holds_alternative<CsvTable>(parsed)) << std::get<CsvError>(parsed).message;
        EXPECT_EQ(std::get<CsvTable>(parsed), (CsvTable{row.header, row.rows}));
    }
}

struct ErrorCase {
    const char* name;
    std::string bytes;
    const char* message;
};

// clang-format off
const ErrorCase kErrors[] = {
    {"Empty", "", "it is empty: the first line must name the columns"},
    {"BlankOnly", "\n\r\n", "it is empty: the first line must name the columns"},
    {"Unclosed", "a\n\"x\n\n", "the quoted field that starts on line 2 is never closed"},
    {"TextAfterQuote", "a,b\n\"x\"y,2\n", "line 2 has text after the closing quote of a field; a quote inside a quoted field is written twice (\"\")"},
    {"TooFew", "a,b\n1,2\n3\n", "line 3 has 1 fields, but the header has 2"},
    {"TooMany", "a,b\n\"1\n\",2,3\n", "line 2 has 3 fields, but the header has 2"},
    {"UnnamedColumn", "a,,c\n", "column 2 of the header has no name"},
    {"Duplicate", "a,b,a\n", "the header names the column a twice"},
};
// clang-format on

TEST(CsvTableTest, MalformedTablesAreToldWithTheirLine) {
    for (const ErrorCase& row : kErrors) {
        SCOPED_TRACE(row.name);
        const auto parsed = parseCsv(row.bytes, Separator::Comma);
        ASSERT_TRUE(std::holds_alternative<CsvError>(parsed));
        EXPECT_EQ(std::get<CsvError>(parsed).message, row.message);
    }
}

TEST(CsvTableTest, TheSeparatorComesFromTheNameOrTheFirstLine) {
    const struct {
        const char* file;
        const char* bytes;
        Separator expected;
    } cases[] = {
        {"list.tsv", "a,b\n", Separator::Tab},         {"list.tab", "a\n", Separator::Tab},
        {"list.csv", "a\tb\n1\t2\n", Separator::Tab},  {"list.csv", "a\tb,c\n", Separator::Comma},
        {"list.txt", "a,b\n1\t2\n", Separator::Comma}, {"list", "single\n", Separator::Comma},
    };
    for (const auto& row : cases)
        EXPECT_EQ(separatorFor(row.file, row.bytes), row.expected) << row.file << " " << row.bytes;
}

TEST(CsvTableTest, ColumnsAreFoundByTheirExactName) {
    const CsvTable table{{"SKU", "Name"}, {}};
    EXPECT_EQ(table.column("SKU"), 0);
    EXPECT_EQ(table.column("Name"), 1);
    EXPECT_EQ(table.column("sku"), -1);
}

} // namespace
} // namespace vornik::batch

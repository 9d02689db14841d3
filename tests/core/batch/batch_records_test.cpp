#include "core/batch/batch_records.h"

#include <gtest/gtest.h>

namespace vornik::batch {

// Failures show a record as its fields.
void PrintTo(const BatchRecord& r, std::ostream* out) {
    const auto field = [](const std::optional<std::string>& f) {
        return f ? "\"" + *f + "\"" : "-";
    };
    *out << "{" << r.number << " line " << r.line << " " << field(r.message) << " "
         << field(r.comment) << " " << field(r.supplement) << "}";
}

namespace {

BatchRecord record(std::size_t number, std::size_t line, std::optional<std::string> message,
                   std::optional<std::string> comment = std::nullopt,
                   std::optional<std::string> supplement = std::nullopt,
                   std::vector<std::string> columns = {}) {
    BatchRecord r;
    r.number = number;
    r.line = line;
    r.message = std::move(message);
    r.comment = std::move(comment);
    r.supplement = std::move(supplement);
    r.columns = std::move(columns);
    return r;
}

TEST(BatchRecordsTest, MessageFileLinesAreMessagesAndUpcEntriesAreSplit) {
    const files::MessageLines lines(std::string("A1\r\n\nB 2\n"));
    EXPECT_EQ(
        messageFileRecords(lines, Symbology::Code128),
        (std::vector<BatchRecord>{record(1, 1, "A1"), record(2, 2, ""), record(3, 3, "B 2")}));
    const files::MessageLines upc(std::string("03600029145-34\n0360002914552495\n03600029145\n"));
    EXPECT_EQ(messageFileRecords(upc, Symbology::UpcA),
              (std::vector<BatchRecord>{record(1, 1, "03600029145", std::nullopt, "34"),
                                        record(2, 2, "03600029145", std::nullopt, "52495"),
                                        record(3, 3, "03600029145", std::nullopt, "")}));
}

TEST(BatchRecordsTest, TableColumnsFillTheMappedFieldsOnly) {
    CsvTable table{{"sku", "note", "price"}, {{2, {"111", "n1", "12"}}, {5, {"222", "n2", "34"}}}};
    EXPECT_EQ(
        tableRecords(table, {.message = 0, .comment = 1, .supplement = -1}),
        (std::vector<BatchRecord>{record(1, 2, "111", "n1", std::nullopt, {"111", "n1", "12"}),
                                  record(2, 5, "222", "n2", std::nullopt, {"222", "n2", "34"})}));
    EXPECT_EQ(
        tableRecords(table, {.message = 2, .comment = -1, .supplement = 0}),
        (std::vector<BatchRecord>{record(1, 2, "12", std::nullopt, "111", {"111", "n1", "12"}),
                                  record(2, 5, "34", std::nullopt, "222", {"222", "n2", "34"})}));
}

TEST(BatchRecordsTest, ACountStepsTheJobsNumberingFromItsCurrentNumber) {
    Job job;
    job.IncStart = 998;
    job.IncValue = 1;
    job.IncWidth = 3;
    job.IncPreamble = "A-";
    job.IncPostamble = "/Z";
    EXPECT_EQ(countRecords(job, 3),
              (std::vector<BatchRecord>{record(1, 1, "A-998/Z"), record(2, 2, "A-999/Z"),
                                        record(3, 3, "A-000/Z")}));
    job.IncStart = 10;
    job.IncValue = -4;
    job.IncWidth = 0;
    job.IncPreamble.clear();
    job.IncPostamble.clear();
    job.IncTarget = false;
    EXPECT_EQ(countRecords(job, 4),
              (std::vector<BatchRecord>{record(1, 1, std::nullopt, std::nullopt, "10"),
                                        record(2, 2, std::nullopt, std::nullopt, "6"),
                                        record(3, 3, std::nullopt, std::nullopt, "2"),
                                        record(4, 4, std::nullopt, std::nullopt, "-2")}));
}

TEST(BatchRecordsTest, ARecordChangesOnlyTheFieldsItHas) {
    Job job;
    job.Message = "old";
    job.Comment = "kept";
    job.Supplement = "12";
    applyRecord(record(1, 1, "new", std::nullopt, ""), job);
    EXPECT_EQ(job.Message, "new");
    EXPECT_EQ(job.Comment, "kept");
    EXPECT_EQ(job.Supplement, "");
}

} // namespace
} // namespace vornik::batch

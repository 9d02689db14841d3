#pragma once

#include "core/app/job.h"
#include "core/batch/csv_table.h"
#include "core/files/message_lines.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vornik::batch {

// One label of a batch: what it puts into the job before the build. A field
// left empty keeps the job's own value.
struct BatchRecord {
    std::size_t number = 0; // from 1
    std::size_t line = 0;   // where it comes from in its file (its number for a count)
    std::optional<std::string> message;
    std::optional<std::string> comment;
    std::optional<std::string> supplement;
    std::vector<std::string> columns; // a table's fields, for the output name
    bool operator==(const BatchRecord&) const = default;
};

// Applies a record to the job.
void applyRecord(const BatchRecord& record, Job& job);

// One record per line of a message file, split for the UPC and EAN family
// into message and add-on as opening the file in the program does.
[[nodiscard]] std::vector<BatchRecord> messageFileRecords(const files::MessageLines& lines,
                                                          Symbology symbology);

// Which of a table's columns fill the message, the comment and the supplement.
struct ColumnMapping {
    int message = -1;
    int comment = -1;
    int supplement = -1;
};

[[nodiscard]] std::vector<BatchRecord> tableRecords(CsvTable table, const ColumnMapping& mapping);

// COUNT serial numbers from the job's numbering: the first is its current
// number, each next one step of its increment further, with its preamble,
// postamble and width, into the message or the supplement as it says.
[[nodiscard]] std::vector<BatchRecord> countRecords(const Job& job, std::size_t count);

} // namespace vornik::batch

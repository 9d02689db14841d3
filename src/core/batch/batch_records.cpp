#include "core/batch/batch_records.h"

#include "core/files/message_file.h"
#include "core/serial/numbering.h"

#include <utility>

namespace vornik::batch {

namespace {

BatchRecord recordAt(std::size_t number, std::size_t line) {
    BatchRecord record;
    record.number = number;
    record.line = line;
    return record;
}

std::optional<std::string> fieldAt(std::vector<std::string>& fields, int column) {
    if (column < 0)
        return std::nullopt;
    return fields[static_cast<std::size_t>(column)];
}

} // namespace

void applyRecord(const BatchRecord& record, Job& job) {
    if (record.message)
        job.Message = *record.message;
    if (record.comment)
        job.Comment = *record.comment;
    if (record.supplement)
        job.Supplement = *record.supplement;
}

std::vector<BatchRecord> messageFileRecords(const files::MessageLines& lines, Symbology symbology) {
    std::vector<BatchRecord> records;
    records.reserve(lines.size());
    const bool split = isUpcEanFamily(symbology);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        BatchRecord record = recordAt(i + 1, i + 1);
        if (split) {
            files::UpcEntry entry = files::splitUpcEntry(lines.line(i), symbology);
            record.message = std::move(entry.message);
            record.supplement = std::move(entry.supplement);
        } else {
            record.message = std::string(lines.line(i));
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<BatchRecord> tableRecords(CsvTable table, const ColumnMapping& mapping) {
    std::vector<BatchRecord> records;
    records.reserve(table.rows.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        CsvRow& row = table.rows[i];
        BatchRecord record = recordAt(i + 1, row.line);
        record.message = fieldAt(row.fields, mapping.message);
        record.comment = fieldAt(row.fields, mapping.comment);
        record.supplement = fieldAt(row.fields, mapping.supplement);
        record.columns = std::move(row.fields);
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<BatchRecord> countRecords(const Job& job, std::size_t count) {
    std::vector<BatchRecord> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Job numbered = job;
        serial::stepNumber(numbered, static_cast<int>(i));
        BatchRecord record = recordAt(i + 1, i + 1);
        if (job.IncTarget)
            record.message = numbered.Message;
        else
            record.supplement = numbered.Supplement;
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace vornik::batch

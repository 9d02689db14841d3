#include "cli/batch/batch_plan.h"

#include "core/batch/output_template.h"
#include "core/files/file_io.h"

#include <unordered_map>

namespace vornik::cli {

namespace {

// A list of labels bigger than this is no list of labels.
constexpr std::size_t kLargestSource = 256u << 20;

using Planned = std::variant<BatchPlan, std::string>;

std::variant<std::string, std::string> sourceBytes(const std::string& path) {
    files::FileBytes file = files::readWholeFile(path, kLargestSource);
    if (file.tooLarge)
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "the file " + path +
                                                          " is larger than 256 MB, too large for a "
                                                          "list of labels: split it");
    if (!file.error.empty())
        return std::variant<std::string, std::string>(
            std::in_place_index<1>, "the file " + path + " cannot be read: " + file.error);
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(file.bytes));
}

std::string columnList(const batch::CsvTable& table) {
    std::string list;
    for (const std::string& name : table.header)
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

// The column a field is taken from: the one --column names, else one named
// after the field; the message falls back on the first column.
std::variant<int, std::string> mappedColumn(const batch::CsvTable& table,
                                            const std::optional<std::string>& named,
                                            std::string_view field, const std::string& path) {
    if (named) {
        const int column = table.column(*named);
        if (column < 0)
            return "the table " + path + " has no column " + *named + " for the " +
                   std::string(field) + "; its columns are " + columnList(table);
        return column;
    }
    const int column = table.column(field);
    return column >= 0 || field != "message" ? column : 0;
}

std::variant<batch::ColumnMapping, std::string> columnMapping(const BatchCommandLine& line,
                                                              const batch::CsvTable& table) {
    batch::ColumnMapping mapping;
    const std::pair<const std::optional<std::string>*, int*> fields[] = {
        {&line.messageColumn, &mapping.message},
        {&line.commentColumn, &mapping.comment},
        {&line.supplementColumn, &mapping.supplement}};
    const std::string_view names[] = {"message", "comment", "supplement"};
    for (std::size_t i = 0; i < 3; ++i) {
        auto column = mappedColumn(table, *fields[i].first, names[i], line.sourceFile);
        if (auto* error = std::get_if<std::string>(&column))
            return *error;
        *fields[i].second = std::get<int>(column);
    }
    return mapping;
}

std::variant<std::vector<batch::BatchRecord>, std::string>
tableRecords(const BatchCommandLine& line, const std::string& bytes,
             std::vector<std::string>& header) {
    auto parsed = batch::parseCsv(bytes, batch::separatorFor(line.sourceFile, bytes));
    if (auto* error = std::get_if<batch::CsvError>(&parsed))
        return "the table " + line.sourceFile + " cannot be read: " + error->message;
    auto& table = std::get<batch::CsvTable>(parsed);
    auto mapping = columnMapping(line, table);
    if (auto* error = std::get_if<std::string>(&mapping))
        return *error;
    header = table.header;
    return batch::tableRecords(std::move(table), std::get<batch::ColumnMapping>(mapping));
}

std::variant<std::vector<batch::BatchRecord>, std::string>
records(const BatchCommandLine& line, const Job& job, std::vector<std::string>& header) {
    if (line.source == BatchSource::Count)
        return batch::countRecords(job, line.count);
    auto bytes = sourceBytes(line.sourceFile);
    if (bytes.index() == 1)
        return std::get<1>(bytes);
    if (line.source == BatchSource::Table)
        return tableRecords(line, std::get<0>(bytes), header);
    return batch::messageFileRecords(files::MessageLines(std::move(std::get<0>(bytes))),
                                     job.Symbology);
}

// KIND is what the records' lines are: "lines" of a file, or "records" of a count.
std::optional<std::string> nameOutputs(std::string_view kind, const batch::OutputTemplate& output,
                                       const std::vector<std::string>& header, const Job& job,
                                       BatchPlan& plan) {
    std::unordered_map<std::string, std::size_t> taken;
    plan.outputs.reserve(plan.records.size());
    for (const batch::BatchRecord& record : plan.records) {
        const std::string name = output.expand({.number = record.number,
                                                .message = record.message.value_or(job.Message),
                                                .columnNames = &header,
                                                .columns = &record.columns});
        const auto [earlier, fresh] = taken.emplace(name, record.line);
        if (!fresh)
            return std::string(kind) + " " + std::to_string(earlier->second) + " and " +
                   std::to_string(record.line) + " would both be written to " + name +
                   ": put {n} in the output name to tell them apart";
        plan.outputs.push_back(name);
    }
    return std::nullopt;
}

} // namespace

Planned planBatch(const BatchCommandLine& line, const Job& job) {
    std::vector<std::string> header;
    auto made = records(line, job, header);
    if (auto* error = std::get_if<std::string>(&made))
        return *error;
    BatchPlan plan{std::move(std::get<std::vector<batch::BatchRecord>>(made)), {}};
    if (plan.records.empty())
        return (line.source == BatchSource::Table ? "the table " : "the file ") + line.sourceFile +
               " holds no records";
    if (plan.records.size() > kMostRecords)
        return "the file " + line.sourceFile + " holds " + std::to_string(plan.records.size()) +
               " records, more than a batch takes (" + std::to_string(kMostRecords) + "): split it";
    auto output = batch::OutputTemplate::parse(line.outputTemplate, header);
    if (auto* error = std::get_if<std::string>(&output))
        return *error;
    const std::string_view kind = line.source == BatchSource::Count ? "records" : "lines";
    if (auto error = nameOutputs(kind, std::get<batch::OutputTemplate>(output), header, job, plan))
        return *error;
    return plan;
}

} // namespace vornik::cli

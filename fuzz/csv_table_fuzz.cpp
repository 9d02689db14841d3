// Tables of labels (CSV and TSV): the first byte chooses the separator, the
// rest is the file. A table read has as many fields in every row as in its
// header, its rows in the order of their lines; written out again with every
// field quoted, it reads back the same.

#include "core/batch/csv_table.h"
#include "support/scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace vornik::batch;

std::string quotedRow(const std::vector<std::string>& fields, char separator) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        row += i == 0 ? "\"" : std::string(1, separator) + "\"";
        for (const char c : fields[i])
            row += c == '"' ? "\"\"" : std::string(1, c);
        row += '"';
    }
    return row + "\r\n";
}

void checkShape(const CsvTable& table) {
    std::size_t line = 0;
    for (const CsvRow& row : table.rows) {
        if (row.fields.size() != table.header.size())
            vornik::fuzz::finding("a row has not as many fields as the header");
        if (row.line <= line)
            vornik::fuzz::finding("rows are not in the order of their lines");
        line = row.line;
    }
}

// Rows of one empty field are blank lines when written out, and skipped.
bool writesBlankLines(const CsvTable& table) {
    return table.header.size() == 1;
}

void checkRoundTrip(const CsvTable& table, Separator separator) {
    const char c = separator == Separator::Tab ? '\t' : ',';
    std::string written = quotedRow(table.header, c);
    for (const CsvRow& row : table.rows)
        written += quotedRow(row.fields, c);
    const auto again = parseCsv(written, separator);
    const auto* read = std::get_if<CsvTable>(&again);
    if (read == nullptr)
        vornik::fuzz::finding("a table written out again cannot be read");
    if (read->header != table.header || read->rows.size() != table.rows.size())
        vornik::fuzz::finding("a table written out again reads back otherwise");
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        if (read->rows[i].fields != table.rows[i].fields)
            vornik::fuzz::finding("a row written out again reads back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return -1;
    const Separator separator = data[0] % 2 == 0 ? Separator::Comma : Separator::Tab;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto parsed = parseCsv(bytes, separator);
    const auto* table = std::get_if<CsvTable>(&parsed);
    if (table == nullptr)
        return 0;
    checkShape(*table);
    if (!writesBlankLines(*table))
        checkRoundTrip(*table, separator);
    return 0;
}

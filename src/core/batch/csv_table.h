#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vornik::batch {

// One record of a table file and the line of the file it starts on, so that
// whatever goes wrong with it can be told by line.
struct CsvRow {
    std::size_t line = 0;
    std::vector<std::string> fields;
    bool operator==(const CsvRow&) const = default;
};

// A table of labels as spreadsheets export it: a header naming the columns,
// then one record per row.
struct CsvTable {
    std::vector<std::string> header;
    std::vector<CsvRow> rows;

    // The column of that name, or -1.
    [[nodiscard]] int column(std::string_view name) const;
    bool operator==(const CsvTable&) const = default;
};

// What is wrong with a table file, as a sentence without the file's name.
struct CsvError {
    std::string message;
    bool operator==(const CsvError&) const = default;
};

enum class Separator { Comma, Tab };

// The separator a table file uses: tabs for a .tsv or .tab file, or when its
// first line holds tabs but no comma; commas otherwise.
[[nodiscard]] Separator separatorFor(std::string_view fileName, std::string_view bytes);

// Reads a table: a UTF-8 byte order mark is dropped; rows end at LF or CR LF;
// a field in double quotes may hold separators, line ends and doubled quotes;
// blank lines are skipped. Every row must have as many fields as the header.
[[nodiscard]] std::variant<CsvTable, CsvError> parseCsv(std::string_view bytes,
                                                        Separator separator);

} // namespace vornik::batch

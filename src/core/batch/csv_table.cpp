#include "core/batch/csv_table.h"

#include <algorithm>
#include <optional>
#include <set>

namespace vornik::batch {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Reads the rows of a table one at a time from its bytes.
class CsvReader {
public:
    CsvReader(std::string_view bytes, char separator) : bytes_(bytes), separator_(separator) {}

    [[nodiscard]] bool atEnd() const { return at_ >= bytes_.size(); }
    [[nodiscard]] std::size_t line() const { return line_; }

    // The next row; nothing for a blank line; the error when it is malformed.
    std::variant<std::optional<CsvRow>, CsvError> row();

private:
    std::optional<CsvError> field(std::string& out);
    std::optional<CsvError> quotedField(std::string& out);
    // Takes a line end at the cursor, if there is one.
    bool takeLineEnd();

    std::string_view bytes_;
    char separator_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

bool CsvReader::takeLineEnd() {
    if (at_ < bytes_.size() && bytes_[at_] == '\n') {
        ++at_;
        ++line_;
        return true;
    }
    if (bytes_.substr(at_, 2) == "\r\n") {
        at_ += 2;
        ++line_;
        return true;
    }
    return false;
}

std::variant<std::optional<CsvRow>, CsvError> CsvReader::row() {
    CsvRow row{line_, {}};
    if (takeLineEnd())
        return std::optional<CsvRow>();
    while (true) {
        std::string text;
        if (auto error = field(text))
            return *error;
        row.fields.push_back(std::move(text));
        if (atEnd() || takeLineEnd())
            return std::optional<CsvRow>(std::move(row));
        ++at_; // the separator
    }
}

std::optional<CsvError> CsvReader::field(std::string& out) {
    if (at_ < bytes_.size() && bytes_[at_] == '"')
        return quotedField(out);
    const std::size_t start = at_;
    while (at_ < bytes_.size() && bytes_[at_] != separator_ && bytes_[at_] != '\n' &&
           bytes_.substr(at_, 2) != "\r\n")
        ++at_;
    out.assign(bytes_.substr(start, at_ - start));
    return std::nullopt;
}

std::optional<CsvError> CsvReader::quotedField(std::string& out) {
    const std::size_t opened = line_;
    ++at_;
    while (true) {
        if (atEnd())
            return CsvError{"the quoted field that starts on line " + std::to_string(opened) +
                            " is never closed"};
        const char c = bytes_[at_++];
        if (c == '\n')
            ++line_;
        if (c != '"') {
            out += c;
            continue;
        }
        if (at_ < bytes_.size() && bytes_[at_] == '"') {
            out += '"';
            ++at_;
            continue;
        }
        break;
    }
    if (atEnd() || bytes_[at_] == separator_ || bytes_[at_] == '\n' ||
        bytes_.substr(at_, 2) == "\r\n")
        return std::nullopt;
    return CsvError{"line " + std::to_string(line_) +
                    " has text after the closing quote of a field; a quote inside a quoted "
                    "field is written twice (\"\")"};
}

std::optional<CsvError> checkHeader(const std::vector<std::string>& header) {
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i].empty())
            return CsvError{"column " + std::to_string(i + 1) + " of the header has no name"};
        if (!seen.insert(header[i]).second)
            return CsvError{"the header names the column " + header[i] + " twice"};
    }
    return std::nullopt;
}

} // namespace

int CsvTable::column(std::string_view name) const {
    const auto found = std::ranges::find(header, name);
    return found == header.end() ? -1 : static_cast<int>(found - header.begin());
}

Separator separatorFor(std::string_view fileName, std::string_view bytes) {
    if (fileName.ends_with(".tsv") || fileName.ends_with(".TSV") || fileName.ends_with(".tab"))
        return Separator::Tab;
    const std::string_view firstLine = bytes.substr(0, bytes.find('\n'));
    const bool tabs = firstLine.find('\t') != std::string_view::npos;
    const bool commas = firstLine.find(',') != std::string_view::npos;
    return tabs && !commas ? Separator::Tab : Separator::Comma;
}

std::variant<CsvTable, CsvError> parseCsv(std::string_view bytes, Separator separator) {
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    CsvReader reader(bytes, separator == Separator::Tab ? '\t' : ',');
    CsvTable table;
    bool headerRead = false;
    while (!reader.atEnd()) {
        auto next = reader.row();
        if (auto* error = std::get_if<CsvError>(&next))
            return *error;
        auto& row = std::get<std::optional<CsvRow>>(next);
        if (!row)
            continue;
        if (!headerRead) {
            table.header = std::move(row->fields);
            headerRead = true;
            if (auto error = checkHeader(table.header))
                return *error;
            continue;
        }
        if (row->fields.size() != table.header.size())
            return CsvError{"line " + std::to_string(row->line) + " has " +
                            std::to_string(row->fields.size()) + " fields, but the header has " +
                            std::to_string(table.header.size())};
        table.rows.push_back(std::move(*row));
    }
    if (!headerRead)
        return CsvError{"it is empty: the first line must name the columns"};
    return table;
}

} // namespace vornik::batch

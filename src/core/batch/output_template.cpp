#include "core/batch/output_template.h"

#include <algorithm>
#include <charconv>

namespace vornik::batch {

namespace {

constexpr int kWidestNumber = 18;

using Piece = OutputTemplate::Piece;

std::variant<Piece, std::string> parseField(std::string_view inside,
                                            const std::vector<std::string>& columns) {
    const auto colon = inside.find(':');
    const std::string_view name = inside.substr(0, colon);
    Piece piece{std::string(name), true, 0};
    if (name.empty())
        return std::string("the output name has an empty field {}: write {n} for the record "
                           "number");
    const bool known =
        name == "n" || name == "message" || std::ranges::find(columns, name) != columns.end();
    if (!known)
        return "the output name has the field {" + std::string(name) +
               "}, but there is no such field: use {n}, {message}" +
               (columns.empty() ? std::string() : " or a column of the table");
    if (colon == std::string_view::npos)
        return piece;
    const std::string_view format = inside.substr(colon + 1);
    const bool zeroWidth = name == "n" && format.size() >= 2 && format.front() == '0';
    int width = 0;
    const auto [end, error] =
        std::from_chars(format.data() + (zeroWidth ? 1 : 0), format.data() + format.size(), width);
    if (!zeroWidth || error != std::errc() || end != format.data() + format.size() || width < 1 ||
        width > kWidestNumber)
        return "the output name's field {" + std::string(inside) +
               "} has a format there is none of: only {n} takes one, as {n:05} for five "
               "digits with leading zeros";
    piece.width = width;
    return piece;
}

// Takes one brace-delimited field from `text` at `at`, which is on the "{".
std::variant<Piece, std::string> takeField(std::string_view text, std::size_t& at,
                                           const std::vector<std::string>& columns) {
    const auto close = text.find('}', at);
    if (close == std::string_view::npos)
        return std::string("the output name has a \"{\" that is never closed: write {{ for a "
                           "brace in the name");
    const std::string_view inside = text.substr(at + 1, close - at - 1);
    at = close + 1;
    return parseField(inside, columns);
}

std::string numberText(std::size_t number, int width) {
    std::string digits = std::to_string(number);
    if (digits.size() < static_cast<std::size_t>(width))
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

std::string_view columnValue(const OutputTemplate::Values& values, std::string_view name) {
    if (values.columnNames == nullptr || values.columns == nullptr)
        return {};
    const auto found = std::ranges::find(*values.columnNames, name);
    const auto index = static_cast<std::size_t>(found - values.columnNames->begin());
    return index < values.columns->size() ? std::string_view((*values.columns)[index])
                                          : std::string_view();
}

// The length of VALUE's first bytes, at most LIMIT, that end on a whole
// UTF-8 character.
std::size_t wholeCharacters(std::string_view value, std::size_t limit) {
    if (value.size() <= limit)
        return value.size();
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

} // namespace

std::variant<OutputTemplate, std::string>
OutputTemplate::parse(std::string_view text, const std::vector<std::string>& columns) {
    OutputTemplate result;
    std::string literal;
    bool anyField = false;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, 2) == "{{" || text.substr(at, 2) == "}}") {
            literal += text[at];
            at += 2;
            continue;
        }
        if (text[at] == '}')
            return std::string("the output name has a \"}\" that closes no field: write }} for "
                               "a brace in the name");
        if (text[at] != '{') {
            literal += text[at++];
            continue;
        }
        auto field = takeField(text, at, columns);
        if (auto* error = std::get_if<std::string>(&field))
            return *error;
        if (!literal.empty())
            result.pieces_.push_back({std::move(literal), false, 0});
        literal.clear();
        result.pieces_.push_back(std::get<Piece>(std::move(field)));
        anyField = true;
    }
    if (!literal.empty())
        result.pieces_.push_back({std::move(literal), false, 0});
    if (!anyField)
        return std::string("the output name has no field, so every record would overwrite the "
                           "same file: put {n} (the record number) or {message} in it, as in "
                           "labels/{n:05}.png");
    if (text.ends_with('/'))
        return std::string("the output name ends with \"/\", a folder: name the files, as in "
                           "labels/{n:05}.png");
    return result;
}

std::string OutputTemplate::expand(const Values& values) const {
    std::string name;
    for (const Piece& piece : pieces_) {
        if (!piece.field)
            name += piece.text;
        else if (piece.text == "n")
            name += numberText(values.number, piece.width);
        else if (piece.text == "message")
            name += safeNamePart(values.message);
        else
            name += safeNamePart(columnValue(values, piece.text));
    }
    return name;
}

std::string safeNamePart(std::string_view value) {
    std::string safe(value.substr(0, wholeCharacters(value, kLongestNameValue)));
    for (char& c : safe)
        if (c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '_';
    if (safe.empty())
        return "_";
    if (safe.front() == '.' || safe.front() == '-')
        safe.front() = '_';
    return safe;
}

} // namespace vornik::batch

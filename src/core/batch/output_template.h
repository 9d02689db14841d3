#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vornik::batch {

// Values longer than this are cut where they go into a file name, so that a
// long message still gives a name the file system takes.
inline constexpr std::size_t kLongestNameValue = 64;

// The name of each output file: text with fields in braces. {n} is the
// record number, {n:05} the same with leading zeros to five digits,
// {message} the record's message and {NAME} a column of the record's table;
// {{ and }} stand for the braces themselves.
class OutputTemplate {
public:
    struct Piece {
        std::string text; // literal text, or the field's name
        bool field = false;
        int width = 0; // {n:0W}: at least W digits
        bool operator==(const Piece&) const = default;
    };

    // What a record puts into the fields.
    struct Values {
        std::size_t number = 0;
        std::string_view message;
        const std::vector<std::string>* columnNames = nullptr;
        const std::vector<std::string>* columns = nullptr;
    };

    // The template's pieces; `columns` are the names a table's header gives.
    // An error sentence when a field is unknown or malformed, or when no
    // field tells one record's file from another's.
    [[nodiscard]] static std::variant<OutputTemplate, std::string>
    parse(std::string_view text, const std::vector<std::string>& columns);

    [[nodiscard]] std::string expand(const Values& values) const;
    [[nodiscard]] const std::vector<Piece>& pieces() const { return pieces_; }

private:
    std::vector<Piece> pieces_;
};

// VALUE made safe to stand in a file name: no "/", NUL or other control
// character (each becomes "_"), no "." or "-" first (so that it can neither
// hide the file nor pass for an option), at most kLongestNameValue bytes cut
// at a whole UTF-8 character, and never empty.
[[nodiscard]] std::string safeNamePart(std::string_view value);

} // namespace vornik::batch

#include "core/batch/output_template.h"

#include <gtest/gtest.h>

namespace vornik::batch {
namespace {

const std::vector<std::string> kColumns = {"SKU", "Size"};

std::string expand(const std::string& text, std::size_t number, std::string_view message,
                   const std::vector<std::string>& fields) {
    auto parsed = OutputTemplate::parse(text, kColumns);
    if (auto* error = std::get_if<std::string>(&parsed))
        return "(refused) " + *error;
    return std::get<OutputTemplate>(parsed).expand(
        {.number = number, .message = message, .columnNames = &kColumns, .columns = &fields});
}

struct ExpansionCase {
    const char* name;
    const char* text;
    std::size_t number;
    std::string message;
    std::vector<std::string> fields;
    std::string expected;
};

// clang-format off
const ExpansionCase kExpansions[] = {
    {"Number", "labels/{n}.png", 7, "M", {}, "labels/7.png"},
    {"Padded", "{n:05}.png", 42, "M", {}, "00042.png"},
    {"PaddedButLonger", "{n:02}.png", 12345, "M", {}, "12345.png"},
    {"Message", "{message}.svg", 1, "ABC-123", {}, "ABC-123.svg"},
    {"Columns", "{SKU}_{Size}_{n}.png", 3, "", {"X1", "L"}, "X1_L_3.png"},
    {"Braces", "{{{n}}}.png", 9, "", {}, "{9}.png"},
    {"SlashInMessage", "{message}.png", 1, "a/b/../c", {}, "a_b_.._c.png"},
    {"LeadingDot", "{message}.png", 1, "..hidden", {}, "_.hidden.png"},
    {"LeadingDash", "{message}.png", 1, "-rf", {}, "_rf.png"},
    {"ControlCharacters", "{message}.png", 1, std::string("a\0b\nc\x7F", 6), {}, "a_b_c_.png"},
    {"EmptyMessage", "{n}-{message}.png", 1, "", {}, "1-_.png"},
    {"LongMessage", "{message}", 1, std::string(100, 'x'), {}, std::string(64, 'x')},
    {"LongUtf8CutWhole", "{message}", 1, std::string(63, 'x') + "\xC3\xA9", {}, std::string(63, 'x')},
    {"Utf8Kept", "{message}", 1, "caf\xC3\xA9", {}, "caf\xC3\xA9"},
};
// clang-format on

TEST(OutputTemplateTest, FieldsAreFilledAndMadeSafe) {
    for (const ExpansionCase& row : kExpansions)
        EXPECT_EQ(expand(row.text, row.number, row.message, row.fields), row.expected) << row.name;
}

struct RefusalCase {
    const char* text;
    const char* error;
};

// clang-format off
const RefusalCase kRefusals[] = {
    {"label.png", "the output name has no field, so every record would overwrite the same file: put {n} (the record number) or {message} in it, as in labels/{n:05}.png"},
    {"{{n}}.png", "the output name has no field, so every record would overwrite the same file: put {n} (the record number) or {message} in it, as in labels/{n:05}.png"},
    {"", "the output name has no field, so every record would overwrite the same file: put {n} (the record number) or {message} in it, as in labels/{n:05}.png"},
    {"{price}.png", "the output name has the field {price}, but there is no such field: use {n}, {message} or a column of the table"},
    {"{sku}.png", "the output name has the field {sku}, but there is no such field: use {n}, {message} or a column of the table"},
    {"{}.png", "the output name has an empty field {}: write {n} for the record number"},
    {"{n.png", "the output name has a \"{\" that is never closed: write {{ for a brace in the name"},
    {"n}.png", "the output name has a \"}\" that closes no field: write }} for a brace in the name"},
    {"{n:5}.png", "the output name's field {n:5} has a format there is none of: only {n} takes one, as {n:05} for five digits with leading zeros"},
    {"{n:0}.png", "the output name's field {n:0} has a format there is none of: only {n} takes one, as {n:05} for five digits with leading zeros"},
    {"{n:019}.png", "the output name's field {n:019} has a format there is none of: only {n} takes one, as {n:05} for five digits with leading zeros"},
    {"{message:05}", "the output name's field {message:05} has a format there is none of: only {n} takes one, as {n:05} for five digits with leading zeros"},
    {"labels/{n}/", "the output name ends with \"/\", a folder: name the files, as in labels/{n:05}.png"},
};
// clang-format on

TEST(OutputTemplateTest, TemplatesThatCannotNameEachFileAreRefused) {
    for (const RefusalCase& row : kRefusals)
        EXPECT_EQ(expand(row.text, 1, "", {"1", "2"}), std::string("(refused) ") + row.error)
            << row.text;
}

TEST(OutputTemplateTest, WithoutATableOnlyNumberAndMessageAreFields) {
    const auto parsed = OutputTemplate::parse("{SKU}.png", {});
    ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
    EXPECT_EQ(std::get<std::string>(parsed),
              "the output name has the field {SKU}, but there is no such field: use {n}, "
              "{message}");
}

} // namespace
} // namespace vornik::batch

// Output names of a batch: the input up to the first NUL is the template,
// the rest the value each field gets. A template accepted names the record
// by a field; every value is put in the name made safe: no "/", NUL or other
// control character, no "." or "-" first, never empty, at most 64 bytes.

#include "core/batch/output_template.h"
#include "support/scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vornik::batch;

void checkSafe(std::string_view part) {
    if (part.empty() || part.size() > kLongestNameValue)
        vornik::fuzz::finding("a value in a file name is empty or too long");
    if (part.front() == '.' || part.front() == '-')
        vornik::fuzz::finding("a value in a file name starts with a dot or a dash");
    for (const char c : part)
        if (c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            vornik::fuzz::finding("a value in a file name holds a slash or a control character");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto cut = input.find('\0');
    const std::string_view text = input.substr(0, cut);
    const std::string value(cut == std::string_view::npos ? "" : input.substr(cut + 1));
    checkSafe(safeNamePart(value));
    const std::vector<std::string> columns = {"SKU", "n2"};
    const auto parsed = OutputTemplate::parse(text, columns);
    const auto* output = std::get_if<OutputTemplate>(&parsed);
    if (output == nullptr)
        return 0;
    bool named = false;
    for (const auto& piece : output->pieces())
        named = named || piece.field;
    if (!named)
        vornik::fuzz::finding("a template without a field was accepted");
    const std::vector<std::string> fields = {value, value};
    const std::string name = output->expand(
        {.number = 7, .message = value, .columnNames = &columns, .columns = &fields});
    if (name.find('/') != std::string::npos && text.find('/') == std::string_view::npos)
        vornik::fuzz::finding("a value put a slash in a file name");
    return 0;
}

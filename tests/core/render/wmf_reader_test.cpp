#include "core/render/placeable_wmf.h"

#include <functional>
#include <gtest/gtest.h>

namespace vornik::render {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string readError(const Bytes& bytes) {
    const auto result = readPlaceableWmf(bytes);
    const auto* error = std::get_if<WmfReadError>(&result);
    return error != nullptr ? error->message : "(read without error)";
}

// A small file to spoil: window extent, font, rectangle and text.
//   0  placeable header (22 bytes)   50  record 2, font (56 bytes)
//  22  metafile header (18 bytes)   106  record 3, rectangle (14 bytes)
//  40  record 1, extent (10 bytes)  120  record 4, text "Hi" (14 bytes)
//                                   134  record 5, mapping mode (10 bytes)
//                                   144  record 6, end of file (6 bytes)
Bytes smallFile() {
    return placeableWmfBytes({{op::SetWindowExt{100, -50}, op::CreateFont{{.faceName = "Arial"}},
                               op::Rectangle{0, 0, 10, -10}, op::TextOut{5, -5, "Hi"}}},
                             100, 50);
}

using Spoil = std::function<void(Bytes&)>;

// Writes 16-bit words, low byte first, at the given offsets.
Spoil put(const std::vector<std::pair<std::size_t, std::uint16_t>>& words) {
    return [=](Bytes& b) {
        for (const auto& [offset, value] : words)
            b[offset] = std::uint8_t(value & 0xFF), b[offset + 1] = std::uint8_t(value >> 8);
    };
}

// Cuts or lengthens the file, keeping the metafile's size field right when there is one.
Spoil resized(std::size_t size) {
    return [=](Bytes& b) {
        b.resize(size);
        if (size >= 32)
            put({{28, std::uint16_t((size - 22) / 2)}})(b);
    };
}

// Each row spoils the small file one way; the reader's one sentence names what is wrong and where.
TEST(ReadPlaceableWmf, TellsWhatIsWrongWithABrokenFile) {
    const std::pair<Spoil, std::string> rows[] = {
        {put({}), "(read without error)"}, // the file as written
        {resized(0), "the file is 0 bytes long, too short for the 22-byte placeable header"},
        {put({{0, 0xCD28}}), "not a placeable metafile: the key is 0x9AC6CD28"},
        // An extent changed without the checksum.
        {put({{10, 101}}), "the header checksum is 0x5EAA, the header says 0x5EAB"},
        // A reserved word changed with the field keeps the checksum right.
        {put({{8, 0xFFFF}, {16, 0xFFFF}}), "the picture's bounds start at (0, -1), not at (0, 0)"},
        {put({{14, 0}, {16, 2540}}), "the header gives 0 units per inch"},
        {resized(22), "the metafile header is cut short: the file holds 0 of its 18 bytes"},
        {put({{22, 3}}), "the metafile type is 3, not 1 (memory) or 2 (disk)"},
        {put({{24, 10}}), "the metafile header size is 10 words, not 9"},
        {put({{26, 0x0200}}), "the metafile version is 0x0200, not 0x0100 or 0x0300"},
        {put({{28, 0xFFFF}, {30, 0xFFFF}}),
         "the header says the metafile is 4294967295 words long, the file holds 128 bytes after "
         "the placeable header"},
        {put({{106, 2}}),
         "record 3 (function 0x041B) gives a size of 2 words; a record has at least 3"},
        {put({{106, 23}}), "record 3 (function 0x041B) runs past the end of the file"},
        {put({{42, 0x8000}}), "record 1 (function 0x020C) runs past the end of the file"},
        {put({{110, 0x0626}}), "record 3 has function 0x0626, which is not one this program reads"},
        {put({{40, 6}}), "record 1 (function 0x020C) is 6 words long, not 5"},
        {put({{50, 29}}), "record 2 (function 0x02FB) is 29 words long, not between 13 and 28"},
        {put({{50, 12}}), "record 2 (function 0x02FB) is 12 words long, not between 13 and 28"},
        {[](Bytes& b) { std::fill(b.begin() + 74, b.begin() + 106, 'A'); },
         "the face name in record 2 (function 0x02FB) has no terminating NUL"},
        {put({{126, 3}}),
         "the 3-byte text of record 4 (function 0x0521) runs past the end of its record"},
        {put({{126, 0}}), "record 4 (function 0x0521) is 7 words long, not 6"},
        {put({{126, 0xFFFF}}), "the text length in record 4 (function 0x0521) is negative (-1)"},
        {put({{120, 3}}),
         "record 4 (function 0x0521) is 3 words long, too short to hold a text length"},
        {resized(134), "the metafile ends without an end-of-file record"},
        {resized(152), "record 6, the end-of-file record, is followed by 2 more bytes"},
        // The mapping mode is read only as the trailer: isotropic, just before the end.
        {put({{140, 8}}), "record 5 (function 0x0103) sets mapping mode 8; this program reads "
                          "only the isotropic mode before the end of the file"},
        {put({{44, 0x0103}, {46, 7}}),
         "record 1 (function 0x0103) sets the mapping mode before the last drawing call; this "
         "program reads it only just before the end of the file"},
        {put({{134, 6}}), "record 5 (function 0x0103) is 6 words long, not 4 or 5"},
        {resized(138), "record 5 is cut short: the file ends 4 bytes into its 6-byte header"},
    };
    for (const auto& [spoil, message] : rows) {
        Bytes bytes = smallFile();
        spoil(bytes);
        EXPECT_EQ(readError(bytes), message);
    }
    // Wherever the file is cut, its size field set to match, the reader says so and reads
    // nothing beyond it.
    for (std::size_t size = 0; size < smallFile().size(); ++size) {
        Bytes bytes = smallFile();
        resized(size)(bytes);
        EXPECT_NE(readError(bytes), "(read without error)") << "cut at " << size;
    }
}

} // namespace
} // namespace vornik::render

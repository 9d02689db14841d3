#include "core/render/placeable_wmf.h"
#include "support/metafile_print.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::render {
namespace {

using Bytes = std::vector<std::uint8_t>;

const LogFont kArial{.height = 352,
                     .width = -7,
                     .escapement = 900,
                     .orientation = 2700,
                     .weight = 700,
                     .italic = 1,
                     .underline = 2,
                     .strikeOut = 3,
                     .charSet = 4,
                     .outPrecision = 5,
                     .clipPrecision = 16,
                     .quality = 6,
                     .pitchAndFamily = 0x22,
                     .faceName = "Arial"};

std::string readError(const Bytes& bytes) {
    const auto result = readPlaceableWmf(bytes);
    if (const auto* error = std::get_if<WmfReadError>(&result))
        return error->message;
    return "(read without error)";
}

struct RoundTripRow {
    const char* name;
    Metafile metafile;
    std::uint16_t xExtent, yExtent;
};

TEST(ReadPlaceableWmf, GivesBackWhatWasWritten) {
    const RoundTripRow rows[] = {
        {"empty", {}, 0, 0},
        {"window and extremes",
         {{op::SetWindowOrg{-32768, 32767}, op::SetWindowExt{32767, -32768},
           op::Rectangle{-32768, 32767, 0, -1}}},
         0xFFFF,
         0xFFFF},
        {"objects",
         {{op::CreatePen{{.style = kPenInsideFrame, .width = 200, .color = 0xFFFFFFFF}},
           op::CreateBrush{{.style = kBrushSolid, .color = 0x01020304, .hatch = 5}},
           op::CreateFont{kArial}, op::SelectObject{2}, op::DeleteObject{0},
           op::DeleteObject{65535}}},
         32764,
         1},
        {"face names",
         {{op::CreateFont{{.faceName = ""}}, op::CreateFont{{.faceName = std::string(31, 'F')}},
           op::CreateFont{{.faceName = "Courier New\xA9"}}}},
         1,
         1},
        {"state",
         {{op::SetTextAlign{kAlignRight | kAlignTop}, op::SetTextColor{0x00ABCDEF},
           op::SetBkMode{kOpaqueBackground}, op::SetBkColor{0}, op::SetBkMode{0xFFFF}}},
         2540,
         2540},
        {"texts",
         {{op::TextOut{1, -2, ""}, op::TextOut{3, -4, "A"}, op::TextOut{5, -6, "Ab"},
           op::TextOut{7, -8, std::string("\0\xFF\x80", 3)},
           op::TextOut{9, -10, std::string(32767, 'x')}}},
         100,
         50},
    };
    for (const auto& row : rows) {
        const auto result =
            readPlaceableWmf(placeableWmfBytes(row.metafile, row.xExtent, row.yExtent));
        ASSERT_TRUE(std::holds_alternative<PlaceablePicture>(result))
            << row.name << ": " << std::get<WmfReadError>(result).message;
        const auto& picture = std::get<PlaceablePicture>(result);
        EXPECT_EQ(picture.metafile, row.metafile) << row.name;
        EXPECT_EQ(picture.xExtent, row.xExtent) << row.name;
        EXPECT_EQ(picture.yExtent, row.yExtent) << row.name;
        EXPECT_EQ(picture.unitsPerInch, 2540) << row.name;
    }
}

// Other writers: 16-bit Windows wrote the mode records without their high
// word, and some writers cut the face name field after its NUL.
TEST(ReadPlaceableWmf, ReadsTheShorterRecordsOfOtherWriters) {
    // clang-format off
    const Bytes records = {
        // SETBKMODE 1 and SETTEXTALIGN 6 in four words.
        0x04, 0x00, 0x00, 0x00, 0x02, 0x01, 0x01, 0x00,
        0x04, 0x00, 0x00, 0x00, 0x2E, 0x01, 0x06, 0x00,
        // CREATEFONTINDIRECT with a 6-byte face name field: "Arial" and NUL.
        0x0F, 0x00, 0x00, 0x00, 0xFB, 0x02, 0xF4, 0xFF, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x90, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        'A',  'r',  'i',  'a',  'l',  0x00,
        // EOF.
        0x03, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    // clang-format on
    Bytes file = placeableWmfBytes({}, 10, 20);
    file.resize(file.size() - 6); // without its end-of-file record
    file.insert(file.end(), records.begin(), records.end());
    file[22 + 6] = static_cast<std::uint8_t>((file.size() - 22) / 2); // metafile size in words

    const auto result = readPlaceableWmf(file);
    ASSERT_TRUE(std::holds_alternative<PlaceablePicture>(result)) << readError(file);
    const Metafile expected{{op::SetBkMode{1}, op::SetTextAlign{6},
                             op::CreateFont{{.height = -12, .weight = 400, .faceName = "Arial"}}}};
    EXPECT_EQ(std::get<PlaceablePicture>(result).metafile, expected);
}

// A small file to spoil: window extent, font, rectangle and text.
//   0  placeable header (22 bytes)   50  record 2, font (56 bytes)
//  22  metafile header (18 bytes)   106  record 3, rectangle (14 bytes)
//  40  record 1, extent (10 bytes)  120  record 4, text "Hi" (14 bytes)
//                                   134  record 5, end of file (6 bytes)
Bytes smallFile() {
    return placeableWmfBytes({{op::SetWindowExt{100, -50}, op::CreateFont{kArial},
                               op::Rectangle{0, 0, 10, -10}, op::TextOut{5, -5, "Hi"}}},
                             100, 50);
}

void put16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    put16(bytes, offset, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

// Keeps the checksum right after a header field is changed.
void resum(Bytes& bytes) {
    std::uint16_t sum = 0;
    for (std::size_t offset = 0; offset < 20; offset += 2)
        sum ^= static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
    put16(bytes, 20, sum);
}

// Keeps the metafile size field right after bytes are added or removed.
void resize(Bytes& bytes) {
    put32(bytes, 28, static_cast<std::uint32_t>((bytes.size() - 22) / 2));
}

struct MalformedRow {
    const char* name;
    std::function<void(Bytes&)> spoil;
    const char* message;
};

TEST(ReadPlaceableWmf, TellsWhatIsWrongWithABrokenFile) {
    const MalformedRow rows[] = {
        {"empty file", [](Bytes& b) { b.clear(); },
         "the file is 0 bytes long, too short for the 22-byte placeable header"},
        {"key", [](Bytes& b) { b[0] ^= 0xFF; }, "not a placeable metafile: the key is 0x9AC6CD28"},
        {"checksum", [](Bytes& b) { b[20] ^= 0x01; },
         "the header checksum is 0x5EAB, the header says 0x5EAA"},
        {"extent without new checksum", [](Bytes& b) { b[10] = 101; },
         "the header checksum is 0x5EAA, the header says 0x5EAB"},
        {"left", [](Bytes& b) { put16(b, 6, 5), resum(b); },
         "the picture's bounds start at (5, 0), not at (0, 0)"},
        {"top", [](Bytes& b) { put16(b, 8, 0xFFFF), resum(b); },
         "the picture's bounds start at (0, -1), not at (0, 0)"},
        {"units per inch", [](Bytes& b) { put16(b, 14, 0), resum(b); },
         "the header gives 0 units per inch"},
        {"no metafile header", [](Bytes& b) { b.resize(22); },
         "the metafile header is cut short: the file holds 0 of its 18 bytes"},
        {"metafile type", [](Bytes& b) { put16(b, 22, 3); },
         "the metafile type is 3, not 1 (memory) or 2 (disk)"},
        {"header size", [](Bytes& b) { put16(b, 24, 10); },
         "the metafile header size is 10 words, not 9"},
        {"version", [](Bytes& b) { put16(b, 26, 0x0200); },
         "the metafile version is 0x0200, not 0x0100 or 0x0300"},
        {"file size short", [](Bytes& b) { put32(b, 28, 58); },
         "the header says the metafile is 58 words long, the file holds 118 bytes after the "
         "placeable header"},
        {"file size huge", [](Bytes& b) { put32(b, 28, 0xFFFFFFFF); },
         "the header says the metafile is 4294967295 words long, the file holds 118 bytes after "
         "the placeable header"},
        {"odd byte appended", [](Bytes& b) { b.push_back(0); },
         "the header says the metafile is 59 words long, the file holds 119 bytes after the "
         "placeable header"},
        {"record size 0", [](Bytes& b) { put32(b, 106, 0); },
         "record 3 (function 0x041B) gives a size of 0 words; a record has at least 3"},
        {"record size 1", [](Bytes& b) { put32(b, 106, 1); },
         "record 3 (function 0x041B) gives a size of 1 words; a record has at least 3"},
        {"record size 2", [](Bytes& b) { put32(b, 106, 2); },
         "record 3 (function 0x041B) gives a size of 2 words; a record has at least 3"},
        {"record past the end", [](Bytes& b) { put32(b, 106, 18); },
         "record 3 (function 0x041B) runs past the end of the file"},
        {"record size huge", [](Bytes& b) { put32(b, 106, 0xFFFFFFFF); },
         "record 3 (function 0x041B) runs past the end of the file"},
        {"record size 2^31", [](Bytes& b) { put32(b, 40, 0x80000000); },
         "record 1 (function 0x020C) runs past the end of the file"},
        {"unknown function", [](Bytes& b) { put16(b, 110, 0x0626); },
         "record 3 has function 0x0626, which is not one this program reads"},
        {"fixed record too long", [](Bytes& b) { put32(b, 40, 6); },
         "record 1 (function 0x020C) is 6 words long, not 5"},
        {"font record too long", [](Bytes& b) { put32(b, 50, 29); },
         "record 2 (function 0x02FB) is 29 words long, not between 13 and 28"},
        {"font record too short", [](Bytes& b) { put32(b, 50, 12); },
         "record 2 (function 0x02FB) is 12 words long, not between 13 and 28"},
        {"face name without NUL", [](Bytes& b) { std::fill(b.begin() + 74, b.begin() + 106, 'A'); },
         "the face name in record 2 (function 0x02FB) has no terminating NUL"},
        {"text past its record", [](Bytes& b) { put16(b, 126, 5); },
         "the 5-byte text of record 4 (function 0x0521) runs past the end of its record"},
        {"text length 32767", [](Bytes& b) { put16(b, 126, 0x7FFF); },
         "the 32767-byte text of record 4 (function 0x0521) runs past the end of its record"},
        {"text shorter than its record", [](Bytes& b) { put16(b, 126, 0); },
         "record 4 (function 0x0521) is 7 words long, not 6"},
        {"negative text length", [](Bytes& b) { put16(b, 126, 0xFFFF); },
         "the text length in record 4 (function 0x0521) is negative (-1)"},
        {"text record without its length", [](Bytes& b) { put32(b, 120, 3); },
         "record 4 (function 0x0521) is 3 words long, too short to hold a text length"},
        {"no end-of-file record", [](Bytes& b) { b.resize(b.size() - 6), resize(b); },
         "the metafile ends without an end-of-file record"},
        {"bytes after the end", [](Bytes& b) { b.push_back(0), b.push_back(0), resize(b); },
         "record 5, the end-of-file record, is followed by 2 more bytes"},
        {"record header cut short", [](Bytes& b) { b.resize(b.size() - 2), resize(b); },
         "record 5 is cut short: the file ends 4 bytes into its 6-byte header"},
    };
    for (const auto& row : rows) {
        Bytes bytes = smallFile();
        row.spoil(bytes);
        EXPECT_EQ(readError(bytes), row.message) << row.name;
    }
}

// Wherever the file is cut, the reader says so and reads nothing beyond it.
TEST(ReadPlaceableWmf, RejectsTheFileCutAtEveryByte) {
    const Bytes whole = smallFile();
    ASSERT_TRUE(std::holds_alternative<PlaceablePicture>(readPlaceableWmf(whole)));
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_NE(readError(cut), "(read without error)") << "cut at " << size;
    }
}

} // namespace
} // namespace vornik::render

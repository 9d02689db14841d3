#include "core/render/placeable_wmf.h"
#include "support/metafile_print.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace vornik::render {
namespace {

using Bytes = std::vector<std::uint8_t>;

const LogFont kArial{.height = 352,
                     .weight = 700,
                     .italic = 1,
                     .charSet = 1,
                     .clipPrecision = 16,
                     .pitchAndFamily = 0x22,
                     .faceName = "Arial"};

// Every record the recorder makes, once.
Metafile samplePicture() {
    return {{op::SetWindowOrg{0, 0}, op::SetWindowExt{1234, -567},
             op::CreatePen{{.style = kPenInsideFrame, .width = 1, .color = 0x112233}},
             op::CreateBrush{{.style = kBrushSolid, .color = 0x445566}}, op::CreateFont{kArial},
             op::SelectObject{0}, op::SelectObject{1}, op::SelectObject{2},
             op::Rectangle{.left = 10, .top = -20, .right = 300, .bottom = -400},
             op::SetTextAlign{kAlignCenter | kAlignTop}, op::SetTextColor{0x0000FF},
             op::SetBkMode{kTransparentBackground}, op::SetBkColor{0xFFFFFF},
             op::TextOut{.x = 617, .y = -450, .text = "Abc"}, op::DeleteObject{2},
             op::DeleteObject{1}, op::DeleteObject{0}}};
}

// The sample picture written out by hand from the record layouts: size in
// words (32 bits), function, then the parameters, all little-endian.
// clang-format off
const Bytes kSampleWmf = {
    // META_HEADER: memory metafile, 9-word header, version 3.0, 124 words,
    // 3 objects, largest record 28 words, no parameters.
    0x01, 0x00, 0x09, 0x00, 0x00, 0x03, 0x7C, 0x00, 0x00, 0x00, 0x03, 0x00,
    0x1C, 0x00, 0x00, 0x00, 0x00, 0x00,
    // SETWINDOWORG: y 0, x 0.
    0x05, 0x00, 0x00, 0x00, 0x0B, 0x02, 0x00, 0x00, 0x00, 0x00,
    // SETWINDOWEXT: y -567, x 1234.
    0x05, 0x00, 0x00, 0x00, 0x0C, 0x02, 0xC9, 0xFD, 0xD2, 0x04,
    // CREATEPENINDIRECT: style 6, width (1, 0), colour 0x00112233.
    0x08, 0x00, 0x00, 0x00, 0xFA, 0x02, 0x06, 0x00, 0x01, 0x00, 0x00, 0x00,
    0x33, 0x22, 0x11, 0x00,
    // CREATEBRUSHINDIRECT: style 0, colour 0x00445566, hatch 0.
    0x07, 0x00, 0x00, 0x00, 0xFC, 0x02, 0x00, 0x00, 0x66, 0x55, 0x44, 0x00, 0x00, 0x00,
    // CREATEFONTINDIRECT: height 352, width 0, escapement 0, orientation 0,
    // weight 700, italic, underline 0, strike-out 0, charset 1, output
    // precision 0, clip precision 16, quality 0, pitch and family 0x22, then
    // the 32-byte face name field.
    0x1C, 0x00, 0x00, 0x00, 0xFB, 0x02, 0x60, 0x01, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0xBC, 0x02, 0x01, 0x00, 0x00, 0x01, 0x00, 0x10, 0x00, 0x22,
    'A',  'r',  'i',  'a',  'l',  0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    // SELECTOBJECT 0, 1, 2.
    0x04, 0x00, 0x00, 0x00, 0x2D, 0x01, 0x00, 0x00,
    0x04, 0x00, 0x00, 0x00, 0x2D, 0x01, 0x01, 0x00,
    0x04, 0x00, 0x00, 0x00, 0x2D, 0x01, 0x02, 0x00,
    // RECTANGLE: bottom -400, right 300, top -20, left 10.
    0x07, 0x00, 0x00, 0x00, 0x1B, 0x04, 0x70, 0xFE, 0x2C, 0x01, 0xEC, 0xFF, 0x0A, 0x00,
    // SETTEXTALIGN 6, with the zero high word of its 32-bit argument.
    0x05, 0x00, 0x00, 0x00, 0x2E, 0x01, 0x06, 0x00, 0x00, 0x00,
    // SETTEXTCOLOR 0x000000FF.
    0x05, 0x00, 0x00, 0x00, 0x09, 0x02, 0xFF, 0x00, 0x00, 0x00,
    // SETBKMODE 1 (transparent), with its zero high word.
    0x05, 0x00, 0x00, 0x00, 0x02, 0x01, 0x01, 0x00, 0x00, 0x00,
    // SETBKCOLOR 0x00FFFFFF.
    0x05, 0x00, 0x00, 0x00, 0x01, 0x02, 0xFF, 0xFF, 0xFF, 0x00,
    // TEXTOUT: length 3, "Abc" and a pad byte, y -450, x 617.
    0x08, 0x00, 0x00, 0x00, 0x21, 0x05, 0x03, 0x00, 'A',  'b',  'c',  0x00,
    0x3E, 0xFE, 0x69, 0x02,
    // DELETEOBJECT 2, 1, 0.
    0x04, 0x00, 0x00, 0x00, 0xF0, 0x01, 0x02, 0x00,
    0x04, 0x00, 0x00, 0x00, 0xF0, 0x01, 0x01, 0x00,
    0x04, 0x00, 0x00, 0x00, 0xF0, 0x01, 0x00, 0x00,
    // EOF.
    0x03, 0x00, 0x00, 0x00, 0x00, 0x00,
};

// Key, handle 0, left 0, top 0, right 1234, bottom 567, 2540 units per inch,
// reserved 0, checksum 0x5711 ^ 1234 ^ 567 ^ 2540 = 0x5818.
const Bytes kPlaceableHeader1234x567 = {
    0xD7, 0xCD, 0xC6, 0x9A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD2, 0x04,
    0x37, 0x02, 0xEC, 0x09, 0x00, 0x00, 0x00, 0x00, 0x18, 0x58,
};
// clang-format on

TEST(WmfBytes, LaysOutEveryRecordAsWindowsDoes) {
    EXPECT_EQ(wmfBytes(samplePicture()), kSampleWmf);
}

TEST(WmfBytes, AnEmptyPictureIsAHeaderAndTheEndOfFileRecord) {
    const Bytes expected = {0x01, 0x00, 0x09, 0x00, 0x00, 0x03, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00,
                            0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(wmfBytes({}), expected);
}

TEST(PlaceableWmfBytes, PutsTheHeaderBeforeTheRecords) {
    Bytes expected = kPlaceableHeader1234x567;
    expected.insert(expected.end(), kSampleWmf.begin(), kSampleWmf.end());
    EXPECT_EQ(placeableWmfBytes(samplePicture(), 1234, 567), expected);
}

TEST(PlaceableChecksum, IsTheXorOfTheHeaderWords) {
    struct Row {
        std::uint16_t right, bottom, checksum;
    };
    // 0x5711 ^ 2540 = 0x5EFD; the extents are XORed into it.
    const Row rows[] = {{0, 0, 0x5EFD},      {1234, 567, 0x5818}, {0xFFFF, 0, 0xA102},
                        {0x5EFD, 0, 0x0000}, {32764, 1, 0x2100},  {0xFFFF, 0xFFFF, 0x5EFD}};
    for (const auto& [right, bottom, checksum] : rows)
        EXPECT_EQ(placeableChecksum(right, bottom), checksum) << right << " x " << bottom;
}

// The header counts the slots of the object table, not the objects made:
// a deleted object's slot is taken again by the next create.
TEST(WmfBytes, CountsTheObjectTableSlotsInTheHeader) {
    struct Row {
        const char* name;
        std::vector<MetaOp> ops;
        std::uint16_t slots;
    };
    const LogPen pen{};
    const Row rows[] = {
        {"none", {op::SetBkMode{1}}, 0},
        {"one, reused", {op::CreatePen{pen}, op::DeleteObject{0}, op::CreatePen{pen}}, 1},
        {"hole refilled",
         {op::CreatePen{pen}, op::CreatePen{pen}, op::CreatePen{pen}, op::DeleteObject{1},
          op::CreateBrush{}},
         3},
        {"kept", {op::CreatePen{pen}, op::CreateFont{kArial}, op::CreateBrush{}}, 3},
    };
    for (const auto& row : rows) {
        const Bytes bytes = wmfBytes({row.ops});
        EXPECT_EQ(bytes[10] | bytes[11] << 8, row.slots) << row.name;
    }
}

TEST(WmfBytes, RefusesFaceNamesAndTextsNoRecordCanCarry) {
    EXPECT_THROW((void)wmfBytes({{op::CreateFont{{.faceName = std::string(32, 'F')}}}}),
                 std::length_error);
    EXPECT_THROW((void)wmfBytes({{op::TextOut{0, 0, std::string(32768, 'x')}}}), std::length_error);
}

// libwmf, an independent reader, draws what we write.
TEST(PlaceableWmfBytes, IsReadByLibwmf) {
    const char* const program = "/usr/bin/wmf2svg";
    if (!std::filesystem::exists(program))
        GTEST_SKIP() << program << " is not installed (Debian package libwmf-bin)";
    MetafileRecorder recorder;
    recorder.setWindowOrg(0, 0);
    recorder.setWindowExt(4000, -2000);
    const auto pen = recorder.createPen({.style = kPenInsideFrame, .width = 1});
    const auto brush = recorder.createBrush({.style = kBrushSolid});
    recorder.selectObject(pen);
    recorder.selectObject(brush);
    recorder.rectangle(100, 0, 300, -1500);
    recorder.rectangle(500, 0, 600, -1500);
    recorder.rectangle(900, 0, 1300, -1500);
    const auto font = recorder.createFont(kArial);
    recorder.selectObject(font);
    recorder.setTextAlign(kAlignCenter);
    recorder.setBkMode(kTransparentBackground);
    recorder.textOut(2000, -1550, "VORNIK");
    recorder.deleteObject(font);
    recorder.deleteObject(brush);
    recorder.deleteObject(pen);
    const Bytes bytes = placeableWmfBytes(recorder.close(), 4000, 2000);

    const testing::TempFolder folder;
    const auto wmf = folder.write("bars.wmf", std::string(bytes.begin(), bytes.end()));
    const auto svg = folder.path() / "bars.svg";
    const std::string command =
        std::string(program) + " -o '" + svg.string() + "' '" + wmf.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string text = testing::readFile(svg);

    // The picture keeps the 2:1 shape of its header; the bars keep their
    // 200 : 100 : 400 widths; the text is there.
    std::smatch size;
    ASSERT_TRUE(
        std::regex_search(text, size, std::regex(R"re(<svg width="(\d+)" height="(\d+)")re")));
    EXPECT_EQ(std::stoi(size[1]), 2 * std::stoi(size[2]));
    std::vector<double> widths;
    const std::regex rect(R"re(<rect [^>]*width="([0-9.]+)")re");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), rect);
         it != std::sregex_iterator(); ++it)
        widths.push_back(std::stod((*it)[1]));
    ASSERT_EQ(widths.size(), 3u) << text;
    EXPECT_NEAR(widths[0] / widths[1], 2.0, 0.02);
    EXPECT_NEAR(widths[2] / widths[1], 4.0, 0.04);
    EXPECT_NE(text.find(">VORNIK</text>"), std::string::npos) << text;
}

} // namespace
} // namespace vornik::render

#include "core/render/placeable_wmf.h"
#include "support/outside_program.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace vornik::render {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Placeable files written out by hand from the record layouts: each record is its size in words
// (32 bits), its function, then its parameters, coordinates last-argument-first. The reader
// gives back what was written.
TEST(PlaceableWmfBytes, LaysOutEveryRecordAsWindowsDoes) {
    // clang-format off
    const std::tuple<const char*, Metafile, std::uint16_t, std::uint16_t,
                     std::vector<std::uint16_t>> rows[] = {
        // Every record the recorder makes, once.
        {"every record", {{op::SetWindowOrg{0, 0}, op::SetWindowExt{1234, -567},
          op::CreatePen{{kPenInsideFrame, 1, 0x112233}}, op::CreateBrush{{kBrushSolid, 0x445566}},
          op::CreateFont{{352, 0, 0, 0, 700, 1, 0, 0, 1, 0, 16, 0, 0x22, "Arial"}},
          op::SelectObject{0}, op::SelectObject{1}, op::SelectObject{2},
          op::Rectangle{10, -20, 300, -400}, op::SetTextAlign{kAlignCenter | kAlignTop},
          op::SetTextColor{0x0000FF}, op::SetBkMode{kTransparentBackground},
          op::SetBkColor{0xFFFFFF}, op::TextOut{617, -450, "Abc"}, op::DeleteObject{2},
          op::DeleteObject{1}, op::DeleteObject{0}}}, 1234, 567, {
         // Key, handle, left, top, right, bottom, units per inch, reserved (32 bits), and the
         // checksum 0x5711 ^ 1234 ^ 567 ^ 2540. Then the metafile header: memory metafile,
         // 9-word header, version 3.0, 129 words, 3 objects, largest record 28 words, no
         // parameters.
         0xCDD7, 0x9AC6, 0, 0, 0, 1234, 567, 2540, 0, 0, 0x5818,
         1, 9, 0x0300, 129, 0, 3, 28, 0, 0,
         // SETWINDOWORG y 0, x 0; SETWINDOWEXT y -567, x 1234; CREATEPENINDIRECT style, width
         // (1, 0), colour.
         5, 0, 0x020B, 0, 0, 5, 0, 0x020C, 0xFDC9, 1234, 8, 0, 0x02FA, 6, 1, 0, 0x2233, 0x0011,
         // CREATEBRUSHINDIRECT style, colour, hatch; CREATEFONTINDIRECT height 352, width,
         // escapement, orientation, weight 700, then byte pairs: italic 1 and underline,
         // strike-out and charset 1, output and clip (16) precision, quality and pitch-and-family
         // 0x22; "Arial", its NUL and the rest of the 32-byte face name field.
         7, 0, 0x02FC, 0, 0x5566, 0x0044, 0, 28, 0, 0x02FB, 352, 0, 0, 0, 700, 0x0001, 0x0100,
         0x1000, 0x2200, 0x7241, 0x6169, 0x006C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
         // SELECTOBJECT 0, 1, 2; RECTANGLE bottom -400, right 300, top -20, left 10.
         4, 0, 0x012D, 0, 4, 0, 0x012D, 1, 4, 0, 0x012D, 2, 7, 0, 0x041B, 0xFE70, 300, 0xFFEC, 10,
         // SETTEXTALIGN and SETBKMODE with the zero high word of their 32-bit argument, between
         // them SETTEXTCOLOR.
         5, 0, 0x012E, 6, 0, 5, 0, 0x0209, 0x00FF, 0, 5, 0, 0x0102, 1, 0,
         // SETBKCOLOR; TEXTOUT length 3, "Abc" and a pad byte, y -450, x 617; DELETEOBJECT 2, 1,
         // 0; SETMAPMODE isotropic, the trailer that keeps LibreOffice at true size; EOF.
         5, 0, 0x0201, 0xFFFF, 0x00FF, 8, 0, 0x0521, 3, 0x6241, 0x0063, 0xFE3E, 617,
         4, 0, 0x01F0, 2, 4, 0, 0x01F0, 1, 4, 0, 0x01F0, 0, 5, 0, 0x0103, 7, 0, 3, 0, 0}},
        // Values at the ends of their ranges; the font takes the pen's freed slot, so the header
        // counts one slot, not two objects.
        {"edges", {{op::CreatePen{{kPenSolid, -32768, 0xFFFFFFFF}}, op::DeleteObject{0},
                    op::CreateFont{{.faceName = std::string(31, '\xA9')}},
                    op::Rectangle{-32768, 32767, 0, -1}, op::TextOut{-1, 32767, ""},
                    op::TextOut{1, -2, {"\0\xFF", 2}}}}, 0xFFFF, 0xFFFF, {
         0xCDD7, 0x9AC6, 0, 0, 0, 0xFFFF, 0xFFFF, 2540, 0, 0, 0x5EFD, 1, 9, 0x0300, 77, 0, 1, 28,
         0, 0, 8, 0, 0x02FA, 0, 0x8000, 0, 0xFFFF, 0xFFFF, 4, 0, 0x01F0, 0,
         // Weight 400 and a face name of 31 bytes 0xA9 and its NUL.
         28, 0, 0x02FB, 0, 0, 0, 0, 400, 0, 0, 0, 0, 0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9,
         0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9, 0xA9A9, 0x00A9,
         // RECTANGLE; TEXTOUT of no bytes; TEXTOUT of two, NUL and 0xFF, no pad; SETMAPMODE; EOF.
         7, 0, 0x041B, 0xFFFF, 0, 0x7FFF, 0x8000, 6, 0, 0x0521, 0, 0x7FFF, 0xFFFF,
         7, 0, 0x0521, 2, 0xFF00, 0xFFFE, 1, 5, 0, 0x0103, 7, 0, 3, 0, 0}},
    };
    // clang-format on
    for (const auto& [name, metafile, xExtent, yExtent, words] : rows) {
        SCOPED_TRACE(name);
        Bytes expected; // the words low byte first
        for (const std::uint16_t word : words)
            expected.insert(expected.end(), {std::uint8_t(word & 0xFF), std::uint8_t(word >> 8)});
        EXPECT_EQ(placeableWmfBytes(metafile, xExtent, yExtent), expected);
        const auto picture = std::get<PlaceablePicture>(readPlaceableWmf(expected));
        EXPECT_EQ(picture.metafile, metafile);
        EXPECT_EQ(std::tuple(picture.xExtent, picture.yExtent, picture.unitsPerInch),
                  std::tuple(xExtent, yExtent, 2540));
    }
}

// libwmf, an independent reader, draws what we write: the picture keeps the 2:1 shape of its
// header, the bars their 200 : 100 : 400 widths, and the text is there.
TEST(PlaceableWmfBytes, IsReadByLibwmf) {
    const char* const program = "/usr/bin/wmf2svg";
    ASSERT_EQ(testing::missingProgram(testing::OutsideProgram::Wmf2svg), "");
    const Metafile picture{
        {op::SetWindowOrg{0, 0}, op::SetWindowExt{4000, -2000},
         op::CreatePen{{kPenInsideFrame, 1, kBlack}}, op::CreateBrush{}, op::SelectObject{0},
         op::SelectObject{1}, op::Rectangle{100, 0, 300, -1500}, op::Rectangle{500, 0, 600, -1500},
         op::Rectangle{900, 0, 1300, -1500}, op::CreateFont{{.height = 352, .faceName = "Arial"}},
         op::SelectObject{2}, op::SetTextAlign{kAlignCenter}, op::SetBkMode{kTransparentBackground},
         op::TextOut{2000, -1550, "VORNIK"}}};
    const Bytes bytes = placeableWmfBytes(picture, 4000, 2000);
    const testing::TempFolder folder;
    folder.write("bars.wmf", std::string(bytes.begin(), bytes.end()));
    const std::string command =
        "cd '" + folder.path().string() + "' && " + program + " -o bars.svg bars.wmf 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string text = testing::readFile(folder.path() / "bars.svg");
    const std::string rect = R"re([^]*?<rect [^>]*width="([0-9.]+)")re";
    std::smatch m;
    ASSERT_TRUE(std::regex_search(
        text, m, std::regex(R"re(<svg width="(\d+)" height="(\d+)")re" + rect + rect + rect)))
        << text;
    EXPECT_EQ(std::stoi(m[1]), 2 * std::stoi(m[2]));
    EXPECT_NEAR(std::stod(m[3]) / std::stod(m[4]), 2.0, 0.02);
    EXPECT_NEAR(std::stod(m[5]) / std::stod(m[4]), 4.0, 0.04);
    EXPECT_NE(text.find(">VORNIK</text>"), std::string::npos) << text;
}

} // namespace
} // namespace vornik::render

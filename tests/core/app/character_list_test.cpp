#include "core/app/character_list.h"
#include "core/app/display_set.h"
#include "support/command_session.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

using namespace std::string_literals;
using vornik::testing::CommandSession;

TEST(CharacterListTest, EntriesShowCodeCharacterAndControlName) {
    const std::pair<std::size_t, std::string> rows[] = {
        {0, " 0\t\tNUL"},       {1, " 1\t\x01\tSOH"},   {8, " 8\t\x08\tBS "},
        {9, " 9\t\tTAB"},       {10, " 10\t\n\tLF "},   {13, " 13\t\r\tCR "},
        {25, " 25\t\x19\tEM "}, {27, " 27\t\x1B\tESC"}, {31, " 31\t\x1F\tUS "},
        {32, " 32\t \t"},       {65, " 65\tA\t"},       {127, " 127\t\x7F\t"},
    };
    const auto entries = characterListEntries(Symbology::Code93);
    ASSERT_EQ(entries.size(), 128u);
    for (const auto& [index, entry] : rows)
        EXPECT_EQ(entries[index], entry) << index;
}

TEST(CharacterListTest, EachSymbologyListsTheCodesItTakes) {
    struct Row {
        Symbology symbology;
        std::size_t count;
        bool shown;
        bool selectsFirstEntry;
        std::string last;
    };
    using enum Symbology;
    const Row rows[] = {
        {Code39, 128, false, false, " 127\t\x7F\t"},
        {Code39FullAscii, 128, true, true, " 127\t\x7F\t"},
        {UpcA, 128, false, false, " 127\t\x7F\t"},
        {Code93, 128, true, true, " 127\t\x7F\t"},
        {Code128, 132, true, true, "\t\x83\tFNC4"},
        {EanUcc128, 129, true, true, "\t\x80\tFNC1"},
        {Pdf417, 256, true, false, " 255  \t\xFF   "},
        {Aztec, 256, true, false, " 255  \t\xFF   "},
        {DataMatrix, 256, true, false, " 255  \t\xFF   "},
        {Postnet, 128, false, false, " 127\t\x7F\t"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(symbologyName(row.symbology));
        const auto entries = characterListEntries(row.symbology);
        ASSERT_EQ(entries.size(), row.count);
        EXPECT_EQ(entries.back(), row.last);
        EXPECT_EQ(characterListShown(row.symbology), row.shown);
        EXPECT_EQ(characterListSelectsFirstEntry(row.symbology), row.selectsFirstEntry);
    }
    const auto code128 = characterListEntries(Code128);
    EXPECT_EQ(code128[128], "\t\x80\tFNC1");
    EXPECT_EQ(code128[129], "\t\x81\tFNC2");
    EXPECT_EQ(code128[130], "\t\x82\tFNC3");
    EXPECT_EQ(characterListEntries(Pdf417)[128], " 128  \t\x80   ");
}

// The list follows the symbology chosen by the Symbology menu.
TEST(CharacterListTest, ChangingSymbologyReplacesTheExtraEntries) {
    struct Row {
        const char* name;
        const char* commands;
        std::size_t count;
        std::string last;
    };
    const Row rows[] = {
        {"Code 128 to Code 93", "[code128][code93]", 128, " 127\t\x7F\t"},
        {"Code 128 to EAN/UCC-128", "[code128][ean/ucc128]", 129, "\t\x80\tFNC1"},
        {"PDF417 to Aztec Code", "[pdf417][aztec]", 256, " 255  \t\xFF   "},
        {"Data Matrix to Code 128", "[datamatrix][code128]", 132, "\t\x83\tFNC4"},
        {"Aztec Code to UPC-A", "[aztec][upca]", 128, " 127\t\x7F\t"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CommandSession session;
        ASSERT_TRUE(session.run(row.commands));
        const CharacterListView view = characterListView(session.job());
        ASSERT_EQ(view.entries.size(), row.count);
        EXPECT_EQ(view.entries.back(), screenText(row.last, false, Tabs::Kept));
    }
}

TEST(CharacterListTest, TheViewFollowsTheDisplaySet) {
    CommandSession session;
    EXPECT_FALSE(characterListView(session.job()).shown) << "hidden at start";
    ASSERT_TRUE(session.run("[pdf417]"));
    const CharacterListView ascii = characterListView(session.job());
    EXPECT_TRUE(ascii.shown);
    EXPECT_EQ(ascii.heading, "ASCII     Char         Control");
    EXPECT_EQ(ascii.fontName, "Terminal");
    EXPECT_EQ(ascii.entries[1], " 1\t☺\tSOH");
    EXPECT_EQ(ascii.entries[142], " 142  \tÄ   ");
    ASSERT_TRUE(session.run("[displayansi]"));
    const CharacterListView ansi = characterListView(session.job());
    EXPECT_EQ(ansi.heading, "ANSI      Char         Control");
    EXPECT_EQ(ansi.fontName, "System");
    EXPECT_EQ(ansi.entries[1], " 1\t␁\tSOH");
    EXPECT_EQ(ansi.entries[142], " 142  \tŽ   ");
}

} // namespace
} // namespace vornik

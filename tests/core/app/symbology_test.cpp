#include "core/app/symbology.h"
#include "support/row_name.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace vornik {
namespace {

using vornik::testing::PrintTo;

template <typename Row> std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// One row per menu item, in menu order.
struct CatalogueRow {
    std::string name;
    std::int32_t number;
    std::string caption;
    std::string shownName; // the caption without its access key marker
    std::vector<std::string> keywords;
    bool upcEan;
    bool rss;
};

const std::vector<CatalogueRow> kCatalogue = {
    {"Code39", 1, "Code &39 (Normal)", "Code 39 (Normal)", {"[CODE39]"}, false, false},
    {"Code39FullAscii",
     2,
     "Code 39 (&Full ASCII)",
     "Code 39 (Full ASCII)",
     {"[CODE39FULLASCII]"},
     false,
     false},
    {"UpcA", 3, "&UPC-A    (12 digit)", "UPC-A    (12 digit)", {"[UPCA]"}, true, false},
    {"UpcE", 4, "U&PC-E    (6 digit)", "UPC-E    (6 digit)", {"[UPCE]"}, true, false},
    {"UpcE1", 5, "UPC-E1", "UPC-E1", {"[UPCE1]"}, true, false},
    {"Ean8", 6, "&EAN-8", "EAN-8", {"[EAN8]"}, true, false},
    {"Ean13", 7, "E&AN-13", "EAN-13", {"[EAN13]"}, true, false},
    {"BookLand", 8, "&BookLand", "BookLand", {"[BOOKLAND]", "[BOOKLAN]"}, true, false},
    {"Interleaved2of5", 9, "&Interleaved 2 of 5", "Interleaved 2 of 5", {"[I2OF5]"}, false, false},
    {"Discrete2of5", 10, "&Discrete 2 of 5", "Discrete 2 of 5", {"[D2OF5]"}, false, false},
    {"Codabar", 11, "&CodaBar", "CodaBar", {"[CODABAR]"}, false, false},
    {"Code93", 12, "Code &93", "Code 93", {"[CODE93]"}, false, false},
    {"Code128", 13, "Code &128", "Code 128", {"[CODE128]"}, false, false},
    {"EanUcc128", 14, "EAN/UCC 1&28", "EAN/UCC 128", {"[EAN/UCC128]"}, false, false},
    {"Pdf417", 15, "&PDF417", "PDF417", {"[PDF417]"}, false, false},
    {"Aztec", 16, "A&ztec Code", "Aztec Code", {"[AZTEC]"}, false, false},
    {"DataMatrix", 17, "Data Matri&x", "Data Matrix", {"[DATAMATRIX]"}, false, false},
    {"MsiPlessey",
     18,
     "&MSI Plessey",
     "MSI Plessey",
     {"[MSI]", "[PLESSEY]", "[MSIPLESSEY]"},
     false,
     false},
    {"Rss14", 19, "&RSS-14", "RSS-14", {"[RSS]", "[RSS14]"}, false, true},
    {"Rss14Stacked",
     20,
     "RSS-14 &Stacked",
     "RSS-14 Stacked",
     {"[RSS14STACKED]", "[RSS14S]"},
     false,
     true},
    {"Rss14StackedOmni",
     21,
     "RSS-14 Stacked &Omni",
     "RSS-14 Stacked Omni",
     {"[RSS14STACKEDOMNI]", "[RSS14SO]"},
     false,
     true},
    {"RssLimited", 22, "RSS &Limited", "RSS Limited", {"[RSSLIMITED]", "[RSSLIM]"}, false, true},
    {"Postnet", 23, "POST&NET", "POSTNET", {"[POSTNET]", "[ZIP]"}, false, false},
    {"Bpo4State", 24, "BPO &4 State Code", "BPO 4 State Code", {"[BPO]", "[BPO4SC]"}, false, false},
};

TEST(SymbologyCatalogue, HasTwentyFourEntriesNumberedInMenuOrder) {
    ASSERT_EQ(kSymbologyCatalogue.size(), 24u);
    for (std::size_t i = 0; i < kSymbologyCatalogue.size(); ++i)
        EXPECT_EQ(static_cast<std::int32_t>(kSymbologyCatalogue[i].symbology),
                  static_cast<std::int32_t>(i) + 1)
            << "entry " << i;
}

class SymbologyCatalogueTest : public ::testing::TestWithParam<CatalogueRow> {
protected:
    Symbology symbology() const { return static_cast<Symbology>(GetParam().number); }
};

TEST_P(SymbologyCatalogueTest, EntryHasTheMenuCaption) {
    const SymbologyEntry& entry = kSymbologyCatalogue.at(GetParam().number - 1);
    EXPECT_EQ(static_cast<std::int32_t>(entry.symbology), GetParam().number);
    EXPECT_EQ(entry.menuCaption, GetParam().caption);
    EXPECT_EQ(catalogueEntry(symbology()).menuCaption, GetParam().caption);
}

TEST_P(SymbologyCatalogueTest, EntryHasExactlyTheKeywords) {
    std::vector<std::string> keywords;
    for (std::string_view keyword : catalogueEntry(symbology()).keywords)
        if (!keyword.empty())
            keywords.emplace_back(keyword);
    EXPECT_EQ(keywords, GetParam().keywords);
}

TEST_P(SymbologyCatalogueTest, EveryKeywordSelectsTheSymbology) {
    for (const std::string& keyword : GetParam().keywords) {
        const std::optional<Symbology> found = symbologyForKeyword(keyword);
        ASSERT_TRUE(found.has_value()) << keyword;
        EXPECT_EQ(*found, symbology()) << keyword;
    }
}

TEST_P(SymbologyCatalogueTest, NameDropsTheAccessKeyMarker) {
    EXPECT_EQ(symbologyName(symbology()), GetParam().shownName);
}

TEST_P(SymbologyCatalogueTest, FamilyMembership) {
    EXPECT_EQ(isUpcEanFamily(symbology()), GetParam().upcEan);
    EXPECT_EQ(isRssFamily(symbology()), GetParam().rss);
}

TEST_P(SymbologyCatalogueTest, NumberIsValid) {
    EXPECT_TRUE(isValidSymbology(GetParam().number));
}

INSTANTIATE_TEST_SUITE_P(Menu, SymbologyCatalogueTest, ::testing::ValuesIn(kCatalogue),
                         rowName<CatalogueRow>);

// ---------------------------------------------------------------------------

struct NumberCase {
    std::string name;
    std::int32_t number;
    bool valid;
};

class SymbologyNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SymbologyNumberTest, ValidOnlyInsideTheMenu) {
    EXPECT_EQ(isValidSymbology(GetParam().number), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SymbologyNumberTest,
                         ::testing::Values(NumberCase{"Zero", 0, false},
                                           NumberCase{"Negative", -1, false},
                                           NumberCase{"First", 1, true},
                                           NumberCase{"Last", 24, true},
                                           NumberCase{"PastLast", 25, false},
                                           NumberCase{"FimIndexIsNotASymbology", 100, false}),
                         rowName<NumberCase>);

// Texts that are not keywords of any symbology.
struct NotAKeyword {
    std::string name;
    std::string text;
};

class SymbologyKeywordMissTest : public ::testing::TestWithParam<NotAKeyword> {};

TEST_P(SymbologyKeywordMissTest, SelectsNothing) {
    EXPECT_EQ(symbologyForKeyword(GetParam().text), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Misses, SymbologyKeywordMissTest,
                         ::testing::Values(NotAKeyword{"Empty", ""},
                                           NotAKeyword{"LowerCase", "[code39]"},
                                           NotAKeyword{"WithoutBrackets", "CODE39"},
                                           NotAKeyword{"MissingCloseBracket", "[CODE39"},
                                           NotAKeyword{"TrailingBlank", "[CODE39] "},
                                           NotAKeyword{"EmptyBrackets", "[]"},
                                           NotAKeyword{"UnknownSymbology", "[QRCODE]"},
                                           NotAKeyword{"MenuCaption", "Code &39 (Normal)"},
                                           NotAKeyword{"PostalFim", "[FIM]"}),
                         rowName<NotAKeyword>);

} // namespace
} // namespace vornik

#include "core/app/symbology.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

TEST(SymbologyCatalogue, CaptionsAndKeywordsInMenuOrder) {
    // The menu caption ("&" marks the access key) and the command keywords of each menu item.
    const std::pair<const char*, std::array<std::string_view, 3>> rows[] = {
        // clang-format off
        {"Code &39 (Normal)", {"[CODE39]"}},        {"Code 39 (&Full ASCII)", {"[CODE39FULLASCII]"}},
        {"&UPC-A    (12 digit)", {"[UPCA]"}},       {"U&PC-E    (6 digit)", {"[UPCE]"}},
        {"UPC-E1", {"[UPCE1]"}},                    {"&EAN-8", {"[EAN8]"}},
        {"E&AN-13", {"[EAN13]"}},                   {"&BookLand", {"[BOOKLAND]", "[BOOKLAN]"}},
        {"&Interleaved 2 of 5", {"[I2OF5]"}},       {"&Discrete 2 of 5", {"[D2OF5]"}},
        {"&CodaBar", {"[CODABAR]"}},                {"Code &93", {"[CODE93]"}},
        {"Code &128", {"[CODE128]"}},               {"EAN/UCC 1&28", {"[EAN/UCC128]"}},
        {"&PDF417", {"[PDF417]"}},                  {"A&ztec Code", {"[AZTEC]"}},
        {"Data Matri&x", {"[DATAMATRIX]"}},         {"&MSI Plessey", {"[MSI]", "[PLESSEY]", "[MSIPLESSEY]"}},
        {"&RSS-14", {"[RSS]", "[RSS14]"}},          {"RSS-14 &Stacked", {"[RSS14STACKED]", "[RSS14S]"}},
        {"RSS-14 Stacked &Omni", {"[RSS14STACKEDOMNI]", "[RSS14SO]"}},
        {"RSS &Limited", {"[RSSLIMITED]", "[RSSLIM]"}},
        {"POST&NET", {"[POSTNET]", "[ZIP]"}},       {"BPO &4 State Code", {"[BPO]", "[BPO4SC]"}},
        // clang-format on
    };
    ASSERT_EQ(kSymbologyCatalogue.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& [caption, keywords] = rows[i];
        SCOPED_TRACE(caption);
        const auto symbology = static_cast<Symbology>(i + 1);
        EXPECT_EQ(catalogueEntry(symbology).symbology, symbology);
        EXPECT_EQ(catalogueEntry(symbology).menuCaption, caption);
        EXPECT_EQ(catalogueEntry(symbology).keywords, keywords);
        for (std::string_view keyword : keywords)
            EXPECT_EQ(symbologyForKeyword(keyword),
                      keyword.empty() ? std::nullopt : std::optional(symbology));
    }
    EXPECT_EQ(symbologyName(Symbology::UpcA), "UPC-A    (12 digit)"); // without the marker
    EXPECT_EQ(symbologyForKeyword("[code39]"), std::nullopt);
}

} // namespace
} // namespace vornik

#include "core/linear/bar_pattern.h"
#include "core/linear/pattern_tables.h"
#include "core/linear/zint_modules.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace vornik::linear {
namespace {

using testing::tablesFor;

// Code 39 from the standard's narrow (n) / wide (w) elements, bar first,
// written 3/4 for bars and 1/2 for spaces, then the gap 1; Code 93 from its
// module widths, bars 3 5 6 7 and spaces 1 8 9 A for 1 to 4 modules.
TEST(PatternTables, HoldEachCharactersPatternAtItsSlot) {
    const std::tuple<const char*, Symbology, std::size_t, std::string> rows[] = {
        {"code39 star slot", Symbology::Code39, 128, "3231414131"}, // nwnnwnwnn
        {"code39 no lower case", Symbology::Code39, 'a', ""},
        {"code39 star has no data slot", Symbology::Code39, '*', ""},
        // nwnwnnnwn nnnnwwnnw
        {"full ascii dollar is /D", Symbology::Code39FullAscii, '$', "32323132313131423141"},
        // nnnwnwnwn nnwnwwnnn: the single % although the % slot holds /E
        {"full ascii semicolon is %F", Symbology::Code39FullAscii, ';', "31323232313141423131"},
        // nnnwnwnwn wwnnnnnnw
        {"full ascii NUL is %U", Symbology::Code39FullAscii, 0, "31323232314231313141"},
        {"code93 dollar is itself", Symbology::Code93, '$', "683131"}, // 321111
    };
    for (const auto& [name, symbology, slot, pattern] : rows) {
        SCOPED_TRACE(name);
        const auto tables = tablesFor(symbology);
        EXPECT_EQ(tables.PatternTable[slot], pattern);
        // and every pattern is made of 1 to 9 and A to J only
        std::string all = tables.StartPattern + tables.StopPattern + tables.StarPattern;
        for (const auto& entry : tables.PatternTable)
            all += entry;
        EXPECT_TRUE(std::ranges::all_of(all, isLinearElement)) << all;
    }
}

// A rebuild starts from empty tables but keeps start and stop (Code 39 sets
// none); a symbology of 0 is taken as Code 39.
TEST(PatternTables, RebuildStartsEmptyAndTakesZeroAsCode39) {
    Job job;
    PatternTables tables = tablesFor(Symbology::Code93);
    tables.EvenParityTable[3] = "stale";
    job.Symbology = static_cast<Symbology>(0);
    BuildPatternTables(job, tables);
    EXPECT_EQ(job.Symbology, Symbology::Code39);
    EXPECT_EQ(tables.PatternTable['0'], "3132414131"); // nnnwwnwnn
    EXPECT_EQ(tables.PatternTable['a'], "");           // the Code 93 entries are gone
    EXPECT_EQ(tables.EvenParityTable[3], "");
    EXPECT_EQ(tables.StartPattern, "313171");
    EXPECT_TRUE(tables.filled());
    EXPECT_FALSE(tablesFor(Symbology::Pdf417).filled());
}

} // namespace
} // namespace vornik::linear

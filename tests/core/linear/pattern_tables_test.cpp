#include "core/linear/bar_pattern.h"
#include "core/linear/full_ascii.h"
#include "core/linear/pattern_tables.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vornik::linear {
namespace {

PatternTables built(Symbology symbology) {
    Job job;
    job.Symbology = symbology;
    PatternTables tables;
    BuildPatternTables(job, tables);
    return tables;
}

// Code 39 characters from the standard's narrow (n) / wide (w) elements, bar
// first, written 3/4 for bars and 1/2 for spaces, then the gap 1.
const std::string k39Star = "3231414131";    // n w n n w n w n n
const std::string k39Zero = "3132414131";    // n n n w w n w n n
const std::string k39D = "3131423141";       // n n n n w w n n w
const std::string k39F = "3141423131";       // n n w n w w n n n
const std::string k39U = "4231313141";       // w w n n n n n n w
const std::string k39Slash = "3232313231";   // n w n w n n n w n
const std::string k39Percent = "3132323231"; // n n n w n w n w n
// Code 93 "$" from the standard's module widths 3 2 1 1 1 1, with bars 3 5
// 6 7 and spaces 1 8 9 A for 1 to 4 modules.
const std::string k93Dollar = "683131";

TEST(PatternTables, HoldEachCharactersPatternAtItsSlot) {
    struct Row {
        const char* name;
        Symbology symbology;
        std::size_t slot;
        std::string expected;
    };
    const Row rows[] = {
        {"code39 star slot", Symbology::Code39, 128, k39Star},
        {"code39 no lower case", Symbology::Code39, 'a', ""},
        {"code39 star has no data slot", Symbology::Code39, '*', ""},
        {"full ascii dollar is /D", Symbology::Code39FullAscii, '$', k39Slash + k39D},
        // the shift is the single % although the % slot itself holds /E
        {"full ascii semicolon is %F", Symbology::Code39FullAscii, ';', k39Percent + k39F},
        {"full ascii NUL is %U", Symbology::Code39FullAscii, 0, k39Percent + k39U},
        {"code93 dollar is itself", Symbology::Code93, '$', k93Dollar},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(built(row.symbology).PatternTable[row.slot], row.expected);
    }
}

// Structure of the standards' tables: a slip in a table breaks one of these.
TEST(PatternTables, Code39CharactersAreThreeWideOfNine) {
    const auto tables = built(Symbology::Code39);
    std::set<std::string> distinct;
    for (const char c : std::string(kBaseCharacters) + '\x80') {
        const std::string& entry = tables.PatternTable[static_cast<unsigned char>(c)];
        SCOPED_TRACE(c);
        ASSERT_EQ(entry.size(), 10u);
        int wide = 0;
        for (std::size_t i = 0; i < 9; ++i) {
            EXPECT_EQ(isBar(entry[i]), i % 2 == 0);
            wide += entry[i] == kWideBar || entry[i] == kWideSpace;
        }
        EXPECT_EQ(wide, 3);
        EXPECT_EQ(entry.back(), kNarrowSpace);
        distinct.insert(entry);
    }
    EXPECT_EQ(distinct.size(), kBaseCharacters.size() + 1);
    EXPECT_EQ(tables.StarPattern, k39Star);
}

TEST(PatternTables, Code93CharactersAreNineModulesOfSixElements) {
    const auto tables = built(Symbology::Code93);
    std::set<std::string> distinct;
    for (int value = 0; value < kCode93Values; ++value) {
        const std::string& entry = tables.PatternTable[characterOfValue(value)];
        SCOPED_TRACE(value);
        ASSERT_EQ(entry.size(), 6u);
        int modules = 0;
        for (std::size_t i = 0; i < entry.size(); ++i) {
            EXPECT_EQ(isBar(entry[i]), i % 2 == 0);
            modules += countedModules(entry[i]);
        }
        EXPECT_EQ(modules, 9);
        distinct.insert(entry);
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kCode93Values));
    EXPECT_EQ(tables.StartPattern, "313171"); // 1 1 1 1 4 1
    EXPECT_EQ(tables.StopPattern, "3131713"); // and the termination bar
}

TEST(PatternTables, HoldOnlyLinearElements) {
    for (const auto symbology :
         {Symbology::Code39, Symbology::Code39FullAscii, Symbology::Code93}) {
        const auto tables = built(symbology);
        std::string all = tables.StartPattern + tables.StopPattern + tables.StarPattern;
        for (const auto& entry : tables.PatternTable)
            all += entry;
        for (const char c : all)
            ASSERT_TRUE(isLinearElement(c)) << c << " in symbology " << static_cast<int>(symbology);
    }
}

TEST(PatternTables, SymbologyZeroIsTakenAsCode39) {
    Job job;
    job.Symbology = static_cast<Symbology>(0);
    PatternTables tables;
    BuildPatternTables(job, tables);
    EXPECT_EQ(job.Symbology, Symbology::Code39);
    EXPECT_EQ(tables.PatternTable['0'], k39Zero);
}

TEST(PatternTables, RebuildStartsEmptyButKeepsStartAndStop) {
    Job job;
    job.Symbology = Symbology::Code93;
    PatternTables tables;
    BuildPatternTables(job, tables);
    tables.EvenParityTable[3] = "stale";
    job.Symbology = Symbology::Code39;
    BuildPatternTables(job, tables);
    EXPECT_EQ(tables.PatternTable['a'], ""); // the Code 93 entry is gone
    EXPECT_EQ(tables.PatternTable[131], "");
    EXPECT_EQ(tables.EvenParityTable[3], "");
    EXPECT_EQ(tables.StartPattern, "313171"); // Code 39 sets no start pattern
    EXPECT_TRUE(tables.filled());
    EXPECT_FALSE(PatternTables{}.filled());
    EXPECT_FALSE(built(Symbology::Pdf417).filled());
}

} // namespace
} // namespace vornik::linear

#pragma once

#include "core/app/job.h"

#include <array>
#include <string>

namespace vornik::linear {

// The pattern tables of the selected symbology: one bar pattern string per
// symbol character (see bar_pattern.h for the alphabet), built before every
// encode. An entry a symbology does not fill stays empty, so a character
// without an entry adds nothing to the pattern.
struct PatternTables {
    // Indexed by character code (0 to 127) for most symbologies, by symbol
    // value for Code 128, by digit pair for Interleaved 2 of 5; fixed slots:
    // 128 the UPC/EAN normal guard or the Code 39 "*", 0 the UPC/EAN centre
    // guard, 131 to 134 the Code 93 shift characters.
    std::array<std::string, 136> PatternTable{};
    std::array<std::string, 129> RightHandTable{}; // UPC/EAN set C, by digit code
    std::array<std::string, 11> EvenParityTable{}; // UPC/EAN set B, by digit value
    std::string StartPattern;
    std::string StopPattern;
    std::string StarPattern; // the Code 39 start/stop character with its gap

    // Whether the tables hold entries: a successful encode erases them.
    [[nodiscard]] bool filled() const;
};

// Re-creates PatternTable and EvenParityTable empty and fills the tables of
// the job's symbology (a symbology of 0 is taken as Code 39 and stored as 1).
// Start, stop and star patterns keep their values unless the symbology sets
// them.
void BuildPatternTables(Job& job, PatternTables& tables);

} // namespace vornik::linear

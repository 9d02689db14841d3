#pragma once

#include "cli/batch/read_back_loader.h"
#include "core/app/job.h"
#include "core/batch/expected_reading.h"
#include "core/batch/read_back_verdict.h"

#include <string>

namespace vornik::cli {

// What reading a written file back said.
struct ReadBackCheck {
    using Kind = batch::ReadBackVerdict::Kind;
    Kind kind = Kind::Wrong;
    std::string text; // what was read when verified; the reason otherwise
};

// Reads FILE (whose extension names its format) back and judges it against
// EXPECTATION; nothing is read for a symbol that cannot be verified.
[[nodiscard]] batch::ReadBackVerdict readBackFile(const batch::Expectation& expectation,
                                                  const std::string& file,
                                                  const ReadBack& readBack);

// Reads FILE back and compares it with what the job's symbol must carry.
[[nodiscard]] ReadBackCheck checkReadBack(const Job& job, const std::string& file,
                                          const ReadBack& readBack);

} // namespace vornik::cli

#pragma once

#include "cli/batch/read_back_loader.h"
#include "core/app/job.h"

#include <string>

namespace vornik::cli {

// What reading a written file back said.
struct ReadBackCheck {
    enum class Kind { Verified, NotVerifiable, Wrong } kind = Kind::Wrong;
    std::string text; // what was read when verified; the reason otherwise
};

// Reads FILE (whose extension names its format) back and compares it with
// what the job's symbol must carry.
[[nodiscard]] ReadBackCheck checkReadBack(const Job& job, const std::string& file,
                                          const ReadBack& readBack);

} // namespace vornik::cli

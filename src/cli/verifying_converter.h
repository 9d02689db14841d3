#pragma once

#include "cli/batch/read_back_loader.h"
#include "core/app/application.h"

#include <ostream>

namespace vornik::cli {

// The image converter of a run with --verify: every file it writes is read
// back and compared with what the job's symbol must carry, and the outcome
// told in one line on ERRORS. A file that does not read back right counts as
// a failed file operation, so that the exit status says so; the file itself
// stays as written, for the user to look at.
[[nodiscard]] ImageConverter verifyingConverter(ImageConverter convert, Application& app,
                                                ReadBack readBack, std::ostream& errors);

} // namespace vornik::cli

#pragma once

#include "cli/batch/batch_session.h"
#include "cli/batch/read_back_loader.h"
#include "cli/batch/record_result.h"
#include "core/batch/batch_records.h"

#include <string>

namespace vornik::cli {

// How each record is made.
struct RecordOptions {
    bool verify = false;
    bool skipExisting = false;
};

// How the temporary files of the worker process PID start: every record is
// written under such a name first.
[[nodiscard]] std::string temporaryPrefix(int pid);

// Makes one label: the record goes into the job, the symbol is built and
// saved under a temporary name beside OUTPUT, read back when asked, and only
// then takes OUTPUT's name, so that a file of that name is always whole (and,
// verifying, right). A failure leaves no file behind.
[[nodiscard]] RecordResult makeRecord(BatchSession& session, const batch::BatchRecord& record,
                                      const std::string& output, const RecordOptions& options,
                                      const ReadBack& readBack);

} // namespace vornik::cli

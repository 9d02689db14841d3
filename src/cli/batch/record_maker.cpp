#include "cli/batch/record_maker.h"

#include "cli/batch/read_back_check.h"
#include "core/app/save_bar_code.h"
#include "core/files/interrupt_cleanup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace vornik::cli {

namespace {

namespace fs = std::filesystem;
using Outcome = RecordResult::Outcome;
using Check = RecordResult::Check;

// The temporary name: hidden, in the same folder (so that the rename is one
// step on one file system), unique to the process, which makes one record
// at a time, and with the output's extension, which chooses the format. It
// is short, so that any name the file system takes for the output also
// serves for it.
std::string temporaryName(const std::string& output) {
    const fs::path path(output);
    return (path.parent_path() / (temporaryPrefix(::getpid()) + path.extension().string()))
        .string();
}

} // namespace

std::string temporaryPrefix(int pid) {
    return ".vornik-part-" + std::to_string(pid);
}

namespace {

RecordResult failed(std::size_t index, std::string reason) {
    return {Outcome::Failed, Check::None, index, std::move(reason)};
}

// What the verification of a written file says: Verified, NotVerifiable
// with its reason, or the reason it failed.
std::variant<RecordResult, std::string> verify(const Job& job, const std::string& file,
                                               std::size_t index, const ReadBack& readBack) {
    const ReadBackCheck check = checkReadBack(job, file, readBack);
    switch (check.kind) {
    case ReadBackCheck::Kind::Verified:
        return RecordResult{Outcome::Written, Check::Verified, index, {}};
    case ReadBackCheck::Kind::NotVerifiable:
        return RecordResult{Outcome::Written, Check::NotVerifiable, index, check.text};
    case ReadBackCheck::Kind::Wrong:
        return check.text;
    }
    return check.text;
}

std::optional<std::string> buildAndSave(BatchSession& session, const std::string& file) {
    Application& app = session.app();
    if (app.Build() != BuildOutcome::Built || !app.state().SymbolBuilt) {
        const std::string said = session.takeMessages();
        return said.empty() ? std::string("the build ended without a symbol") : said;
    }
    app.state().BarcodeSavePath = file;
    if (saveBarCode(app) != SaveOutcome::Saved)
        return session.takeMessages();
    (void)session.takeMessages();
    return std::nullopt;
}

} // namespace

RecordResult makeRecord(BatchSession& session, const batch::BatchRecord& record,
                        const std::string& output, const RecordOptions& options,
                        const ReadBack& readBack) {
    const std::size_t index = record.number - 1;
    std::error_code error;
    if (options.skipExisting && fs::exists(fs::symlink_status(output, error)))
        return {Outcome::Skipped, Check::None, index, {}};
    Job& job = session.app().job();
    batch::applyRecord(record, job);
    const Job recorded = job;
    const std::string file = temporaryName(output);
    files::RemovalOnInterrupt cleanup(file);
    if (auto reason = buildAndSave(session, file)) {
        std::remove(file.c_str());
        return failed(index, *reason);
    }
    RecordResult result{Outcome::Written, Check::None, index, {}};
    if (options.verify) {
        auto checked = verify(recorded, file, index, readBack);
        if (auto* wrong = std::get_if<std::string>(&checked)) {
            std::remove(file.c_str());
            return failed(index, *wrong);
        }
        result = std::get<RecordResult>(checked);
    }
    if (std::rename(file.c_str(), output.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(file.c_str());
        return failed(index, "the file " + output + " could not take its name: " + reason);
    }
    return result;
}

} // namespace vornik::cli

#include "cli/batch/read_back_check.h"

namespace vornik::cli {

batch::ReadBackVerdict readBackFile(const batch::Expectation& expectation, const std::string& file,
                                    const ReadBack& readBack) {
    if (const auto* refused = std::get_if<batch::NotVerifiable>(&expectation))
        return batch::notVerifiableVerdict(*refused);
    const auto& expected = std::get<batch::ExpectedReading>(expectation);
    return batch::judgeReadBack(expected, readBack(file, expected.format, expected.pure));
}

ReadBackCheck checkReadBack(const Job& job, const std::string& file, const ReadBack& readBack) {
    const batch::ReadBackVerdict verdict =
        readBackFile(batch::expectedReading(job), file, readBack);
    return {verdict.kind, batch::verdictPhrase(verdict)};
}

} // namespace vornik::cli

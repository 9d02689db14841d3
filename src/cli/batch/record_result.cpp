#include "cli/batch/record_result.h"

#include <charconv>

namespace vornik::cli {

std::string resultLine(const RecordResult& result) {
    std::string reason = result.reason;
    for (char& c : reason)
        if (c == '\n' || c == '\r')
            c = ' ';
    return std::to_string(result.index) + ' ' + std::to_string(static_cast<int>(result.outcome)) +
           ' ' + std::to_string(static_cast<int>(result.check)) + ' ' + reason + '\n';
}

std::optional<RecordResult> parseResultLine(std::string_view line) {
    RecordResult result;
    int outcome = -1;
    int check = -1;
    const char* at = line.data();
    const char* end = line.data() + line.size();
    auto number = [&](auto& value) {
        const auto [next, error] = std::from_chars(at, end, value);
        if (error != std::errc() || next == end || *next != ' ')
            return false;
        at = next + 1;
        return true;
    };
    if (!number(result.index) || !number(outcome) || !number(check))
        return std::nullopt;
    if (outcome < 0 || outcome > 2 || check < 0 || check > 2)
        return std::nullopt;
    result.outcome = static_cast<RecordResult::Outcome>(outcome);
    result.check = static_cast<RecordResult::Check>(check);
    result.reason.assign(at, end);
    return result;
}

} // namespace vornik::cli

#include "cli/batch/read_back_check.h"

#include "core/batch/expected_reading.h"

namespace vornik::cli {

namespace {

using Kind = ReadBackCheck::Kind;

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

ReadBackCheck compare(const ReadBackResult& read, const batch::ExpectedReading& expected) {
    switch (read.status) {
    case ReadBackResult::Status::Read:
        if (read.text != expected.text &&
            (expected.alternative.empty() || read.text != expected.alternative))
            return {Kind::Wrong, "the symbol reads back as " + quoted(read.text) + ", not " +
                                     quoted(expected.text)};
        if (expected.partial)
            return {Kind::NotVerifiable, "the 2D part of a composite cannot be read back"};
        return {Kind::Verified, read.text};
    case ReadBackResult::Status::Nothing:
        return {Kind::Wrong, "no " + expected.format + " symbol could be read back from the file"};
    case ReadBackResult::Status::Unreadable:
        return {Kind::Wrong, "the file could not be read back: " + read.error};
    case ReadBackResult::Status::NoReader:
        return {Kind::NotVerifiable, "the file cannot be read back here: " + read.error};
    }
    return {Kind::Wrong, "the read-back gave no answer"};
}

} // namespace

ReadBackCheck checkReadBack(const Job& job, const std::string& file, const ReadBack& readBack) {
    const auto expectation = batch::expectedReading(job);
    if (const auto* refused = std::get_if<batch::NotVerifiable>(&expectation))
        return {Kind::NotVerifiable, refused->reason + " cannot be read back"};
    const auto& expected = std::get<batch::ExpectedReading>(expectation);
    return compare(readBack(file, expected.format, expected.pure), expected);
}

} // namespace vornik::cli

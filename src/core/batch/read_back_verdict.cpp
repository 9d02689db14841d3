#include "core/batch/read_back_verdict.h"

namespace vornik::batch {

namespace {

using Kind = ReadBackVerdict::Kind;
using Cause = ReadBackVerdict::Cause;

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

bool readsRight(const ExpectedReading& expected, const std::string& read) {
    return read == expected.text || (!expected.alternative.empty() && read == expected.alternative);
}

ReadBackVerdict judgeRead(const ExpectedReading& expected, const std::string& read) {
    if (!readsRight(expected, read))
        return {.kind = Kind::Wrong,
                .cause = Cause::ReadsOther,
                .read = read,
                .expected = expected.text};
    // The linear part reads right, but what the 2D part carries is unknown.
    if (expected.partial)
        return {.kind = Kind::NotVerifiable, .cause = Cause::PartUnread, .read = read};
    return {.kind = Kind::Verified, .cause = Cause::ReadsRight, .read = read};
}

} // namespace

ReadBackVerdict notVerifiableVerdict(const NotVerifiable& refusal) {
    return {
        .kind = Kind::NotVerifiable, .cause = Cause::SymbolUnreadable, .detail = refusal.reason};
}

ReadBackVerdict judgeReadBack(const ExpectedReading& expected, const ReadBackResult& read) {
    switch (read.status) {
    case ReadBackResult::Status::Read:
        return judgeRead(expected, read.text);
    case ReadBackResult::Status::Nothing:
        return {.kind = Kind::Wrong, .cause = Cause::ReadsNothing, .expected = expected.format};
    case ReadBackResult::Status::Unreadable:
        return {.kind = Kind::Wrong, .cause = Cause::PictureUnread, .detail = read.error};
    case ReadBackResult::Status::NoReader:
        return {.kind = Kind::NotVerifiable, .cause = Cause::NoReader, .detail = read.error};
    }
    return {
        .kind = Kind::Wrong, .cause = Cause::PictureUnread, .detail = "the reader gave no answer"};
}

std::string verdictPhrase(const ReadBackVerdict& verdict) {
    switch (verdict.cause) {
    case Cause::ReadsRight:
        return verdict.read;
    case Cause::SymbolUnreadable:
        return verdict.detail + " cannot be read back";
    case Cause::PartUnread:
        return "the 2D part of a composite cannot be read back";
    case Cause::NoReader:
        return "the file cannot be read back here: " + verdict.detail;
    case Cause::ReadsOther:
        return "the symbol reads back as " + quoted(verdict.read) + ", not " +
               quoted(verdict.expected);
    case Cause::ReadsNothing:
        return "no " + verdict.expected + " symbol could be read back from the file";
    case Cause::PictureUnread:
        return "the file could not be read back: " + verdict.detail;
    }
    return verdict.detail;
}

} // namespace vornik::batch

#pragma once

#include "core/batch/expected_reading.h"

#include <string>

namespace vornik::batch {

// What a reader made of a picture of the symbol.
struct ReadBackResult {
    // NoReader: the picture cannot be read on this system (the reader, or
    // the program that draws its kind of file, is missing).
    enum class Status { Read, Nothing, Unreadable, NoReader } status = Status::Nothing;
    std::string text{};  // what the symbol says, when read
    std::string error{}; // why the picture could not be read, or what reading it needs
};

// What reading a symbol back came to, told the same way by a batch that
// verifies its files and by the window's read-back line.
struct ReadBackVerdict {
    enum class Kind { Verified, NotVerifiable, Wrong } kind = Kind::Wrong;
    // Why, in more detail than the kind: the wording differs between the
    // batch's report and the window's line, the verdict does not.
    enum class Cause {
        ReadsRight,       // Verified: the symbol reads as it must
        SymbolUnreadable, // NotVerifiable: no reader exists for the symbology or message
        PartUnread,       // NotVerifiable: a composite's 2D part goes unread
        NoReader,         // NotVerifiable: this system cannot read the picture
        ReadsOther,       // Wrong: it reads, but as another text
        ReadsNothing,     // Wrong: no symbol of its kind is found
        PictureUnread,    // Wrong: the picture itself could not be read
    } cause = Cause::ReadsNothing;
    std::string read{};     // what the reader found (ReadsRight, ReadsOther, PartUnread)
    std::string expected{}; // what it must find (ReadsOther), or the symbology (ReadsNothing)
    std::string detail{};   // the refusal or the reader's error (the other causes)

    bool operator==(const ReadBackVerdict&) const = default;
};

// The verdict on a symbol that cannot be verified at all, before anything
// is drawn or read.
[[nodiscard]] ReadBackVerdict notVerifiableVerdict(const NotVerifiable& refusal);

// Compares what the reader made of a picture with what the symbol must read as.
[[nodiscard]] ReadBackVerdict judgeReadBack(const ExpectedReading& expected,
                                            const ReadBackResult& read);

// The verdict as the batch reports it after a file's name: what was read when
// verified, otherwise the reason, as a phrase ("POSTNET cannot be read back").
[[nodiscard]] std::string verdictPhrase(const ReadBackVerdict& verdict);

} // namespace vornik::batch

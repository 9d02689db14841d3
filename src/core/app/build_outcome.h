#pragma once

namespace vornik {

// How one run of the Build command ended.
enum class BuildOutcome {
    Built,      // a symbol was drawn and published
    Suppressed, // the job is being reset; nothing was done
    Cancelled,  // a dimension or printer warning was answered with Cancel
    Rejected,   // the message was refused and the error reported
};

} // namespace vornik

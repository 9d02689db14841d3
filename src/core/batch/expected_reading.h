#pragma once

#include "core/app/job.h"

#include <optional>
#include <string>
#include <variant>

namespace vornik::batch {

// What a reader must find in a symbol of the job: the reader's name of the
// symbology and the text it reads, UTF-8, with the check characters the
// symbology adds and a UPC/EAN add-on after a space.
struct ExpectedReading {
    std::string format; // "Code39", "Code39FullAscii", "UPC-A", "DataBar", ...
    std::string text;
    bool pure = false;    // read only as a lone symbol (the stacked RSS-14 forms)
    bool partial = false; // a part of the symbol (a composite's 2D part) goes unread
    // Another text that is right too: RSS-14 with a composite component, read
    // by a reader that folds its linkage flag into the number as a leading 1.
    std::string alternative;
    bool operator==(const ExpectedReading&) const = default;
};

// Why a symbol cannot be read back.
struct NotVerifiable {
    std::string reason;
    bool operator==(const NotVerifiable&) const = default;
};

using Expectation = std::variant<ExpectedReading, NotVerifiable>;

// What the job's symbol must read as, computed by encoding its message as a
// build does. A message the encoder refuses gives NotVerifiable: the build
// fails on its own.
[[nodiscard]] Expectation expectedReading(const Job& job);

// ISO 8859-1 bytes as UTF-8, as readers give the text of byte-mode symbols.
[[nodiscard]] std::string latin1ToUtf8(std::string_view bytes);

} // namespace vornik::batch

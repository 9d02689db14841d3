#pragma once

#include "core/app/job.h"
#include "core/linear/encode_linear.h"
#include "core/linear/pattern_tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace vornik::linear {

enum class UpcEanVariant { UpcA, UpcE, UpcE1, Ean8, Ean13 };

struct UpcEanOptions {
    bool messageWarnings = true; // the length must be exact
    bool userCheckDigit = false; // the message may carry its own check digit
};

// MessageWarnings and DisableAutoCheck of the job.
[[nodiscard]] inline UpcEanOptions upcEanOptions(const Job& job) {
    return {job.MessageWarnings, job.DisableAutoCheck};
}

// The modulo 10 check digit: weight 3 on the rightmost digit, then 1 and 3
// alternately leftwards; check = (10 - sum mod 10) mod 10.
[[nodiscard]] int upcEanCheckDigit(std::string_view digits);

// The 11-digit UPC-A form of a 6-digit UPC-E message under number system
// `numberSystem` ('0' for UPC-E, '1' for UPC-E1).
[[nodiscard]] std::string expandUpcE(std::string_view message, char numberSystem);

// The parity of an add-on: by value mod 4 for 2 digits, by
// (3 x (a1 + a3 + a5) + 9 x (a2 + a4)) mod 10 for 5 digits.
[[nodiscard]] std::string_view addOnParity(std::string_view digits);

// UPC-A, UPC-E, UPC-E1, EAN-8 and EAN-13 (BookLand after its conversion, see
// bookland.h): the whole symbol with its 9-module gaps, and the add-on when
// `supplement` is not empty. The text is the digit groups printed under the
// symbol, the supplement the add-on digits, the check text the check digit.
[[nodiscard]] EncodeResult encodeUpcEan(const PatternTables& tables, UpcEanVariant variant,
                                        const std::string& message, const std::string& supplement,
                                        UpcEanOptions options);

} // namespace vornik::linear

#pragma once

#include "core/linear/pattern_tables.h"

#include <string_view>

namespace vornik::linear {

// The UPC/EAN guard and gap patterns.
inline constexpr std::string_view kUpcEanGap = "B";         // the 9-module lead and trail space
inline constexpr std::string_view kUpcEEndGuard = "131313"; // space, bar, space, bar, space, bar
inline constexpr std::string_view kAddOnStartGuard = "315"; // bar, space, 2-module bar
inline constexpr std::string_view kAddOnSeparator = "13";   // space, bar

// Set A at the digits' codes in PatternTable, the normal guard at 128 and the
// centre guard at 0; set C at the digits' codes in RightHandTable (re-created
// empty first); set B by digit value in EvenParityTable.
void fillUpcEanTables(PatternTables& tables);

// Parity patterns, one letter per digit: E selects set B, anything else set A.
[[nodiscard]] std::string_view ean13Parity(int leadingDigit);
[[nodiscard]] std::string_view upcEParity(int checkDigit);
[[nodiscard]] std::string_view upcE1Parity(int checkDigit);
[[nodiscard]] std::string_view twoDigitAddOnParity(int value);
[[nodiscard]] std::string_view fiveDigitAddOnParity(int checksum);

} // namespace vornik::linear

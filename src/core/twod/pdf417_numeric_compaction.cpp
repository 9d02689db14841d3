#include "core/twod/pdf417_numeric_compaction.h"

#include <algorithm>
#include <string>

namespace vornik::twod {

namespace {

constexpr std::size_t kGroupDigits = 44;

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Divides a decimal number (digit values, most significant first) by 900 in
// place, dropping leading zeros of the quotient; returns the remainder.
int divideBy900(std::vector<int>& decimal) {
    int remainder = 0;
    std::vector<int> quotient;
    for (const int digit : decimal) {
        const int dividend = remainder * 10 + digit;
        if (!quotient.empty() || dividend >= 900)
            quotient.push_back(dividend / 900);
        remainder = dividend % 900;
    }
    decimal = std::move(quotient);
    return remainder;
}

// "1" followed by the group's digits, in base 900, most significant first.
void appendGroup(Codewords& out, std::string_view group) {
    std::vector<int> decimal{1};
    for (const char c : group)
        decimal.push_back(c - '0');
    Codewords reversed;
    while (!decimal.empty())
        reversed.push_back(divideBy900(decimal));
    out.insert(out.end(), reversed.rbegin(), reversed.rend());
}

} // namespace

std::optional<Codewords> PdfNumericCompact(std::string_view digits, bool latch) {
    if (!allDigits(digits))
        return std::nullopt;
    Codewords out;
    if (latch)
        out.push_back(kLatchNumeric);
    for (std::size_t i = 0; i < digits.size(); i += kGroupDigits)
        appendGroup(out, digits.substr(i, kGroupDigits));
    return out;
}

} // namespace vornik::twod

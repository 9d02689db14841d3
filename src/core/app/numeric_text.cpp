#include "core/app/numeric_text.h"

#include <charconv>
#include <cstddef>
#include <system_error>

namespace vornik {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// What scanning a number at the start of a text found.
struct Scan {
    std::size_t end = 0;  // one past the last character of the number (0: no number)
    bool found = false;   // the text starts with a number of the grammar
    bool inRange = false; // its magnitude fits a double (underflow counts as 0, in range)
    double value = 0.0;
};

// Where the digits run that starts at `pos` ends.
std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// Whether an out-of-range number (without its sign, in `number`) is too small
// rather than too large: the power of ten of its first significant digit is
// negative. from_chars reports both the same way.
bool underflows(std::string_view number) {
    const std::size_t exponentPos = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentPos);
    const std::size_t pointPos = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, pointPos);
    const std::string_view fraction =
        pointPos == std::string_view::npos ? std::string_view{} : mantissa.substr(pointPos + 1);

    long long digitPower = 0; // power of ten of the first significant digit
    if (const std::size_t i = whole.find_first_not_of('0'); i != std::string_view::npos) {
        digitPower = static_cast<long long>(whole.size() - 1 - i);
    } else if (const std::size_t j = fraction.find_first_not_of('0'); j != std::string_view::npos) {
        digitPower = -static_cast<long long>(j) - 1;
    } else {
        return true; // zero: from_chars never calls it out of range
    }

    long long exponent = 0;
    if (exponentPos != std::string_view::npos) {
        std::size_t pos = exponentPos + 1;
        bool negative = false;
        if (number[pos] == '+' || number[pos] == '-') {
            negative = number[pos] == '-';
            ++pos;
        }
        constexpr long long cap = 1'000'000'000'000LL; // far beyond any double
        for (; pos < number.size() && exponent < cap; ++pos) {
            exponent = exponent * 10 + (number[pos] - '0');
        }
        if (negative) {
            exponent = -exponent;
        }
    }
    // Both terms are bounded (by the text length and the cap): no overflow.
    return digitPower + exponent < 0;
}

Scan scanNumber(std::string_view text, std::size_t pos) {
    Scan scan;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t numberStart = pos;
    std::size_t end = skipDigits(text, pos);
    bool hasDigits = end > pos;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits) {
        return scan; // no number: "", "abc", "-", ".", "-.e5"
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponentPos = end + 1;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            ++exponentPos;
        }
        const std::size_t exponentEnd = skipDigits(text, exponentPos);
        if (exponentEnd > exponentPos) {
            end = exponentEnd; // otherwise the number ends before the e
        }
    }
    scan.found = true;
    scan.end = end;

    // from_chars is locale-independent and takes no sign of its own; the span
    // holds exactly the grammar above, which it accepts in full.
    const std::string_view number = text.substr(numberStart, end - numberStart);
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (ec == std::errc{} && ptr == number.data() + number.size()) {
        scan.inRange = true;
        scan.value = negative ? -magnitude : magnitude;
    } else if (ec == std::errc::result_out_of_range && underflows(number)) {
        scan.inRange = true; // too small for a double: as good as zero
        scan.value = 0.0;
    }
    return scan;
}

} // namespace

double leadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    const Scan scan = scanNumber(text, pos);
    return scan.found && scan.inRange ? scan.value : 0.0;
}

std::optional<double> wholeNumber(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first])) {
        ++first;
    }
    while (last > first && isBlank(text[last - 1])) {
        --last;
    }
    const std::string_view trimmed = text.substr(first, last - first);
    const Scan scan = scanNumber(trimmed, 0);
    if (!scan.found || !scan.inRange || scan.end != trimmed.size()) {
        return std::nullopt;
    }
    return scan.value;
}

} // namespace vornik

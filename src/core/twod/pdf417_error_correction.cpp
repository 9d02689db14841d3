// Reed-Solomon error correction over the integers modulo 929.

#include "core/twod/pdf417_error_correction.h"

#include <array>

namespace vornik::twod {

namespace {

constexpr int kModulus = 929;
constexpr int kLevels = kHighestSecurityLevel + 1;
constexpr int kMostCodewords = errorCodewordCount(kHighestSecurityLevel);

using Coefficients = std::array<int, kMostCodewords>;

// The error correction coefficient table of ISO/IEC 15438: the generator
// polynomial (x - 3)(x - 3^2)...(x - 3^k) of k codewords, without its leading 1.
constexpr Coefficients generator(int k) {
    std::array<int, kMostCodewords + 1> poly{};
    poly[0] = 1;
    int root = 1;
    for (int degree = 1; degree <= k; ++degree) {
        root = root * 3 % kModulus;
        for (int j = degree; j >= 0; --j) {
            const int shifted = j > 0 ? poly[j - 1] : 0;
            poly[j] = (shifted + kModulus - root * poly[j] % kModulus) % kModulus;
        }
    }
    Coefficients coefficients{};
    for (int j = 0; j < k; ++j)
        coefficients[j] = poly[j];
    return coefficients;
}

constexpr std::array<Coefficients, kLevels> makeTable() {
    std::array<Coefficients, kLevels> table{};
    for (int level = 0; level < kLevels; ++level)
        table[level] = generator(errorCodewordCount(level));
    return table;
}

constexpr std::array<Coefficients, kLevels> kCoefficients = makeTable();
static_assert(kCoefficients[0][0] == 27 && kCoefficients[0][1] == 917);
static_assert(kCoefficients[1][3] == 809 && kCoefficients[8][5] == 599);

// The largest error correction overhead (in codewords) of levels 1 to 7 under
// automatic security.
constexpr std::array<double, 7> kOverheadLimits = {2, 8, 16, 32, 64, 128, 256};

} // namespace

int PdfChooseLevel(int dataPlusOne, std::int32_t securityLevel, std::int32_t overheadPercent) {
    if (securityLevel >= 0 && securityLevel <= kHighestSecurityLevel)
        return securityLevel;
    const double x = dataPlusOne / 100.0 * overheadPercent;
    if (x <= 0)
        return 0;
    int level = 1;
    for (const double limit : kOverheadLimits) {
        if (x <= limit)
            return level;
        ++level;
    }
    return kHighestSecurityLevel;
}

std::span<const int> rsCoefficients(int level) {
    return std::span<const int>(kCoefficients.at(static_cast<std::size_t>(level)))
        .first(static_cast<std::size_t>(errorCodewordCount(level)));
}

Codewords PdfReedSolomon(std::span<const int> data, int level) {
    const std::span<const int> a = rsCoefficients(level);
    const std::size_t k = a.size();
    Codewords e(k, 0);
    for (const int d : data) {
        const int t = (d + e[k - 1]) % kModulus;
        for (std::size_t j = k - 1; j >= 1; --j)
            e[j] = (e[j - 1] + kModulus - a[j] * t % kModulus) % kModulus;
        e[0] = (kModulus - a[0] * t % kModulus) % kModulus;
    }
    Codewords out;
    for (auto value = e.rbegin(); value != e.rend(); ++value)
        out.push_back(*value == 0 ? 0 : kModulus - *value);
    return out;
}

} // namespace vornik::twod

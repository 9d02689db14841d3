#include "core/twod/pdf417_layout.h"

#include "core/app/rounding.h"
#include "core/twod/pdf417_error_correction.h"

#include <algorithm>
#include <cmath>

namespace vornik::twod {

namespace {

constexpr int kModulesPerColumn = 17;

// The limits as a command or file may set them, held to what a symbol can
// have; a limit too small is left for the layout rule to report.
int rowLimit(const LayoutSettings& settings) {
    return std::min<int>(settings.maxRows, kMostRows);
}
int columnLimit(const LayoutSettings& settings) {
    return std::min<int>(settings.maxColumns, kMostColumns);
}

double ratioOf(int R, int C, const LayoutSettings& settings) {
    const int overhead = settings.truncated ? 2 : 4;
    return static_cast<double>(R) * settings.H /
           (((overhead + C) * kModulesPerColumn + 1) * static_cast<double>(settings.W));
}

// For every row count the fewest columns that hold the codewords; the
// ratio nearest the wanted one wins, the first found (fewer rows) on a tie.
LayoutOutcome byAspectRatio(int N, const LayoutSettings& settings) {
    LayoutOutcome outcome;
    double bestDifference = 100000;
    for (int R = kFewestRows; R <= rowLimit(settings); ++R) {
        for (int C = 1; C <= columnLimit(settings); ++C) {
            if ((R - 1) * C >= N || R * C > kMostCodewords)
                break;
            if (R * C < N)
                continue;
            const double ratio = ratioOf(R, C, settings);
            outcome.layout.candidates.push_back(ratio);
            const double difference = std::abs(ratio - settings.aspectRatio);
            if (bestDifference > difference) {
                bestDifference = difference;
                outcome.layout.rows = R;
                outcome.layout.columns = C;
            }
            break;
        }
    }
    if (outcome.layout.rows == 0)
        outcome.error = kErrorNoLayout;
    return outcome;
}

LayoutOutcome byFixedRows(int N, const LayoutSettings& settings) {
    int R = rowLimit(settings);
    if (R < kFewestRows) // no symbol has fewer rows
        return {{}, kErrorTooManyColumns};
    int C = N / R;
    if (static_cast<double>(N) / R > 1) {
        if (R * C < N)
            ++C;
        if (R * C > N) {
            R = N / C;
            if (R * C < N)
                ++R;
        }
    } else {
        C = 1;
        R = N;
    }
    if (C > kMostColumns)
        return {{}, kErrorTooManyColumns};
    return {{R, C, {}}, std::nullopt};
}

LayoutOutcome byFixedColumns(int N, const LayoutSettings& settings) {
    int C = columnLimit(settings);
    if (C < 1)
        return {{}, kErrorTooManyRows};
    int R = nearest(static_cast<double>(N) / C);
    if (static_cast<double>(N) / C <= kFewestRows) {
        R = kFewestRows;
        C = nearest(N / 3.0);
        if (3 * C < N)
            ++C;
    } else {
        if (R * C < N)
            ++R;
        if (R * C > N) {
            C = N / R;
            if (R * C < N)
                ++C;
        }
    }
    if (R > kMostRows)
        return {{}, kErrorTooManyRows};
    return {{R, C, {}}, std::nullopt};
}

} // namespace

LayoutOutcome PdfChooseLayout(int needed, const LayoutSettings& settings) {
    const auto rule = static_cast<PdfLayoutRule>(settings.rule);
    if (rule != PdfLayoutRule::FixedRows && rule != PdfLayoutRule::FixedColumns)
        return byAspectRatio(needed, settings);
    LayoutOutcome outcome = rule == PdfLayoutRule::FixedRows ? byFixedRows(needed, settings)
                                                             : byFixedColumns(needed, settings);
    // A symbol holds at most 928 codewords, padding included.
    if (!outcome.error && outcome.layout.rows * outcome.layout.columns > kMostCodewords)
        outcome.error = kErrorTooManyCodewords;
    return outcome;
}

Codewords PdfCodewordArray(const Codewords& data, int rows, int columns, int level) {
    const int k = errorCodewordCount(level);
    const int dataCount = static_cast<int>(data.size());
    const int pads = rows * columns - (dataCount + 1 + k);
    Codewords array{dataCount + pads + 1};
    append(array, data);
    array.insert(array.end(), static_cast<std::size_t>(std::max(pads, 0)), kPadCodeword);
    append(array, PdfReedSolomon(array, level));
    return array;
}

RowIndicators PdfRowIndicators(int rows, int columns, int level) {
    RowIndicators indicators;
    const int rowPart = (rows - 1) / 3;
    const int levelPart = 3 * level + (rows - 1) % 3;
    const int columnPart = columns - 1;
    for (int i = 0; i < rows; ++i) {
        const int base = 30 * (i / 3);
        switch (i % 3) {
        case 0:
            indicators.left.push_back(base + rowPart);
            indicators.right.push_back(base + columnPart);
            break;
        case 1:
            indicators.left.push_back(base + levelPart);
            indicators.right.push_back(base + rowPart);
            break;
        default:
            indicators.left.push_back(base + columnPart);
            indicators.right.push_back(base + levelPart);
            break;
        }
    }
    return indicators;
}

} // namespace vornik::twod

#pragma once

#include "core/app/job.h"
#include "core/render/metafile.h"
#include "core/render/oriented_canvas.h"
#include "core/twod/module_matrix.h"

#include <cstdint>
#include <optional>

namespace vornik::twod {

// The bar width adjustment step of a BarWidthAdjust value: bits 0 to 3 are
// 5 % steps of a reduction, negated when bit 5 asks for a gain.
[[nodiscard]] int signedWidthStep(std::int32_t barWidthAdjust);

// The sizes of a matrix symbol's picture in 0.01 mm. A reduction shrinks the
// picture by the amount every module edge gives up (d); a gain grows it.
struct MatrixGeometry {
    int M = 0;     // module side
    int quiet = 0; // quiet zone around the matrix: 2M or 0
    int d = 0;     // edge shift of the width adjustment, negative for a gain
    int Ch = 0;    // comment line height, 0 without a comment
    int Ws = 0;
    int Hs = 0;
};

using render::kLargestPictureSide;

// `widthPercent` is the adjustment in percent of M: positive for a reduction,
// negative for a gain, at most 100 either way. M and Ch must not be negative.
// nullopt when a side of the picture would be longer than the largest
// picture side; the sizes are added up in 64 bits, so any M and Ch are safe.
[[nodiscard]] std::optional<MatrixGeometry>
matrixGeometry(const ModuleMatrix& matrix, int M, bool quietZones, int widthPercent, int Ch);

// Draws the dark modules, then the comment line (the job's Comment, font,
// colours, alignment and orientation), into a finished picture whose window
// extent is (Ws, -Hs), exchanged when rotated.
[[nodiscard]] render::Metafile drawMatrixSymbol(const Job& job, const ModuleMatrix& matrix,
                                                const MatrixGeometry& geometry);

} // namespace vornik::twod

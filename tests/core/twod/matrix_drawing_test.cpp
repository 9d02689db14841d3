#include "core/twod/matrix_drawing.h"

#include <gtest/gtest.h>
#include <vector>

namespace vornik::twod {
namespace {

std::vector<render::op::Rectangle> rectanglesOf(const render::Metafile& metafile) {
    std::vector<render::op::Rectangle> rectangles;
    for (const render::MetaOp& op : metafile.ops)
        if (const auto* rectangle = std::get_if<render::op::Rectangle>(&op))
            rectangles.push_back(*rectangle);
    return rectangles;
}

struct EdgeCase {
    const char* name;
    int barWidthAdjust;
    std::vector<render::op::Rectangle> modules;
};

// The matrix   X X   with modules of 10 and a 20 % step (2 units).
//              X .
const EdgeCase kEdgeCases[] = {
    {"Plain", 0, {{0, 0, 10, -10}, {10, 0, 20, -10}, {0, -10, 10, -20}}},
    // The first module's right edge gives way where the run turns down, and
    // its right neighbour reaches back over the gap.
    {"Reduced", 4, {{0, 0, 8, -10}, {8, 0, 18, -8}, {0, -10, 8, -18}}},
    {"Gain", 4 | kBarWidthGainBit, {{0, 0, 12, -12}, {10, 0, 22, -12}, {0, -10, 12, -22}}},
};

TEST(MatrixDrawingTest, ModuleEdges) {
    ModuleMatrix matrix(2, 2);
    matrix.set(1, 1, true);
    matrix.set(1, 2, true);
    matrix.set(2, 1, true);
    for (const EdgeCase& row : kEdgeCases) {
        SCOPED_TRACE(row.name);
        Job job;
        job.Transparent = true;
        const MatrixGeometry geometry =
            matrixGeometry(matrix, 10, false, 5 * signedWidthStep(row.barWidthAdjust), 0);
        EXPECT_EQ(geometry.Ws, 20 - geometry.d);
        EXPECT_EQ(rectanglesOf(drawMatrixSymbol(job, matrix, geometry)), row.modules);
    }
}

} // namespace
} // namespace vornik::twod

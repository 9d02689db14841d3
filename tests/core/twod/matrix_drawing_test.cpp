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
        const auto geometry =
            matrixGeometry(matrix, 10, false, 5 * signedWidthStep(row.barWidthAdjust), 0);
        ASSERT_TRUE(geometry);
        EXPECT_EQ(geometry->Ws, 20 - geometry->d);
        EXPECT_EQ(rectanglesOf(drawMatrixSymbol(job, matrix, *geometry)), row.modules);
    }
}

struct SizeCase {
    const char* name;
    int rows, columns, M;
    bool quietZones;
    int widthPercent, Ch;
    int Ws, Hs; // 0: too large for a picture
};

// A picture side is M per module, 2M for each quiet zone, the comment line
// across, less the edge shift of the width adjustment.
const SizeCase kSizeCases[] = {
    {"OneModuleAtTheLimit", 1, 1, 32767, false, 0, 0, 32767, 32767},
    {"OneModulePastTheLimit", 1, 1, 32768, false, 0, 0, 0, 0},
    {"QuietZonesAtTheLimit", 1, 1, 6553, true, 0, 0, 32765, 32765},
    {"QuietZonesPastTheLimit", 1, 1, 6554, true, 0, 0, 0, 0},
    {"ReductionBringsItIn", 1, 1, 32768, false, 5, 0, 32768 - 1638, 32768 - 1638},
    {"GainTakesItOut", 1, 1, 32767, false, -5, 0, 0, 0},
    {"CommentAtTheLimit", 2, 3, 100, false, 0, 32567, 300, 32767},
    {"CommentPastTheLimit", 2, 3, 100, false, 0, 32568, 0, 0},
    {"LargestModule", 22, 22, INT32_MAX, true, 75, 0, 0, 0},
    {"LargestModuleGain", 22, 22, INT32_MAX, true, -75, INT32_MAX, 0, 0},
    {"LargestComment", 22, 22, 10, true, 0, INT32_MAX, 0, 0},
};

TEST(MatrixDrawingTest, PictureSides) {
    for (const SizeCase& row : kSizeCases) {
        SCOPED_TRACE(row.name);
        const ModuleMatrix matrix(row.rows, row.columns);
        const auto geometry =
            matrixGeometry(matrix, row.M, row.quietZones, row.widthPercent, row.Ch);
        ASSERT_EQ(geometry.has_value(), row.Ws != 0);
        if (geometry) {
            EXPECT_EQ(std::pair(geometry->Ws, geometry->Hs), std::pair(row.Ws, row.Hs));
        }
    }
}

} // namespace
} // namespace vornik::twod

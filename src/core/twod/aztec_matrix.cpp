#include "core/twod/aztec_matrix.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vornik::twod {

namespace {

constexpr int kGridSpacing = 16;

// Rows and columns count from 0 here.
class Canvas {
public:
    explicit Canvas(int side) : matrix_(side, side) {}
    void set(int row, int column, bool dark) { matrix_.set(row + 1, column + 1, dark); }
    [[nodiscard]] int side() const { return matrix_.rows(); }
    [[nodiscard]] int centre() const { return side() / 2; }
    ModuleMatrix take() { return std::move(matrix_); }

private:
    ModuleMatrix matrix_;
};

// Full-range symbols: lines through the centre and every 16 modules out,
// dark on the modules an even distance from the centre.
void drawReferenceGrid(Canvas& canvas) {
    const int c = canvas.centre();
    for (int line = c % kGridSpacing; line < canvas.side(); line += kGridSpacing)
        for (int k = 0; k < canvas.side(); ++k) {
            const bool dark = (k - c) % 2 == 0;
            canvas.set(line, k, dark);
            canvas.set(k, line, dark);
        }
}

// Squares round the centre, dark at even distances, to `radius`.
void drawBullsEye(Canvas& canvas, int radius) {
    const int c = canvas.centre();
    for (int r = -radius; r <= radius; ++r)
        for (int k = -radius; k <= radius; ++k)
            canvas.set(c + r, c + k, std::max(std::abs(r), std::abs(k)) % 2 == 0);
}

// Three dark modules at the top left corner of the mode message ring, two at
// the top right and one at the bottom right: they tell a reader which way up
// the symbol is.
void drawOrientationMarks(Canvas& canvas, int ring) {
    const int c = canvas.centre();
    const int top = c - ring;
    const int bottom = c + ring;
    for (const auto& [row, column] : {std::pair{top, top},
                                      {top, top + 1},
                                      {top + 1, top},
                                      {top, bottom},
                                      {top + 1, bottom},
                                      {bottom - 1, bottom}})
        canvas.set(row, column, true);
}

// The mode message clockwise round its ring from the top left, each side
// along the middle of the ring (skipping the grid line of a full-range one).
void drawModeMessage(Canvas& canvas, bool compact, const AztecBits& bits) {
    const int c = canvas.centre();
    const int ring = compact ? 5 : 7;
    const int perSide = compact ? 7 : 10;
    for (int i = 0; i < perSide; ++i) {
        const int along = compact ? c - 3 + i : c - 5 + i + i / 5;
        const int back = compact ? c + 3 - i : c + 5 - i - i / 5;
        canvas.set(c - ring, along, bits.at(i));
        canvas.set(along, c + ring, bits.at(perSide + i));
        canvas.set(c + ring, back, bits.at(2 * perSide + i));
        canvas.set(back, c - ring, bits.at(3 * perSide + i));
    }
}

// The rows (and columns) that carry data, outermost first; in a full-range
// symbol every one that is not a reference grid line.
std::vector<int> dataLines(const Canvas& canvas, bool compact) {
    std::vector<int> lines;
    for (int k = 0; k < canvas.side(); ++k)
        if (compact || (k - canvas.centre()) % kGridSpacing != 0)
            lines.push_back(k);
    return lines;
}

void drawLayers(Canvas& canvas, AztecSymbolSize size, const AztecBits& bits) {
    const std::vector<int> at = dataLines(canvas, size.compact);
    const int last = static_cast<int>(at.size()) - 1;
    int next = 0;
    for (int layer = 0; layer < size.layers; ++layer) {
        const int low = 2 * layer;
        const int high = last - low;
        const int run = (size.layers - layer) * 4 + (size.compact ? 9 : 12);
        const auto put = [&](int side, int j, int k, int row, int column) {
            canvas.set(at[static_cast<std::size_t>(row)], at[static_cast<std::size_t>(column)],
                       bits.at(next + side * 2 * run + 2 * j + k));
        };
        for (int j = 0; j < run; ++j)
            for (int k = 0; k < 2; ++k) {
                put(0, j, k, low + j, low + k);   // left side, downwards
                put(1, j, k, high - k, low + j);  // bottom, rightwards
                put(2, j, k, high - j, high - k); // right side, upwards
                put(3, j, k, low + k, high - j);  // top, leftwards
            }
        next += 8 * run;
    }
}

} // namespace

ModuleMatrix aztecMatrix(AztecSymbolSize size, const AztecBits& modeMessage,
                         const AztecBits& layerBits) {
    Canvas canvas(aztecSide(size));
    if (!size.compact)
        drawReferenceGrid(canvas);
    drawBullsEye(canvas, size.compact ? 4 : 6);
    drawOrientationMarks(canvas, size.compact ? 5 : 7);
    drawModeMessage(canvas, size.compact, modeMessage);
    drawLayers(canvas, size, layerBits);
    return canvas.take();
}

} // namespace vornik::twod

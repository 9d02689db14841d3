// Matrix symbols (Data Matrix, Aztec Code) drawn module by module, with the
// neighbour rules that keep a reduced symbol's touching modules joined.

#include "core/twod/matrix_drawing.h"

#include "core/app/rounding.h"
#include "core/render/linear_drawing.h"
#include "core/render/linear_layout.h"
#include "core/render/oriented_canvas.h"
#include "core/render/symbol_picture.h"

namespace vornik::twod {

namespace {

// One dark module at row r, column c (from 1), its edges moved by the width
// adjustment. A reduction takes d from the right edge where the module meets
// light on the right, and from the bottom where it meets light below. Where
// a dark run continues both rightward and downward, the right edge gives up d
// too and the module to its right reaches back by d, so that the corner the
// two share stays closed. A gain widens every module rightward and downward.
void drawModule(render::OrientedCanvas& canvas, const ModuleMatrix& matrix, const MatrixGeometry& g,
                int r, int c, int top) {
    int x1 = g.quiet + (c - 1) * g.M;
    int x2 = x1 + g.M;
    int y1 = -(top + (r - 1) * g.M);
    int y2 = y1 - g.M;
    if (g.d > 0) {
        const bool right = matrix.dark(r, c + 1);
        const bool below = matrix.dark(r + 1, c);
        if (!right || below)
            x2 -= g.d;
        if (matrix.dark(r, c - 1) && matrix.dark(r + 1, c - 1))
            x1 -= g.d;
        if (!below)
            y2 += g.d;
    } else if (g.d < 0) {
        x2 -= g.d;
        y2 += g.d;
    }
    canvas.rectangle(x1, y1, x2, y2);
}

void drawComment(render::OrientedCanvas& canvas, render::SymbolPicture& picture, const Job& job,
                 const MatrixGeometry& g) {
    render::MetafileRecorder& recorder = picture.recorder();
    recorder.setTextColor(job.FontColor);
    const std::uint16_t font = recorder.createFont(render::textLineFont(job, g.Ch, 0));
    picture.own(font);
    recorder.selectObject(font);
    render::LinearLayout layout;
    layout.X = g.M;
    layout.Q = g.quiet > 0 ? 2 : 0;
    layout.W = g.Ws;
    layout.H = g.Hs;
    layout.Ch = g.Ch;
    layout.Cn = static_cast<int>(job.Comment.size());
    render::drawComment(canvas, job, layout);
}

} // namespace

int signedWidthStep(std::int32_t barWidthAdjust) {
    const int step = barWidthAdjust & kBarWidthStepMask;
    return (barWidthAdjust & kBarWidthGainBit) != 0 ? -step : step;
}

std::optional<MatrixGeometry> matrixGeometry(const ModuleMatrix& matrix, int M, bool quietZones,
                                             int widthPercent, int Ch) {
    const long long quiet = quietZones ? 2LL * M : 0;
    const long long d = nearest(static_cast<double>(M) * widthPercent / 100);
    const long long Ws = static_cast<long long>(M) * matrix.columns() + 2 * quiet - d;
    const long long Hs = static_cast<long long>(M) * matrix.rows() + Ch + 2 * quiet - d;
    // Every coordinate of the drawing lies within the picture, give or take
    // an edge shift smaller than M.
    if (Ws > kLargestPictureSide || Hs > kLargestPictureSide)
        return std::nullopt;
    return MatrixGeometry{.M = M,
                          .quiet = static_cast<int>(quiet),
                          .d = static_cast<int>(d),
                          .Ch = Ch,
                          .Ws = static_cast<int>(Ws),
                          .Hs = static_cast<int>(Hs)};
}

render::Metafile drawMatrixSymbol(const Job& job, const ModuleMatrix& matrix,
                                  const MatrixGeometry& g) {
    const bool rotated = job.Orientation != Orientation::Horizontal;
    const int Ws = g.Ws;
    const int Hs = g.Hs;
    render::SymbolPicture picture(job, rotated ? Hs : Ws, rotated ? Ws : Hs);
    render::MetafileRecorder& recorder = picture.recorder();
    render::OrientedCanvas canvas(recorder, job.Orientation, Ws, Hs);
    // The matrix sits below the quiet zone, and below the comment when that
    // is placed above.
    const int top = g.quiet + (job.CommentAbove ? g.Ch : 0);
    for (int r = 1; r <= matrix.rows(); ++r)
        for (int c = 1; c <= matrix.columns(); ++c)
            if (matrix.dark(r, c))
                drawModule(canvas, matrix, g, r, c, top);
    if (g.Ch > 0)
        drawComment(canvas, picture, job, g);
    return picture.finish();
}

} // namespace vornik::twod

#include "core/twod/pdf417_renderer.h"

#include "core/app/application.h"
#include "core/app/rounding.h"
#include "core/render/linear_drawing.h"
#include "core/render/measurements_panel.h"
#include "core/render/oriented_canvas.h"
#include "core/render/publish.h"
#include "core/render/symbol_picture.h"

#include <numeric>

namespace vornik::twod {

namespace {

constexpr std::string_view kStartPattern = "81111113";
constexpr std::string_view kStopPattern = "711311121";
constexpr std::string_view kTruncatedEnd = "1";

// The sizes of the picture, in 0.01 mm.
struct PdfGeometry {
    int quiet = 0;  // quiet zone at each side
    int Ws = 0;     // picture width
    int Ch = 0;     // comment line
    int Hs = 0;     // picture height
    int barTop = 0; // where row 0 starts, down from the top
};

long long moduleCount(const std::string& pattern) {
    return std::accumulate(pattern.begin(), pattern.end(), 0LL,
                           [](long long sum, char d) { return sum + (d - '0'); });
}

std::optional<PdfGeometry> geometryOf(const Job& job, const PdfSymbol& symbol,
                                      const std::string& firstRow) {
    PdfGeometry g;
    const long long quiet = job.QuietZones ? 2LL * symbol.W : 0;
    const long long width = moduleCount(firstRow) * symbol.W + 2 * quiet;
    const long long Ch = job.Comment.empty() ? 0 : nearest(job.FontSize * 35.15);
    const long long height = static_cast<long long>(symbol.rows) * symbol.H + Ch;
    if (width > render::kLargestPictureSide || height > render::kLargestPictureSide)
        return std::nullopt;
    g.quiet = static_cast<int>(quiet);
    g.Ws = static_cast<int>(width);
    g.Ch = static_cast<int>(Ch);
    g.Hs = static_cast<int>(height);
    g.barTop = job.CommentAbove ? g.Ch : 0;
    return g;
}

// Each bar's right edge moves by 5 % of the module width per step: left for a
// reduction, right for a gain.
int barEdge(const Job& job, int x, int W) {
    int step = job.BarWidthAdjust & kBarWidthStepMask;
    if (step == 0)
        return x;
    if ((job.BarWidthAdjust & kBarWidthGainBit) != 0)
        step = -step;
    return nearest(x - step * 5 / 100.0 * W);
}

void drawRow(render::OrientedCanvas& canvas, const Job& job, const std::string& pattern, int top,
             int left, int W, int H) {
    int position = 0;
    bool bar = true;
    for (const char d : pattern) {
        const int width = (d - '0') * W;
        if (bar) {
            const int x = left + position;
            canvas.rectangle(x, -top, barEdge(job, x + width, W), -top - H);
        }
        position += width;
        bar = !bar;
    }
}

void drawComment(render::OrientedCanvas& canvas, render::SymbolPicture& picture, const Job& job,
                 const PdfGeometry& g, int W) {
    render::MetafileRecorder& recorder = canvas.recorder();
    const auto font = recorder.createFont(render::textLineFont(job, g.Ch, 0));
    picture.own(font);
    recorder.selectObject(font);
    recorder.setTextColor(job.FontColor);
    render::LinearLayout layout;
    layout.Q = job.QuietZones ? 2 : 0;
    layout.X = W;
    layout.W = g.Ws;
    layout.H = g.Hs;
    layout.Ch = g.Ch;
    layout.Cn = static_cast<int>(job.Comment.size());
    render::drawComment(canvas, job, layout);
}

render::Metafile drawPicture(const Job& job, const PdfSymbol& symbol,
                             const std::vector<std::string>& rows, const PdfGeometry& g,
                             int xExtent, int yExtent) {
    render::SymbolPicture picture(job, xExtent, yExtent);
    render::OrientedCanvas canvas(picture.recorder(), job.Orientation, g.Ws, g.Hs);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = g.barTop + static_cast<int>(i) * symbol.H;
        drawRow(canvas, job, rows[i], top, g.quiet, symbol.W, symbol.H);
    }
    if (g.Ch > 0)
        drawComment(canvas, picture, job, g, symbol.W);
    return picture.finish();
}

std::string patternOf(const ClusterTable& patterns, int cluster, int codeword) {
    return std::to_string(patterns.pattern(cluster, codeword));
}

} // namespace

std::vector<std::string> PdfRowPatterns(const PdfSymbol& symbol, const ClusterTable& patterns,
                                        bool truncated) {
    std::vector<std::string> rows;
    for (int i = 0; i < symbol.rows; ++i) {
        const int cluster = i % kClusterCount;
        std::string row(kStartPattern);
        row += patternOf(patterns, cluster, symbol.indicators.left[static_cast<std::size_t>(i)]);
        for (int j = 0; j < symbol.columns; ++j)
            row += patternOf(patterns, cluster,
                             symbol.codewords[static_cast<std::size_t>(i * symbol.columns + j)]);
        if (truncated) {
            row += kTruncatedEnd;
        } else {
            row +=
                patternOf(patterns, cluster, symbol.indicators.right[static_cast<std::size_t>(i)]);
            row += kStopPattern;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

BuildOutcome PdfDrawSymbol(Application& app, const PdfSymbol& symbol,
                           const ClusterTable& patterns) {
    const Job& job = app.job();
    const auto rows = PdfRowPatterns(symbol, patterns, job.PdfTruncated != 0);
    const auto geometry = geometryOf(job, symbol, rows.front());
    if (!geometry) {
        app.ReportMessageError(kErrorSymbolTooLarge);
        return BuildOutcome::Rejected;
    }
    const bool rotated = job.Orientation != Orientation::Horizontal;
    const int xExtent = rotated ? geometry->Hs : geometry->Ws;
    const int yExtent = rotated ? geometry->Ws : geometry->Hs;
    render::publishPicture(app, drawPicture(job, symbol, rows, *geometry, xExtent, yExtent),
                           xExtent, yExtent);
    RunState& state = app.state();
    state.BarPatternSaveEnabled = false; // two-dimensional symbols have no bar pattern file
    state.SymbolWidth = geometry->Ws;
    state.SymbolHeight = geometry->Hs;
    app.panel().setTotalLength(render::formatSymbolLength(geometry->Ws, job.Units));
    app.panel().setCheckValue(render::formatSymbolLength(geometry->Hs, job.Units));
    state.SymbolBuilt = true;
    return BuildOutcome::Built;
}

} // namespace vornik::twod

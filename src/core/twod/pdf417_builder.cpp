#include "core/twod/pdf417_builder.h"

#include "core/app/application.h"
#include "core/app/error_reporter.h"
#include "core/app/number_format.h"
#include "core/app/rounding.h"
#include "core/render/oriented_canvas.h"
#include "core/twod/pdf417_error_correction.h"
#include "core/twod/pdf417_high_level.h"
#include "core/twod/pdf417_layout.h"
#include "core/twod/pdf417_load_tables.h"
#include "core/twod/pdf417_renderer.h"

#include <optional>

namespace vornik::twod {

namespace {

// The checks before encoding; a length or ratio that is not above zero is
// refused as missing (a negative size would draw nothing readable).
std::optional<int> settingError(const Job& job, const std::string& message) {
    if (message.empty())
        return kErrorEmptyPdfMessage;
    if (message.size() > kLongestPdfMessage)
        return kErrorMessageTooLarge;
    if (!(job.PdfAspectRatio > 0))
        return kErrorAspectRatio;
    if (!(job.PdfModuleWidth > 0))
        return kErrorModuleWidth;
    if (!(job.PdfModuleHeight > 0))
        return kErrorModuleHeight;
    return std::nullopt;
}

// Module sizes in whole drawing units: the setting plus a half, rounded.
int moduleUnits(float size) {
    return nearest(static_cast<double>(size) + 0.5);
}

LayoutSettings layoutSettings(const Job& job, int W, int H) {
    return {.rule = job.PdfLayoutFlag,
            .maxRows = job.PdfMaxRows,
            .maxColumns = job.PdfMaxColumns,
            .aspectRatio = job.PdfAspectRatio,
            .truncated = job.PdfTruncated != 0,
            .W = W,
            .H = H};
}

// The aspect ratio search shows its candidates in the Magnify box's list.
void listCandidates(Application& app, const Layout& layout) {
    std::vector<std::string> items;
    for (const double ratio : layout.candidates)
        items.push_back(formatNumber(ratio, "#0.000"));
    app.boxes().setMagnifyList(std::move(items));
    app.boxes().editMagnify(formatNumber(app.job().PdfAspectRatio, "#0.000"), BoxEdit::Display);
}

// Every codeword, each followed by a comma, into the supplement box.
void listCodewords(Job& job, const Codewords& codewords) {
    std::string listing;
    for (const int codeword : codewords)
        listing += std::to_string(codeword) + ",";
    job.Supplement = std::move(listing);
}

BuildOutcome reject(Application& app, int code) {
    app.ReportMessageError(code);
    return BuildOutcome::Rejected;
}

} // namespace

BuildOutcome PdfBuildSymbol(Application& app, const std::string& message) {
    Job& job = app.job();
    app.panel().setCheckValue("");
    if (const auto code = settingError(job, message))
        return reject(app, *code);
    if (!app.pdfTables().patterns && !PdfLoadTables(app))
        return BuildOutcome::Rejected; // the user gave up at the pattern file prompt
    const auto data = PdfEncodeMessage(message, job);
    if (!data)
        return reject(app, kErrorInvalidCharacters);

    PdfSymbol symbol;
    const int D = static_cast<int>(data->size());
    symbol.level = PdfChooseLevel(D + 1, job.PdfSecurityLevel, job.PdfOverheadPercent);
    const int N = D + 1 + errorCodewordCount(symbol.level);
    if (N > kMostCodewords)
        return reject(app, kErrorTooManyCodewords);
    symbol.W = moduleUnits(job.PdfModuleWidth);
    symbol.H = moduleUnits(job.PdfModuleHeight);
    // A module longer than a whole picture's side leaves nothing to lay out.
    if (symbol.W > render::kLargestPictureSide || symbol.H > render::kLargestPictureSide)
        return reject(app, kErrorSymbolTooLarge);

    const LayoutOutcome layout = PdfChooseLayout(N, layoutSettings(job, symbol.W, symbol.H));
    if (static_cast<PdfLayoutRule>(job.PdfLayoutFlag) != PdfLayoutRule::FixedRows &&
        static_cast<PdfLayoutRule>(job.PdfLayoutFlag) != PdfLayoutRule::FixedColumns)
        listCandidates(app, layout.layout);
    if (layout.error)
        return reject(app, *layout.error);
    symbol.rows = layout.layout.rows;
    symbol.columns = layout.layout.columns;
    symbol.codewords = PdfCodewordArray(*data, symbol.rows, symbol.columns, symbol.level);
    symbol.indicators = PdfRowIndicators(symbol.rows, symbol.columns, symbol.level);
    if (job.PdfShowCodewords != 0)
        listCodewords(job, symbol.codewords);
    return PdfDrawSymbol(app, symbol, *app.pdfTables().patterns);
}

} // namespace vornik::twod

#include "core/render/linear_renderer.h"

#include "core/app/application.h"
#include "core/app/error_reporter.h"
#include "core/app/program_texts.h"
#include "core/app/rounding.h"
#include "core/linear/encode_linear.h"
#include "core/render/element_widths.h"
#include "core/render/linear_drawing.h"
#include "core/render/measurements_panel.h"
#include "core/render/publish.h"
#include "core/render/symbol_picture.h"

#include <optional>
#include <vector>

namespace vornik::render {

namespace {

constexpr int kLongestMessage = 100;
constexpr float kWidthLimit = 32764.0f;
constexpr int kHeightLimit = 32767;
constexpr int kPostalPitch = 120;
constexpr int kPostnetHeight = 317;
constexpr int kFourStateHeight = 507;

// The checks of the inputs; the first broken one is reported. The comment is
// held to the same length as the message: it is drawn as one line.
std::optional<std::int32_t> inputError(const std::string& message, const std::string& comment,
                                       int h, int X) {
    if (message.empty())
        return kErrorEmptyMessage;
    if (message.size() > kLongestMessage || comment.size() > kLongestMessage)
        return kErrorMessageTooLarge;
    if (h <= 0)
        return kErrorBarHeight;
    if (X <= 0)
        return kErrorNarrowBarWidth;
    return std::nullopt;
}

double ratioOf(const Job& job) {
    return 2.0 + job.Ratio / 10.0;
}

// Quiet zones of 10 modules, 12 inside a bearer frame.
int quietZoneModules(const Job& job) {
    if (!drawsTextLines(job.Symbology) || !job.QuietZones)
        return 0;
    const int s = static_cast<int>(job.Symbology);
    const bool framed = job.BearerBars && (s == 1 || s == 2 || (s >= 9 && s <= 22));
    return framed ? 12 : 10;
}

// Where the UPC/EAN digits of the main symbol and of the add-on are centred.
void textCentres(const Job& job, LinearLayout& layout) {
    const double k = static_cast<double>(layout.supplement.size());
    const double Q = layout.Q;
    const double X = layout.X;
    const Symbology s = job.Symbology;
    if (s == Symbology::UpcA || s == Symbology::Ean13 || s == Symbology::BookLand) {
        layout.Cm = (Q + 56.5) * X;
        layout.Ca = (4.5 * k + Q + 115) * X;
    } else if (s == Symbology::Ean8) {
        layout.Cm = (Q + 42.5) * X;
        layout.Ca = (4.5 * k + Q + 87) * X;
    } else if (s == Symbology::UpcE || s == Symbology::UpcE1) {
        layout.Cm = (Q + 34.5) * X;
        layout.Ca = (4.5 * k + Q + 72) * X;
    }
}

// The picture's width; nullopt past the limit of a metafile coordinate.
std::optional<int> symbolWidth(const Job& job, LinearLayout& layout) {
    if (isPostal(job.Symbology)) {
        layout.h = job.Symbology == Symbology::Postnet ? kPostnetHeight : kFourStateHeight;
        const auto width = static_cast<long long>(layout.pattern.size()) * kPostalPitch;
        if (width >= static_cast<long long>(kWidthLimit))
            return std::nullopt;
        return static_cast<int>(width);
    }
    const float estimate = patternWidthEstimate(layout.pattern, layout.X, layout.Wd);
    if (estimate >= kWidthLimit)
        return std::nullopt;
    return nearest(estimate);
}

// Text line, text and comment reserves, picture height and bar offset; false
// when the picture would be taller than a metafile coordinate reaches. The
// height is added up in 64 bits: a font of thousands of points makes a text
// line of millions of units.
bool verticalLayout(const Job& job, LinearLayout& layout) {
    layout.L = job.AutoFontScaling ? layout.h / 6 : nearest(job.FontSize * 35.15);
    const bool lines = drawsTextLines(job.Symbology);
    layout.Th = job.IncludeText && lines ? layout.L : 0;
    layout.Cn = static_cast<int>(std::min<std::size_t>(job.Comment.size(), kHeightLimit));
    layout.Ch = layout.Cn > 0 && lines ? layout.L : 0;
    const long long H = static_cast<long long>(layout.h) + layout.Th + layout.Ch;
    if (layout.L < 0 || H > kHeightLimit)
        return false;
    layout.H = static_cast<int>(H);
    layout.Ta = (job.TextAbove ? layout.Th : 0) + (job.CommentAbove ? layout.Ch : 0);
    return true;
}

Metafile drawSymbol(const Job& job, const LinearLayout& layout, int xExtent, int yExtent) {
    SymbolPicture picture(job, xExtent, yExtent);
    MetafileRecorder& recorder = picture.recorder();
    OrientedCanvas canvas(recorder, job.Orientation, layout.W, layout.H);
    const BarExtent bars = drawBars(canvas, job, layout);
    const int s = static_cast<int>(job.Symbology);
    if (job.BearerBars && !(s >= 3 && s <= 8) && !isPostal(job.Symbology))
        drawBearerBars(canvas, layout, bars);

    recorder.setTextColor(job.FontColor);
    const TextFonts fonts = createTextFonts(recorder, job, layout);
    picture.own(fonts.main);
    picture.own(fonts.small);
    recorder.selectObject(fonts.main);
    recorder.setTextAlign(kAlignCenter | kAlignTop);
    const bool lines = drawsTextLines(job.Symbology);
    if (job.IncludeText && lines) {
        drawHumanReadable(canvas, job, layout, fonts);
        if (isUpcEanFamily(job.Symbology) && !layout.supplement.empty())
            drawSupplementDigits(canvas, job, layout);
    }
    if (layout.Cn > 0 && lines)
        drawComment(canvas, job, layout);
    return picture.finish();
}

// The width and check value captions of the panel, and the symbol's width.
void finishCaptions(Application& app, const LinearLayout& layout) {
    const Job& job = app.job();
    app.state().SymbolWidth = layout.W;
    app.panel().setTotalLength(formatSymbolLength(layout.W, job.Units));
    if (!isUpcEanFamily(job.Symbology)) {
        app.panel().setCheckValue(layout.checkText);
        return;
    }
    // UPC/EAN: the bar-to-bar width, without the 9-module lead and trail spaces.
    const int margins = (job.QuietZones ? 38 : 18) * layout.X;
    app.panel().setCheckValue(formatSymbolLength(layout.W - margins, job.Units));
}

} // namespace

void reportSizeLimit(Application& app, const char* text) {
    Host& host = app.host();
    host.beep();
    app.state().SymbolBuilt = false;
    if (!app.job().MessageWarnings) {
        host.emptyClipboard();
        return;
    }
    host.showMessage({.title = std::string(kProgramTitle),
                      .text = text,
                      .icon = MessageIcon::None,
                      .buttons = MessageButtons::Ok});
}

BuildOutcome renderLinearSymbol(Application& app, std::string message, int h, int X) {
    Job& job = app.job();
    RunState& state = app.state();
    app.panel().setCheckValue("");
    if (const auto code = inputError(message, job.Comment, h, X)) {
        app.ReportMessageError(*code);
        return BuildOutcome::Rejected;
    }

    LinearLayout layout;
    layout.X = X;
    layout.h = h;
    layout.Wd = nearest(ratioOf(job) * X);
    // The add-on digits or BookLand price go in with the supplement box's text
    // and come back as the digits to draw.
    layout.supplement = job.Supplement;
    std::string pattern;
    const auto encoded = linear::EncodeLinear(
        app.patternTables(), job, message, layout.supplement, pattern, layout.checkText,
        [&app](std::int32_t code) { app.ReportMessageError(code); });
    if (encoded == linear::EncodeOutcome::Rejected)
        return BuildOutcome::Rejected;
    if (encoded == linear::EncodeOutcome::NoEncoder)
        return reportSymbologyUnavailable(app);
    layout.message = message;
    // Postal codes tidy what was typed (a ZIP code's dash, the customer
    // code's capitals); the message box shows the tidied message.
    if (isPostal(job.Symbology) && job.Message != message) {
        job.Message = message;
        state.Dirty = true;
    }

    if (!pattern.empty() && (pattern.back() == '1' || pattern.back() == '2'))
        pattern.pop_back();
    state.LastBarPattern = pattern;
    layout.Q = quietZoneModules(job);
    const std::string quiet(static_cast<std::size_t>(layout.Q), '1');
    layout.pattern = quiet + pattern + quiet;

    const auto width = symbolWidth(job, layout);
    if (!width) {
        reportSizeLimit(app, kWidthLimitText);
        return BuildOutcome::Rejected;
    }
    layout.W = *width;
    textCentres(job, layout);
    if (!verticalLayout(job, layout)) {
        reportSizeLimit(app, kHeightLimitText);
        return BuildOutcome::Rejected;
    }

    const bool rotated = job.Orientation != Orientation::Horizontal;
    const int xExtent = rotated ? layout.H : layout.W;
    const int yExtent = rotated ? layout.W : layout.H;
    publishPicture(app, drawSymbol(job, layout, xExtent, yExtent), xExtent, yExtent);
    finishCaptions(app, layout);
    state.SymbolBuilt = true;
    return BuildOutcome::Built;
}

} // namespace vornik::render

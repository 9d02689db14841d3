#include "core/twod/rss_builder.h"

#include "core/app/application.h"
#include "core/app/rounding.h"
#include "core/render/linear_renderer.h"
#include "core/render/oriented_canvas.h"
#include "core/twod/rss_drawing.h"
#include "core/twod/symbol_publishing.h"

#include <algorithm>
#include <optional>

namespace vornik::twod {

namespace {

constexpr int kDefaultX = 33;
constexpr int kQuietModules = 10;
constexpr std::string_view kLargestLimited = "1999999999999";

struct KindGeometry {
    int plainModules;     // width without a composite
    int compositeModules; // and with one
    int defaultHeight;    // in modules, when no bar height is given
};

KindGeometry geometryOf(RssKind kind) {
    switch (kind) {
    case RssKind::Rss14:
        return {96, 101, 33};
    case RssKind::Stacked:
        return {50, 57, 13};
    case RssKind::StackedOmni:
        return {50, 57, 69};
    case RssKind::Limited:
        return {74, 74, 33};
    }
    return {};
}

std::optional<std::int32_t> primaryError(RssKind kind, const std::string& primary) {
    if (primary.empty() || primary.size() > 13 ||
        primary.find_first_not_of("1234567890") != std::string::npos)
        return kErrorRssPrimary;
    // Same length strings of digits compare as their values.
    const std::string padded = std::string(13 - primary.size(), '0') + primary;
    if (kind == RssKind::Limited && padded > kLargestLimited)
        return kErrorRssLimitedValue;
    return std::nullopt;
}

// Width in modules: the symbology's own, RSS Limited's widened under a
// composite wider than 39 modules, and never narrower than what was drawn.
int widthModules(RssKind kind, const RssBuffers& buffers, const std::vector<RssBand>& bands) {
    const KindGeometry geometry = geometryOf(kind);
    const bool composite = buffers.rows > 0;
    int modules = composite ? geometry.compositeModules : geometry.plainModules;
    if (kind == RssKind::Limited && composite && buffers.width > 39)
        modules = 84;
    for (const RssBand& band : bands) {
        int used = static_cast<int>(band.content.size());
        if (band.pattern) {
            used = 0;
            for (const char digit : band.content)
                used += digit - '0';
        }
        modules = std::max(modules, used);
    }
    return modules;
}

// The picture's parts, or the text of the limit a side would pass: a
// metafile coordinate reaches 32767 units. The sides are added up in 64 bits,
// since a large font's text line alone can pass any int.
struct SizedLayout {
    RssLayout layout;
    const char* tooLarge = nullptr;
};

SizedLayout layoutOf(const Job& job, RssKind kind, const RssBuffers& buffers, int X, int h) {
    if (X > render::kLargestPictureSide)
        return {.layout = {}, .tooLarge = render::kWidthLimitText};
    if (h > render::kLargestPictureSide)
        return {.layout = {}, .tooLarge = render::kHeightLimitText};
    RssLayout layout;
    layout.X = X;
    layout.q = job.QuietZones ? kQuietModules : 0;
    layout.bands = rssBands(kind, buffers, X, h);
    const long long W =
        static_cast<long long>(widthModules(kind, buffers, layout.bands) + 2 * layout.q) * X;
    layout.L = job.AutoFontScaling ? h / 6 : nearest(job.FontSize * 35.28);
    layout.textReserve = job.IncludeText ? layout.L : 0;
    layout.commentReserve = job.Comment.empty() ? 0 : layout.L;
    layout.compositeIndent = buffers.rows > 0 ? 5 * X : 0;
    const long long composite = buffers.rows > 0 ? (2LL * buffers.rows + 1) * X : 0;
    const long long H =
        static_cast<long long>(h) + layout.textReserve + layout.commentReserve + composite;
    if (W > render::kLargestPictureSide)
        return {.layout = {}, .tooLarge = render::kWidthLimitText};
    if (layout.L < 0 || H > render::kLargestPictureSide)
        return {.layout = {}, .tooLarge = render::kHeightLimitText};
    layout.W = static_cast<int>(W);
    layout.H = static_cast<int>(H);
    layout.digits = rssHumanReadable(job.Message);
    return {.layout = std::move(layout)};
}

} // namespace

std::string rssHumanReadable(std::string_view primary) {
    std::string digits = std::string(13 - std::min<std::size_t>(primary.size(), 13), '0');
    digits += primary.substr(0, 13);
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int weight = i % 2 == 0 ? 3 : 1; // position 13 from the right weighs 3
        sum += weight * (digits[i] - '0');
    }
    return digits + static_cast<char>('0' + (10 - sum % 10) % 10);
}

BuildOutcome buildRss(Application& app, RssKind kind, int X, int h, const RssLibraryCall& library) {
    Job& job = app.job();
    if (const auto code = primaryError(kind, job.Message)) {
        app.ReportMessageError(*code);
        return BuildOutcome::Rejected;
    }
    if (job.Supplement.size() > kLongestComposite) {
        app.ReportMessageError(kErrorRssComposite);
        return BuildOutcome::Rejected;
    }
    const std::string data =
        job.Supplement.empty() ? job.Message : job.Message + "|" + job.Supplement;
    RssBuffers buffers = freshRssBuffers(kind);
    if (library(kind, data, buffers) != kRssSuccess) {
        app.ReportMessageError(kErrorRssComposite);
        return BuildOutcome::Rejected;
    }

    X = X > 0 ? X : kDefaultX;
    h = h > 0 ? h : geometryOf(kind).defaultHeight * X;
    if (job.ForeColor == kBlack && job.BackColor == kBlack)
        job.BackColor = kWhite;
    const SizedLayout sized = layoutOf(job, kind, buffers, X, h);
    if (sized.tooLarge || job.Comment.size() > render::kMaxTextBytes) {
        render::reportSizeLimit(app, sized.tooLarge ? sized.tooLarge : render::kWidthLimitText);
        return BuildOutcome::Rejected;
    }
    publishSymbol(app, drawRssSymbol(job, sized.layout), sized.layout.W, sized.layout.H);
    return BuildOutcome::Built;
}

} // namespace vornik::twod

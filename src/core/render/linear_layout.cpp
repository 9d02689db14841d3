#include "core/render/linear_layout.h"

#include "core/app/rounding.h"

#include <optional>

namespace vornik::render {

bool isPostal(Symbology symbology) {
    return symbology == Symbology::Postnet || symbology == Symbology::Bpo4State;
}

bool drawsTextLines(Symbology symbology) {
    return static_cast<int>(symbology) < static_cast<int>(Symbology::Postnet);
}

namespace {

// Where the UPC/EAN family shortens its bars for the digits and where its
// add-on begins, as module positions e counted from the end of the leading
// 9-module space; the add-on bars of UPC-A and UPC-E are short as well.
struct GuardRule {
    int shortFrom1, shortTo1, shortFrom2, shortTo2; // open intervals; 0,0 = none
    int addOnAfter;
    bool addOnShort;
};

std::optional<GuardRule> guardRule(Symbology symbology) {
    if (symbology == Symbology::Ean13 || symbology == Symbology::BookLand)
        return GuardRule{3, 46, 49, 93, 98, false};
    if (symbology == Symbology::UpcA)
        return GuardRule{10, 46, 49, 86, 98, true};
    if (symbology == Symbology::Ean8)
        return GuardRule{3, 32, 35, 65, 70, false};
    if (symbology == Symbology::UpcE || symbology == Symbology::UpcE1)
        return GuardRule{4, 46, 0, 0, 52, true};
    return std::nullopt;
}

bool inside(int e, int from, int to) {
    return e > from && e < to;
}

} // namespace

BarSpan barSpan(const Job& job, const LinearLayout& layout, int moduleEnd) {
    const BarSpan full{0, layout.h};
    const auto rule = guardRule(job.Symbology);
    if (!rule || job.TextAbove || !job.IncludeText)
        return full;
    const int shortDepth = nearest(0.93 * layout.h);
    const int e = moduleEnd - layout.Q - 9;
    if (e > rule->addOnAfter)
        return {-layout.Th, rule->addOnShort ? shortDepth : layout.h};
    if (inside(e, rule->shortFrom1, rule->shortTo1) || inside(e, rule->shortFrom2, rule->shortTo2))
        return {0, shortDepth};
    return full;
}

} // namespace vornik::render

#pragma once

#include "core/app/job.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vornik::render {

// A length of the last symbol (0.01 mm) as the panel's value labels show it:
// centimetres "#0.00" + " cm" with metric units, inches "#0.00" + ' "'
// otherwise (printer dots included).
[[nodiscard]] std::string formatSymbolLength(std::int32_t units, Units displayUnits);

// One control of the panel: whether it shows, and its caption where it has
// one (the value labels' captions are their values).
struct PanelItem {
    bool visible = true;
    std::string caption;
    bool operator==(const PanelItem&) const = default;
};

// A control of the panel with the window's name for it.
struct NamedPanelItem {
    std::string_view name;
    const PanelItem* item;
};

// The lower part of the main window: captions and visibility of the
// dimension boxes and their labels after the symbology, the unit and the
// orientation, and the two result labels (total size, and check digits or a
// second dimension). The texts inside the dimension boxes belong to
// DimensionBoxes. The members carry the window's control names; they start
// as the window is laid out, before any refresh.
class MeasurementsPanel {
public:
    // Rebuilds the whole panel for the job and the last symbol's size (0.01
    // mm, 0 when there is none), and derives the job's DotsAcross and
    // DotsAlong from the orientation (POSTNET and BPO end before that).
    void Refresh(Job& job, std::int32_t SymbolWidth, std::int32_t SymbolHeight);

    // Set by the renderers when they finish a symbol. A linear symbol's check
    // text stays in CheckValue across refreshes.
    void setTotalLength(std::string text) { TotalLength.caption = std::move(text); }
    void setCheckValue(std::string text) { CheckValue.caption = std::move(text); }

    // Every control, in the order the members are declared.
    [[nodiscard]] std::array<NamedPanelItem, 17> controls() const;

    PanelItem Label1{true, "Bar Code Message:"};
    PanelItem Label2{true, "Bar Code Height (inches)"};
    PanelItem Label3{true, "Narrow Bar Width (mils)"};
    PanelItem Label5{true, "UPC Supplemental:"};
    PanelItem Label6{true, "Narrow To Wide Ratio"};
    PanelItem Label8{true, "Total Symbol Width ="};
    PanelItem Label9{true, "Comment Line:"};
    PanelItem CheckLabel{false, "Check Digit Value ="};
    PanelItem TotalLength{true, ""};
    PanelItem CheckValue{false, ""};
    PanelItem BCHeight{true, ""};
    PanelItem NBWidth{true, ""};
    PanelItem RatioList{true, ""};
    PanelItem Magnify{true, ""};
    PanelItem Supplement{true, ""};
    PanelItem Comment{true, ""};
    PanelItem EditorButton{false, "Editor"};

    // The items the Magnify box lists for PDF417's row or column limit;
    // empty when the box keeps its own list (the magnifications).
    std::vector<std::int32_t> MagnifyList;

private:
    void showComment(Symbology symbology);
    void showMessageCaption(Symbology symbology);
    void firstPass(Symbology symbology);
    void showTotalCaption(const Job& job);
    void showUnitCaptions(const Job& job);
    void secondPass(const Job& job);
    void showRatio(const Job& job);
    void showUpcEan(const Job& job);
    void showCheck(const char* caption);
    void showSizeCheck(const Job& job);
    void showPdf417(const Job& job);
    void showModuleSize(const Job& job);
    void showRss(const Job& job);
    void showLengths(const Job& job, std::int32_t SymbolWidth, std::int32_t SymbolHeight);
};

} // namespace vornik::render

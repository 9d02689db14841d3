// The Preferences menu as it opens: every check mark from the job, the items
// that make sense for the current symbology, and the bar width captions.

#include "core/app/bar_width_captions.h"
#include "core/app/menu_items.h"
#include "core/app/preferences_profile.h"

namespace vornik {

namespace {

MenuItemView toggle(std::string_view control, std::string_view caption, bool checked,
                    bool visible = true, std::string_view shortcut = {}) {
    MenuItemView item = checkItem(control, -1, caption, checked);
    item.shortcut = std::string(shortcut);
    item.visible = visible;
    return item;
}

MenuItemView submenu(std::string_view control, std::string_view caption,
                     std::vector<MenuItemView> children, bool visible = true) {
    return {.control = std::string(control),
            .caption = std::string(caption),
            .visible = visible,
            .children = std::move(children)};
}

// The items of a control array from 0, the one whose index is CHOSEN checked.
template <std::size_t N>
std::vector<MenuItemView> choices(std::string_view control, const std::string_view (&captions)[N],
                                  int chosen) {
    std::vector<MenuItemView> items;
    for (int i = 0; i < static_cast<int>(N); ++i)
        items.push_back(checkItem(control, i, captions[i], i == chosen));
    return items;
}

MenuItemView alignment(const Job& job, bool visible) {
    constexpr std::string_view kCaptions[] = {"Left", "Center", "Right"};
    return submenu("mAlign", "Align Comment",
                   choices("align", kCaptions, static_cast<int>(job.CommentAlign)), visible);
}

MenuItemView background(const Job& job) {
    return submenu("MBColor", "&Background Color",
                   {toggle("Transparent", "&Transparent", job.Transparent),
                    toggle("SMBColor", "&Custom Color...", !job.Transparent)});
}

MenuItemView barWidth(const Job& job, bool visible) {
    constexpr std::string_view kDirections[] = {"Reduction", "Gain"};
    const bool gain = (job.BarWidthAdjust & kBarWidthGainBit) != 0;
    std::vector<MenuItemView> items = choices("RedGain", kDirections, gain ? 1 : 0);
    items.push_back(menuSeparator());
    const int step = job.BarWidthAdjust & kBarWidthStepMask;
    for (int i = 0; i < kBarWidthSteps; ++i)
        items.push_back(checkItem("BWRVal", i, barWidthCaption(job, i), i == step));
    return submenu("BWR", "Bar Width &Reductio&n / Gain", std::move(items), visible);
}

MenuItemView orientation(const Job& job) {
    constexpr std::string_view kCaptions[] = {"&Horizontal", "Vertical &90 degrees",
                                              "Vertical &270 degrees"};
    return submenu("MOrientation", "Symbol &Orientation",
                   choices("MOrient", kCaptions, static_cast<int>(job.Orientation)));
}

MenuItemView units(const Job& job, bool visible) {
    return submenu(
        "Units", "Measurement &Units",
        {toggle("Inches", "&Inches / Mils", job.Units == Units::InchesMils),
         toggle("Metric", "&Metric", job.Units == Units::Metric),
         toggle("PrinterDots", "&Printer Dots", job.Units == Units::PrinterDots),
         {.control = "CHairs", .caption = "&Cross Hairs", .visible = false, .enabled = false}},
        visible);
}

MenuItemView characterSets(const Job& job) {
    return submenu("MCharSet", "Display / Input Character &Set",
                   {toggle("ASCIISet", "&ASCII", !job.AnsiDisplay),
                    toggle("ANSISet", "A&NSI", job.AnsiDisplay)});
}

MenuItemView pdfCharacterSets(const Job& job, bool visible) {
    constexpr std::string_view kCaptions[] = {"&Display Character Set", "&ASCII", "A&NSI"};
    return submenu("ConversionsT", "PDF417 Symbol Character Set",
                   choices("Conv", kCaptions, job.PdfCharacterSet), visible);
}

MenuItemView dialogItem(std::string_view control, std::string_view caption, bool visible = true) {
    return {.control = std::string(control), .caption = std::string(caption), .visible = visible};
}

} // namespace

std::vector<MenuItemView> preferencesMenu(const Job& job, const RunState& state) {
    const PreferencesProfile shown = preferencesProfile(job.Symbology);
    return {
        toggle("Pref", "Include &Text", job.IncludeText, shown.Pref, "Ctrl+T"),
        toggle("TextAbove", "Text &Above Bar Code", job.TextAbove, shown.TextAbove),
        toggle("CommentAbove", "C&omment Above Bar Code", job.CommentAbove, shown.CommentAbove),
        alignment(job, shown.mAlign),
        toggle("MAutoFont", "Automatic Font &Scaling", job.AutoFontScaling, shown.MAutoFont),
        dialogItem("MCustFont", "&Font...", shown.MCustFont),
        menuSeparator("Junk1", shown.Junk1),
        dialogItem("MFColor", "Foreground &Color..."),
        background(job),
        menuSeparator(),
        toggle("QuietZones", "Include &Quiet Zones", job.QuietZones, shown.QuietZones),
        toggle("BearerBars", "Include B&earer Bars", job.BearerBars, shown.BearerBars),
        toggle("Code39Check", "Include Optional Check Digit", job.CheckDigit, shown.Code39Check),
        toggle("DisableAutoCheck", "Disable Automatic UPC/EAN Check Digit", job.DisableAutoCheck,
               shown.DisableAutoCheck),
        barWidth(job, shown.BWR),
        menuSeparator("Junk4", shown.Junk4),
        dialogItem("mAztecOpt", "A&ztec Code Advanced Options...", shown.mAztecOpt),
        dialogItem("PDFOps", "&PDF417 Advanced Options...", shown.PDFOps),
        dialogItem("DMOpts", "Data Matri&x Advanced Options...", shown.DMOpts),
        menuSeparator("Junk0", shown.Junk0),
        orientation(job),
        units(job, shown.Units),
        dialogItem("FitToDots", "Fit &Widths to Printer Dots"),
        characterSets(job),
        pdfCharacterSets(job, shown.ConversionsT),
        menuSeparator(),
        toggle("MsgWarn", "Enable Invalid Message &Warnings", job.MessageWarnings),
        toggle("PrnWarn", "Enable Printer &Resolution Warnings", job.PrintWarnings),
        toggle("ReadBack", "&Verify by Reading Back", state.ReadBackSymbols),
        // Hidden: configurations and commands set it.
        toggle("FixDis", "Fix Driver &Incompatibility Problems", job.FixDriver, false),
    };
}

} // namespace vornik

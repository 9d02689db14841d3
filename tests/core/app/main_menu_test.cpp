#include "core/app/main_menu.h"
#include "support/command_session.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vornik {
namespace {

using vornik::testing::CommandSession;
using vornik::testing::PrintTo;

// One line per item, indented by level: a check box for checkable items, the
// control (with its index), the caption, the shortcut and the states that
// differ from shown and enabled.
void dump(const std::vector<MenuItemView>& items, int level, std::string& out) {
    for (const MenuItemView& item : items) {
        out += std::string(static_cast<std::size_t>(level) * 2, ' ');
        if (item.checkable)
            out += item.checked ? "[x] " : "[ ] ";
        out += item.separator ? "---" : "";
        out += item.control;
        if (item.index >= 0)
            out += "(" + std::to_string(item.index) + ")";
        if (!item.separator)
            out += " \"" + item.caption + "\"";
        if (!item.shortcut.empty())
            out += " " + item.shortcut;
        if (!item.visible)
            out += " hidden";
        if (!item.enabled)
            out += " disabled";
        out += "\n";
        dump(item.children, level + 1, out);
    }
}

std::string dump(const std::vector<MenuItemView>& items) {
    std::string out;
    dump(items, 0, out);
    return out;
}

const MenuItemView& itemOf(const std::vector<MenuItemView>& menus, std::string_view control,
                           int index = -1) {
    const MenuItemView* item = findMenuItem(menus, control, index);
    if (item == nullptr)
        throw std::runtime_error("no menu item " + std::string(control));
    return *item;
}

// Every menu as a fresh job opens them: Code 39, 13 mils, inches, nothing on
// the clipboard, no symbol, no message file.
constexpr std::string_view kFreshMenus = R"menu(MFile "&File"
  MNew "&New" Ctrl+N
  MOpen "&Open Configuration..." Ctrl+O
  MSave "&Save Configuration"
  MSaveAs "Save Configuration &As..."
  ---
  MReadMsg "&Read Message From File..."
  MOpenMsg "Open &Message File..."
  MCloseMessage "&Close Message File" disabled
  ---
  MPrinter "&Target Printer..."
  PSetup "Pr&inter Setup..."
  POffset "Printer O&ffset..."
  PPrint "&Print..." Ctrl+P disabled
  PPreview "Print Pre&view..." disabled
  ---
  MBSave "Save &Bar Code As..." Ctrl+S disabled
  mnuRaster "Raster Image Properties..."
  dbpSave "Save .&dbp File As..." disabled
  ---
  MExit "E&xit"
MEdit "&Edit"
  MCopy "&Build/Copy" F2
  CopyAs "Clipboard Format" hidden
    [x] CopyOpt(0) "&Metafile"
    [ ] CopyOpt(1) "&Bitmap"
    [ ] CopyOpt(2) "&Device Independent Bitmap"
    [ ] CopyOpt(3) "&All"
  ---
  MPaste "&Paste" Ctrl+V disabled
  ---
  MIncNum "&Incremental Numbering..."
  MNext "&Next Message" F5 disabled
  MPrev "&Previous Message" F4 disabled
  mPLink "Paste &Link" hidden disabled
MPreferences "&Preferences"
  [x] Pref "Include &Text" Ctrl+T
  [ ] TextAbove "Text &Above Bar Code"
  [x] CommentAbove "C&omment Above Bar Code"
  mAlign "Align Comment"
    [x] align(0) "Left"
    [ ] align(1) "Center"
    [ ] align(2) "Right"
  [ ] MAutoFont "Automatic Font &Scaling"
  MCustFont "&Font..."
  ---Junk1
  MFColor "Foreground &Color..."
  MBColor "&Background Color"
    [ ] Transparent "&Transparent"
    [x] SMBColor "&Custom Color..."
  ---
  [ ] QuietZones "Include &Quiet Zones"
  [ ] BearerBars "Include B&earer Bars"
  [ ] Code39Check "Include Optional Check Digit"
  [ ] DisableAutoCheck "Disable Automatic UPC/EAN Check Digit" hidden
  BWR "Bar Width &Reductio&n / Gain"
    [x] RedGain(0) "Reduction"
    [ ] RedGain(1) "Gain"
    ---
    [x] BWRVal(0) "00%  (0.00 mils)"
    [ ] BWRVal(1) "05%  (0.65 mils)"
    [ ] BWRVal(2) "10%  (1.30 mils)"
    [ ] BWRVal(3) "15%  (1.95 mils)"
    [ ] BWRVal(4) "20%  (2.60 mils)"
    [ ] BWRVal(5) "25%  (3.25 mils)"
    [ ] BWRVal(6) "30%  (3.90 mils)"
    [ ] BWRVal(7) "35%  (4.55 mils)"
    [ ] BWRVal(8) "40%  (5.20 mils)"
    [ ] BWRVal(9) "45%  (5.85 mils)"
    [ ] BWRVal(10) "50%  (6.50 mils)"
    [ ] BWRVal(11) "55%  (7.15 mils)"
    [ ] BWRVal(12) "60%  (7.80 mils)"
    [ ] BWRVal(13) "65%  (8.45 mils)"
    [ ] BWRVal(14) "70%  (9.10 mils)"
    [ ] BWRVal(15) "75%  (9.75 mils)"
  ---Junk4 hidden
  mAztecOpt "A&ztec Code Advanced Options..." hidden
  PDFOps "&PDF417 Advanced Options..." hidden
  DMOpts "Data Matri&x Advanced Options..." hidden
  ---Junk0 hidden
  MOrientation "Symbol &Orientation"
    [x] MOrient(0) "&Horizontal"
    [ ] MOrient(1) "Vertical &90 degrees"
    [ ] MOrient(2) "Vertical &270 degrees"
  Units "Measurement &Units"
    [x] Inches "&Inches / Mils"
    [ ] Metric "&Metric"
    [ ] PrinterDots "&Printer Dots"
    CHairs "&Cross Hairs" hidden disabled
  FitToDots "Fit &Widths to Printer Dots"
  MCharSet "Display / Input Character &Set"
    [x] ASCIISet "&ASCII"
    [ ] ANSISet "A&NSI"
  ConversionsT "PDF417 Symbol Character Set" hidden
    [x] Conv(0) "&Display Character Set"
    [ ] Conv(1) "&ASCII"
    [ ] Conv(2) "A&NSI"
  ---
  [x] MsgWarn "Enable Invalid Message &Warnings"
  [x] PrnWarn "Enable Printer &Resolution Warnings"
  [x] ReadBack "&Verify by Reading Back"
  [ ] FixDis "Fix Driver &Incompatibility Problems" hidden
MSymbology "&Symbology"
  [x] MCode(1) "Code &39 (Normal)"
  [ ] MCode(2) "Code 39 (&Full ASCII)"
  [ ] MCode(3) "&UPC-A    (12 digit)"
  [ ] MCode(4) "U&PC-E    (6 digit)"
  [ ] MCode(5) "UPC-E1"
  [ ] MCode(6) "&EAN-8"
  [ ] MCode(7) "E&AN-13"
  [ ] MCode(8) "&BookLand"
  [ ] MCode(9) "&Interleaved 2 of 5"
  [ ] MCode(10) "&Discrete 2 of 5"
  [ ] MCode(11) "&CodaBar"
  [ ] MCode(12) "Code &93"
  [ ] MCode(13) "Code &128"
  [ ] MCode(14) "EAN/UCC 1&28"
  [ ] MCode(15) "&PDF417"
  [ ] MCode(16) "A&ztec Code"
  [ ] MCode(17) "Data Matri&x"
  [ ] MCode(18) "&MSI Plessey"
  [ ] MCode(19) "&RSS-14"
  [ ] MCode(20) "RSS-14 &Stacked"
  [ ] MCode(21) "RSS-14 Stacked &Omni"
  [ ] MCode(22) "RSS &Limited"
  [ ] MCode(23) "POST&NET"
  [ ] MCode(24) "BPO &4 State Code"
  ---
  FIM(1) "Postal &FIM-A Pattern"
  FIM(2) "Postal FIM-&B Pattern"
  FIM(3) "Postal FIM-&C Pattern"
MHelp "&Help"
  MIndex "&Index"
  mnuOnWeb "Vornik on the &Web"
  ---
  MAbout "&About Vornik..."
)menu";

TEST(MainMenu, FreshJobOpensEveryMenuAsTheWindowIsCreated) {
    CommandSession session;
    EXPECT_EQ(dump(mainMenuBar(session.app)), kFreshMenus);
    EXPECT_EQ(symbologyLabel(session.app), "Code 39 (Normal)");
}

// The Preferences items whose showing depends on the symbology, in menu order.
constexpr std::string_view kProfileItems[] = {
    "Pref",      "TextAbove", "CommentAbove", "mAlign",           "MAutoFont",
    "MCustFont", "Junk1",     "QuietZones",   "BearerBars",       "Code39Check",
    "BWR",       "Junk4",     "mAztecOpt",    "PDFOps",           "DMOpts",
    "Junk0",     "Units",     "ConversionsT", "DisableAutoCheck",
};

std::string shownProfileItems(const std::vector<MenuItemView>& menus) {
    std::string shown;
    for (std::string_view control : kProfileItems)
        if (itemOf(menus, control).visible)
            shown += (shown.empty() ? "" : " ") + std::string(control);
    return shown;
}

struct ProfileRow {
    const char* name;
    Symbology symbology;
    const char* label;
    const char* shown;
};

// What a linear symbology always shows, then what some add.
#define LINEAR "Pref TextAbove CommentAbove mAlign MAutoFont MCustFont Junk1 QuietZones"
#define BEARER " BearerBars"
#define CHECK " Code39Check"
#define TAIL " BWR Units"

const ProfileRow kProfileRows[] = {
    {"Code39", Symbology::Code39, "Code 39 (Normal)", LINEAR BEARER CHECK TAIL},
    {"Code39FullAscii", Symbology::Code39FullAscii, "Code 39 (Full ASCII)",
     LINEAR BEARER CHECK TAIL},
    {"UpcA", Symbology::UpcA, "UPC-A    (12 digit)", LINEAR TAIL},
    {"UpcE", Symbology::UpcE, "UPC-E    (6 digit)", LINEAR TAIL},
    {"UpcE1", Symbology::UpcE1, "UPC-E1", LINEAR TAIL},
    {"Ean8", Symbology::Ean8, "EAN-8", LINEAR TAIL},
    {"Ean13", Symbology::Ean13, "EAN-13", LINEAR TAIL},
    {"BookLand", Symbology::BookLand, "BookLand", LINEAR TAIL},
    {"Interleaved2of5", Symbology::Interleaved2of5, "Interleaved 2 of 5", LINEAR BEARER CHECK TAIL},
    {"Discrete2of5", Symbology::Discrete2of5, "Discrete 2 of 5", LINEAR BEARER TAIL},
    {"Codabar", Symbology::Codabar, "CodaBar", LINEAR BEARER CHECK TAIL},
    {"Code93", Symbology::Code93, "Code 93", LINEAR BEARER TAIL},
    {"Code128", Symbology::Code128, "Code 128", LINEAR BEARER TAIL},
    {"EanUcc128", Symbology::EanUcc128, "EAN/UCC 128", LINEAR BEARER CHECK TAIL},
    {"Pdf417", Symbology::Pdf417, "PDF417",
     "CommentAbove mAlign MCustFont Junk1 QuietZones BWR Junk4 PDFOps Junk0 Units ConversionsT"},
    {"Aztec", Symbology::Aztec, "Aztec Code",
     "CommentAbove mAlign MCustFont Junk1 BWR Junk4 mAztecOpt Junk0 Units"},
    {"DataMatrix", Symbology::DataMatrix, "Data Matrix",
     "CommentAbove mAlign MCustFont Junk1 BWR Junk4 DMOpts Junk0 Units"},
    {"MsiPlessey", Symbology::MsiPlessey, "MSI Plessey", LINEAR CHECK TAIL},
    {"Rss14", Symbology::Rss14, "RSS-14", LINEAR TAIL},
    {"Rss14Stacked", Symbology::Rss14Stacked, "RSS-14 Stacked", LINEAR TAIL},
    {"Rss14StackedOmni", Symbology::Rss14StackedOmni, "RSS-14 Stacked Omni", LINEAR TAIL},
    {"RssLimited", Symbology::RssLimited, "RSS Limited", LINEAR TAIL},
    {"Postnet", Symbology::Postnet, "POSTNET", ""},
    {"Bpo4State", Symbology::Bpo4State, "BPO 4 State Code", ""},
};

#undef LINEAR
#undef BEARER
#undef CHECK
#undef TAIL

class PreferencesProfileTest : public ::testing::TestWithParam<ProfileRow> {};

TEST_P(PreferencesProfileTest, ChoosingTheSymbologyShowsItsItemsAndNamesIt) {
    const ProfileRow& row = GetParam();
    CommandSession session;
    const MenuOutcome outcome =
        activateMenuItem(session.app, "MCode", static_cast<int>(row.symbology));
    EXPECT_EQ(outcome, MenuOutcome{});
    ASSERT_EQ(session.job().Symbology, row.symbology);

    const std::vector<MenuItemView> menus = mainMenuBar(session.app);
    EXPECT_EQ(shownProfileItems(menus), row.shown);
    EXPECT_EQ(symbologyLabel(session.app), row.label);
    // Only the chosen symbology carries the check mark.
    for (int number = kFirstSymbology; number <= kLastSymbology; ++number)
        EXPECT_EQ(itemOf(menus, "MCode", number).checked, number == static_cast<int>(row.symbology))
            << number;
    // The items no symbology hides.
    for (std::string_view control : {"MFColor", "MBColor", "MOrientation", "MCharSet", "MsgWarn"})
        EXPECT_TRUE(itemOf(menus, control).visible) << control;
}

INSTANTIATE_TEST_SUITE_P(EverySymbology, PreferencesProfileTest, ::testing::ValuesIn(kProfileRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MainMenu, ChoosingTheCurrentSymbologyAgainChangesNothing) {
    for (const Symbology symbology : {Symbology::Code39, Symbology::Code128, Symbology::Postnet}) {
        SCOPED_TRACE(symbologyName(symbology));
        CommandSession session;
        (void)activateMenuItem(session.app, "MCode", static_cast<int>(symbology));
        session.state().Dirty = false;
        session.job().Message = "12345";
        ASSERT_TRUE(session.run("[BUILD/COPY]"));
        ASSERT_TRUE(session.state().SymbolBuilt);
        const Job before = session.job();

        EXPECT_EQ(activateMenuItem(session.app, "MCode", static_cast<int>(symbology)),
                  MenuOutcome{});
        EXPECT_EQ(session.job(), before);
        EXPECT_FALSE(session.state().Dirty);
        EXPECT_TRUE(session.state().SymbolBuilt); // the symbol on display still stands
    }
}

struct OpeningRow {
    const char* name;
    const char* commands; // sent before the menus open
    bool symbolBuilt;     // Print and Save Bar Code As enabled
};

const OpeningRow kOpeningRows[] = {
    {"FreshJob", "", false},
    {"AfterBuild", "[BARCODE=ABC]", true},
    {"AfterFailedBuild", "[BARCODE=ABC][BARCODE=AB!C]", false},
    {"AfterEmptyMessage", "[BARCODE=ABC][BARCODE=]", false},
    {"AfterOtherSymbology", "[BARCODE=123][CODE128]", false},
};

class MenuOpeningTest : public ::testing::TestWithParam<OpeningRow> {};

TEST_P(MenuOpeningTest, PrintAndSaveFollowTheSymbolOnDisplay) {
    const OpeningRow& row = GetParam();
    CommandSession session;
    session.run(row.commands);
    const std::vector<MenuItemView> menus = mainMenuBar(session.app);
    EXPECT_EQ(itemOf(menus, "PPrint").enabled, row.symbolBuilt);
    EXPECT_EQ(itemOf(menus, "MBSave").enabled, row.symbolBuilt);
}

INSTANTIATE_TEST_SUITE_P(Builds, MenuOpeningTest, ::testing::ValuesIn(kOpeningRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MainMenu, FacingIdentificationMarkCountsAsASymbolOnDisplay) {
    CommandSession session;
    EXPECT_EQ(activateMenuItem(session.app, "MNew"), MenuOutcome{}); // hides the display
    EXPECT_EQ(activateMenuItem(session.app, "FIM", 2), MenuOutcome{});
    ASSERT_EQ(session.host.published.size(), 1u);
    EXPECT_TRUE(session.state().SymbolDisplayVisible);
    EXPECT_FALSE(session.state().HelpLabelVisible);
    const std::vector<MenuItemView> menus = mainMenuBar(session.app);
    EXPECT_TRUE(itemOf(menus, "PPrint").enabled);
    EXPECT_TRUE(itemOf(menus, "MBSave").enabled);
}

TEST(MainMenu, PasteFollowsTheClipboard) {
    CommandSession session;
    EXPECT_FALSE(itemOf(mainMenuBar(session.app, {.text = false}), "MPaste").enabled);
    EXPECT_TRUE(itemOf(mainMenuBar(session.app, {.text = true}), "MPaste").enabled);
}

TEST(MainMenu, MessageFileEnablesCloseAndTheSteps) {
    const vornik::testing::TempFolder folder;
    const auto path = folder.write("labels.txt", "A\r\nB\r\nC\r\n");
    CommandSession session;
    ASSERT_TRUE(session.run("[OPENMSGFILE(" + path.string() + ")]"));

    std::vector<MenuItemView> menus = mainMenuBar(session.app);
    for (std::string_view control : {"MCloseMessage", "MNext", "MPrev"})
        EXPECT_TRUE(itemOf(menus, control).enabled) << control;

    EXPECT_EQ(activateMenuItem(session.app, "MNext"), MenuOutcome{});
    EXPECT_EQ(session.job().Message, "B");
    EXPECT_EQ(activateMenuItem(session.app, "MPrev"), MenuOutcome{});
    EXPECT_EQ(session.job().Message, "A");
    EXPECT_EQ(activateMenuItem(session.app, "MCloseMessage"), MenuOutcome{});

    menus = mainMenuBar(session.app);
    for (std::string_view control : {"MCloseMessage", "MNext", "MPrev"})
        EXPECT_FALSE(itemOf(menus, control).enabled) << control;
}

TEST(MainMenu, NumberingEnablesTheStepsButNotClose) {
    CommandSession session;
    ASSERT_TRUE(session.run("[INCSTART=7][INCENABLE]"));
    const std::vector<MenuItemView> menus = mainMenuBar(session.app);
    EXPECT_TRUE(itemOf(menus, "MNext").enabled);
    EXPECT_TRUE(itemOf(menus, "MPrev").enabled);
    EXPECT_FALSE(itemOf(menus, "MCloseMessage").enabled);
}

// The item clicked, the setting it leaves, and its check mark afterwards.
struct ToggleRow {
    const char* name;
    const char* control;
    int index;
    bool (*jobHas)(const Job&);
    bool checked; // the check mark that item shows afterwards
    bool dirty;
};

const ToggleRow kToggleRows[] = {
    {"IncludeTextOff", "Pref", -1, [](const Job& j) { return !j.IncludeText; }, false, true},
    {"TextAbove", "TextAbove", -1, [](const Job& j) { return j.TextAbove; }, true, true},
    {"CommentBelow", "CommentAbove", -1, [](const Job& j) { return !j.CommentAbove; }, false, true},
    {"AlignRight", "align", 2,
     [](const Job& j) { return j.CommentAlign == CommentAlignment::Right; }, true, true},
    {"FontScaling", "MAutoFont", -1, [](const Job& j) { return j.AutoFontScaling; }, true, true},
    {"Transparent", "Transparent", -1, [](const Job& j) { return j.Transparent; }, true, true},
    {"QuietZones", "QuietZones", -1, [](const Job& j) { return j.QuietZones; }, true, true},
    {"BearerBars", "BearerBars", -1, [](const Job& j) { return j.BearerBars; }, true, true},
    {"CheckDigit", "Code39Check", -1, [](const Job& j) { return j.CheckDigit; }, true, true},
    {"DisableAutoCheck", "DisableAutoCheck", -1, [](const Job& j) { return j.DisableAutoCheck; },
     true, false},
    {"Gain", "RedGain", 1, [](const Job& j) { return j.BarWidthAdjust == kBarWidthGainBit; }, true,
     true},
    {"Step7", "BWRVal", 7, [](const Job& j) { return j.BarWidthAdjust == 7; }, true, true},
    {"Vertical270", "MOrient", 2,
     [](const Job& j) { return j.Orientation == Orientation::Vertical270; }, true, true},
    {"Metric", "Metric", -1, [](const Job& j) { return j.Units == Units::Metric; }, true, true},
    {"PrinterDots", "PrinterDots", -1, [](const Job& j) { return j.Units == Units::PrinterDots; },
     true, true},
    {"Ansi", "ANSISet", -1, [](const Job& j) { return j.AnsiDisplay; }, true, true},
    {"PdfAnsi", "Conv", 2, [](const Job& j) { return j.PdfCharacterSet == 2; }, true, true},
    {"MessageWarningsOff", "MsgWarn", -1, [](const Job& j) { return !j.MessageWarnings; }, false,
     true},
    {"PrintWarningsOff", "PrnWarn", -1, [](const Job& j) { return !j.PrintWarnings; }, false, true},
    {"FixDriver", "FixDis", -1, [](const Job& j) { return j.FixDriver; }, true, true},
};

class ToggleTest : public ::testing::TestWithParam<ToggleRow> {};

TEST_P(ToggleTest, ClickChangesTheJobAndTheNextOpeningShowsIt) {
    const ToggleRow& row = GetParam();
    CommandSession session;
    const bool checkedBefore = itemOf(mainMenuBar(session.app), row.control, row.index).checked;
    const int viewChanges = session.host.viewChanges;

    EXPECT_EQ(activateMenuItem(session.app, row.control, row.index), MenuOutcome{});
    EXPECT_TRUE(row.jobHas(session.job()));
    EXPECT_EQ(session.state().Dirty, row.dirty);
    EXPECT_GT(session.host.viewChanges, viewChanges);
    const bool checkedAfter = itemOf(mainMenuBar(session.app), row.control, row.index).checked;
    EXPECT_EQ(checkedBefore, !row.checked);
    EXPECT_EQ(checkedAfter, row.checked);
}

INSTANTIATE_TEST_SUITE_P(Preferences, ToggleTest, ::testing::ValuesIn(kToggleRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MainMenu, OptionalCheckDigitShowsOrClearsTheCheckValue) {
    CommandSession session;
    ASSERT_TRUE(session.run("[BARCODE=ABC]"));
    EXPECT_FALSE(session.app.panel().CheckLabel.visible);

    (void)activateMenuItem(session.app, "Code39Check");
    EXPECT_TRUE(session.app.panel().CheckLabel.visible);
    EXPECT_EQ(session.app.panel().CheckLabel.caption, "Check Digit Value =");
    EXPECT_FALSE(session.app.panel().CheckValue.caption.empty()); // the rebuilt symbol's digit

    session.state().SymbolBuilt = false; // nothing drawn again: the old value must go
    (void)activateMenuItem(session.app, "Code39Check");
    EXPECT_FALSE(session.app.panel().CheckLabel.visible);
    EXPECT_EQ(session.app.panel().CheckValue.caption, "");
}

TEST(MainMenu, RadioGroupsKeepOneCheckMark) {
    CommandSession session;
    (void)activateMenuItem(session.app, "BWRVal", 3);
    (void)activateMenuItem(session.app, "RedGain", 1);
    (void)activateMenuItem(session.app, "BWRVal", 5);
    (void)activateMenuItem(session.app, "Transparent");
    const std::vector<MenuItemView> menus = mainMenuBar(session.app);
    EXPECT_EQ(session.job().BarWidthAdjust, kBarWidthGainBit | 5); // direction kept
    for (int step = 0; step < 16; ++step)
        EXPECT_EQ(itemOf(menus, "BWRVal", step).checked, step == 5) << step;
    EXPECT_FALSE(itemOf(menus, "RedGain", 0).checked);
    EXPECT_TRUE(itemOf(menus, "RedGain", 1).checked);
    EXPECT_TRUE(itemOf(menus, "Transparent").checked);
    EXPECT_FALSE(itemOf(menus, "SMBColor").checked);
}

TEST(MainMenu, ClipboardFormatItemsOnlyClearTheirCheckMarks) {
    CommandSession session;
    const Job before = session.job();
    EXPECT_EQ(activateMenuItem(session.app, "CopyOpt", 2), MenuOutcome{});
    const std::vector<MenuItemView> menus = mainMenuBar(session.app);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(itemOf(menus, "CopyOpt", i).checked) << i;
    EXPECT_EQ(session.job(), before);
    EXPECT_FALSE(session.state().Dirty);
}

TEST(MainMenu, DrawingTogglesRebuildTheSymbolOnDisplay) {
    // Control, and whether the click draws the symbol again.
    const std::pair<const char*, bool> rows[] = {
        {"QuietZones", true}, {"BearerBars", true}, {"Pref", true},    {"Transparent", true},
        {"MsgWarn", false},   {"BWRVal", false},    {"Metric", false},
    };
    for (const auto& [control, rebuilds] : rows) {
        SCOPED_TRACE(control);
        CommandSession session;
        ASSERT_TRUE(session.run("[BARCODE=ABC]"));
        const std::size_t published = session.host.published.size();
        (void)activateMenuItem(session.app, control,
                               std::string_view(control) == "BWRVal" ? 4 : -1);
        EXPECT_EQ(session.host.published.size(), published + (rebuilds ? 1 : 0));
    }
}

struct FrontEndRow {
    const char* control;
    int index;
    FrontEndAction action;
};

TEST(MainMenu, ItemsThatNeedTheWindowSaySo) {
    const FrontEndRow rows[] = {
        {"MPrinter", -1, FrontEndAction::TargetPrinterDialog},
        {"PSetup", -1, FrontEndAction::PrinterSetupDialog},
        {"POffset", -1, FrontEndAction::PrinterOffsetDialog},
        {"mnuRaster", -1, FrontEndAction::RasterPropertiesDialog},
        {"MExit", -1, FrontEndAction::Exit},
        {"MIncNum", -1, FrontEndAction::IncrementalNumbering},
        {"MCustFont", -1, FrontEndAction::FontDialog},
        {"MFColor", -1, FrontEndAction::ForeColorDialog},
        {"SMBColor", -1, FrontEndAction::BackColorDialog},
        {"mAztecOpt", -1, FrontEndAction::AztecOptionsDialog},
        {"PDFOps", -1, FrontEndAction::Pdf417OptionsDialog},
        {"DMOpts", -1, FrontEndAction::DataMatrixOptionsDialog},
        {"MIndex", -1, FrontEndAction::HelpIndex},
        {"mnuOnWeb", -1, FrontEndAction::WebPage},
        {"MAbout", -1, FrontEndAction::AboutBox},
    };
    CommandSession session;
    const Job before = session.job();
    for (const FrontEndRow& row : rows) {
        SCOPED_TRACE(row.control);
        EXPECT_EQ(activateMenuItem(session.app, row.control, row.index),
                  (MenuOutcome{.status = MenuStatus::FrontEnd, .action = row.action}));
    }
    EXPECT_EQ(session.job(), before);
    EXPECT_FALSE(session.state().Dirty);
}

TEST(MainMenu, PrintAndPasteNeedTheWindowWhenEnabled) {
    CommandSession session;
    ASSERT_TRUE(session.run("[BARCODE=ABC]"));
    session.host.clipboard = "text";
    EXPECT_EQ(activateMenuItem(session.app, "PPrint"),
              (MenuOutcome{.status = MenuStatus::FrontEnd, .action = FrontEndAction::PrintDialog}));
    EXPECT_EQ(activateMenuItem(session.app, "PPreview"),
              (MenuOutcome{.status = MenuStatus::FrontEnd, .action = FrontEndAction::PrintPreview}));
    EXPECT_EQ(activateMenuItem(session.app, "MPaste"),
              (MenuOutcome{.status = MenuStatus::FrontEnd, .action = FrontEndAction::Paste}));
}

struct RefusalRow {
    const char* name;
    const char* control;
    int index;
    const char* refusal;
};

const RefusalRow kRefusalRows[] = {
    {"UnknownName", "MFoo", -1, "The main window has no menu item MFoo."},
    {"IndexOnSingleItem", "MNew", 3, "The main window has no menu item MNew(3)."},
    {"StepBeyondTable", "BWRVal", 16, "The main window has no menu item BWRVal(16)."},
    {"SymbologyZero", "MCode", 0, "The main window has no menu item MCode(0)."},
    {"ArrayWithoutIndex", "MCode", -1, "The main window has no menu item MCode."},
    {"PrintWithoutSymbol", "PPrint", -1, "\"Print...\" is not available now."},
    {"SaveWithoutSymbol", "MBSave", -1, "\"Save Bar Code As...\" is not available now."},
    {"PasteWithoutText", "MPaste", -1, "\"Paste\" is not available now."},
    {"NextWithoutFile", "MNext", -1, "\"Next Message\" is not available now."},
    {"CloseWithoutFile", "MCloseMessage", -1, "\"Close Message File\" is not available now."},
    {"PasteLink", "mPLink", -1, "\"Paste Link\" is not available now."},
    {"CrossHairs", "CHairs", -1, "\"Cross Hairs\" is not available now."},
    {"BarPatternBeforeBuild", "dbpSave", -1, "\"Save .dbp File As...\" is not available now."},
    {"Submenu", "BWR", -1, "\"Bar Width Reduction / Gain\" opens a submenu; it is not a command."},
    {"TopMenu", "MFile", -1, "\"File\" opens a submenu; it is not a command."},
    {"NamedSeparator", "Junk1", -1, "Junk1 is a separator, not a command."},
    {"PlainSeparator", "", -1, "A separator is not a command."},
};

class RefusalTest : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(RefusalTest, NothingHappensAndTheReasonIsGiven) {
    const RefusalRow& row = GetParam();
    CommandSession session;
    const Job before = session.job();
    const int viewChanges = session.host.viewChanges;
    EXPECT_EQ(activateMenuItem(session.app, row.control, row.index),
              (MenuOutcome{.status = MenuStatus::Refused, .refusal = row.refusal}));
    EXPECT_EQ(session.job(), before);
    EXPECT_FALSE(session.state().Dirty);
    EXPECT_EQ(session.host.viewChanges, viewChanges);
    EXPECT_TRUE(session.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Clicks, RefusalTest, ::testing::ValuesIn(kRefusalRows),
                         [](const auto& info) { return std::string(info.param.name); });

void collectLeaves(const std::vector<MenuItemView>& items, std::vector<MenuItemView>& leaves) {
    for (const MenuItemView& item : items) {
        if (item.separator)
            continue;
        if (item.children.empty())
            leaves.push_back(item);
        collectLeaves(item.children, leaves);
    }
}

// Every item the user can click does something: a core command or the
// window's part. With a symbol built, text on the clipboard and a message
// file open, only the two items that nothing enables are refused.
TEST(MainMenu, EveryEnabledItemHasACommand) {
    const vornik::testing::TempFolder folder;
    const auto path = folder.write("labels.txt", "A\r\nB\r\n");
    std::vector<MenuItemView> leaves;
    {
        CommandSession session;
        collectLeaves(mainMenuBar(session.app), leaves);
    }
    ASSERT_EQ(leaves.size(), 109u);
    for (const MenuItemView& leaf : leaves) {
        SCOPED_TRACE(leaf.control + "(" + std::to_string(leaf.index) + ")");
        CommandSession session;
        session.host.clipboard = "text";
        ASSERT_TRUE(session.run("[OPENMSGFILE(" + path.string() + ")]"));
        ASSERT_TRUE(session.state().SymbolBuilt);
        const MenuOutcome outcome = activateMenuItem(session.app, leaf.control, leaf.index);
        const bool neverEnabled = leaf.control == "mPLink" || leaf.control == "CHairs";
        EXPECT_EQ(outcome.status == MenuStatus::Refused, neverEnabled) << outcome.refusal;
    }
}

} // namespace
} // namespace vornik

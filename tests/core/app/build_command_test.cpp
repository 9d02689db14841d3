#include "core/app/application.h"
#include "core/app/build_checks.h"
#include "core/app/builders.h"
#include "support/fake_host.h"
#include "support/row_name.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vornik {
namespace {

using vornik::testing::PrintTo;

using vornik::testing::FakeHost;

template <typename Row> std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

const std::string kEmptyMessageText =
    "Missing or invalid bar code message!  Please re-enter bar code text.";

// The two warnings, composed around the name of the offending dimension.
std::string dimensionWarning(const std::string& name) {
    return "WARNING! - The Specified " + name + " is less than the smallest allowable nominal " +
           name +
           " defined in the specifications for the selected symbology. Bar Codes produced using "
           "this dimension may be unreadable!\r\n\r\n"
           "Do you want to continue generating this bar code?";
}

std::string printerWarning(const std::string& name) {
    return "WARNING! - The Specified " + name +
           " is less than three printer dots for the chosen target printer. Bar Codes produced "
           "using this dimension may be unreadable!\r\n\r\n"
           "Either increase the " +
           name +
           " dimension or select a different target printer.\r\n\r\n"
           "Do you want to continue generating this bar code?";
}

MessageBox dimensionWarningBox(const std::string& name) {
    return {.title = "Invalid Dimension Warning",
            .text = dimensionWarning(name),
            .icon = MessageIcon::Exclamation,
            .buttons = MessageButtons::OkCancel};
}

MessageBox printerWarningBox(const std::string& name) {
    return {.title = "Printer Resolution Warning",
            .text = printerWarning(name),
            .icon = MessageIcon::Exclamation,
            .buttons = MessageButtons::OkCancel};
}

const std::string kPasteAdvice =
    "The bar code that you just created has been placed in the Windows clipboard as a Windows "
    "Metafile graphic so that you can paste it into documents created with other Windows "
    "programs.\r\n"
    "If you will be pasting your bar codes into a Word or PageMaker document, you should select "
    "'Edit' and 'Paste Special' in these programs (do not select 'Paste'). The 'Paste Special' "
    "option will display a dialog box where you should select either 'Picture' or 'Windows "
    "metafile' as the format of the image.\r\n"
    "Do not select the 'Enhanced Metafile' option in the Paste Special dialog box as this will "
    "distort the image and make your bar code unreadable.";

// Field by field, so that a failure shows which part differs.
void expectBox(const MessageBox& actual, const MessageBox& expected) {
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.text, expected.text);
    EXPECT_EQ(actual.icon, expected.icon);
    EXPECT_EQ(actual.buttons, expected.buttons);
}

constexpr std::array kAllBuilderKinds = {
    BuilderKind::Linear,           BuilderKind::Pdf417,     BuilderKind::Aztec,
    BuilderKind::DataMatrix,       BuilderKind::Rss14,      BuilderKind::Rss14Stacked,
    BuilderKind::Rss14StackedOmni, BuilderKind::RssLimited,
};

struct BuilderCall {
    BuilderKind kind;
    int widthUnits;
    int heightUnits;
    bool symbolBuiltOnEntry;
};

// A started application whose every builder records its call and succeeds.
class BuildCommandTest : public ::testing::Test {
protected:
    BuildCommandTest() {
        app.startUp();
        for (BuilderKind kind : kAllBuilderKinds)
            app.builders().install(kind, [this, kind](BuildContext& context) {
                calls.push_back({kind, context.widthUnits, context.heightUnits,
                                 context.app.state().SymbolBuilt});
                return BuildOutcome::Built;
            });
        app.job().Message = "12345";
    }

    void warningsOff() {
        app.job().MessageWarnings = false;
        app.job().PrintWarnings = false;
    }

    FakeHost host;
    Application app{host, StartupOptions{}};
    std::vector<BuilderCall> calls;
};

// ---------------------------------------------------------------------------
// Step by step, the plain cases.

TEST_F(BuildCommandTest, EmptyMessageIsReportedAndNothingIsBuilt) {
    app.job().Message.clear();
    EXPECT_EQ(app.Build(), BuildOutcome::Rejected);
    EXPECT_TRUE(calls.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kEmptyMessageText);
    EXPECT_FALSE(app.state().SymbolBuilt);
    EXPECT_TRUE(app.state().HelpLabelVisible);
    EXPECT_TRUE(host.pasteAdviceTexts.empty());
    EXPECT_EQ(app.buildsWithoutSymbol(), 1);
}

TEST_F(BuildCommandTest, SuppressedBuildDoesNothing) {
    app.state().BuildSuppressed = true;
    app.job().Message.clear(); // not even the empty message is reported
    EXPECT_EQ(app.Build(), BuildOutcome::Suppressed);
    app.job().Message = "X";
    app.job().NarrowBarWidth = 1.0f; // nor a dimension
    EXPECT_EQ(app.Build(), BuildOutcome::Suppressed);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(host.pasteAdviceTexts.empty());
    EXPECT_TRUE(app.state().HelpLabelVisible);
    EXPECT_FALSE(app.state().SymbolDisplayVisible);
}

TEST_F(BuildCommandTest, FirstBuildHidesTheHelpLabelAndShowsTheDisplay) {
    ASSERT_TRUE(app.state().HelpLabelVisible);
    ASSERT_FALSE(app.state().SymbolDisplayVisible);
    EXPECT_EQ(app.Build(), BuildOutcome::Built);
    EXPECT_FALSE(app.state().HelpLabelVisible);
    EXPECT_TRUE(app.state().SymbolDisplayVisible);
    EXPECT_TRUE(app.state().SymbolBuilt);
    EXPECT_EQ(app.buildsWithoutSymbol(), 0);

    app.Build();
    EXPECT_FALSE(app.state().HelpLabelVisible);
    EXPECT_TRUE(app.state().SymbolDisplayVisible);
}

TEST_F(BuildCommandTest, DefaultJobBuildsWithoutWarnings) {
    EXPECT_EQ(app.Build(), BuildOutcome::Built);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.beeps, 0);
}

// ---------------------------------------------------------------------------
// The integer dimensions the builders receive.

struct UnitsCase {
    std::string name;
    float narrowBarWidth; // 0.001 cm
    float barHeight;      // cm
    int widthUnits;
    int heightUnits;
};

class BuildUnitsTest : public BuildCommandTest, public ::testing::WithParamInterface<UnitsCase> {};

TEST_P(BuildUnitsTest, BuilderReceivesRoundedAndCappedUnits) {
    const UnitsCase& row = GetParam();
    warningsOff();
    app.job().NarrowBarWidth = row.narrowBarWidth;
    app.job().BarHeight = row.barHeight;
    app.Build();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].widthUnits, row.widthUnits);
    EXPECT_EQ(calls[0].heightUnits, row.heightUnits);

    const BuildDimensions derived = deriveBuildDimensions(app.job());
    EXPECT_EQ(derived.widthUnits, row.widthUnits);
    EXPECT_EQ(derived.heightUnits, row.heightUnits);
}

INSTANTIATE_TEST_SUITE_P(
    Dimensions, BuildUnitsTest,
    ::testing::Values(UnitsCase{"Defaults", 33.02f, 2.54f, 33, 2540},
                      UnitsCase{"WidthRoundsUp", 33.6f, 2.54f, 34, 2540},
                      UnitsCase{"WidthRoundsDown", 17.78f, 2.54f, 18, 2540},
                      // Exact halves go to the even neighbour.
                      UnitsCase{"WidthHalfToEvenDown", 32.5f, 2.54f, 32, 2540},
                      UnitsCase{"WidthHalfToEvenUp", 33.5f, 2.54f, 34, 2540},
                      UnitsCase{"WidthJustBelowCap", 999.4f, 2.54f, 999, 2540},
                      UnitsCase{"WidthRoundsToCap", 999.6f, 2.54f, 1000, 2540},
                      UnitsCase{"WidthAtCap", 1000.0f, 2.54f, 1000, 2540},
                      UnitsCase{"WidthAboveCap", 5000.0f, 2.54f, 1000, 2540},
                      UnitsCase{"HeightHalfCentimetre", 33.02f, 0.5f, 33, 500},
                      UnitsCase{"HeightFraction", 33.02f, 1.27f, 33, 1270},
                      UnitsCase{"HeightJustBelowCap", 33.02f, 19.99f, 33, 19990},
                      UnitsCase{"HeightAtCap", 33.02f, 20.0f, 33, 20000},
                      UnitsCase{"HeightTwentyFiveCentimetres", 33.02f, 25.0f, 33, 20000}),
    rowName<UnitsCase>);

// ---------------------------------------------------------------------------
// The nominal dimension warning, alone (printer warnings off).

struct Dimensions {
    float narrowBarWidth = 33.02f;
    float pdfModuleWidth = 25.4f;
    float pdfModuleHeight = 76.2f;
    float moduleSize = 50.8f;
    float barHeight = 2.54f;
};

struct WarningCase {
    std::string name;
    Symbology symbology;
    Dimensions dimensions;
    std::optional<std::string> warnedName; // the dimension the warning names, if any
};

void applyDimensions(Job& job, const WarningCase& row) {
    job.Symbology = row.symbology;
    job.NarrowBarWidth = row.dimensions.narrowBarWidth;
    job.PdfModuleWidth = row.dimensions.pdfModuleWidth;
    job.PdfModuleHeight = row.dimensions.pdfModuleHeight;
    job.ModuleSize = row.dimensions.moduleSize;
    job.BarHeight = row.dimensions.barHeight;
}

class NominalWarningTest : public BuildCommandTest,
                           public ::testing::WithParamInterface<WarningCase> {};

TEST_P(NominalWarningTest, WarnsOnlyBelowTheNominalMinimum) {
    const WarningCase& row = GetParam();
    applyDimensions(app.job(), row);
    app.job().PrintWarnings = false;
    app.Build();
    if (row.warnedName) {
        ASSERT_EQ(host.messages.size(), 1u);
        expectBox(host.messages[0], dimensionWarningBox(*row.warnedName));
        EXPECT_EQ(host.beeps, 1);
    } else {
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(host.beeps, 0);
    }
    // Answered OK (or never asked): the builder runs.
    EXPECT_EQ(calls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Minimums, NominalWarningTest,
    ::testing::Values(
        WarningCase{"UpcATenMils", Symbology::UpcA, {.narrowBarWidth = 25.4f}, "Narrow Bar Width"},
        WarningCase{
            "UpcATenPointFourMils", Symbology::UpcA, {.narrowBarWidth = 26.416f}, std::nullopt},
        WarningCase{"UpcEBelow", Symbology::UpcE, {.narrowBarWidth = 26.3f}, "Narrow Bar Width"},
        WarningCase{"UpcE1Below", Symbology::UpcE1, {.narrowBarWidth = 20.0f}, "Narrow Bar Width"},
        WarningCase{"Ean8Below", Symbology::Ean8, {.narrowBarWidth = 26.39f}, "Narrow Bar Width"},
        WarningCase{"Ean13AtMinimum", Symbology::Ean13, {.narrowBarWidth = 26.4f}, std::nullopt},
        WarningCase{
            "BookLandBelow", Symbology::BookLand, {.narrowBarWidth = 25.0f}, "Narrow Bar Width"},
        WarningCase{"Code39SevenPointFiveMils",
                    Symbology::Code39,
                    {.narrowBarWidth = 19.05f},
                    std::nullopt},
        WarningCase{"Code39SevenPointFourMils",
                    Symbology::Code39,
                    {.narrowBarWidth = 18.796f},
                    "Narrow Bar Width"},
        WarningCase{
            "Code128AtMinimum", Symbology::Code128, {.narrowBarWidth = 19.0f}, std::nullopt},
        WarningCase{
            "Code128Below", Symbology::Code128, {.narrowBarWidth = 18.99f}, "Narrow Bar Width"},
        // The UPC/EAN minimum does not apply to other linear symbologies.
        WarningCase{"Interleaved2of5TenMils",
                    Symbology::Interleaved2of5,
                    {.narrowBarWidth = 25.4f},
                    std::nullopt},
        WarningCase{
            "MsiBelow", Symbology::MsiPlessey, {.narrowBarWidth = 18.0f}, "Narrow Bar Width"},
        WarningCase{"Rss14Below", Symbology::Rss14, {.narrowBarWidth = 18.0f}, "Narrow Bar Width"},
        WarningCase{
            "Bpo4StateBelow", Symbology::Bpo4State, {.narrowBarWidth = 18.0f}, "Narrow Bar Width"},
        WarningCase{"PostnetTinyBars",
                    Symbology::Postnet,
                    {.narrowBarWidth = 1.0f, .barHeight = 0.01f},
                    std::nullopt},
        // PDF417 checks its modules, and names the height when both are too small.
        WarningCase{"Pdf417SixByEightMils",
                    Symbology::Pdf417,
                    {.pdfModuleWidth = 15.24f, .pdfModuleHeight = 20.32f},
                    "Module Height"},
        WarningCase{
            "Pdf417WidthOnly", Symbology::Pdf417, {.pdfModuleWidth = 15.24f}, "Module Width"},
        WarningCase{
            "Pdf417HeightOnly", Symbology::Pdf417, {.pdfModuleHeight = 25.3f}, "Module Height"},
        WarningCase{"Pdf417AtMinimums",
                    Symbology::Pdf417,
                    {.pdfModuleWidth = 16.6624f, .pdfModuleHeight = 25.4f},
                    std::nullopt},
        WarningCase{
            "Pdf417IgnoresNarrowBar", Symbology::Pdf417, {.narrowBarWidth = 1.0f}, std::nullopt},
        WarningCase{"AztecBelow", Symbology::Aztec, {.moduleSize = 25.3f}, "Module Size"},
        WarningCase{"AztecAtMinimum", Symbology::Aztec, {.moduleSize = 25.4f}, std::nullopt},
        WarningCase{
            "AztecIgnoresNarrowBar", Symbology::Aztec, {.narrowBarWidth = 1.0f}, std::nullopt},
        WarningCase{"DataMatrixBelow", Symbology::DataMatrix, {.moduleSize = 20.0f}, "Module Size"},
        WarningCase{"DataMatrixIgnoresNarrowBar",
                    Symbology::DataMatrix,
                    {.narrowBarWidth = 1.0f},
                    std::nullopt}),
    rowName<WarningCase>);

// ---------------------------------------------------------------------------
// The printer resolution warning, alone (dimension warnings off), at the
// default target of 300 dots per inch: one dot is 8.4667 thousandths of a cm.

class PrinterWarningTest : public BuildCommandTest,
                           public ::testing::WithParamInterface<WarningCase> {};

TEST_P(PrinterWarningTest, WarnsBelowThreeDots) {
    const WarningCase& row = GetParam();
    applyDimensions(app.job(), row);
    app.job().MessageWarnings = false;
    ASSERT_EQ(app.job().DotsAcross, 300);
    ASSERT_EQ(app.job().DotsAlong, 300);
    app.Build();
    if (row.warnedName) {
        ASSERT_EQ(host.messages.size(), 1u);
        expectBox(host.messages[0], printerWarningBox(*row.warnedName));
        EXPECT_EQ(host.beeps, 1);
    } else {
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(host.beeps, 0);
    }
    EXPECT_EQ(calls.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    ThreeDots, PrinterWarningTest,
    ::testing::Values(
        WarningCase{"Code39Defaults", Symbology::Code39, {}, std::nullopt},
        // 17.78 is 18 units: 2.1 dots.
        WarningCase{
            "Code39SevenMils", Symbology::Code39, {.narrowBarWidth = 17.78f}, "Narrow Bar Width"},
        // 25.4 is 25 units once rounded: 2.95 dots.
        WarningCase{"Code39TenMilsRoundedDown",
                    Symbology::Code39,
                    {.narrowBarWidth = 25.4f},
                    "Narrow Bar Width"},
        WarningCase{
            "Code39TwentySixUnits", Symbology::Code39, {.narrowBarWidth = 25.908f}, std::nullopt},
        WarningCase{"LowBars", Symbology::Code128, {.barHeight = 0.02f}, "Bar Code Height"},
        WarningCase{"HeightWinsOverWidth",
                    Symbology::Code128,
                    {.narrowBarWidth = 10.0f, .barHeight = 0.02f},
                    "Bar Code Height"},
        WarningCase{
            "Pdf417ModuleWidth", Symbology::Pdf417, {.pdfModuleWidth = 20.0f}, "Module Width"},
        WarningCase{"Pdf417ModuleHeight",
                    Symbology::Pdf417,
                    {.pdfModuleWidth = 30.0f, .pdfModuleHeight = 20.0f},
                    "Module Height"},
        WarningCase{"Pdf417HeightWinsOverWidth",
                    Symbology::Pdf417,
                    {.pdfModuleWidth = 20.0f, .pdfModuleHeight = 20.0f},
                    "Module Height"},
        // 10 mils is exactly three dots at 300 dpi, although 25.4 is held a
        // little short in single precision: the default PDF417 job must not warn.
        WarningCase{"Pdf417DefaultsExactlyThreeDots", Symbology::Pdf417, {}, std::nullopt},
        WarningCase{
            "AztecTenMilsExactlyThreeDots", Symbology::Aztec, {.moduleSize = 25.4f}, std::nullopt},
        WarningCase{"Pdf417ThreeDotsPlus",
                    Symbology::Pdf417,
                    {.pdfModuleWidth = 26.0f, .pdfModuleHeight = 26.0f},
                    std::nullopt},
        WarningCase{"Pdf417IgnoresNarrowBarAndBarHeight",
                    Symbology::Pdf417,
                    {.narrowBarWidth = 1.0f, .pdfModuleWidth = 30.0f, .barHeight = 0.01f},
                    std::nullopt},
        WarningCase{"AztecSmallModule", Symbology::Aztec, {.moduleSize = 25.0f}, "Module Size"},
        WarningCase{
            "DataMatrixSmallModule", Symbology::DataMatrix, {.moduleSize = 24.0f}, "Module Size"},
        WarningCase{"DataMatrixDefaultModule", Symbology::DataMatrix, {}, std::nullopt},
        WarningCase{"DataMatrixIgnoresBarHeight",
                    Symbology::DataMatrix,
                    {.barHeight = 0.01f},
                    std::nullopt},
        WarningCase{"PostnetTinyBars",
                    Symbology::Postnet,
                    {.narrowBarWidth = 1.0f, .barHeight = 0.01f},
                    std::nullopt}),
    rowName<WarningCase>);

// DotsAcross and DotsAlong already follow the orientation, so a vertical
// symbol is checked against the printer's y resolution across its bars and
// its x resolution along them, with no further exchange.

struct OrientedTargetCase {
    std::string name;
    Orientation orientation;
    int dpiX;
    int dpiY;
    float barHeight; // cm
    std::optional<std::string> warnedName;
};

class OrientedTargetTest : public BuildCommandTest,
                           public ::testing::WithParamInterface<OrientedTargetCase> {};

TEST_P(OrientedTargetTest, PrinterCheckUsesTheDotsOfTheOrientation) {
    const OrientedTargetCase& row = GetParam();
    app.job().MessageWarnings = false;
    app.job().BarHeight = row.barHeight;
    app.setOrientation(row.orientation);
    app.setTargetResolution(row.dpiX, row.dpiY);
    ASSERT_TRUE(calls.empty()) << "nothing built yet, so nothing rebuilt";
    app.Build();
    if (row.warnedName) {
        ASSERT_EQ(host.messages.size(), 1u);
        expectBox(host.messages[0], printerWarningBox(*row.warnedName));
    } else {
        EXPECT_TRUE(host.messages.empty());
    }
}

// 33 units across: 7.8 dots at 600 dpi, 3.1 at 240 dpi, 1.95 at 150 dpi. A
// 0.03 cm bar height is 30 units: 7.1 dots at 600 dpi, 2.8 at 240 dpi.
INSTANTIATE_TEST_SUITE_P(
    Orientations, OrientedTargetTest,
    ::testing::Values(OrientedTargetCase{"HorizontalFineAcross", Orientation::Horizontal, 600, 150,
                                         2.54f, std::nullopt},
                      OrientedTargetCase{"Vertical90CoarseAcross", Orientation::Vertical90, 600,
                                         150, 2.54f, "Narrow Bar Width"},
                      OrientedTargetCase{"Vertical270CoarseAcross", Orientation::Vertical270, 600,
                                         150, 2.54f, "Narrow Bar Width"},
                      OrientedTargetCase{"HorizontalCoarseAcross", Orientation::Horizontal, 150,
                                         600, 2.54f, "Narrow Bar Width"},
                      OrientedTargetCase{"Vertical90FineAcross", Orientation::Vertical90, 150, 600,
                                         2.54f, std::nullopt},
                      OrientedTargetCase{"HorizontalLowBarsCoarseAlong", Orientation::Horizontal,
                                         600, 240, 0.03f, "Bar Code Height"},
                      OrientedTargetCase{"Vertical90LowBarsFineAlong", Orientation::Vertical90, 600,
                                         240, 0.03f, std::nullopt},
                      OrientedTargetCase{"HorizontalLowBarsFineAlong", Orientation::Horizontal, 240,
                                         600, 0.03f, std::nullopt},
                      OrientedTargetCase{"Vertical270LowBarsCoarseAlong", Orientation::Vertical270,
                                         240, 600, 0.03f, "Bar Code Height"}),
    rowName<OrientedTargetCase>);

// ---------------------------------------------------------------------------
// Both warnings, and the answers to them.

TEST_F(BuildCommandTest, SevenMilsAtThreeHundredDpiShowsBothWarningsInOrder) {
    app.job().NarrowBarWidth = 17.78f;
    EXPECT_EQ(app.Build(), BuildOutcome::Built);
    ASSERT_EQ(host.messages.size(), 2u);
    expectBox(host.messages[0], dimensionWarningBox("Narrow Bar Width"));
    expectBox(host.messages[1], printerWarningBox("Narrow Bar Width"));
    EXPECT_EQ(host.beeps, 2);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].widthUnits, 18);
}

TEST_F(BuildCommandTest, WarningsOffShowNoMessageBeforeTheBuilder) {
    warningsOff();
    app.job().Symbology = Symbology::UpcA;
    app.job().NarrowBarWidth = 5.0f;
    app.job().BarHeight = 0.01f;
    EXPECT_EQ(app.Build(), BuildOutcome::Built);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(BuildCommandTest, WrittenOutDimensionWarningText) {
    app.job().Symbology = Symbology::Aztec;
    app.job().ModuleSize = 25.0f;
    app.job().PrintWarnings = false;
    app.Build();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "WARNING! - The Specified Module Size is less than the smallest allowable nominal "
              "Module Size defined in the specifications for the selected symbology. Bar Codes "
              "produced using this dimension may be unreadable!\r\n\r\nDo you want to continue "
              "generating this bar code?");
}

TEST_F(BuildCommandTest, WrittenOutPrinterWarningText) {
    app.job().Symbology = Symbology::Pdf417;
    app.job().PdfModuleWidth = 20.0f;
    app.job().MessageWarnings = false;
    app.Build();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "WARNING! - The Specified Module Width is less than three printer dots for the "
              "chosen target printer. Bar Codes produced using this dimension may be "
              "unreadable!\r\n\r\nEither increase the Module Width dimension or select a "
              "different target printer.\r\n\r\nDo you want to continue generating this bar "
              "code?");
}

TEST_F(BuildCommandTest, DimensionWarningClearsSymbolBuiltBeforeTheBuilderRuns) {
    app.Build();
    ASSERT_TRUE(app.state().SymbolBuilt);
    app.job().NarrowBarWidth = 18.0f;
    app.job().PrintWarnings = false;
    app.Build();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FALSE(calls[1].symbolBuiltOnEntry);
    EXPECT_TRUE(app.state().SymbolBuilt); // set again by the build that followed
}

TEST_F(BuildCommandTest, CancelOnTheDimensionWarningEndsTheCommand) {
    app.Build();
    ASSERT_TRUE(app.state().SymbolBuilt);
    calls.clear();

    app.job().NarrowBarWidth = 17.78f; // would warn about the printer too
    host.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(app.Build(), BuildOutcome::Cancelled);
    EXPECT_TRUE(calls.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Invalid Dimension Warning");
    EXPECT_FALSE(app.state().SymbolBuilt);
    EXPECT_EQ(app.buildsWithoutSymbol(), 1);
}

TEST_F(BuildCommandTest, CancelOnThePrinterWarningAfterTheDimensionWarning) {
    app.Build();
    calls.clear();
    app.job().NarrowBarWidth = 17.78f;
    host.answers = {MessageAnswer::Ok, MessageAnswer::Cancel};
    EXPECT_EQ(app.Build(), BuildOutcome::Cancelled);
    EXPECT_TRUE(calls.empty());
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].title, "Printer Resolution Warning");
    EXPECT_FALSE(app.state().SymbolBuilt);
    EXPECT_EQ(app.buildsWithoutSymbol(), 1);
}

TEST_F(BuildCommandTest, CancelOnThePrinterWarningAloneKeepsThePreviousSymbol) {
    app.Build();
    ASSERT_TRUE(app.state().SymbolBuilt);
    calls.clear();
    app.job().MessageWarnings = false;
    app.job().NarrowBarWidth = 17.78f;
    host.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(app.Build(), BuildOutcome::Cancelled);
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(app.state().SymbolBuilt);
    EXPECT_TRUE(app.state().SymbolDisplayVisible);
}

TEST_F(BuildCommandTest, CancelledFirstBuildLeavesTheHelpLabel) {
    app.job().NarrowBarWidth = 17.78f;
    host.answers = {MessageAnswer::Cancel};
    app.Build();
    EXPECT_TRUE(app.state().HelpLabelVisible);
    EXPECT_FALSE(app.state().SymbolDisplayVisible);
    EXPECT_TRUE(host.pasteAdviceTexts.empty());
}

// ---------------------------------------------------------------------------
// Which builder each symbology goes to.

struct BuilderCase {
    std::string name;
    Symbology symbology;
    BuilderKind kind;
};

class BuilderChoiceTest : public BuildCommandTest,
                          public ::testing::WithParamInterface<BuilderCase> {};

TEST_P(BuilderChoiceTest, BuildCallsTheSymbologysBuilder) {
    const BuilderCase& row = GetParam();
    EXPECT_EQ(builderFor(row.symbology), row.kind);
    warningsOff();
    app.job().Symbology = row.symbology;
    app.Build();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, row.kind);
}

INSTANTIATE_TEST_SUITE_P(
    AllSymbologies, BuilderChoiceTest,
    ::testing::Values(
        BuilderCase{"Code39", Symbology::Code39, BuilderKind::Linear},
        BuilderCase{"Code39FullAscii", Symbology::Code39FullAscii, BuilderKind::Linear},
        BuilderCase{"UpcA", Symbology::UpcA, BuilderKind::Linear},
        BuilderCase{"UpcE", Symbology::UpcE, BuilderKind::Linear},
        BuilderCase{"UpcE1", Symbology::UpcE1, BuilderKind::Linear},
        BuilderCase{"Ean8", Symbology::Ean8, BuilderKind::Linear},
        BuilderCase{"Ean13", Symbology::Ean13, BuilderKind::Linear},
        BuilderCase{"BookLand", Symbology::BookLand, BuilderKind::Linear},
        BuilderCase{"Interleaved2of5", Symbology::Interleaved2of5, BuilderKind::Linear},
        BuilderCase{"Discrete2of5", Symbology::Discrete2of5, BuilderKind::Linear},
        BuilderCase{"Codabar", Symbology::Codabar, BuilderKind::Linear},
        BuilderCase{"Code93", Symbology::Code93, BuilderKind::Linear},
        BuilderCase{"Code128", Symbology::Code128, BuilderKind::Linear},
        BuilderCase{"EanUcc128", Symbology::EanUcc128, BuilderKind::Linear},
        BuilderCase{"Pdf417", Symbology::Pdf417, BuilderKind::Pdf417},
        BuilderCase{"Aztec", Symbology::Aztec, BuilderKind::Aztec},
        BuilderCase{"DataMatrix", Symbology::DataMatrix, BuilderKind::DataMatrix},
        BuilderCase{"MsiPlessey", Symbology::MsiPlessey, BuilderKind::Linear},
        BuilderCase{"Rss14", Symbology::Rss14, BuilderKind::Rss14},
        BuilderCase{"Rss14Stacked", Symbology::Rss14Stacked, BuilderKind::Rss14Stacked},
        BuilderCase{"Rss14StackedOmni", Symbology::Rss14StackedOmni, BuilderKind::Rss14StackedOmni},
        BuilderCase{"RssLimited", Symbology::RssLimited, BuilderKind::RssLimited},
        BuilderCase{"Postnet", Symbology::Postnet, BuilderKind::Linear},
        BuilderCase{"Bpo4State", Symbology::Bpo4State, BuilderKind::Linear}),
    rowName<BuilderCase>);

// ---------------------------------------------------------------------------
// The paste advice after the first build.

TEST_F(BuildCommandTest, PasteAdviceIsShownOnceAfterTheFirstSymbol) {
    app.Build();
    ASSERT_EQ(host.pasteAdviceTexts.size(), 1u);
    EXPECT_EQ(host.pasteAdviceTexts[0], kPasteAdvice);
    EXPECT_TRUE(app.state().WordWarningDone);
    EXPECT_TRUE(app.state().ShowWordWarning); // closed with OK, box not checked

    app.Build();
    app.Build();
    EXPECT_EQ(host.pasteAdviceTexts.size(), 1u);
}

struct AdviceCase {
    std::string name;
    PasteAdviceAnswer answer;
    bool showWordWarningAfter;
};

class PasteAdviceAnswerTest : public BuildCommandTest,
                              public ::testing::WithParamInterface<AdviceCase> {};

TEST_P(PasteAdviceAnswerTest, CheckedBoxWithOkTurnsTheAdviceOff) {
    host.pasteAdviceAnswers = {GetParam().answer};
    app.Build();
    ASSERT_EQ(host.pasteAdviceTexts.size(), 1u);
    EXPECT_EQ(app.state().ShowWordWarning, GetParam().showWordWarningAfter);
    EXPECT_TRUE(app.state().WordWarningDone);
    app.Build();
    EXPECT_EQ(host.pasteAdviceTexts.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PasteAdviceAnswerTest,
    ::testing::Values(
        AdviceCase{"CheckedAndOk", {.closedWithOk = true, .dontShowAgainChecked = true}, false},
        AdviceCase{"UncheckedAndOk", {.closedWithOk = true, .dontShowAgainChecked = false}, true},
        AdviceCase{"CheckedButNotOk", {.closedWithOk = false, .dontShowAgainChecked = true}, true},
        AdviceCase{"UncheckedNotOk", {.closedWithOk = false, .dontShowAgainChecked = false}, true}),
    rowName<AdviceCase>);

TEST_F(BuildCommandTest, PasteAdviceNeverShownWhenAlreadyDone) {
    app.state().WordWarningDone = true;
    app.Build();
    app.Build();
    EXPECT_TRUE(host.pasteAdviceTexts.empty());
}

TEST_F(BuildCommandTest, PasteAdviceNeverShownWhenTurnedOff) {
    app.state().ShowWordWarning = false;
    app.Build();
    EXPECT_TRUE(host.pasteAdviceTexts.empty());
}

TEST_F(BuildCommandTest, PasteAdviceWaitsForABuildThatMadeASymbol) {
    app.job().Message.clear();
    app.Build();
    EXPECT_TRUE(host.pasteAdviceTexts.empty());
    EXPECT_FALSE(app.state().WordWarningDone);

    app.job().Message = "12345";
    app.Build();
    EXPECT_EQ(host.pasteAdviceTexts.size(), 1u);
}

TEST_F(BuildCommandTest, RejectingBuilderGetsNoPasteAdvice) {
    app.builders().install(BuilderKind::Linear, [](BuildContext& context) {
        context.app.ReportMessageError(8);
        return BuildOutcome::Rejected;
    });
    EXPECT_EQ(app.Build(), BuildOutcome::Rejected);
    EXPECT_TRUE(host.pasteAdviceTexts.empty());
    EXPECT_FALSE(app.state().SymbolBuilt);
    EXPECT_EQ(app.buildsWithoutSymbol(), 1);
}

// ---------------------------------------------------------------------------
// Builders this version does not have.

struct UnavailableCase {
    std::string name;
    Symbology symbology;
    std::string symbologyName;
};

class UnavailableBuilderTest : public ::testing::TestWithParam<UnavailableCase> {
protected:
    FakeHost host;
    Application app{host, StartupOptions{}};
};

TEST_P(UnavailableBuilderTest, SaysSoAndBuildsNothing) {
    app.startUp();
    app.job().Message = "1234567";
    app.job().Symbology = GetParam().symbology;
    app.job().MessageWarnings = false;
    app.job().PrintWarnings = false;
    app.state().SymbolBuilt = true;

    EXPECT_NE(app.Build(), BuildOutcome::Built);
    ASSERT_EQ(host.messages.size(), 1u);
    const std::string expectedStart = GetParam().symbologyName + " symbols cannot be built yet: ";
    EXPECT_EQ(host.messages[0].text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(app.buildsWithoutSymbol(), 1);
    EXPECT_FALSE(app.state().SymbolBuilt);
    EXPECT_TRUE(host.pasteAdviceTexts.empty());
    EXPECT_FALSE(app.state().WordWarningDone);
}

INSTANTIATE_TEST_SUITE_P(
    Symbologies, UnavailableBuilderTest,
    ::testing::Values(UnavailableCase{"Code39", Symbology::Code39, "Code 39 (Normal)"},
                      UnavailableCase{"UpcA", Symbology::UpcA, "UPC-A    (12 digit)"},
                      UnavailableCase{"Pdf417", Symbology::Pdf417, "PDF417"},
                      UnavailableCase{"Aztec", Symbology::Aztec, "Aztec Code"},
                      UnavailableCase{"DataMatrix", Symbology::DataMatrix, "Data Matrix"},
                      UnavailableCase{"Rss14StackedOmni", Symbology::Rss14StackedOmni,
                                      "RSS-14 Stacked Omni"},
                      UnavailableCase{"Bpo4State", Symbology::Bpo4State, "BPO 4 State Code"}),
    rowName<UnavailableCase>);

TEST(UnavailableBuilder, EachFailedBuildCounts) {
    FakeHost host;
    Application app{host, StartupOptions{}};
    app.startUp();
    app.job().Message = "ABC";
    app.Build();
    app.Build();
    EXPECT_EQ(app.buildsWithoutSymbol(), 2);
    EXPECT_EQ(host.messages.size(), 2u);
}

} // namespace
} // namespace vornik

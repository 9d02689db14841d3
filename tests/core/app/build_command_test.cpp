#include "core/app/application.h"
#include "support/fake_host.h"

#include <deque>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vornik {
namespace {

using vornik::testing::FakeHost;

// A started application with a message, whose every builder records its call and succeeds.
struct Bench {
    FakeHost host;
    Application app{host, StartupOptions{}};
    std::vector<BuilderKind> builds;
    int widthUnits = 0, heightUnits = 0;
    bool builtOnEntry = false; // SymbolBuilt as the last builder found it

    Bench() {
        app.startUp();
        for (std::size_t i = 0; i < kBuilderKindCount; ++i) {
            const auto kind = static_cast<BuilderKind>(i);
            app.builders().install(kind, [this, kind](BuildContext& context) {
                builds.push_back(kind);
                widthUnits = context.widthUnits;
                heightUnits = context.heightUnits;
                builtOnEntry = context.app.state().SymbolBuilt;
                return BuildOutcome::Built;
            });
        }
        app.job().Message = "12345";
    }
};

MessageBox dimensionWarning(const std::string& name) {
    return {"Invalid Dimension Warning",
            "WARNING! - The Specified " + name + " is less than the smallest allowable nominal " +
                name +
                " defined in the specifications for the selected symbology. Bar Codes produced "
                "using this dimension may be unreadable!\r\n\r\nDo you want to continue "
                "generating this bar code?",
            MessageIcon::Exclamation, MessageButtons::OkCancel};
}

MessageBox printerWarning(const std::string& name) {
    return {"Printer Resolution Warning",
            "WARNING! - The Specified " + name +
                " is less than three printer dots for the chosen target printer. Bar Codes "
                "produced using this dimension may be unreadable!\r\n\r\nEither increase the " +
                name +
                " dimension or select a different target printer.\r\n\r\nDo you want to "
                "continue generating this bar code?",
            MessageIcon::Exclamation, MessageButtons::OkCancel};
}

TEST(BuildCommand, SuppressedEmptyAndFirstBuildsAndThePasteAdvice) {
    Bench b;
    b.app.job().Message.clear();
    b.app.state().BuildSuppressed = true;
    EXPECT_EQ(b.app.Build(), BuildOutcome::Suppressed); // not even the empty message is reported

    b.app.state().BuildSuppressed = false;
    EXPECT_EQ(b.app.Build(), BuildOutcome::Rejected);
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0].text,
              "Missing or invalid bar code message!  Please re-enter bar code text.");
    EXPECT_EQ(b.app.buildsWithoutSymbol(), 1);
    EXPECT_TRUE(b.app.state().HelpLabelVisible);
    EXPECT_TRUE(b.host.pasteAdviceTexts.empty()); // no symbol, no advice yet

    // "Don't show again" counts only when the advice is closed with OK.
    b.host.pasteAdviceAnswers = {{.closedWithOk = false, .dontShowAgainChecked = true},
                                 {.closedWithOk = true, .dontShowAgainChecked = true}};
    b.app.job().Message = "12345";
    EXPECT_EQ(b.app.Build(), BuildOutcome::Built);
    EXPECT_FALSE(b.app.state().HelpLabelVisible);
    EXPECT_TRUE(b.app.state().ShowWordWarning);
    b.app.Build(); // once a run
    b.app.state().WordWarningDone = false;
    b.app.Build(); // as in the next run
    EXPECT_FALSE(b.app.state().ShowWordWarning);
    const std::string advice =
        "The bar code that you just created has been placed in the Windows clipboard as a Windows "
        "Metafile graphic so that you can paste it into documents created with other Windows "
        "programs.\r\nIf you will be pasting your bar codes into a Word or PageMaker document, you "
        "should select 'Edit' and 'Paste Special' in these programs (do not select 'Paste'). The "
        "'Paste Special' option will display a dialog box where you should select either "
        "'Picture' or 'Windows metafile' as the format of the image.\r\nDo not select the "
        "'Enhanced Metafile' option in the Paste Special dialog box as this will distort the "
        "image and make your bar code unreadable.";
    EXPECT_EQ(b.host.pasteAdviceTexts, std::vector<std::string>(2, advice));
    EXPECT_EQ(b.builds.size(), 3u);
}

TEST(BuildCommand, BuildersGetRoundedAndCappedUnits) {
    // Narrow bar width (0.001 cm) and bar height (cm), then the units the builders get.
    const std::tuple<float, float, int, int> rows[] = {
        {33.02f, 2.54f, 33, 2540},  {32.5f, 0.5f, 32, 500}, // halves go to the even neighbour
        {33.5f, 19.99f, 34, 19990}, {999.6f, 20.0f, 1000, 20000}, {5000.0f, 25.0f, 1000, 20000},
    };
    for (const auto& [width, height, widthUnits, heightUnits] : rows) {
        Bench b;
        b.app.job().NarrowBarWidth = width;
        b.app.job().BarHeight = height;
        b.app.Build();
        EXPECT_EQ(b.widthUnits, widthUnits) << width;
        EXPECT_EQ(b.heightUnits, heightUnits) << height;
    }
}

TEST(BuildCommand, DimensionAndPrinterWarnings) {
    using enum Symbology;
    const auto ok = MessageAnswer::Ok, cancel = MessageAnswer::Cancel;
    const std::string bar = "Narrow Bar Width", high = "Bar Code Height", no;
    const struct {
        const char* name;
        Symbology symbology;
        void (*set)(Job&);
        std::string dimension, printer; // what each warning names; empty: not shown
        std::deque<MessageAnswer> answers = {ok, ok};
    } rows[] = {
        // One dot at 300 dpi is 8.4667 thousandths of a cm; 10 mils (25.4) is exactly three dots,
        // though it is drawn 25 units wide.
        // clang-format off
        {"Defaults", Code39, [](Job&) {}, no, no},
        {"UpcATenMils", UpcA, [](Job& j) { j.NarrowBarWidth = 25.4f; }, bar, no},
        {"Code128JustUnderThreeDots", Code128, [](Job& j) { j.NarrowBarWidth = 25.3f; }, no, bar},
        {"UpcATenPointFourMils", UpcA, [](Job& j) { j.NarrowBarWidth = 26.416f; }, no, no},
        {"Code39SevenPointFive", Code39, [](Job& j) { j.NarrowBarWidth = 19.05f; }, no, bar},
        {"Code39SevenPointFour", Code39, [](Job& j) { j.NarrowBarWidth = 18.796f; }, bar, bar},
        {"CancelOnDimension", Code39, [](Job& j) { j.NarrowBarWidth = 17.78f; }, bar, no, {cancel}},
        // Seven mils: the printer warning follows the dimension warning.
        {"CancelOnPrinter", Code39, [](Job& j) { j.NarrowBarWidth = 17.78f; }, bar, bar,
         {ok, cancel}},
        {"CancelOnPrinterAlone", Code39, [](Job& j) {
             j.NarrowBarWidth = 17.78f; j.MessageWarnings = false; }, no, bar, {cancel}},
        {"LowBarsWinOverWidth", Code128, [](Job& j) { j.NarrowBarWidth = 10; j.BarHeight = 0.02f; },
         bar, high},
        {"Postnet", Postnet, [](Job& j) { j.NarrowBarWidth = 1; j.BarHeight = 0.01f; }, no, no},
        {"Pdf417SixByEight", Pdf417,
         [](Job& j) { j.PdfModuleWidth = 15.24f; j.PdfModuleHeight = 20.32f; },
         "Module Height", "Module Height"},
        // Exactly three dots, though single precision holds 25.4 a little short.
        {"Pdf417Defaults", Pdf417, [](Job& j) { j.NarrowBarWidth = 1; }, no, no},
        {"AztecSmall", Aztec, [](Job& j) { j.ModuleSize = 25.0f; }, "Module Size", "Module Size"},
        // Across the bars is the printer's y axis for vertical symbols.
        {"HorizontalFine", Code39, [](Job& j) { j.TargetDpiX = 600; j.TargetDpiY = 150; }, no, no},
        {"VerticalCoarse", Code39, [](Job& j) {
             j.Orientation = Orientation::Vertical90; j.TargetDpiX = 600; j.TargetDpiY = 150; },
         no, bar},
        {"WarningsOff", UpcA, [](Job& j) {
             j.NarrowBarWidth = 5; j.MessageWarnings = j.PrintWarnings = false; }, no, no},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Bench b;
        b.app.Build(); // a symbol on display
        b.app.job().Symbology = row.symbology;
        row.set(b.app.job());
        deriveDots(b.app.job());
        std::vector<MessageBox> expected;
        if (!row.dimension.empty())
            expected.push_back(dimensionWarning(row.dimension));
        if (!row.printer.empty())
            expected.push_back(printerWarning(row.printer));
        b.host.answers = row.answers;
        const bool built = row.answers.back() == ok;
        EXPECT_EQ(b.app.Build(), built ? BuildOutcome::Built : BuildOutcome::Cancelled);
        EXPECT_EQ(b.host.messages, expected);
        EXPECT_EQ(b.host.beeps, static_cast<int>(expected.size()));
        EXPECT_EQ(b.builds.size(), built ? 2u : 1u);
        EXPECT_EQ(b.app.buildsWithoutSymbol(), built ? 0 : 1);
        // Only the dimension warning takes the symbol on display away, before the builder runs.
        EXPECT_EQ(b.builtOnEntry, built && row.dimension.empty());
        EXPECT_EQ(b.app.state().SymbolBuilt, built || row.dimension.empty());
    }
}

TEST(BuildCommand, EachSymbologyGoesToItsBuilderAndAMissingOneSaysSo) {
    using K = BuilderKind;
    using enum Symbology;
    // clang-format off
    const std::map<Symbology, BuilderKind> own = {
        {Pdf417, K::Pdf417}, {Aztec, K::Aztec}, {DataMatrix, K::DataMatrix}, {Rss14, K::Rss14},
        {Rss14Stacked, K::Rss14Stacked}, {Rss14StackedOmni, K::Rss14StackedOmni},
        {RssLimited, K::RssLimited}};
    // clang-format on
    Bench b;
    for (const SymbologyEntry& entry : kSymbologyCatalogue) {
        b.app.job().Symbology = entry.symbology;
        b.app.Build();
        const auto found = own.find(entry.symbology);
        EXPECT_EQ(b.builds.back(), found == own.end() ? K::Linear : found->second)
            << entry.menuCaption;
    }
    EXPECT_EQ(b.builds.size(), kSymbologyCatalogue.size());

    // A symbology without an encoder says so and builds nothing.
    b.app.builders().install(K::Aztec,
                             [](BuildContext& c) { return reportSymbologyUnavailable(c.app); });
    b.app.job().Symbology = Aztec;
    EXPECT_EQ(b.app.Build(), BuildOutcome::Rejected);
    EXPECT_EQ(b.app.buildsWithoutSymbol(), 1);
    EXPECT_FALSE(b.app.state().SymbolBuilt);
    EXPECT_EQ(b.host.messages.back(),
              (MessageBox{"Vornik",
                          "Aztec Code symbols cannot be built yet: this version of Vornik "
                          "has no encoder for them.",
                          MessageIcon::Information, MessageButtons::Ok}));
}

} // namespace
} // namespace vornik

#include "core/app/application.h"
#include "core/app/program_texts.h"
#include "support/fake_host.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vornik {
namespace {

using vornik::testing::PrintTo;

namespace fs = std::filesystem;
using vornik::testing::FakeHost;
using vornik::testing::TempFolder;

template <typename Row> std::string rowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// Points the temporary directory somewhere else for the life of the object.
class ScopedTempDirectory {
public:
    explicit ScopedTempDirectory(const fs::path& directory) {
        if (const char* previous = std::getenv("TMPDIR"))
            previous_ = previous;
        ::setenv("TMPDIR", directory.c_str(), 1);
    }
    ~ScopedTempDirectory() {
        if (previous_)
            ::setenv("TMPDIR", previous_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    ScopedTempDirectory(const ScopedTempDirectory&) = delete;
    ScopedTempDirectory& operator=(const ScopedTempDirectory&) = delete;

private:
    std::optional<std::string> previous_;
};

void touch(const std::string& path) {
    std::ofstream{path} << "metafile";
}

class ApplicationTest : public ::testing::Test {
protected:
    FakeHost host;
    Application app{host, StartupOptions{}};

    // Every builder counts its calls and succeeds.
    void countBuilds() {
        for (BuilderKind kind :
             {BuilderKind::Linear, BuilderKind::Pdf417, BuilderKind::Aztec, BuilderKind::DataMatrix,
              BuilderKind::Rss14, BuilderKind::Rss14Stacked, BuilderKind::Rss14StackedOmni,
              BuilderKind::RssLimited})
            app.builders().install(kind, [this](BuildContext&) {
                ++builds;
                return BuildOutcome::Built;
            });
    }

    int builds = 0;
};

// ---------------------------------------------------------------------------
// Start-up.

TEST_F(ApplicationTest, StartUpLeavesTheJobAtItsDefaults) {
    app.startUp();
    EXPECT_EQ(app.job(), Job{});
    EXPECT_EQ(app.boxes().widthText(), "13");
    EXPECT_EQ(app.boxes().heightText(), "1");
    EXPECT_EQ(app.boxes().magnifyText(), "100");
}

TEST_F(ApplicationTest, StartUpSetsTheRunState) {
    app.state().Dirty = true;
    app.state().SymbolBuilt = true;
    app.state().BuildSuppressed = true;
    app.startUp();
    EXPECT_EQ(app.state().WindowCaption, "Vornik Professional (Untitled)");
    EXPECT_FALSE(app.state().Dirty);
    EXPECT_FALSE(app.state().SymbolBuilt);
    EXPECT_FALSE(app.state().BuildSuppressed);
    EXPECT_TRUE(app.state().HelpLabelVisible);
    EXPECT_TRUE(app.state().ConfigPath.empty());
    EXPECT_FALSE(app.state().WordWarningDone);
}

TEST(ProgramTexts, HelpLabelLinesEndWithCarriageReturns) {
    EXPECT_EQ(kHelpLabelText, "To generate a bar code:\r"
                              "1. Select a symbology from the Symbology menu.\r"
                              "2. Enter a bar code message and an optional comment.\r"
                              "3. Press function key F2. \r"
                              "\r"
                              "See the on-line help for more information.");
}

struct PrinterCase {
    std::string name;
    std::optional<PrinterResolution> printer;
    int dpiX;
    int dpiY;
};

class StartUpPrinterTest : public ApplicationTest,
                           public ::testing::WithParamInterface<PrinterCase> {};

TEST_P(StartUpPrinterTest, TargetIsTheDefaultPrinterElse300) {
    host.printer = GetParam().printer;
    app.startUp();
    EXPECT_EQ(app.job().TargetDpiX, GetParam().dpiX);
    EXPECT_EQ(app.job().TargetDpiY, GetParam().dpiY);
    // Horizontal at start: across is x, along is y.
    EXPECT_EQ(app.job().DotsAcross, GetParam().dpiX);
    EXPECT_EQ(app.job().DotsAlong, GetParam().dpiY);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, StartUpPrinterTest,
    ::testing::Values(PrinterCase{"NoPrinter", std::nullopt, 300, 300},
                      PrinterCase{"Square600", PrinterResolution{600, 600}, 600, 600},
                      PrinterCase{"Oblong600By1200", PrinterResolution{600, 1200}, 600, 1200},
                      PrinterCase{"ZeroX", PrinterResolution{0, 600}, 300, 600},
                      PrinterCase{"NegativeY", PrinterResolution{203, -1}, 203, 300},
                      PrinterCase{"BothZero", PrinterResolution{0, 0}, 300, 300},
                      PrinterCase{"OneDotPerInch", PrinterResolution{1, 1}, 1, 1}),
    rowName<PrinterCase>);

struct SettingCase {
    std::string name;
    std::optional<std::string> stored;
    bool showWordWarning;
};

class StartUpSettingTest : public ApplicationTest,
                           public ::testing::WithParamInterface<SettingCase> {};

TEST_P(StartUpSettingTest, ShowWordWarningIsTheStoredNumber) {
    if (GetParam().stored)
        host.settings["ShowWordWarning"] = *GetParam().stored;
    app.state().ShowWordWarning = !GetParam().showWordWarning;
    app.startUp();
    EXPECT_EQ(app.state().ShowWordWarning, GetParam().showWordWarning);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, StartUpSettingTest,
    ::testing::Values(SettingCase{"Missing", std::nullopt, true},
                      SettingCase{"MinusOne", "-1", true}, SettingCase{"Zero", "0", false},
                      SettingCase{"One", "1", true}, SettingCase{"Garbage", "abc", false},
                      SettingCase{"Empty", "", false}, SettingCase{"ZeroFraction", "0.0", false},
                      SettingCase{"LeadingBlank", " -1", true},
                      SettingCase{"NumberThenText", "5x", true}),
    rowName<SettingCase>);

TEST_F(ApplicationTest, TemporaryMetafileIsANewVktNameInTheTempDirectory) {
    const TempFolder folder;
    const ScopedTempDirectory redirected{folder.path()};
    app.startUp();
    const fs::path path = app.state().TempMetafilePath;
    EXPECT_EQ(path.parent_path(), folder.path());
    const std::string file = path.filename().string();
    EXPECT_EQ(file.substr(0, 3), "VKT");
    ASSERT_GE(file.size(), 4u);
    EXPECT_EQ(file.substr(file.size() - 4), ".WMF");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::is_empty(folder.path())) << "the reserved name is freed again";
}

TEST_F(ApplicationTest, TemporaryMetafileUsesTheSystemTempDirectory) {
    app.startUp();
    const fs::path path = app.state().TempMetafilePath;
    EXPECT_EQ(path.parent_path(), fs::temp_directory_path());
    EXPECT_EQ(path.filename().string().substr(0, 3), "VKT");
    EXPECT_EQ(path.extension(), ".WMF");
    EXPECT_FALSE(fs::exists(path));
}

TEST(ApplicationTempFile, FallsBackToTheProgramDirectory) {
    const TempFolder program;
    const ScopedTempDirectory missing{program.path() / "no-such-directory"};
    FakeHost host;
    Application app{host, StartupOptions{.programDirectory = program.path()}};
    app.startUp();
    EXPECT_EQ(fs::path(app.state().TempMetafilePath), program.path() / "~vorniktmp.wmf");
}

TEST(ApplicationTempFile, TwoRunsGetDifferentNames) {
    FakeHost host;
    Application first{host, StartupOptions{}};
    Application second{host, StartupOptions{}};
    first.startUp();
    second.startUp();
    EXPECT_NE(first.state().TempMetafilePath, second.state().TempMetafilePath);
}

TEST_F(ApplicationTest, ConfigurationArgumentIsLoadedAtStartAndOnReset) {
    std::vector<std::string> loaded;
    Application started{host, StartupOptions{.programDirectory = {},
                                             .configurationArgument = "/jobs/label one.vkf"}};
    started.loadConfiguration = [&loaded](Application& a, const std::string& path) {
        EXPECT_FALSE(a.state().Dirty) << "loaded after the defaults are in place";
        loaded.push_back(path);
    };
    started.startUp();
    ASSERT_EQ(loaded, std::vector<std::string>{"/jobs/label one.vkf"});
    EXPECT_EQ(started.state().ConfigPath, "/jobs/label one.vkf");
    EXPECT_TRUE(started.state().HelpLabelVisible);

    started.ResetJob();
    EXPECT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded.back(), "/jobs/label one.vkf");
}

TEST_F(ApplicationTest, NoArgumentLoadsNothing) {
    int loads = 0;
    app.loadConfiguration = [&loads](Application&, const std::string&) { ++loads; };
    app.startUp();
    EXPECT_EQ(loads, 0);
    EXPECT_TRUE(app.state().ConfigPath.empty());
}

// ---------------------------------------------------------------------------
// Shut-down.

struct ShutDownSettingCase {
    std::string name;
    bool showWordWarning;
    std::string stored;
};

class ShutDownSettingTest : public ApplicationTest,
                            public ::testing::WithParamInterface<ShutDownSettingCase> {};

TEST_P(ShutDownSettingTest, StoresTheAdvicePreference) {
    app.startUp();
    app.state().ShowWordWarning = GetParam().showWordWarning;
    EXPECT_TRUE(app.shutDown(true));
    EXPECT_EQ(host.settings["ShowWordWarning"], GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Preference, ShutDownSettingTest,
                         ::testing::Values(ShutDownSettingCase{"Shown", true, "-1"},
                                           ShutDownSettingCase{"Suppressed", false, "0"}),
                         rowName<ShutDownSettingCase>);

TEST_F(ApplicationTest, ShutDownRemovesTheTemporaryMetafile) {
    app.startUp();
    touch(app.state().TempMetafilePath);
    ASSERT_TRUE(fs::exists(app.state().TempMetafilePath));
    int questions = 0;
    app.querySaveChanges = [&questions](Application&) {
        ++questions;
        return true;
    };
    EXPECT_TRUE(app.shutDown(true));
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(fs::exists(app.state().TempMetafilePath));
}

TEST_F(ApplicationTest, CancelledShutDownKeepsRunningAndKeepsTheFile) {
    app.startUp();
    touch(app.state().TempMetafilePath);
    app.state().ShowWordWarning = false;
    app.querySaveChanges = [](Application&) { return false; };
    EXPECT_FALSE(app.shutDown(true));
    EXPECT_TRUE(fs::exists(app.state().TempMetafilePath));
    // The preference is stored before the question.
    EXPECT_EQ(host.settings["ShowWordWarning"], "0");
    fs::remove(app.state().TempMetafilePath);
}

TEST_F(ApplicationTest, ShutDownWithoutAskingSkipsTheQuestion) {
    app.startUp();
    touch(app.state().TempMetafilePath);
    app.querySaveChanges = [](Application&) {
        ADD_FAILURE() << "asked about unsaved changes";
        return false;
    };
    EXPECT_TRUE(app.shutDown(false));
    EXPECT_FALSE(fs::exists(app.state().TempMetafilePath));
}

TEST_F(ApplicationTest, ShutDownWithNoTemporaryFileStillEnds) {
    app.startUp();
    ASSERT_FALSE(fs::exists(app.state().TempMetafilePath));
    EXPECT_TRUE(app.shutDown(true));
}

// ---------------------------------------------------------------------------
// ResetJob: start-up again.

TEST_F(ApplicationTest, ResetJobRestoresEveryDefault) {
    app.startUp();
    Job& job = app.job();
    job.Symbology = Symbology::Pdf417;
    job.Message = "HELLO";
    job.Comment = "comment";
    job.Supplement = "12";
    job.NarrowBarWidth = 50.0f;
    job.BarHeight = 5.0f;
    job.Magnification = 150.0f;
    job.PdfAspectRatio = 2.0;
    job.PdfLayoutFlag = 3;
    job.BarWidthAdjust = 0x25;
    job.DisableAutoCheck = true;
    job.Units = Units::Metric;
    job.Orientation = Orientation::Vertical270;
    job.QuietZones = true;
    job.FontName = "Courier";
    job.BackColor = 0x123456;
    job.IncEnabled = 1;
    job.AnsiDisplay = true;
    job.TiffCompression = 4;
    app.boxes().editMagnify("150", BoxEdit::Display);
    RunState& state = app.state();
    state.ConfigPath = "/jobs/a.vkf";
    state.ConfigTitle = "a.vkf";
    state.Named = true;
    state.BarcodeSavePath = "/out/a.png";
    state.MessageFilePath = "/jobs/messages.txt";
    state.MessageFileOpen = true;
    state.Dirty = true;
    state.SymbolBuilt = true;
    state.WordWarningDone = true;

    app.ResetJob();
    EXPECT_EQ(app.job(), Job{});
    EXPECT_TRUE(state.ConfigPath.empty());
    EXPECT_TRUE(state.ConfigTitle.empty());
    EXPECT_FALSE(state.Named);
    EXPECT_TRUE(state.BarcodeSavePath.empty());
    EXPECT_TRUE(state.MessageFilePath.empty());
    EXPECT_FALSE(state.MessageFileOpen);
    EXPECT_FALSE(state.Dirty);
    EXPECT_FALSE(state.SymbolBuilt);
    EXPECT_EQ(app.boxes().widthText(), "13");
    EXPECT_EQ(app.boxes().magnifyText(), "100");
    // Once done in a run, the paste advice stays done.
    EXPECT_TRUE(state.WordWarningDone);
}

TEST_F(ApplicationTest, ResetJobMakesANewTemporaryNameAndRemovesTheOldFile) {
    app.startUp();
    const std::string previous = app.state().TempMetafilePath;
    touch(previous);
    app.ResetJob();
    EXPECT_NE(app.state().TempMetafilePath, previous);
    EXPECT_FALSE(fs::exists(previous));
    EXPECT_FALSE(fs::exists(app.state().TempMetafilePath));
}

TEST_F(ApplicationTest, ResetJobReadsThePrinterAgain) {
    app.startUp();
    host.printer = PrinterResolution{600, 1200};
    app.ResetJob();
    EXPECT_EQ(app.job().TargetDpiX, 600);
    EXPECT_EQ(app.job().TargetDpiY, 1200);
}

// ---------------------------------------------------------------------------
// Symbology selection.

TEST_F(ApplicationTest, SelectingTheSameSymbologyChangesNothing) {
    app.startUp();
    app.job().Supplement = "12";
    app.job().PdfShowCodewords = 1;
    app.state().SymbolBuilt = true;
    const Job before = app.job();
    app.MCode_Click(Symbology::Code39);
    EXPECT_EQ(app.job(), before);
    EXPECT_FALSE(app.state().Dirty);
    EXPECT_TRUE(app.state().SymbolBuilt);
}

struct SelectionCase {
    std::string name;
    Symbology from;
    Symbology to;
};

class SelectionTest : public ApplicationTest,
                      public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(SelectionTest, AnotherSymbologyMarksTheJobChanged) {
    app.startUp();
    app.job().Symbology = GetParam().from;
    app.state().SymbolBuilt = true;
    app.MCode_Click(GetParam().to);
    EXPECT_EQ(app.job().Symbology, GetParam().to);
    EXPECT_TRUE(app.state().Dirty);
    EXPECT_FALSE(app.state().SymbolBuilt);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, SelectionTest,
    ::testing::Values(SelectionCase{"Code39ToCode128", Symbology::Code39, Symbology::Code128},
                      SelectionCase{"Code39ToUpcA", Symbology::Code39, Symbology::UpcA},
                      SelectionCase{"UpcAToEan13", Symbology::UpcA, Symbology::Ean13},
                      SelectionCase{"Code39ToPdf417", Symbology::Code39, Symbology::Pdf417},
                      SelectionCase{"Pdf417ToAztec", Symbology::Pdf417, Symbology::Aztec},
                      SelectionCase{"DataMatrixToPostnet", Symbology::DataMatrix,
                                    Symbology::Postnet},
                      SelectionCase{"Bpo4StateToCode39", Symbology::Bpo4State, Symbology::Code39}),
    rowName<SelectionCase>);

struct SupplementCase {
    std::string name;
    Symbology from;
    std::int32_t showCodewords;
    std::string supplementAfter;
};

class LeavingSymbologyTest : public ApplicationTest,
                             public ::testing::WithParamInterface<SupplementCase> {};

TEST_P(LeavingSymbologyTest, CodewordsInTheSupplementGoWithPdf417) {
    app.startUp();
    app.job().Symbology = GetParam().from;
    app.job().PdfShowCodewords = GetParam().showCodewords;
    app.job().Supplement = "900 12 7";
    app.MCode_Click(Symbology::Code128);
    EXPECT_EQ(app.job().Supplement, GetParam().supplementAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Supplements, LeavingSymbologyTest,
    ::testing::Values(SupplementCase{"Pdf417ShowingCodewords", Symbology::Pdf417, 1, ""},
                      SupplementCase{"Pdf417NotShowingCodewords", Symbology::Pdf417, 0, "900 12 7"},
                      SupplementCase{"Code39WithCodewordsOn", Symbology::Code39, 1, "900 12 7"},
                      SupplementCase{"UpcAWithCodewordsOn", Symbology::UpcA, 1, "900 12 7"}),
    rowName<SupplementCase>);

TEST_F(ApplicationTest, Pdf417TablesNotLoadedAbandonsTheSelection) {
    app.startUp();
    int asked = 0;
    app.pdfLoadTables = [&asked](Application&) {
        ++asked;
        return false;
    };
    const Job before = app.job();
    app.MCode_Click(Symbology::Pdf417);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(app.job(), before);
    EXPECT_FALSE(app.state().Dirty);
}

TEST_F(ApplicationTest, Pdf417TablesAreOnlyAskedForPdf417) {
    app.startUp();
    int asked = 0;
    app.pdfLoadTables = [&asked](Application&) {
        ++asked;
        return true;
    };
    app.MCode_Click(Symbology::Aztec);
    EXPECT_EQ(asked, 0);
    app.MCode_Click(Symbology::Pdf417);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(app.job().Symbology, Symbology::Pdf417);
}

// ---------------------------------------------------------------------------
// Drawing option toggles rebuild a symbol that is on display.

struct ToggleCase {
    std::string name;
    std::function<void(Application&)> change;
    std::function<int(const Job&)> field;
    bool textOption; // means nothing to PDF417, which is not rebuilt for it
};

class ToggleTest : public ApplicationTest, public ::testing::WithParamInterface<ToggleCase> {
protected:
    void SetUp() override {
        app.startUp();
        countBuilds();
        app.job().Message = "ABC";
    }
};

TEST_P(ToggleTest, RebuildsWhileASymbolIsOnDisplay) {
    app.state().SymbolBuilt = true;
    const int before = GetParam().field(app.job());
    GetParam().change(app);
    EXPECT_NE(GetParam().field(app.job()), before);
    EXPECT_TRUE(app.state().Dirty);
    EXPECT_EQ(builds, 1);
}

TEST_P(ToggleTest, OnlyChangesTheOptionWhenNothingIsBuilt) {
    const int before = GetParam().field(app.job());
    GetParam().change(app);
    EXPECT_NE(GetParam().field(app.job()), before);
    EXPECT_TRUE(app.state().Dirty);
    EXPECT_EQ(builds, 0);
}

TEST_P(ToggleTest, Pdf417IsRebuiltOnlyForDrawingOptions) {
    app.job().Symbology = Symbology::Pdf417;
    app.job().PrintWarnings = false;
    app.state().SymbolBuilt = true;
    GetParam().change(app);
    EXPECT_EQ(builds, GetParam().textOption ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ToggleTest,
    ::testing::Values(
        ToggleCase{"IncludeText", [](Application& a) { a.toggleIncludeText(); },
                   [](const Job& j) { return int{j.IncludeText}; }, true},
        ToggleCase{"TextAbove", [](Application& a) { a.toggleTextAbove(); },
                   [](const Job& j) { return int{j.TextAbove}; }, true},
        ToggleCase{"CommentAbove", [](Application& a) { a.toggleCommentAbove(); },
                   [](const Job& j) { return int{j.CommentAbove}; }, true},
        ToggleCase{"QuietZones", [](Application& a) { a.toggleQuietZones(); },
                   [](const Job& j) { return int{j.QuietZones}; }, false},
        ToggleCase{"BearerBars", [](Application& a) { a.toggleBearerBars(); },
                   [](const Job& j) { return int{j.BearerBars}; }, false},
        ToggleCase{"CheckDigit", [](Application& a) { a.toggleCheckDigit(); },
                   [](const Job& j) { return int{j.CheckDigit}; }, false},
        ToggleCase{"AutoFontScaling", [](Application& a) { a.toggleAutoFontScaling(); },
                   [](const Job& j) { return int{j.AutoFontScaling}; }, false},
        ToggleCase{"CommentAlignCenter",
                   [](Application& a) { a.setCommentAlign(CommentAlignment::Center); },
                   [](const Job& j) { return static_cast<int>(j.CommentAlign); }, false},
        ToggleCase{"OrientationVertical",
                   [](Application& a) { a.setOrientation(Orientation::Vertical90); },
                   [](const Job& j) { return static_cast<int>(j.Orientation); }, false}),
    rowName<ToggleCase>);

TEST_F(ApplicationTest, AutoFontScalingWithoutTextDoesNotRebuild) {
    app.startUp();
    countBuilds();
    app.job().Message = "ABC";
    app.job().IncludeText = false;
    app.state().SymbolBuilt = true;
    app.toggleAutoFontScaling();
    EXPECT_TRUE(app.job().AutoFontScaling);
    EXPECT_EQ(builds, 0);
}

// ---------------------------------------------------------------------------
// Orientation and target printer together decide the dots across and along.

enum class Order { OrientationFirst, TargetFirst };

struct OrientationCase {
    std::string name;
    Order order;
    Orientation orientation;
    int dpiX;
    int dpiY;
    int across;
    int along;
};

class OrientationTest : public ApplicationTest,
                        public ::testing::WithParamInterface<OrientationCase> {};

TEST_P(OrientationTest, DotsFollowTheOrientationAndTarget) {
    const OrientationCase& row = GetParam();
    app.startUp();
    if (row.order == Order::OrientationFirst) {
        app.setOrientation(row.orientation);
        app.setTargetResolution(row.dpiX, row.dpiY);
    } else {
        app.setTargetResolution(row.dpiX, row.dpiY);
        app.setOrientation(row.orientation);
    }
    EXPECT_EQ(app.job().DotsAcross, row.across);
    EXPECT_EQ(app.job().DotsAlong, row.along);
    EXPECT_TRUE(app.state().Dirty);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, OrientationTest,
    ::testing::Values(OrientationCase{"Vertical90ThenTarget", Order::OrientationFirst,
                                      Orientation::Vertical90, 600, 300, 300, 600},
                      OrientationCase{"TargetThenVertical90", Order::TargetFirst,
                                      Orientation::Vertical90, 600, 300, 300, 600},
                      OrientationCase{"Vertical270ThenTarget", Order::OrientationFirst,
                                      Orientation::Vertical270, 600, 300, 300, 600},
                      OrientationCase{"TargetThenHorizontal", Order::TargetFirst,
                                      Orientation::Horizontal, 600, 300, 600, 300}),
    rowName<OrientationCase>);

TEST_F(ApplicationTest, BackToHorizontalUndoesTheExchange) {
    app.startUp();
    app.setTargetResolution(600, 300);
    app.setOrientation(Orientation::Vertical90);
    app.setOrientation(Orientation::Horizontal);
    EXPECT_EQ(app.job().DotsAcross, 600);
    EXPECT_EQ(app.job().DotsAlong, 300);
}

} // namespace
} // namespace vornik

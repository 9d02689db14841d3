#include "core/app/application.h"
#include "support/fake_host.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <locale.h>
#include <optional>
#include <string>
#include <tuple>

namespace vornik {
namespace {

namespace fs = std::filesystem;
using vornik::testing::FakeHost;

TEST(Application, StartUpAndResetJob) {
    // The default printer (none: 300 dpi) and the stored advice preference, then what they give.
    using Row = std::tuple<std::optional<PrinterResolution>, int, int, const char*, bool>;
    const Row rows[] = {{std::nullopt, 300, 300, nullptr, true}, // nothing stored yet
                        {PrinterResolution{600, 1200}, 600, 1200, "-1", true},
                        {PrinterResolution{0, 600}, 300, 600, "0", false},
                        {PrinterResolution{203, -1}, 203, 300, "abc", false}};
    FakeHost host;
    Application app{host, StartupOptions{}};
    for (const auto& [printer, dpiX, dpiY, stored, showAdvice] : rows) {
        SCOPED_TRACE(::testing::Message() << dpiX << " x " << dpiY);
        host.printer = printer;
        if (stored)
            host.settings["ShowWordWarning"] = stored;
        app.setOrientation(Orientation::Vertical90);
        app.state().ConfigPath = "/jobs/a.vkf";
        app.state().SymbolBuilt = app.state().BuildSuppressed = app.state().WordWarningDone = true;
        app.state().ShowWordWarning = !showAdvice;
        const std::string metafile = app.state().TempMetafilePath;
        std::ofstream{metafile} << "metafile";
        app.ResetJob(); // the start-up again

        Job expected;
        expected.TargetDpiX = expected.DotsAcross = dpiX;
        expected.TargetDpiY = expected.DotsAlong = dpiY;
        EXPECT_EQ(app.job(), expected);
        EXPECT_EQ(app.state().ShowWordWarning, showAdvice);
        EXPECT_EQ(app.state().WindowCaption, "Vornik Professional (Untitled)");
        EXPECT_TRUE(app.state().ConfigPath.empty());
        EXPECT_FALSE(app.state().Dirty || app.state().SymbolBuilt || app.state().BuildSuppressed);
        EXPECT_TRUE(app.state().HelpLabelVisible);
        EXPECT_TRUE(app.state().WordWarningDone); // the advice is done for the whole run
        EXPECT_FALSE(fs::exists(metafile));
        EXPECT_NE(app.state().TempMetafilePath, metafile);
    }
}

// The decimal separator is the one the user's locale formats numbers with:
// its numeric part decides, as the environment's locale variables name it.
TEST(Application, DecimalSeparatorOfTheUsersLocale) {
    const auto installed = [](const char* name) {
        const locale_t found = ::newlocale(LC_NUMERIC_MASK, name, locale_t{});
        if (found != locale_t{})
            ::freelocale(found);
        return found != locale_t{};
    };
    ASSERT_TRUE(installed("de_DE.UTF-8"))
        << "the German locale is needed: it is in the Debian package locales (de_DE.UTF-8)";
    // clang-format off
    const struct { const char* all; const char* numeric; const char* lang; char separator; } rows[] = {
        {"de_DE.UTF-8", nullptr, nullptr, ','}, {"C", nullptr, "de_DE.UTF-8", '.'},
        {nullptr, "de_DE.UTF-8", "C", ','}, {nullptr, "C", "de_DE.UTF-8", '.'},
        {nullptr, nullptr, "de_DE.UTF-8", ','}, {"xx_NONE.UTF-8", nullptr, nullptr, '.'},
        {nullptr, nullptr, nullptr, '.'},
    };
    // clang-format on
    const char* names[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char* value = std::getenv(names[i]))
            saved[i] = value;
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << (row.all ? row.all : "-") << " " << (row.numeric ? row.numeric : "-") << " "
                     << (row.lang ? row.lang : "-"));
        const char* values[] = {row.all, row.numeric, row.lang};
        for (int i = 0; i < 3; ++i)
            values[i] ? ::setenv(names[i], values[i], 1) : ::unsetenv(names[i]);
        FakeHost host;
        Application app{host, StartupOptions{}};
        app.startUp();
        EXPECT_EQ(app.state().DecimalSeparator, row.separator);
        (void)app.shutDown(false);
    }
    for (int i = 0; i < 3; ++i)
        saved[i] ? ::setenv(names[i], saved[i]->c_str(), 1) : ::unsetenv(names[i]);
}

// The temporary metafile lives in a folder of its own that no other user may
// enter, made for each run; the run's end removes both.
TEST(Application, TemporaryMetafileAndShutDown) {
    const vornik::testing::TempFolder folder;
    const char* saved = std::getenv("TMPDIR");
    const std::optional<std::string> savedValue = saved ? std::optional(saved) : std::nullopt;
    ::setenv("TMPDIR", folder.path().c_str(), 1);
    FakeHost host;
    Application app{host, StartupOptions{.programDirectory = folder.path() / "program"}};
    app.startUp();
    const fs::path name = app.state().TempMetafilePath;
    EXPECT_EQ(name.parent_path().parent_path(), folder.path());
    EXPECT_EQ(name.filename().string(), name.parent_path().filename().string() + ".WMF");
    EXPECT_EQ(name.filename().string().substr(0, 3), "VKT");
    EXPECT_EQ(fs::status(name.parent_path()).permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::symlink_status(name).type(), fs::file_type::regular); // reserved at once
    EXPECT_EQ(fs::status(name).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    app.state().ShowWordWarning = false;
    app.querySaveChanges = [](Application&) { return false; };
    EXPECT_FALSE(app.shutDown(true)); // the user cancelled: still running
    EXPECT_EQ(host.settings["ShowWordWarning"], "0");
    EXPECT_TRUE(fs::exists(name));
    app.state().ShowWordWarning = true;
    EXPECT_TRUE(app.shutDown(false)); // not asked
    EXPECT_EQ(host.settings["ShowWordWarning"], "-1");
    EXPECT_TRUE(fs::is_empty(folder.path()));

    // No temporary directory: a private folder beside the program, one for
    // each run; with neither, no file and the reason why.
    ::setenv("TMPDIR", (folder.path() / "missing").c_str(), 1);
    app.ResetJob();
    EXPECT_EQ(app.state().TempMetafilePath, "");
    EXPECT_EQ(app.state().TempMetafileFailure,
              "no private folder could be made in the temporary directory or beside the "
              "program: No such file or directory");
    fs::create_directory(folder.path() / "program");
    app.ResetJob();
    Application other{host, StartupOptions{.programDirectory = folder.path() / "program"}};
    other.startUp();
    for (const fs::path fallback : {app.state().TempMetafilePath, other.state().TempMetafilePath}) {
        EXPECT_EQ(fallback.filename(), "~vorniktmp.wmf");
        EXPECT_EQ(fallback.parent_path().parent_path(), folder.path() / "program");
        EXPECT_TRUE(fs::exists(fallback));
    }
    EXPECT_NE(app.state().TempMetafilePath, other.state().TempMetafilePath);
    savedValue ? ::setenv("TMPDIR", savedValue->c_str(), 1) : ::unsetenv("TMPDIR");
}

TEST(Application, ChoosingASymbology) {
    using enum Symbology;
    // From, to, showing codewords, PDF417's tables load, then whether the choice is taken.
    const std::tuple<const char*, Symbology, Symbology, bool, bool, bool> rows[] = {
        {"SameSymbology", Code39, Code39, true, true, false},
        {"LeavingPdf417ShowingCodewords", Pdf417, Code128, true, true, true},
        {"LeavingPdf417", Pdf417, Code128, false, true, true},
        {"LeavingCode39", Code39, Code128, true, true, true},
        {"Pdf417TablesNotLoaded", Code39, Pdf417, false, false, false},
    };
    for (const auto& [name, from, to, showCodewords, tablesLoad, chosen] : rows) {
        SCOPED_TRACE(name);
        FakeHost host;
        Application app{host, StartupOptions{}};
        app.startUp();
        app.job().Symbology = from;
        app.job().PdfShowCodewords = showCodewords;
        app.job().Supplement = "900";
        app.state().SymbolBuilt = true;
        app.pdfLoadTables = [load = tablesLoad](Application&) { return load; };
        Job before = app.job();
        app.MCode_Click(to);
        // Leaving PDF417 while it shows codewords drops the supplement.
        EXPECT_EQ(app.job().Supplement, from == Pdf417 && showCodewords ? "" : "900");
        EXPECT_EQ(app.state().Dirty, chosen);
        EXPECT_EQ(app.state().SymbolBuilt, !chosen);
        if (chosen)
            before.Symbology = to, before.Supplement = app.job().Supplement;
        EXPECT_EQ(app.job(), before);
    }
}

TEST(Application, OptionsRebuildOnlyWhileASymbolIsBuilt) {
    FakeHost host;
    Application app{host, StartupOptions{}};
    app.startUp(); // with no message, each build that runs is refused, and counted
    // Each changes the job once, with or without a symbol on display.
    const std::tuple<const char*, void (*)(Application&), bool> rows[] = {
        {"IncludeText", [](Application& a) { a.toggleIncludeText(); }, false},
        {"IncludeTextAgain", [](Application& a) { a.toggleIncludeText(); }, true},
        {"QuietZones", [](Application& a) { a.toggleQuietZones(); }, true},
        {"CommentAlign", [](Application& a) { a.setCommentAlign(CommentAlignment::Right); }, true},
        {"Orientation", [](Application& a) { a.setOrientation(Orientation::Vertical270); }, false},
    };
    for (const auto& [name, change, built] : rows) {
        SCOPED_TRACE(name);
        app.state().SymbolBuilt = built;
        app.state().Dirty = false;
        const Job before = app.job();
        const int buildsBefore = app.buildsWithoutSymbol();
        change(app);
        EXPECT_NE(app.job(), before);
        EXPECT_TRUE(app.state().Dirty);
        EXPECT_EQ(app.buildsWithoutSymbol() - buildsBefore, built ? 1 : 0);
    }
}

} // namespace
} // namespace vornik

#include "export/export_support.h"
#include "export/glyphs/remembered_choices.h"
#include "support/temp_folder.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace vornik::exporting {
namespace {

namespace fs = std::filesystem;

// A kept file with one choice of a face and one of no face at all, depending
// on a configuration file and a font folder, all in a folder of the test's own.
struct KeptChoices {
    testing::TempFolder folder;
    fs::path file = folder.path() / "cache" / "font-choices";
    fs::path configuration = folder.write("fonts.conf", "<fontconfig/>");
    fs::path fonts = folder.path() / "fonts";
    FontFile face{folder.write("fonts/face.ttf", "not really a face").string(), 0, "Face"};
    ChoiceKey arial{"Arial", 0x22, 700, true, 0};
    ChoiceKey snowman{"Arial", 0, 400, false, 0x2603};

    KeptChoices() {
        RememberedChoices kept(file);
        EXPECT_FALSE(kept.find(arial));
        kept.remember(arial, face, {configuration.string(), fonts.string()});
        kept.remember(snowman, std::nullopt, {configuration.string(), fonts.string()});
    }
};

// A time a second later than a path's, as a change made then would give it.
void touchLater(const fs::path& path) {
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(1));
}

TEST(RememberedChoices, KeepsChoicesForTheNextRun) {
    const KeptChoices kept;
    RememberedChoices next(kept.file);
    EXPECT_EQ(next.find(kept.arial), std::optional<FontFile>(kept.face));
    const auto none = next.find(kept.snowman);
    ASSERT_TRUE(none) << "a choice of no face is kept too";
    EXPECT_FALSE(*none);
    EXPECT_FALSE(next.find({"Arial", 0x22, 400, true, 0})) << "another weight";
}

// A program that has asked for very many faces starts its file afresh
// rather than let it grow without end.
TEST(RememberedChoices, StartsAfreshRatherThanGrowWithoutEnd) {
    const KeptChoices kept;
    const std::vector<std::string> watched{kept.configuration.string(), kept.fonts.string()};
    {
        RememberedChoices many(kept.file);
        for (int i = 0; i < 1000; ++i)
            many.remember({"Face " + std::to_string(i), 0, 400, false, 0}, kept.face, watched);
    }
    RememberedChoices next(kept.file);
    EXPECT_TRUE(next.find({"Face 999", 0, 400, false, 0}));
    EXPECT_FALSE(next.find(kept.arial));
    EXPECT_LT(fs::file_size(kept.file), 100'000u);
}

// Whatever the answers depend on changes, and nothing kept is used.
TEST(RememberedChoices, ForgetsEverythingWhenWhatTheyDependOnChanges) {
    const struct {
        const char* name;
        std::function<void(const KeptChoices&)> change;
    } rows[] = {
        {"the configuration is edited",
         [](const KeptChoices& kept) {
             std::ofstream(kept.configuration) << "<fontconfig></fontconfig>";
         }},
        {"a font is added to a folder",
         [](const KeptChoices& kept) {
             kept.folder.write("fonts/new.ttf", "another face");
             touchLater(kept.fonts);
         }},
        {"the configuration is removed",
         [](const KeptChoices& kept) { fs::remove(kept.configuration); }},
        {"the chosen face is removed", [](const KeptChoices& kept) { fs::remove(kept.face.path); }},
        {"the file is not one of ours",
         [](const KeptChoices& kept) { std::ofstream(kept.file) << "vornik font choices 2\n"; }},
        {"the file is cut short",
         [](const KeptChoices& kept) { fs::resize_file(kept.file, fs::file_size(kept.file) - 9); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const KeptChoices kept;
        row.change(kept);
        RememberedChoices next(kept.file);
        EXPECT_FALSE(next.find(kept.arial));
        EXPECT_FALSE(next.find(kept.snowman));
    }
}

// The language fontconfig prefers faces for is one of the variables it heeds.
TEST(RememberedChoices, ForgetsEverythingWhenTheLanguageChanges) {
    const char* before = std::getenv("FC_LANG");
    const std::string saved = before ? before : "";
    const KeptChoices kept;
    ::setenv("FC_LANG", "el", 1);
    RememberedChoices next(kept.file);
    const bool forgotten = !next.find(kept.arial);
    before ? ::setenv("FC_LANG", saved.c_str(), 1) : ::unsetenv("FC_LANG");
    EXPECT_TRUE(forgotten);
}

// fontconfig's own configuration is what a choice depends on: its files and
// the font folders, the latter with the folders below them.
TEST(RememberedChoices, WatchesFontconfigsConfigurationAndFontFolders) {
    const std::vector<std::string> inputs = fontconfigInputs();
    const auto has = [&](const std::string& path) {
        return std::find(inputs.begin(), inputs.end(), path) != inputs.end();
    };
    EXPECT_TRUE(has("/etc/fonts/fonts.conf"));
    EXPECT_TRUE(has("/etc/fonts/conf.d"));
    EXPECT_TRUE(has("/usr/share/fonts/truetype/liberation2")) << "fonts-liberation2's folder";
}

// A run with choices kept draws exactly what a run that asked fontconfig drew,
// and leaves the kept file as it was: a run that asks writes it anew.
TEST(RememberedChoices, TheProgramDrawsTheSameWithChoicesKept) {
    const testing::TempFolder folder;
    const std::string run = "XDG_CONFIG_HOME=" + quoted(folder.path().string()) +
                            " XDG_CACHE_HOME=" + quoted(folder.path().string()) +
                            " " VORNIK_PROGRAM " --exec ";
    const auto save = [&](const fs::path& png) {
        return runQuietly(run + quoted("[code128][message='Vornik 128'][bitsperpixel=8]"
                                       "[build/copy][savebarcode(" +
                                       png.string() + ")]"));
    };
    const fs::path choices = folder.path() / "vornik" / "font-choices";
    ASSERT_EQ(save(folder.path() / "asked.png"), 0);
    ASSERT_TRUE(fs::exists(choices));
    const auto written = fs::last_write_time(choices);
    ASSERT_EQ(save(folder.path() / "kept.png"), 0);
    EXPECT_EQ(fs::last_write_time(choices), written) << "the second run asked fontconfig";
    std::ifstream asked(folder.path() / "asked.png", std::ios::binary);
    std::ifstream kept(folder.path() / "kept.png", std::ios::binary);
    EXPECT_TRUE(std::equal(std::istreambuf_iterator<char>(asked), {},
                           std::istreambuf_iterator<char>(kept), {}));
}

} // namespace
} // namespace vornik::exporting

// Installs the desktop component into a private folder, as a package build
// does with DESTDIR, and checks the result with the tools the desktops use:
// the launcher entry, the metadata and the MIME package pass their
// validators, every icon size lands where the icon theme looks, the guide is
// there whole, and the installed MIME package makes a .vkf file, and a
// configuration under any name, our type.

#include "cli/run_in.h"
#include "desktop/guide_pages.h"
#include "support/temp_folder.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::guide {
namespace {

namespace fs = std::filesystem;
using cli::shellWord;
using testing::readFile;
using testing::TempFolder;

constexpr const char* kMimeType = "application/x-vornik-configuration";

struct Outcome {
    int status;
    std::string output; // standard output and error together
};

// Runs a shell command in FOLDER with no input.
Outcome run(const fs::path& folder, const std::string& command) {
    const fs::path output = folder / "tool-output";
    const std::string line = "cd " + shellWord(folder.string()) + " && (" + command +
                             ") </dev/null >" + shellWord(output.string()) + " 2>&1";
    const int status = std::system(line.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(output)};
}

// A tool the test needs, how to see that it does its job, and its package.
struct Tool {
    const char* name;
    const char* package;
    const char* selfCheck; // exits 0 only when the tool works as the test needs
};

// The validators are shown a broken file first: one that passed it could
// not catch a fault in ours.
const std::array kTools{
    Tool{"desktop-file-validate", "desktop-file-utils",
         "printf '[Desktop Entry]\\nType=Application\\n' > bad.desktop && "
         "! desktop-file-validate bad.desktop"},
    Tool{"appstreamcli", "appstream",
         "printf '<component/>' > bad.metainfo.xml && "
         "! appstreamcli validate --no-net bad.metainfo.xml"},
    Tool{"xmllint", "libxml2-utils", "printf '<a>' > bad.xml && ! xmllint --noout bad.xml"},
    Tool{"update-mime-database", "shared-mime-info", "update-mime-database -v"},
    Tool{"xdg-mime", "xdg-utils", "xdg-mime --version"},
    Tool{"gio", "libglib2.0-bin", "gio help info"},
};

// Empty when every tool is there and works; otherwise one sentence for each
// that is not.
std::string missingTools(const fs::path& folder) {
    std::string missing;
    for (const Tool& tool : kTools)
        if (run(folder, tool.selfCheck).status != 0)
            missing += std::string("This test needs ") + tool.name +
                       ", which is not there or does not work: install the Debian package " +
                       tool.package + ".\n";
    return missing;
}

class InstalledDesktopFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        destination_ = new TempFolder;
        const std::string command = "DESTDIR=" + shellWord(destination_->path().string()) + " " +
                                    shellWord(VORNIK_CMAKE) + " --install " +
                                    shellWord(VORNIK_BUILD_DIRECTORY) +
                                    " --prefix /usr --component desktop";
        install_ = new Outcome(run(destination_->path(), command));
    }
    static void TearDownTestSuite() {
        delete install_;
        delete destination_;
    }
    void SetUp() override {
        ASSERT_EQ(install_->status, 0) << install_->output;
        const std::string missing = missingTools(work_.path());
        ASSERT_TRUE(missing.empty()) << missing;
    }

    static fs::path share() { return destination_->path() / "usr" / "share"; }

    static TempFolder* destination_;
    static Outcome* install_;
    TempFolder work_;
};

TempFolder* InstalledDesktopFiles::destination_ = nullptr;
Outcome* InstalledDesktopFiles::install_ = nullptr;

struct Validation {
    const char* file; // under share/
    const char* validator;
};

TEST_F(InstalledDesktopFiles, PassTheirValidators) {
    const Validation validations[] = {
        {"applications/org.vornik.Vornik.desktop", "desktop-file-validate"},
        {"metainfo/org.vornik.Vornik.metainfo.xml", "appstreamcli validate --no-net"},
        {"mime/packages/org.vornik.Vornik.xml", "xmllint --noout"},
        {"icons/hicolor/scalable/apps/org.vornik.Vornik.svg", "xmllint --noout"},
    };
    for (const Validation& validation : validations) {
        SCOPED_TRACE(validation.file);
        const fs::path file = share() / validation.file;
        ASSERT_TRUE(fs::is_regular_file(file)) << "It was not installed.";
        const Outcome outcome =
            run(work_.path(), std::string(validation.validator) + " " + shellWord(file.string()));
        EXPECT_EQ(outcome.status, 0) << outcome.output;
    }
}

// The width and height a PNG file's header gives; 0 by 0 for a file that is
// not a PNG.
std::pair<std::uint32_t, std::uint32_t> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return {0, 0};
    const auto bigEndian = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return {bigEndian(16), bigEndian(20)};
}

TEST_F(InstalledDesktopFiles, EveryIconSizeIsWhereTheThemeLooks) {
    for (const std::uint32_t size : {16u, 24u, 32u, 48u, 64u, 128u, 256u}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        SCOPED_TRACE(folder);
        const std::string png =
            readFile(share() / "icons/hicolor" / folder / "apps/org.vornik.Vornik.png");
        EXPECT_EQ(pngSize(png), std::make_pair(size, size));
    }
}

TEST_F(InstalledDesktopFiles, TheGuideIsInstalledWhole) {
    const fs::path installed = share() / "doc/vornik/guide";
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(guideFolder())) {
        if (!entry.is_regular_file())
            continue;
        const fs::path name = fs::relative(entry.path(), guideFolder());
        EXPECT_EQ(readFile(installed / name), readFile(entry.path())) << name;
        ++files;
    }
    EXPECT_GE(files, 8u);
}

// Copies the installed MIME package into a data folder of its own, builds
// its database and returns the environment under which desktop tools see
// that database and no other.
std::string mimeEnvironment(const fs::path& share, const fs::path& work) {
    const fs::path packages = work / "data/mime/packages";
    fs::create_directories(packages);
    fs::create_directories(work / "home");
    fs::copy_file(share / "mime/packages/org.vornik.Vornik.xml",
                  packages / "org.vornik.Vornik.xml");
    return "XDG_DATA_DIRS=" + shellWord((work / "data").string()) +
           " XDG_DATA_HOME=" + shellWord((work / "home").string()) + " XDG_CURRENT_DESKTOP=GNOME";
}

struct FileTypeCase {
    const char* name;
    const char* content; // nullptr: a configuration the program saved
    bool ours;
};

TEST_F(InstalledDesktopFiles, MimeDatabaseKnowsConfigurations) {
    const std::string environment = mimeEnvironment(share(), work_.path());
    const Outcome update = run(work_.path(), "update-mime-database data/mime");
    ASSERT_EQ(update.status, 0) << update.output;
    const Outcome saved =
        run(work_.path(), "HOME=\"$PWD/home\" XDG_CONFIG_HOME=\"$PWD/home\" " +
                              shellWord(VORNIK_PROGRAM) +
                              " --exec \"[code128][message='LOT-7'][saveconfig(saved.vkf)]\"");
    ASSERT_EQ(saved.status, 0) << saved.output;
    const std::string configuration = readFile(work_.path() / "saved.vkf");
    const FileTypeCase cases[] = {
        {"label.vkf", nullptr, true},           // by its name and its content
        {"label", nullptr, true},               // by its content alone
        {"LABEL.VKF", "not a job\n", true},     // by its name alone
        {"notes.txt", "not a job\n", false},    // neither
        {"label.vkf.bak", "not a job\n", false} // neither
    };
    for (const FileTypeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder files;
        files.write(c.name, c.content ? std::string(c.content) : configuration);
        const Outcome query =
            run(files.path(), environment + " xdg-mime query filetype " + shellWord(c.name));
        ASSERT_EQ(query.status, 0) << query.output;
        EXPECT_EQ(query.output == std::string(kMimeType) + "\n", c.ours) << query.output;
    }
}

} // namespace
} // namespace vornik::guide

namespace vornik::guide {
namespace {

// The whole installation, programs included: bin/vornik, a link into
// libexec/vornik, runs from there with its pattern file, converter module and
// read-back module beside it, and the desktop program finds the guide below
// the prefix.
TEST(InstalledPrograms, RunFromTheirFolder) {
    const TempFolder destination;
    const Outcome install =
        run(destination.path(), "DESTDIR=" + shellWord(destination.path().string()) + " " +
                                    shellWord(VORNIK_CMAKE) + " --install " +
                                    shellWord(VORNIK_BUILD_DIRECTORY) + " --prefix /usr");
    ASSERT_EQ(install.status, 0) << install.output;
    const fs::path prefix = destination.path() / "usr";
    const fs::path folder = prefix / "libexec" / "vornik";
    for (const char* file : {"vornik", "vornik-bus", "vornik-desktop", "vornik-wmfconv.so",
                             "vornik-raster.so", "vornik-readback.so", "Cluster.Dat"})
        EXPECT_TRUE(fs::is_regular_file(folder / file)) << file;
    EXPECT_EQ(fs::read_symlink(prefix / "bin" / "vornik"), "../libexec/vornik/vornik");
    EXPECT_TRUE(fs::is_regular_file(prefix / "share/doc/vornik/guide/index.html"));
    const Outcome made =
        run(destination.path(),
            "env -u DISPLAY -u WAYLAND_DISPLAY HOME=\"$PWD\" XDG_CONFIG_HOME=\"$PWD\" " +
                shellWord((prefix / "bin" / "vornik").string()) +
                " --verify --exec \"[pdf417][message='Installed'][build/copy]"
                "[savebarcode(installed.png)]\"");
    EXPECT_EQ(made.status, 0) << made.output;
    EXPECT_EQ(made.output, "vornik: installed.png reads back as \"Installed\"\n");
    EXPECT_TRUE(fs::is_regular_file(destination.path() / "installed.png"));
}

} // namespace
} // namespace vornik::guide

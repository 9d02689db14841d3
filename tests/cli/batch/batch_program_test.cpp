// Runs vornik batch as a user would: over a message file, a table and a
// serial range, with a record that fails, interrupted and resumed, with one
// worker and with four; every label is read back here with ZXing.

#include "cli/batch/png_reader.h"
#include "cli/run_in.h"
#include "support/temp_folder.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;
namespace fs = std::filesystem;
using F = ZXing::BarcodeFormat;

const std::string kQuiet = "[PRINTWARNINGS=OFF][MESSAGEWARNINGS=OFF]";

int batch(const TempFolder& folder, const std::string& arguments) {
    return runIn(folder.path(), shellWord(VORNIK_PROGRAM) + " batch " + arguments);
}

std::string err(const TempFolder& folder) {
    return readFile(folder.path() / "err");
}

// Every name in FOLDER, hidden ones included.
std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.insert(entry.path().filename().string());
    return names;
}

std::string numbered(const char* format, int n) {
    char text[64];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

// The summary line's counts, checked whole but for the time it took.
std::string summaryWithoutTime(const std::string& stderrText) {
    const auto at = stderrText.rfind("vornik: batch: ");
    if (at == std::string::npos)
        return "(no summary)";
    std::string line = stderrText.substr(at);
    const auto in = line.find(" in ");
    const auto seconds = line.find(" s", in + 4);
    if (in != std::string::npos && seconds != std::string::npos)
        line.erase(in, seconds + 2 - in);
    return line;
}

TEST(BatchProgramTest, AThousandLineMessageFileIsVerifiedAndReadsBackHere) {
    TempFolder folder;
    std::string lines;
    for (int n = 1; n <= 1000; ++n)
        lines += numbered("LBL-%04d\n", n);
    folder.write("list.txt", lines);
    ASSERT_EQ(batch(folder, "--exec '[code128]" + kQuiet +
                                "' --messages list.txt --output 'labels/{n:04}.png' --verify"),
              0)
        << err(folder);
    EXPECT_EQ(summaryWithoutTime(err(folder)),
              "vornik: batch: 1000 written, 0 failed, 0 skipped of 1000; 1000 verified, 0 not "
              "verifiable\n");
    EXPECT_EQ(namesIn(folder.path() / "labels").size(), 1000u);
    for (int n = 1; n <= 1000; ++n)
        ASSERT_EQ(readPngSymbol(folder.path() / "labels" / numbered("%04d.png", n), F::Code128),
                  numbered("LBL-%04d", n));
}

// A spreadsheet export: byte order mark, CR LF line ends, quoted fields with
// commas, quotes and a line end inside, columns for message, comment and
// add-on, one of them naming the files.
TEST(BatchProgramTest, ATableOfThreeColumnsFillsMessageCommentAndAddOn) {
    TempFolder folder;
    folder.write("items.csv", "\xEF\xBB\xBF"
                              "Code,Note,Price\r\n"
                              "03600029145,\"Tea, green\",52495\r\n"
                              "01234567890,\"Say \"\"hi\"\"\",12\r\n"
                              "04210000526,\"two\nlines\",00\r\n");
    ASSERT_EQ(
        batch(folder, "--exec '[upca]" + kQuiet +
                          "' --csv items.csv --column message=Code --column comment=Note "
                          "--column supplement=Price --output 'labels/{Code}-{n}.png' --verify"),
        0)
        << err(folder);
    EXPECT_EQ(summaryWithoutTime(err(folder)),
              "vornik: batch: 3 written, 0 failed, 0 skipped of 3; 3 verified, 0 not verifiable\n");
    const struct {
        const char* file;
        const char* reads;
    } expected[] = {{"03600029145-1.png", "036000291452 52495"},
                    {"01234567890-2.png", "012345678905 12"},
                    {"04210000526-3.png", "042100005264 00"}};
    for (const auto& row : expected)
        EXPECT_EQ(readPngSymbol(folder.path() / "labels" / row.file, F::UPCA), row.reads)
            << row.file;
}

TEST(BatchProgramTest, ASerialRangeStepsTheJobsNumbering) {
    TempFolder folder;
    const std::string numbering =
        "[code39]" + kQuiet +
        "[incstart=98][incvalue=5][incwidth=4][incpreamble='SN'][incpostamble='X']";
    ASSERT_EQ(batch(folder, "--exec " + shellWord(numbering) +
                                " --count 25 --output 'serial/{message}.png' --verify --jobs 3"),
              0)
        << err(folder);
    EXPECT_EQ(
        summaryWithoutTime(err(folder)),
        "vornik: batch: 25 written, 0 failed, 0 skipped of 25; 25 verified, 0 not verifiable\n");
    for (int i = 0; i < 25; ++i) {
        const std::string text = numbered("SN%04dX", 98 + 5 * i);
        EXPECT_EQ(readPngSymbol(folder.path() / "serial" / (text + ".png"), F::Code39), text);
    }
}

TEST(BatchProgramTest, AFailingRecordIsToldByLineAndTheBatchGoesOn) {
    TempFolder folder;
    folder.write("list.txt", "0123456\n0123457\nNOT DIGITS\n0123459\n");
    EXPECT_EQ(batch(folder, "--exec '[i2of5]" + kQuiet +
                                "' --messages list.txt --output '{n}.png' --verify --jobs 2"),
              1);
    const std::string text = err(folder);
    EXPECT_NE(text.find("vornik: batch: line 3 (3.png) failed: "), std::string::npos) << text;
    EXPECT_EQ(summaryWithoutTime(text),
              "vornik: batch: 3 written, 1 failed, 0 skipped of 4; 3 verified, 0 not verifiable\n");
    EXPECT_FALSE(fs::exists(folder.path() / "3.png"));
    EXPECT_EQ(readPngSymbol(folder.path() / "4.png", F::ITF), "00123459");
}

// On a terminal a progress bar is redrawn in place; the summary line ends it.
// script (Debian bsdutils) gives the program a terminal.
TEST(BatchProgramTest, ATerminalShowsTheProgressBar) {
    TempFolder folder;
    std::string lines;
    for (int n = 1; n <= 400; ++n)
        lines += numbered("T%04d\n", n);
    folder.write("list.txt", lines);
    const std::string command = shellWord(VORNIK_PROGRAM) + " batch --exec '[code128]" + kQuiet +
                                "' --messages list.txt --output 't/{n}.png' --jobs 1";
    ASSERT_EQ(runIn(folder.path(), "script -qec " + shellWord(command) + " /dev/null"), 0)
        << "script (Debian package bsdutils) could not run the program on a terminal";
    const std::string shown = readFile(folder.path() / "out");
    EXPECT_TRUE(std::regex_search(
        shown, std::regex(R"(\r\[#* *\] \d+/400  [\d.]+/s  \d+:\d\d left\x1b\[K)")))
        << shown;
    EXPECT_TRUE(std::regex_search(
        shown, std::regex("\r\x1b\\[Kvornik: batch: 400 written, 0 failed, 0 skipped of 400 in ")))
        << shown;
}

// A name the file system refuses fails its record only.
TEST(BatchProgramTest, AnUnwritableFileFailsItsRecordOnly) {
    TempFolder folder;
    folder.write("list.txt", "A\n" + std::string(64, 'B') + "\nC\n");
    EXPECT_EQ(batch(folder, "--exec '[code128]" + kQuiet + "' --messages list.txt --output '" +
                                std::string(200, 'L') + "{message}.png'"),
              1);
    const std::string text = err(folder);
    const std::string name = std::string(200, 'L') + std::string(64, 'B') + ".png";
    EXPECT_NE(text.find("vornik: batch: line 2 (" + name + ") failed: "), std::string::npos)
        << text;
    EXPECT_NE(text.find("File name too long"), std::string::npos) << text;
    EXPECT_EQ(summaryWithoutTime(text), "vornik: batch: 2 written, 1 failed, 0 skipped of 3\n");
    EXPECT_TRUE(fs::exists(folder.path() / (std::string(200, 'L') + "C.png")));
    for (const std::string& left : namesIn(folder.path()))
        EXPECT_FALSE(left.starts_with(".")) << left << " was left behind";
}

TEST(BatchProgramTest, StopOnErrorStopsAtTheFirstFailure) {
    TempFolder folder;
    folder.write("list.txt", "1\n2\nX\n4\n5\n6\n");
    EXPECT_EQ(
        batch(folder, "--exec '[i2of5]" + kQuiet +
                          "' --messages list.txt --output 'o/{n}.png' --jobs 1 --stop-on-error"),
        1);
    EXPECT_EQ(namesIn(folder.path() / "o"), (std::set<std::string>{"1.png", "2.png"}));
    EXPECT_NE(err(folder).find("3 not made"), std::string::npos) << err(folder);
}

// A symbol drawn too coarse to read is written, but fails the read-back, and
// no file takes its name.
TEST(BatchProgramTest, ASymbolThatDoesNotReadBackFailsVerification) {
    TempFolder folder;
    folder.write("list.txt", "ABCDEFGHIJKLMNOP\n");
    EXPECT_EQ(batch(folder, "--exec '[code128]" + kQuiet +
                                "[rasterimageresolution=20][jpegquality=1]' --messages list.txt "
                                "--output 'o/{n}.jpg' --verify"),
              1);
    EXPECT_NE(err(folder).find("line 1 (o/1.jpg) failed: no Code128 symbol could be read back "
                               "from the file"),
              std::string::npos)
        << err(folder);
    EXPECT_EQ(namesIn(folder.path() / "o"), std::set<std::string>{});
}

struct CountedCase {
    const char* name;
    const char* commands;
    const char* extension;
    const char* err; // without the summary line's time
    const char* environment = "";
};

// Raster files of every kind are read back, vector files once an outside
// program has drawn them; symbologies no reader reads, and files whose
// drawing program is missing, are counted as not verifiable, never as
// verified, and the batch says why.
TEST(BatchProgramTest, EveryFileKindAndSymbologyIsCountedAsItCanBeChecked) {
    const char* verified = "vornik: batch: 2 written, 0 failed, 0 skipped of 2; 2 verified, 0 not "
                           "verifiable\n";
    const char* unverified = "vornik: batch: 2 written, 0 failed, 0 skipped of 2; 0 verified, 2 "
                             "not verifiable\n";
    const CountedCase cases[] = {
        {"Png8", "[code93][bitsperpixel=8]", "png", verified},
        {"Jpeg", "[code93]", "jpg", verified},
        {"TiffGroup4", "[code93][tiffcompression=group4]", "tif", verified},
        {"Gif", "[code93][bitsperpixel=8]", "gif", verified},
        {"BmpRle", "[code93][bitsperpixel=8][bmpcompression=on]", "bmp", verified},
        {"Tga24", "[code93][bitsperpixel=24][tgacompression=on]", "tga", verified},
        {"Pcx24", "[code93][bitsperpixel=24]", "pcx", verified},
        {"DataMatrix", "[datamatrix]", "png", verified},
        {"FullAsciiCheck", "[code39fullascii][code39check=on]", "png", verified},
        {"Rss14Composite", "[rss][composite=(10)ABC123]", "png",
         "vornik: batch: 2 labels are not verifiable: the 2D part of a composite cannot be read "
         "back\n"},
        {"Svg", "[code93]", "svg", verified},
        {"Eps", "[code93]", "eps", verified},
        {"Pdf", "[aztec]", "pdf", verified},
        {"Metafile", "[code93]", "wmf", verified},
        {"Postnet", "[postnet]", "png",
         "vornik: batch: 2 labels are not verifiable: POSTNET cannot be read back\n"},
        {"Msi", "[msi]", "png",
         "vornik: batch: 2 labels are not verifiable: MSI cannot be read back\n"},
        {"Discrete2of5", "[d2of5]", "png",
         "vornik: batch: 2 labels are not verifiable: Discrete 2 of 5 cannot be read back\n"},
        {"SvgWithoutDrawer", "[code93]", "svg",
         "vornik: batch: 2 labels are not verifiable: the file cannot be read back here: it needs "
         "rsvg-convert (Debian package librsvg2-bin) to be drawn for reading\n",
         "env PATH=/nonexistent "},
    };
    for (const CountedCase& row : cases) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        folder.write("list.txt", "12345\n67890\n");
        EXPECT_EQ(runIn(folder.path(), std::string(row.environment) + shellWord(VORNIK_PROGRAM) +
                                           " batch --exec '" + row.commands + kQuiet +
                                           "' --messages list.txt --output '{n}." + row.extension +
                                           "' --verify"),
                  0)
            << err(folder);
        const std::string all = err(folder);
        const auto summary = all.rfind("vornik: batch: ");
        const std::string expected =
            row.err == verified ? verified : std::string(row.err) + unverified;
        EXPECT_EQ(all.substr(0, summary) + summaryWithoutTime(all), expected);
    }
}

TEST(BatchProgramTest, OneWorkerAndFourWriteTheSameBytes) {
    TempFolder folder;
    std::string lines;
    for (int n = 1; n <= 60; ++n)
        lines += numbered("%07d\n", n * 7919);
    folder.write("list.txt", lines);
    for (const char* jobs : {"1", "4"})
        ASSERT_EQ(batch(folder, "--exec '[ean8]" + kQuiet + "' --messages list.txt --output 'j" +
                                    jobs + "/{n}.png' --jobs " + jobs),
                  0)
            << err(folder);
    EXPECT_EQ(namesIn(folder.path() / "j1").size(), 60u);
    for (const std::string& name : namesIn(folder.path() / "j1"))
        EXPECT_EQ(readFile(folder.path() / "j1" / name), readFile(folder.path() / "j4" / name))
            << name;
}

// The program is killed outright half-way: its workers finish the label in
// hand and stop, so no half-written or temporary file stays; a second run
// with --skip-existing makes the rest. The list is long enough that the
// batch is still running when the script kills it, and the script waits for
// the workers themselves to end (a worker that has ended but is not yet
// reaped shows as Z) before the folder is looked at.
TEST(BatchProgramTest, AKilledBatchLeavesNoPartialFileAndSkipExistingFinishesIt) {
    constexpr int kRecords = 10000;
    TempFolder folder;
    std::string lines;
    for (int n = 1; n <= kRecords; ++n)
        lines += numbered("K%05d\n", n);
    folder.write("list.txt", lines);
    const std::string arguments =
        "--exec '[code128]" + kQuiet + "' --messages list.txt --output 'k/{n:05}.png' --jobs 2";
    const std::string script =
        shellWord(VORNIK_PROGRAM) + " batch " + arguments +
        " & p=$!; while [ ! -e k/00200.png ]; do sleep 0.01; done; "
        "workers=$(ps -o pid= --ppid $p); kill -KILL $p; wait $p; "
        "for w in $workers; do i=0; "
        "while ps -o stat= -p $w | grep -qv Z && [ $i -lt 12000 ]; do sleep 0.01; i=$((i+1)); "
        "done; done";
    runIn(folder.path(), "sh -c " + shellWord(script));
    const auto killed = namesIn(folder.path() / "k");
    ASSERT_GT(killed.size(), 0u);
    ASSERT_LT(killed.size(), std::size_t{kRecords}) << "the batch ended before it was killed";
    for (const std::string& name : killed) {
        ASSERT_TRUE(name.size() == 9 && name.ends_with(".png")) << name << " was left behind";
        const int n = std::stoi(name.substr(0, 5));
        ASSERT_EQ(readPngSymbol(folder.path() / "k" / name, F::Code128), numbered("K%05d", n));
    }
    ASSERT_EQ(batch(folder, arguments + " --skip-existing"), 0) << err(folder);
    const std::size_t rest = kRecords - killed.size();
    EXPECT_EQ(summaryWithoutTime(err(folder)),
              "vornik: batch: " + std::to_string(rest) + " written, 0 failed, " +
                  std::to_string(killed.size()) + " skipped of " + std::to_string(kRecords) +
                  "\n");
    EXPECT_EQ(namesIn(folder.path() / "k").size(), std::size_t{kRecords});
    for (int n = 1; n <= kRecords; n += 97)
        EXPECT_EQ(readPngSymbol(folder.path() / "k" / numbered("%05d.png", n), F::Code128),
                  numbered("K%05d", n));
}

// One worker is killed outright: the others finish their records, the
// killed one's unfinished files are removed, and the exit status says that
// records were not made.
TEST(BatchProgramTest, AKilledWorkerLeavesNoPartialFile) {
    TempFolder folder;
    std::string lines;
    for (int n = 1; n <= 10000; ++n)
        lines += numbered("W%05d\n", n);
    folder.write("list.txt", lines);
    const std::string script = shellWord(VORNIK_PROGRAM) + " batch --exec '[code128]" + kQuiet +
                               "' --messages list.txt --output 'w/{n:05}.png' --jobs 2 & p=$!; "
                               "while [ ! -e w/00200.png ]; do sleep 0.01; done; "
                               "kill -KILL $(ps -o pid= --ppid $p | head -1); wait $p";
    EXPECT_EQ(runIn(folder.path(), "sh -c " + shellWord(script)), 1) << err(folder);
    EXPECT_NE(err(folder).find("vornik: batch: a worker process was ended by signal 9; the "
                               "records it had still to make were not made\n"),
              std::string::npos)
        << err(folder);
    // The killed worker may have named its last file without telling so.
    const auto made = namesIn(folder.path() / "w");
    std::smatch counts;
    const std::string summary = summaryWithoutTime(err(folder));
    ASSERT_TRUE(std::regex_match(summary, counts,
                                 std::regex("vornik: batch: (\\d+) written, 0 failed, 0 skipped "
                                            "of 10000; (\\d+) not made\n")))
        << summary;
    const std::size_t written = std::stoul(counts[1]);
    EXPECT_EQ(written + std::stoul(counts[2]), 10000u);
    EXPECT_TRUE(made.size() == written || made.size() == written + 1) << made.size();
    std::size_t seen = 0;
    for (const std::string& name : made) {
        ASSERT_TRUE(name.size() == 9 && name.ends_with(".png")) << name << " was left behind";
        if (seen++ % 13 == 0) {
            ASSERT_EQ(readPngSymbol(folder.path() / "w" / name, F::Code128),
                      numbered("W%05d", std::stoi(name.substr(0, 5))));
        }
    }
}

} // namespace
} // namespace vornik::cli

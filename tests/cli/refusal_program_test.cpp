// The program names every command it refused, with the reason, and keeps
// its exit statuses; the commands of printing and of the window say what
// this version does with them.

#include "run_in.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;

const std::string kBuilt = "[code39][message='ABC'][build/copy]";
// What a print says with no print service to print on (the tests have none).
const std::string kNoPrinter =
    "Vornik: The bar code was not printed. There is no printer to print on: the print service "
    "(CUPS) has no default printer. Name one with --printer NAME.\n";

TEST(RefusalProgram, EachRefusalIsOneLineWithItsReason) {
    // clang-format off
    const struct { const char* name; std::string commands; int exitStatus; std::string err; } rows[] = {
        {"QuotedSupplement", "[ean13][message='501234567890'][supplement='12345'][build/copy]", 1,
         "vornik: refused [SUPPLEMENT='12345']: the supplement takes digits only\n"},
        {"TwoInOneString", "[PDFSECURITY=9][pdfoverhead=100][DMECC=120]", 1,
         "vornik: refused [PDFSECURITY=9]: the PDF417 security level runs from 0 to 8, or is AUTO\n"
         "vornik: refused [PDFOVERHEAD=100]: the PDF417 overhead runs from 0 to 99 percent\n"
         "vornik: refused [DMECC=120]: the Data Matrix error correction is 0, 50, 80, 100, 140 or 200\n"},
        {"NotANumber", "[fontsize=big]", 1, "vornik: refused [FONTSIZE=big]: the value is not a number\n"},
        {"Print", kBuilt + "[print]", 2, kNoPrinter + "vornik: refused [PRINT]: the printer did not print it\n"},
        {"PrintNoEject", kBuilt + "[PrintNoEject]", 2, kNoPrinter + "vornik: refused [PRINTNOEJECT]: the printer did not print it\n"},
        {"PrintNothingBuilt", "[print]", 1, "vornik: refused [PRINT]: no symbol has been built to print\n"},
        {"EjectNoPage", "[ejectpage]", 0, ""},
        {"Margins", "[leftprintmargin=1.5][TOPPRINTMARGIN=0.25]", 0, ""},
        {"MarginNoNumber", "[leftprintmargin=wide]", 1, "vornik: refused [LEFTPRINTMARGIN=wide]: the value is not a number\n"},
        {"MarginNegative", "[topprintmargin=-1]", 1, "vornik: refused [TOPPRINTMARGIN=-1]: a print margin is a number of inches from 0 to 100\n"},
        {"PasteDataEmpty", "[pastedata]", 1, "vornik: refused [PASTEDATA]: the clipboard holds no text\n"},
        {"PasteDataText", "[msgtext=DEF][copymessage][msgtext=ABC][pastedata][build/copy][savebarcode(p.svg)]", 0, ""},
        {"AppNormal", "[appnormal]", 0, "vornik: there is no window to show: this program runs headless\n"},
        {"AppMinimize", "[APPMINIMIZE]", 0, "vornik: there is no window to minimise: this program runs headless\n"},
        {"NothingToSave", "[savebarcode(x.wmf)]", 1, "vornik: refused [SAVEBARCODE(x.wmf)]: no symbol has been built to save\n"},
        {"NoNavigation", "[next]", 1, "vornik: refused [NEXT]: there is no message file or numbering to step through\n"},
        {"EmptyMessageBuilds", "[code39][message=][build/copy]", 2,
         "Vornik: Missing or invalid bar code message!  Please re-enter bar code text.\n"},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TempFolder folder;
        EXPECT_EQ(
            runIn(folder.path(), shellWord(VORNIK_PROGRAM) + " --exec " + shellWord(row.commands)),
            row.exitStatus);
        EXPECT_EQ(readFile(folder.path() / "err"), row.err);
    }
}

// [PASTEDATA] puts the clipboard's text in front of the message: the job
// saved holds DEFABC.
TEST(RefusalProgram, PasteDataInsertsTheClipboardText) {
    const TempFolder folder;
    ASSERT_EQ(runIn(folder.path(), shellWord(VORNIK_PROGRAM) + " --exec " +
                                       shellWord("[code39][msgtext=DEF][copymessage][msgtext=ABC]"
                                                 "[pastedata][build/copy][saveconfig(p.vkf)]")),
              0);
    EXPECT_NE(readFile(folder.path() / "p.vkf").find("DEFABC"), std::string::npos);
}

} // namespace
} // namespace vornik::cli

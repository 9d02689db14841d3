// A batch given bad input says what is wrong in a sentence, exits with
// status 2 and writes nothing.

#include "cli/run_in.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vornik::cli {
namespace {

using vornik::testing::readFile;
using vornik::testing::TempFolder;
namespace fs = std::filesystem;

struct RefusalCase {
    const char* name;
    const char* arguments;
    const char* error; // the whole standard error
};

const char* const kTry = "Try 'vornik --help' for more information.\n";

// clang-format off
const RefusalCase kCases[] = {
    {"MissingMessageFile", "--messages absent.txt --output 'o/{n}.png'",
     "vornik: batch: the file absent.txt cannot be read: No such file or directory.\n"},
    {"FolderAsMessageFile", "--messages sub --output 'o/{n}.png'",
     "vornik: batch: the file sub cannot be read: it is a folder.\n"},
    {"HugeMessageFile", "--messages huge.txt --output 'o/{n}.png'",
     "vornik: batch: the file huge.txt is larger than 256 MB, too large for a list of labels: split it.\n"},
    {"EmptyMessageFile", "--messages empty.txt --output 'o/{n}.png'",
     "vornik: batch: the file empty.txt holds no records.\n"},
    {"UnclosedQuote", "--csv unclosed.csv --output 'o/{n}.png'",
     "vornik: batch: the table unclosed.csv cannot be read: the quoted field that starts on line 2 is never closed.\n"},
    {"TextAfterQuote", "--csv trailing.csv --output 'o/{n}.png'",
     "vornik: batch: the table trailing.csv cannot be read: line 3 has text after the closing quote of a field; a quote inside a quoted field is written twice (\"\").\n"},
    {"TooManyFields", "--csv ragged.csv --output 'o/{n}.png'",
     "vornik: batch: the table ragged.csv cannot be read: line 3 has 3 fields, but the header has 2.\n"},
    {"HeaderTwice", "--csv twice.csv --output 'o/{n}.png'",
     "vornik: batch: the table twice.csv cannot be read: the header names the column sku twice.\n"},
    {"HeaderOnly", "--csv header.csv --output 'o/{n}.png'",
     "vornik: batch: the table header.csv holds no records.\n"},
    {"UnknownColumn", "--csv items.csv --column message=SKU --output 'o/{n}.png'",
     "vornik: batch: the table items.csv has no column SKU for the message; its columns are sku, note.\n"},
    {"UnknownField", "--csv items.csv --output 'o/{price}.png'",
     "vornik: batch: the output name has the field {price}, but there is no such field: use {n}, {message} or a column of the table.\n"},
    {"NoField", "--count 3 --output 'o/label.png'",
     "vornik: batch: the output name has no field, so every record would overwrite the same file: put {n} (the record number) or {message} in it, as in labels/{n:05}.png.\n"},
    {"UnclosedBrace", "--count 3 --output 'o/{n.png'",
     "vornik: batch: the output name has a \"{\" that is never closed: write {{ for a brace in the name.\n"},
    {"BadNumberFormat", "--count 3 --output 'o/{n:x5}.png'",
     "vornik: batch: the output name's field {n:x5} has a format there is none of: only {n} takes one, as {n:05} for five digits with leading zeros.\n"},
    {"FolderTemplate", "--count 3 --output 'o/{n}/'",
     "vornik: batch: the output name ends with \"/\", a folder: name the files, as in labels/{n:05}.png.\n"},
    {"SameFileTwice", "--messages twice.txt --output 'o/{message}.png'",
     "vornik: batch: lines 1 and 3 would both be written to o/A.png: put {n} in the output name to tell them apart.\n"},
    {"SameNumberTwice", "--exec '[incvalue=0]' --count 2 --output 'o/{message}.png'",
     "vornik: batch: records 1 and 2 would both be written to o/0.png: put {n} in the output name to tell them apart.\n"},
    {"MissingJob", "absent.vkf --count 3 --output 'o/{n}.png'",
     "vornik: batch: the job absent.vkf could not be loaded: File: absent.vkf could not be used: No such file or directory.\n"},
    {"RefusedCommand", "--exec '[incstart=abc]' --count 3 --output 'o/{n}.png'",
     "vornik: batch: the job's commands were refused: refused [INCSTART=abc]: the value is not a number.\n"},
    {"CountZero", "--count 0 --output 'o/{n}.png'",
     "vornik: --count 0 is out of range: give a number of labels from 1 to 1000000\n"},
    {"CountHuge", "--count 1000001 --output 'o/{n}.png'",
     "vornik: --count 1000001 is out of range: give a number of labels from 1 to 1000000\n"},
    {"CountWord", "--count many --output 'o/{n}.png'",
     "vornik: --count many is out of range: give a number of labels from 1 to 1000000\n"},
    {"JobsZero", "--count 3 --jobs 0 --output 'o/{n}.png'",
     "vornik: --jobs 0 is out of range: give a number of workers from 1 to 256\n"},
    {"NoSource", "--output 'o/{n}.png'",
     "vornik: a batch needs its records: give one of --messages FILE, --csv FILE or --count N\n"},
    {"TwoSources", "--count 3 --messages list.txt --output 'o/{n}.png'",
     "vornik: a batch takes its records from one source: give one of --messages FILE, --csv FILE or --count N\n"},
    {"NoOutput", "--count 3",
     "vornik: a batch needs --output, the name of each file, as in --output 'labels/{n:05}.png'\n"},
    {"ColumnWithoutTable", "--count 3 --column message=sku --output 'o/{n}.png'",
     "vornik: --column names columns of a table, and goes with --csv only\n"},
    {"ColumnOfNoField", "--csv items.csv --column price=sku --output 'o/{n}.png'",
     "vornik: --column price=sku is not understood: write --column FIELD=NAME, FIELD being message, comment or supplement and NAME a column of the table, as in --column message=SKU\n"},
    {"UnknownOption", "--count 3 --fast --output 'o/{n}.png'",
     "vornik: unknown option --fast for a batch\n"},
    {"FileInTheWay", "--count 3 --output 'blocked/{n}.png'",
     "vornik: batch: the folder blocked cannot be made: a file of that name is in the way.\n"},
};
// clang-format on

TEST(BatchRefusalProgramTest, BadInputIsToldAndNothingIsWritten) {
    for (const RefusalCase& row : kCases) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        folder.write("empty.txt", "");
        folder.write("list.txt", "A\n");
        folder.write("twice.txt", "A\nB\nA\n");
        folder.write("sub/keep", "");
        folder.write("blocked", "a file");
        folder.write("unclosed.csv", "sku,note\n\"1,x\n");
        folder.write("trailing.csv", "sku,note\n1,x\n\"2\"x,y\n");
        folder.write("ragged.csv", "sku,note\n1,x\n2,y,z\n");
        folder.write("twice.csv", "sku,sku\n1,2\n");
        folder.write("header.csv", "sku,note\r\n");
        folder.write("items.csv", "sku,note\n1,x\n");
        // Sparse: it costs no disk, but is as large as a file gets read.
        fs::resize_file(folder.write("huge.txt", "A\n"), (256u << 20) + 1);
        const auto before = vornik::testing::readFile(folder.path() / "list.txt");
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            names.insert(entry.path().filename().string());
        EXPECT_EQ(runIn(folder.path(), shellWord(VORNIK_PROGRAM) + " batch " + row.arguments), 2);
        std::string expected = row.error;
        if (!expected.starts_with("vornik: batch: "))
            expected += kTry;
        EXPECT_EQ(readFile(folder.path() / "err"), expected);
        names.insert({"out", "err", "config", "home"});
        for (const auto& entry : fs::directory_iterator(folder.path()))
            EXPECT_TRUE(names.contains(entry.path().filename().string()))
                << entry.path().filename() << " was written";
        EXPECT_EQ(readFile(folder.path() / "list.txt"), before);
    }
}

} // namespace
} // namespace vornik::cli

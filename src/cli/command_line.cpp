#include "cli/command_line.h"

#include <cstddef>

namespace vornik::cli {

namespace {

constexpr std::string_view kExec = "--exec";
constexpr std::string_view kPrinter = "--printer";
constexpr std::string_view kSend = "--send";

struct Parser {
    explicit Parser(const std::vector<std::string>& words) : arguments(words) {}

    const std::vector<std::string>& arguments;
    std::size_t next = 0;
    CommandLine result;
    bool optionsEnded = false;

    // Takes one argument off the list; an error message when it is refused.
    std::optional<std::string> take();
    std::optional<std::string> takeOption(const std::string& argument);
    std::optional<std::string> takeExecValue();
    std::optional<std::string> takeSendValue();
    std::optional<std::string> takePrinterValue();
    std::optional<std::string> setPrinter(const std::string& name);
    std::optional<std::string> takePositional(const std::string& argument);
    bool* flagNamed(std::string_view name);
};

bool looksLikeOption(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '-';
}

bool* Parser::flagNamed(std::string_view name) {
    if (name == "--yes")
        return &result.answerYes;
    if (name == "--verify")
        return &result.verify;
    if (name == "--serve")
        return &result.serve;
    if (name == "--help" || name == "-h")
        return &result.help;
    if (name == "--version")
        return &result.version;
    return nullptr;
}

std::optional<std::string> Parser::take() {
    const std::string& argument = arguments[next++];
    if (optionsEnded || !looksLikeOption(argument))
        return takePositional(argument);
    return takeOption(argument);
}

std::optional<std::string> Parser::takeOption(const std::string& argument) {
    if (argument == "--") {
        optionsEnded = true;
        return std::nullopt;
    }
    if (argument == kExec)
        return takeExecValue();
    if (argument.starts_with(std::string(kExec) + "=")) {
        result.execStrings.push_back(argument.substr(kExec.size() + 1));
        return std::nullopt;
    }
    if (argument == kSend)
        return takeSendValue();
    if (argument.starts_with(std::string(kSend) + "=")) {
        result.sendStrings.push_back(argument.substr(kSend.size() + 1));
        return std::nullopt;
    }
    if (argument == kPrinter)
        return takePrinterValue();
    if (argument.starts_with(std::string(kPrinter) + "="))
        return setPrinter(argument.substr(kPrinter.size() + 1));
    const auto equals = argument.find('=');
    const auto name = argument.substr(0, equals);
    bool* flag = flagNamed(name);
    if (flag == nullptr)
        return "unknown option " + argument;
    if (equals != std::string::npos)
        return "option " + name + " takes no value";
    *flag = true;
    return std::nullopt;
}

// The commands follow as the next word. A following option means they were
// left out: no command string starts with "--".
std::optional<std::string> Parser::takeExecValue() {
    if (next == arguments.size() || arguments[next].starts_with("--"))
        return "option --exec needs the commands to run, as in --exec '[code39]'";
    result.execStrings.push_back(arguments[next++]);
    return std::nullopt;
}

std::optional<std::string> Parser::takeSendValue() {
    if (next == arguments.size() || arguments[next].starts_with("--"))
        return "option --send needs the commands to send, as in --send '[code39]'";
    result.sendStrings.push_back(arguments[next++]);
    return std::nullopt;
}

// The printer's name follows as the next word; no queue name starts with "-".
std::optional<std::string> Parser::takePrinterValue() {
    if (next == arguments.size() || looksLikeOption(arguments[next]))
        return setPrinter("");
    return setPrinter(arguments[next++]);
}

std::optional<std::string> Parser::setPrinter(const std::string& name) {
    if (name.empty())
        return "option --printer needs the name of a print queue, as in --printer office-laser";
    if (result.printer)
        return "only one printer can be named, but both " + *result.printer + " and " + name +
               " were";
    result.printer = name;
    return std::nullopt;
}

std::optional<std::string> Parser::takePositional(const std::string& argument) {
    if (result.configurationFile)
        return "only one configuration file can be named, but both " + *result.configurationFile +
               " and " + argument + " were";
    result.configurationFile = argument;
    return std::nullopt;
}

} // namespace

namespace {

// The ways of running exclude one another: the job is here (--exec), served
// here (--serve) or in another program (--send).
std::optional<std::string> conflict(const CommandLine& line) {
    const bool executes = !line.execStrings.empty();
    const bool sends = !line.sendStrings.empty();
    if (line.serve && executes)
        return "--serve and --exec cannot be given together: send the commands to the server "
               "with vornik --send";
    if (line.serve && sends)
        return "--serve and --send cannot be given together: run the server and the client "
               "as two programs";
    if (sends && executes)
        return "--send and --exec cannot be given together: the commands run either in a "
               "running program (--send) or in this one (--exec)";
    if ((line.serve || sends) && line.verify)
        return "--verify goes with --exec: it reads back the files this program saves";
    if (!sends)
        return std::nullopt;
    if (line.configurationFile)
        return "--send takes no configuration file: send [openconfig(" + *line.configurationFile +
               ")] to open it in the running program";
    if (line.answerYes || line.printer)
        return "--yes and --printer belong to the program that runs the commands: give them to "
               "vornik --serve";
    return std::nullopt;
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    Parser parser{arguments};
    while (parser.next < arguments.size()) {
        if (auto error = parser.take())
            return CommandLineError{std::move(*error)};
    }
    if (auto error = conflict(parser.result))
        return CommandLineError{std::move(*error)};
    return parser.result;
}

namespace {

constexpr std::string_view kHelp =
    R"(Vornik - bar codes for Linux

Vornik makes true-size, printer-aware bar codes in 24 symbologies, one at a
time or in batches from message files and serial numbers. Started on a
display without command strings, it opens its desktop window (the program
vornik-desktop beside it). Given command strings, or --yes, it runs headless:
it keeps one bar code job, runs the commands you give it on that job and
reports on standard error. Headless, it needs no display.

Usage:
  vornik [FILE.vkf]
  vornik [--yes] [--verify] [--printer NAME] [FILE.vkf] --exec COMMANDS ...
  vornik --yes FILE.vkf     (headless, also on a display)
  vornik --serve [--yes] [--printer NAME] [FILE.vkf]
  vornik --send COMMANDS [--send COMMANDS ...]
  vornik batch [FILE.vkf] [--exec COMMANDS] (--messages FILE | --csv FILE
               [--column FIELD=NAME]... | --count N) --output TEMPLATE
               [--jobs N] [--verify] [--skip-existing] [--stop-on-error]
  vornik --help
  vornik --version

Options:
  --exec COMMANDS, --exec=COMMANDS
              Run COMMANDS on the job. Give --exec as often as you like: the
              strings run in the order given, all on the same job. After
              [APPEXIT], which ends the program, no further string runs.
  --yes       Answer every question as a user who goes ahead would: OK, Yes
              or Retry. Without --yes, questions are answered Cancel or No.
  --verify    Read every image file saved back with ZXing and compare it
              with what the symbol must carry (the message, the check
              characters the symbology adds, the add-on): one line on
              standard error for each, and exit status 2 when one does not
              read back right. EPS and PDF files are drawn for reading by
              Ghostscript, SVG by rsvg-convert; symbologies ZXing does not
              read, and files whose drawing program is missing, are told
              "not verifiable".
  --printer NAME, --printer=NAME
              Print on the print queue NAME (as lpstat -p lists them) rather
              than on the default printer.
  --serve     Serve the job on the session bus (D-Bus name org.vornik.Vornik)
              without a window, until a client that sent [APPEXIT] closes
              its connection. Message boxes are answered as --yes says and
              told to the client that sent the commands.
  --send COMMANDS, --send=COMMANDS
              Send COMMANDS to the running program (the window or a
              --serve) over one connection, in the order given; what the
              program reports is written on standard error, and the exit
              status is as it would be for --exec.
  -h, --help  Show this help and exit.
  --version   Show the version and exit.
  FILE.vkf    A configuration file (a whole job, saved with [saveconfig(FILE)])
              to load at start-up, before any --exec runs: the commands then
              act on the loaded job. A file that is not a configuration file
              is reported, the job keeps its defaults and the exit status is 2.
              On a display, without --exec or --yes, the window opens with it.

The command language:
  COMMANDS is a string of bracketed commands, run from left to right:
      [code39][message='ABC',45,'123'][build/copy]
  selects Code 39, sets the bar code message to ABC-123 (45 is the code of
  "-") and builds the symbol. A command is a keyword, alone or with "="
  and a value; keywords are not case-sensitive. Text goes in single quotes;
  a number outside quotes is a character code, and pieces of a value are
  joined with commas. Unknown commands are ignored. A command that is
  refused makes its string fail, but the commands after it still run; each
  refusal is told on standard error in one line, such as
      vornik: refused [SUPPLEMENT='12345']: the supplement takes digits only

Symbols:
  [build/copy] draws the symbol at true size; [savebarcode(FILE)] saves the
  last symbol built. The extension of FILE chooses the format: .png, .jpg,
  .tif, .gif, .bmp, .tga and .pcx give a raster image at the raster
  resolution; .eps, .svg and .pdf a vector picture at true size; .wmf, and
  any other name, a placeable Windows metafile. This version draws the
  linear and postal symbologies, PDF417, Data Matrix, Aztec Code and the
  RSS-14 family with composites ([composite=(10)ABC123]).

Printing:
  [print] puts the last symbol built on a page at true size and sends the
  page to the printer; [printnoeject] puts it on the page and keeps the page
  open for more symbols, and [ejectpage] sends the open page. The symbol's
  top-left corner lands [leftprintmargin=INCHES] and [topprintmargin=INCHES]
  from the paper's edges. Pages go to the print service (CUPS): to the
  default printer, or to the queue named with --printer, drawn for the
  queue's own paper and resolution. For example, to print on the queue
  office-laser a Code 128 symbol one inch from the left edge and half an
  inch from the top:
    vornik --printer office-laser --exec "[code128][message='VORNIK'][leftprintmargin=1][topprintmargin=0.5][build/copy][print]"
  A printer that is not there, a stopped queue and a page the queue turns
  away are each told on standard error in a sentence, and the exit status
  is 2. No display is needed.

Messages and questions:
  What the desktop program shows in a message box is written to standard
  error as one "TITLE: TEXT" line per box, the text exactly as the box would
  show it. The bell rings only when standard error is a terminal.

Exit status:
  0  every command string was accepted and every build drew its symbol
  1  some command string was refused
  2  a build ended without a symbol, a file could not be read or written,
     a page was not printed, or the command line was wrong

Settings:
  Per-user settings live in $XDG_CONFIG_HOME/Vornik/Vornik.conf
  ($HOME/.config/Vornik/Vornik.conf when XDG_CONFIG_HOME is not set), in the
  section [Settings]. The desktop program will share the same file.

Message files and numbering:
  [openmsgfile(FILE)] opens a text file of messages, one per line, and
  builds the first; [next] and [previous] step through it and build. With
  [incenable] on, [next] and [previous] step a serial number instead, set up
  by [incstart=N], [incvalue=N], [incwidth=DIGITS], [incpreamble=TEXT] and
  [incpostamble=TEXT]. [next] fails at the end of a file.

Batches:
  vornik batch makes one label per record, with the job of FILE.vkf and the
  --exec commands, headless; questions are answered as --yes answers them.
  --messages FILE   one record per line, read as [openmsgfile(FILE)] reads
                    it (UPC and EAN lines split into message and add-on)
  --csv FILE        a table with a header (CSV, or TSV with tabs); quoted
                    fields may hold commas, quotes and line breaks
  --column FIELD=NAME
                    the column that fills FIELD: message, comment or
                    supplement (by default the columns of those names; the
                    message falls back on the first column)
  --count N         N serial numbers (1 to 1000000) from the job's
                    numbering, from its current number on
  --output TEMPLATE the name of each file: {n} the record number, {n:05}
                    with leading zeros to 5 digits, {message}, or {NAME} a
                    column; values are made safe for a file name. The
                    extension chooses the format, as in [savebarcode(FILE)]
  --jobs N          worker processes (1 to 256; one per processor by
                    default); the files are the same whatever the number
  --verify          read every file back with ZXing (vector files drawn by
                    Ghostscript, rsvg-convert or wmf2gd) and compare it with
                    what the symbol must carry; symbologies ZXing does not
                    read count "not verifiable"
  --skip-existing   leave the files already there, to finish a batch
  --stop-on-error   stop at the first record that fails
  Each file is written under a temporary name and renamed when whole. A
  record that fails is told with its line, and the batch goes on. On a
  terminal a progress bar shows; one summary line ends the batch. The exit
  status is 0 when every label was made, 1 when some failed, 2 when the input
  was wrong, in which case nothing is written.
  For example:
    vornik batch --exec "[code128]" --messages list.txt --output 'labels/{n:05}.png' --verify

Examples:
  vornik --exec "[code39][message='VORNIK-1'][build/copy][savebarcode(label.wmf)][saveconfig(label.vkf)]"
  vornik label.vkf --exec "[message='VORNIK-2'][build/copy][savebarcode(label.pdf)]"
  printf 'VORNIK-3\nVORNIK-4\n' > list.txt
  vornik --exec "[code128][openmsgfile(list.txt)][savebarcode(1.png)][next][savebarcode(2.png)]"
)";

constexpr std::string_view kUsage =
    R"(  vornik [--yes] [FILE.vkf] --exec COMMANDS [--exec COMMANDS ...]
for example:
  vornik --exec "[code39][message='ABC'][build/copy]"
Try 'vornik --help' for more information.
)";

} // namespace

std::string_view helpText() {
    return kHelp;
}

std::string_view usageText() {
    return kUsage;
}

} // namespace vornik::cli

#include "core/app/character_list.h"

#include "core/app/display_set.h"
#include "core/app/job.h"

#include <array>

namespace vornik {

namespace {

constexpr int kBasicEntries = 128;
constexpr int kAllEntries = 256;

// Three characters per control code, blanks included.
constexpr std::string_view kControlNames = "NULSOHSTXETXEOTENQACKBELBS HT LF VT FF CR SO SI "
                                           "DLEDC1DC2DC3DC4NAKSYNETBCANEM SUBESCFS GS RS US ";
static_assert(kControlNames.size() == 32 * 3);

constexpr std::array<std::string_view, 4> kFunctionNames = {"FNC1", "FNC2", "FNC3", "FNC4"};

std::string decimal(int code) {
    return " " + std::to_string(code);
}

std::string controlName(int code) {
    if (code == '\t')
        return "TAB";
    return std::string(kControlNames.substr(static_cast<std::size_t>(code) * 3, 3));
}

std::string basicEntry(int code) {
    std::string entry = decimal(code) + '\t';
    if (code != 0 && code != '\t')
        entry += static_cast<char>(code);
    entry += '\t';
    if (code < 0x20)
        entry += controlName(code);
    return entry;
}

std::string functionEntry(int index) {
    return std::string("\t") + static_cast<char>(128 + index) + '\t' +
           std::string(kFunctionNames[static_cast<std::size_t>(index)]);
}

std::string extendedEntry(int code) {
    return decimal(code) + "  \t" + static_cast<char>(code) + "   ";
}

int functionCharacterCount(Symbology symbology) {
    if (symbology == Symbology::Code128)
        return 4;
    if (symbology == Symbology::EanUcc128)
        return 1;
    return 0;
}

bool listsAllCodes(Symbology symbology) {
    return symbology == Symbology::Pdf417 || symbology == Symbology::Aztec ||
           symbology == Symbology::DataMatrix;
}

} // namespace

std::vector<std::string> characterListEntries(Symbology symbology) {
    std::vector<std::string> entries;
    entries.reserve(kAllEntries);
    for (int code = 0; code < kBasicEntries; ++code)
        entries.push_back(basicEntry(code));
    for (int i = 0; i < functionCharacterCount(symbology); ++i)
        entries.push_back(functionEntry(i));
    if (listsAllCodes(symbology))
        for (int code = kBasicEntries; code < kAllEntries; ++code)
            entries.push_back(extendedEntry(code));
    return entries;
}

bool characterListSelectsFirstEntry(Symbology symbology) {
    return symbology == Symbology::Code39FullAscii || symbology == Symbology::Code93 ||
           symbology == Symbology::Code128 || symbology == Symbology::EanUcc128;
}

bool characterListShown(Symbology symbology) {
    return characterListSelectsFirstEntry(symbology) || listsAllCodes(symbology);
}

std::string_view characterListHeading(bool ansiDisplay) {
    return ansiDisplay ? "ANSI      Char         Control" : "ASCII     Char         Control";
}

CharacterListView characterListView(const Job& job) {
    CharacterListView view;
    for (const std::string& entry : characterListEntries(job.Symbology))
        view.entries.push_back(screenText(entry, job.AnsiDisplay, Tabs::Kept));
    view.shown = characterListShown(job.Symbology);
    view.selectsFirstEntry = characterListSelectsFirstEntry(job.Symbology);
    view.heading = characterListHeading(job.AnsiDisplay);
    view.fontName = displayFontName(job.AnsiDisplay);
    return view;
}

} // namespace vornik

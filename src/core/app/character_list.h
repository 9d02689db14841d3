#pragma once

#include "core/app/symbology.h"

#include <string>
#include <string_view>
#include <vector>

namespace vornik {

struct Job;

// The main window's character list (`AsciiMenu`): the entry at index i
// inserts code i into the message. Codes 0 to 127 are always listed;
// Code 128 adds its function characters FNC1 to FNC4 (codes 128 to 131),
// EAN/UCC-128 adds FNC1, and PDF417, Aztec Code and Data Matrix add codes
// 128 to 255.

// The entries for a symbology as codes, tab-separated columns: the code in
// decimal after a blank, the character (none for 0 and 9), and the name of a
// control code below 32.
[[nodiscard]] std::vector<std::string> characterListEntries(Symbology symbology);

// Whether the list and its heading (`Label4`) are shown for a symbology:
// for those whose messages take characters that cannot all be typed.
[[nodiscard]] bool characterListShown(Symbology symbology);

// Whether choosing the symbology selects the list's first entry.
[[nodiscard]] bool characterListSelectsFirstEntry(Symbology symbology);

// The heading over the list's columns (`Label4`) in the display set.
[[nodiscard]] std::string_view characterListHeading(bool ansiDisplay);

// Everything the list shows for the job: entries as UTF-8 in the display
// set with their tabs kept (see display_set.h), visibility, heading, font.
struct CharacterListView {
    std::vector<std::string> entries;
    bool shown = false;
    bool selectsFirstEntry = false;
    std::string heading;
    std::string fontName;

    bool operator==(const CharacterListView&) const = default;
};
[[nodiscard]] CharacterListView characterListView(const Job& job);

} // namespace vornik

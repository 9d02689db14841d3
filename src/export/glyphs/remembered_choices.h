#pragma once

#include "export/glyphs/font_choice.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vornik::exporting {

// What a face is chosen by: not the size, which any outline face meets; a
// code point other than 0 asks for a face that has that character.
struct ChoiceKey {
    std::string faceName; // in the ANSI code page, as recorded
    std::uint8_t pitchAndFamily = 0;
    std::int16_t weight = 0;
    bool italic = false;
    char32_t codePoint = 0;
    bool operator==(const ChoiceKey&) const = default;
};

// Choices fontconfig made, kept in a file between runs. Starting fontconfig
// means reading its whole configuration, which costs a headless run that
// writes one label more than everything else it does; a choice is only ever
// the same answer to the same question, so it is kept with what the answer
// depends on: the configuration files and folders and the font folders
// fontconfig read (each with its modification time, size and inode) and the
// environment variables it heeds. When any of them differs, everything kept
// is forgotten and fontconfig asked afresh. The file is only a cache: one
// that cannot be read or written is no error.
class RememberedChoices {
public:
    explicit RememberedChoices(std::filesystem::path file);

    // The choice kept for `key` (which may be that no face will do), when the
    // file holds one and all it depends on is as it was.
    [[nodiscard]] std::optional<std::optional<FontFile>> find(const ChoiceKey& key);

    // Keeps a choice fontconfig has just made, `watched` being the files and
    // folders its configuration was read from, and writes the file anew.
    void remember(const ChoiceKey& key, const std::optional<FontFile>& choice,
                  const std::vector<std::string>& watched);

private:
    struct Kept {
        ChoiceKey key;
        std::optional<FontFile> choice;
    };
    void load();
    void save() const;

    std::filesystem::path file_;
    bool loaded_ = false;
    std::vector<std::string> watched_;
    std::vector<Kept> kept_;
};

// The file the headless program keeps its choices in:
// $XDG_CACHE_HOME/vornik/font-choices, or ~/.cache/vornik/font-choices; empty
// when neither variable is set.
[[nodiscard]] std::filesystem::path rememberedChoicesFile();

// The configuration files and folders and the font folders (with those below
// them) of fontconfig's current configuration, which starts it.
[[nodiscard]] std::vector<std::string> fontconfigInputs();

} // namespace vornik::exporting

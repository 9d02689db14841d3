#pragma once

#include <string>
#include <string_view>

namespace vornik {

class Application;

enum class SaveOutcome {
    Saved,
    NothingToSave, // no symbol has been built (the menu item is disabled)
    Failed,        // told to the user
};

// Saves the symbol on display to BarcodeSavePath. A name whose extension
// (case-insensitive) is one of the image converter's formats is converted by
// the application's converter; any other name, ".wmf" and none included,
// receives a copy of the temporary placeable metafile. A failure is told to
// the user.
[[nodiscard]] SaveOutcome saveBarCode(Application& app);

// The upper-case text after the last "." of a path's file name, or empty.
[[nodiscard]] std::string extensionOf(std::string_view path);

} // namespace vornik

#pragma once

#include "core/app/job.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vornik {

class Application;

// The Preferences and Edit menu commands that Application has no member
// for. Each marks the job changed when it changes a setting.

// What the font dialog shows and returns.
struct FontChoice {
    std::string name{}; // face name, without the terminating NUL the job keeps
    std::int32_t size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    ColorRef color = kBlack;

    bool operator==(const FontChoice&) const = default;
};

inline constexpr std::int32_t kSmallestFontSize = 1;
inline constexpr std::int32_t kLargestFontSize = 32767;

// The font dialog opens on the job's font.
[[nodiscard]] FontChoice currentFontChoice(const Job& job);

// The font dialog's OK: the choice goes into the job and a symbol on
// display is drawn again with it. A choice without a name or with a size
// outside 1 to 32767 points changes nothing and gives the reason.
[[nodiscard]] std::optional<std::string> applyFontChoice(Application& app,
                                                         const FontChoice& choice);

// The colour dialogs' OK: the bars' colour, or a painted background of the
// chosen colour. A symbol on display is drawn again.
void applyForeColor(Application& app, ColorRef color);
void applyBackColor(Application& app, ColorRef color);
// Background > Transparent: the background is left unpainted.
void chooseTransparentBackground(Application& app);

// Switches of the Preferences menu that change no drawing.
void toggleMessageWarnings(Application& app);
void togglePrintWarnings(Application& app);
void toggleFixDriver(Application& app);
// Its check mark is all it has: it is not saved with the job, so the job
// does not count as changed.
void toggleDisableAutoCheck(Application& app);

// Bar width reduction or gain: the step (0 to 15, 5 percent each) and the
// direction, each kept when the other changes. A step outside 0 to 15
// changes nothing and gives false.
bool setBarWidthStep(Application& app, int step);
void setBarWidthGain(Application& app, bool gain);

// Edit > Clipboard Format: any of its items clears all four check marks.
void clearClipboardFormatChecks(Application& app);

} // namespace vornik

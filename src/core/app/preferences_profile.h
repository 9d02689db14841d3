#pragma once

#include "core/app/symbology.h"

namespace vornik {

// Which Preferences items make sense for a symbology: the choosing of a
// symbology shows these and hides the rest. Members are named after the
// items' control names. The other Preferences items do not depend on the
// symbology.
struct PreferencesProfile {
    bool mAlign = true;
    bool mAztecOpt = false;
    bool DMOpts = false;
    bool PDFOps = false;
    bool Pref = true;
    bool TextAbove = true;
    bool MAutoFont = true;
    bool CommentAbove = true;
    bool MCustFont = true;
    bool BWR = true;
    bool QuietZones = true;
    bool BearerBars = true;
    bool Code39Check = false;
    bool DisableAutoCheck = false;
    bool ConversionsT = false;
    bool Units = true;
    bool Junk1 = true; // separators
    bool Junk4 = false;
    bool Junk0 = false;

    bool operator==(const PreferencesProfile&) const = default;
};

[[nodiscard]] PreferencesProfile preferencesProfile(Symbology symbology);

} // namespace vornik

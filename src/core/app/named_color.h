#pragma once

#include "core/app/job.h"

#include <string_view>

namespace vornik {

// The colour of an upper-case colour name of the command language
// ("MAROON", "NAVY", ...); any other name is black.
[[nodiscard]] ColorRef NamedColor(std::string_view upperName);

} // namespace vornik

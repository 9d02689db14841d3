#pragma once

#include "core/app/build_outcome.h"

namespace vornik {
class Application;
}

namespace vornik::render {

// The Facing Identification Marks of the postal services, FIM A, B and C
// (mark 1 to 3): drawn at once as the current symbol, with the job's bar
// width adjustment, colours and orientation, and published like a symbol.
BuildOutcome drawFacingIdentificationMark(Application& app, int mark);

} // namespace vornik::render

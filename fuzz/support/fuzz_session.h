#pragma once

#include "core/app/application.h"
#include "support/quiet_host.h"

namespace vornik::fuzz {

// A program started for one input, as the headless program starts, with a
// quiet host and the scratch folder's program folder. PDF417's pattern file
// is read once for the whole run and handed to every session, so that each
// input does not pay for reading it again; its parsing has a target of its
// own.
struct FuzzSession {
    explicit FuzzSession(bool goAhead);
    ~FuzzSession();
    FuzzSession(const FuzzSession&) = delete;
    FuzzSession& operator=(const FuzzSession&) = delete;

    QuietHost host;
    Application app;
};

} // namespace vornik::fuzz

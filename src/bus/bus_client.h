#pragma once

#include <string>
#include <vector>

namespace vornik::bus {

// vornik --send: sends each command string in order over one connection to
// the program serving on the session bus, writes its report lines on
// standard error, and returns the exit status --exec would have.
int runClient(const std::vector<std::string>& commandStrings);

} // namespace vornik::bus

#pragma once

#include "core/twod/pdf417_cluster_table.h"

#include <optional>
#include <string>

namespace vornik {
class Application;
}

namespace vornik::twod {

inline constexpr const char* kClusterFileName = "Cluster.Dat";
inline constexpr const char* kClusterPromptTitle = "Vornik File I/O Error!";
inline constexpr const char* kClusterPrompt =
    "Cannot Find Vornik Initialization File: CLUSTER.DAT        Please Enter New Path.";

// PDF417's tables for the rest of the run, once loaded. The Reed-Solomon
// coefficients are built into the program; the codeword patterns come from
// the pattern file, looked up in the program's folder unless a path names
// another place.
struct PdfTables {
    std::optional<ClusterTable> patterns; // loaded
    std::string ClusterFilePath = kClusterFileName;
    bool patternFileMissing = false;
};

// Loads the pattern file, asking the user for another path while it cannot be
// read or holds no valid table. True when the tables are loaded; false, with
// the missing-file flag set, when the user gave up.
bool PdfLoadTables(Application& app);

} // namespace vornik::twod

#pragma once

namespace vornik {
class BuilderTable;
}

namespace vornik::twod {

// Installs the builders of the symbologies encoded through libzint: Data
// Matrix, Aztec Code and the four RSS-14 symbologies. Each table gets an
// encoder of its own, which lives as long as the table.
void installLibraryBuilders(BuilderTable& table);

} // namespace vornik::twod

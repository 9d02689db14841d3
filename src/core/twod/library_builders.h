#pragma once

namespace vornik {
class BuilderTable;
}

namespace vornik::twod {

// Installs the builders of the symbologies behind a library's entry point:
// Data Matrix and the four RSS-14 symbologies through libzint, and Aztec
// Code through our own encoder behind the same kind of entry point. Each
// table gets an encoder of its own, which lives as long as the table.
void installLibraryBuilders(BuilderTable& table);

} // namespace vornik::twod

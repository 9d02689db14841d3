#include "support/fuzz_session.h"

#include "support/scratch_folder.h"

#include <fstream>
#include <iterator>
#include <string>

namespace vornik::fuzz {

namespace {

const twod::ClusterTable& patternTable() {
    static const twod::ClusterTable table = [] {
        std::ifstream file(ScratchFolder::get().program() / "Cluster.Dat", std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        auto parsed = twod::ClusterTable::parse(text);
        if (const auto* reason = std::get_if<std::string>(&parsed))
            finding("the PDF417 pattern file does not read: " + *reason);
        return std::get<twod::ClusterTable>(parsed);
    }();
    return table;
}

} // namespace

FuzzSession::FuzzSession(bool goAhead)
    : host(goAhead), app(host, {.programDirectory = ScratchFolder::get().program()}) {
    app.startUp();
    app.pdfTables().patterns = patternTable();
}

FuzzSession::~FuzzSession() {
    (void)app.shutDown(false);
}

} // namespace vornik::fuzz

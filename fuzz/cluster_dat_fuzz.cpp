// The PDF417 pattern file (Cluster.Dat): any text either gives a table whose
// every entry is a codeword pattern, or a reason and no table.

#include "core/twod/pdf417_cluster_table.h"
#include "support/scratch_folder.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace vornik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = twod::ClusterTable::parse(text);
    const auto* table = std::get_if<twod::ClusterTable>(&parsed);
    if (table == nullptr) {
        if (std::get<std::string>(parsed).empty())
            fuzz::finding("a pattern file was refused without a reason");
        return 0;
    }
    for (int cluster = 0; cluster < twod::kClusterCount; ++cluster)
        for (int codeword = 0; codeword < twod::kCodewordValues; ++codeword)
            if (!twod::isCodewordPattern(table->pattern(cluster, codeword)))
                fuzz::finding("a pattern file was accepted with an entry that is no pattern");
    return 0;
}

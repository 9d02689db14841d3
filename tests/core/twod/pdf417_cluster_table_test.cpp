#include "core/twod/pdf417_cluster_table.h"
#include "support/command_session.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <tuple>
#include <variant>

namespace vornik::twod {
namespace {

std::string shippedFile() {
    std::ifstream in(testing::builtProgramDirectory() / "Cluster.Dat", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The cluster of a pattern: (bar1 - bar2 + bar3 - bar4 + 9) mod 9.
int clusterOf(std::uint32_t entry) {
    const std::string digits = std::to_string(entry);
    const int value = (digits[0] - '0') - (digits[2] - '0') + (digits[4] - '0') - (digits[6] - '0');
    return (value + 9) % 9;
}

TEST(Pdf417ClusterTable, ShippedFileHoldsTheThreeClusters) {
    const auto parsed = ClusterTable::parse(shippedFile());
    ASSERT_TRUE(std::holds_alternative<ClusterTable>(parsed)) << std::get<std::string>(parsed);
    const auto& table = std::get<ClusterTable>(parsed);
    for (int cluster = 0; cluster < kClusterCount; ++cluster) {
        std::set<std::uint32_t> distinct;
        for (int codeword = 0; codeword < kCodewordValues; ++codeword) {
            const std::uint32_t entry = table.pattern(cluster, codeword);
            ASSERT_TRUE(isCodewordPattern(entry)) << cluster << "/" << codeword;
            ASSERT_EQ(clusterOf(entry), 3 * cluster) << cluster << "/" << codeword;
            distinct.insert(entry);
        }
        EXPECT_EQ(distinct.size(), 929U);
    }
    // Codeword 0 of cluster 0 in the standard's table.
    EXPECT_EQ(table.pattern(0, 0), 31111136U);
}

TEST(Pdf417ClusterTable, MalformedTextsGiveAReasonAndNoTable) {
    const std::string good = shippedFile();
    std::string badPattern = good;
    badPattern.replace(0, 8, "31111137"); // 18 modules
    const std::tuple<const char*, std::string, const char*> rows[] = {
        {"Empty", "", "the file ends at entry 1 of 2787"},
        {"TooFew", good.substr(0, good.find("\n", 100)), "the file ends at entry"},
        {"NotANumber", "abc," + good, "entry 1 is not a number: abc"},
        {"Fraction", "3111113.6," + good, "entry 1 is not a number"},
        {"WrongWidths", badPattern, "entry 1 is not a codeword pattern: 31111137"},
    };
    for (const auto& [name, text, reason] : rows) {
        const auto parsed = ClusterTable::parse(text);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << name;
        EXPECT_NE(std::get<std::string>(parsed).find(reason), std::string::npos)
            << name << ": " << std::get<std::string>(parsed);
    }
    // Commas and line breaks separate alike.
    std::string commas = good;
    std::replace(commas.begin(), commas.end(), '\n', ',');
    EXPECT_TRUE(std::holds_alternative<ClusterTable>(ClusterTable::parse(commas)));
}

} // namespace
} // namespace vornik::twod

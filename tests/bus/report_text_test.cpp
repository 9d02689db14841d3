#include "bus/report_text.h"
#include "bus/served_program.h"

#include <gtest/gtest.h>

namespace vornik::bus {
namespace {

TEST(ReportText, LinesKeepEveryCharacter) {
    // clang-format off
    const struct { const char* name; std::string bytes; QString expected; } rows[] = {
        {"Ascii", "vornik: refused [DMECC=120]: x", QStringLiteral("vornik: refused [DMECC=120]: x")},
        {"Utf8", "Vornik: caf\xc3\xa9", QStringLiteral("Vornik: caf\u00e9")},
        {"Windows1252", "Vornik: caf\xe9 \x80", QStringLiteral("Vornik: caf\u00e9 \u20ac")},
        {"Empty", "", QString()},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(reportLine(row.bytes), row.expected);
    }
}

TEST(ReportText, SplitsAtLineEnds) {
    // clang-format off
    const struct { const char* name; std::string text; std::vector<std::string> expected; } rows[] = {
        {"None", "", {}},
        {"One", "a\n", {"a"}},
        {"NoLastEnd", "a\nb", {"a", "b"}},
        {"EmptyLineKept", "a\n\nb\n", {"a", "", "b"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(splitLines(row.text), row.expected);
    }
}

// A request's status is --exec's for its commands alone.
TEST(RequestStatus, FailuresOutweighRefusals) {
    // clang-format off
    const struct { const char* name; FailureCounts before, after; bool refused; int expected; } rows[] = {
        {"Clean", {1, 1}, {1, 1}, false, 0},
        {"Refused", {0, 0}, {0, 0}, true, 1},
        {"BuildWithoutSymbol", {2, 0}, {3, 0}, false, 2},
        {"FileFailedAndRefused", {0, 4}, {0, 5}, true, 2},
        {"EarlierFailuresDoNotCount", {5, 5}, {5, 5}, false, 0},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(requestStatus(row.before, row.after, row.refused), row.expected);
    }
}

} // namespace
} // namespace vornik::bus

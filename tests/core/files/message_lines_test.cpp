#include "core/files/message_lines.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace vornik::files {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

// Line by line the plain way, one byte at a time: what every order of
// looking up lines must agree with.
Lines referenceSplit(const std::string& text) {
    Lines lines;
    std::string current;
    bool open = false; // a line has begun and not yet ended
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            current += c;
            open = true;
            continue;
        }
        lines.push_back(std::exchange(current, {}));
        open = false;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    if (open)
        lines.push_back(current);
    return lines;
}

Lines forwards(const MessageLines& lines) {
    Lines read;
    for (std::size_t i = 0; i < lines.size(); ++i)
        read.emplace_back(lines.line(i));
    return read;
}

Lines backwards(const MessageLines& lines) {
    Lines read(lines.size());
    for (std::size_t i = lines.size(); i > 0; --i)
        read[i - 1] = lines.line(i - 1);
    return read;
}

// Lines taken from either end in turn, so that almost no lookup is next to
// the one before it.
Lines leaping(const MessageLines& lines) {
    const std::size_t count = lines.size();
    Lines read(count);
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t index = k % 2 == 0 ? k / 2 : count - 1 - k / 2;
        read[index] = lines.line(index);
    }
    return read;
}

void expectLines(const std::string& text, const Lines& expected) {
    const MessageLines lines(text);
    ASSERT_EQ(lines.size(), expected.size()) << ::testing::PrintToString(text);
    EXPECT_EQ(lines.empty(), expected.empty());
    EXPECT_EQ(forwards(lines), expected) << "forwards";
    EXPECT_EQ(backwards(lines), expected) << "backwards";
    EXPECT_EQ(leaping(lines), expected) << "leaping";
    EXPECT_EQ(forwards(MessageLines(text)), expected) << "afresh";
    EXPECT_EQ(lines.line(lines.size()), "") << "past the end";
}

TEST(MessageLinesTest, LinesEndAtCrLfOrBoth) {
    const std::pair<std::string, Lines> rows[] = {
        {"", {}},
        {"A", {"A"}},
        {"\n", {""}},
        {"\r", {""}},
        {"\r\n", {""}},
        {"\n\r", {"", ""}} /* LF CR: two ends */,
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\rB\nC\r\n\r\nD", {"A", "B", "C", "", "D"}},
        {"A\n\rB", {"A", "", "B"}},
        {"\r\r\n\n", {"", "", ""}},
        {"\n\nA", {"", "", "A"}},
        {"\0\xFF\r"s, {"\0\xFF"s}},
        {"A\0B\nC"s, {"A\0B"s, "C"}},
        {"\0"s, {"\0"s}},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_EQ(referenceSplit(text), expected) << "reference";
        expectLines(text, expected);
    }
}

// COUNT lines of varied length, their ends taken in turn from ENDS; the last
// line has its end only when FINAL_END is set.
std::string manyLines(std::size_t count, const std::vector<std::string>& ends, bool finalEnd) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 7 != 3) // some lines empty
            text += "L" + std::to_string(i) + std::string(i % 5, '\0');
        if (i + 1 < count || finalEnd)
            text += ends[i % ends.size()];
    }
    return text;
}

TEST(MessageLinesTest, LinesAcrossTheIndexCheckpointsMatchAPlainSplit) {
    const std::vector<std::string> lf{"\n"}, cr{"\r"}, crlf{"\r\n"},
        mixed{"\r\n", "\n", "\r", "\n\r"};
    const std::tuple<std::size_t, std::vector<std::string>, bool> rows[] = {
        {63, lf, true},      {64, lf, true},      {65, lf, true},      {65, lf, false},
        {128, cr, false},    {129, crlf, true},   {127, mixed, false}, {200, mixed, true},
        {1000, crlf, false}, {4097, mixed, true},
    };
    for (const auto& [count, ends, finalEnd] : rows) {
        const std::string text = manyLines(count, ends, finalEnd);
        SCOPED_TRACE(::testing::Message()
                     << count << " lines ending " << ::testing::PrintToString(ends)
                     << (finalEnd ? " to the last" : ", the last without"));
        expectLines(text, referenceSplit(text));
    }
}

TEST(MessageLinesTest, EachCheckpointLineFoundFirst) {
    const std::string text = manyLines(300, {"\r\n", "\n", "\r"}, false);
    const Lines expected = referenceSplit(text);
    ASSERT_EQ(expected.size(), 300u);
    for (const std::size_t index : {0, 1, 62, 63, 64, 65, 127, 128, 129, 191, 192, 255, 256, 299}) {
        const MessageLines lines(text);
        EXPECT_EQ(lines.line(index), expected[index]) << "line " << index;
    }
}

TEST(MessageLinesTest, StepsForwardAndBackOverBareLineFeeds) {
    constexpr std::size_t kCount = 100'000;
    const MessageLines lines(std::string(kCount, '\n'));
    ASSERT_EQ(lines.size(), kCount);
    std::size_t nonEmpty = 0;
    for (std::size_t i = 0; i < kCount; ++i)
        nonEmpty += !lines.line(i).empty();
    for (std::size_t i = kCount; i > 0; --i)
        nonEmpty += !lines.line(i - 1).empty();
    EXPECT_EQ(nonEmpty, 0u);
    EXPECT_EQ(lines.line(kCount), "");
}

TEST(MessageLinesTest, StepsKeepTheirPlaceAmongLongAndEmptyLines) {
    const std::string text = std::string(5000, 'x') + "\r\n\r\n" + std::string(3, 'y') + "\r" +
                             std::string(70'000, 'z') + "\n";
    const Lines expected = referenceSplit(text);
    const MessageLines lines(text);
    ASSERT_EQ(lines.size(), 4u);
    const std::size_t walk[] = {0, 1, 2, 3, 2, 1, 0, 1, 3, 2, 0, 2};
    for (const std::size_t index : walk)
        EXPECT_EQ(lines.line(index), expected[index]) << "line " << index;
}

TEST(MessageLinesTest, HoldsTheFileOnceAndASmallIndex) {
    for (const std::size_t size : {100'000u, 1'000'000u}) {
        std::string bytes(size, '\n');
        const char* const held = bytes.data();
        const MessageLines lines(std::move(bytes));
        EXPECT_EQ(lines.line(0).data(), held) << "the bytes were copied";
        EXPECT_GE(lines.heldBytes(), size);
        EXPECT_LT(static_cast<double>(lines.heldBytes()), 2.2 * static_cast<double>(size)) << size;
    }
    EXPECT_LT(MessageLines().heldBytes(), 256u);
    // Long lines need hardly any index at all.
    std::string longLines;
    for (int i = 0; i < 1000; ++i)
        longLines += std::string(999, 'x') + "\n";
    EXPECT_LT(MessageLines(longLines).heldBytes(), longLines.size() + 1000);
}

TEST(MessageLinesTest, AMovedFromListIsEmpty) {
    MessageLines from("A\nB\nC");
    MessageLines to(std::move(from));
    EXPECT_EQ(from.size(), 0u);
    EXPECT_EQ(from.line(1), "");
    EXPECT_EQ(forwards(to), (Lines{"A", "B", "C"}));
    from = std::move(to);
    EXPECT_EQ(to.size(), 0u);
    EXPECT_EQ(backwards(from), (Lines{"A", "B", "C"}));
}

} // namespace
} // namespace vornik::files

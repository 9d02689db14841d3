// The reader of the guide's pages: the tests of the guide trust it to find
// every example and reference, so a pattern that misses some is caught here.

#include "desktop/guide_pages.h"

#include <gtest/gtest.h>

namespace vornik::guide {
namespace {

struct ExampleCase {
    const char* name;
    const char* html;
    std::vector<CommandExample> examples;
    std::vector<std::string> misplaced;
};

class CommandExamplesTest : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(CommandExamplesTest, ReadsEveryExample) {
    const PageExamples page = commandExamples(GetParam().html);
    EXPECT_EQ(page.examples, GetParam().examples);
    EXPECT_EQ(page.misplaced, GetParam().misplaced);
}

INSTANTIATE_TEST_SUITE_P(
    Html, CommandExamplesTest,
    ::testing::Values(
        ExampleCase{"CommandAndStatus",
                    R"(<pre><code class="command">vornik --exec "[build/copy]"</code>
<span class="status">exit status 2</span></pre>)",
                    {{R"(vornik --exec "[build/copy]")", 2, "", ""}},
                    {}},
        ExampleCase{
            "EntitiesDecoded",
            R"(<code class="command">printf 'A\r\n' &gt; m.txt &amp;&amp; echo &quot;&#39;</code>)"
            R"(<span class="status">exit status 0</span>)",
            {{R"(printf 'A\r\n' > m.txt && echo "')", 0, "", ""}},
            {}},
        ExampleCase{
            "StandardErrorLinesInOrder",
            R"(<code class="command">vornik --exec "[next]"</code>
<samp class="stderr">vornik: refused [NEXT]: one</samp>
<samp class="stderr">two &lt;b&gt;</samp>
<span class="status">exit status 1</span>)",
            {{R"(vornik --exec "[next]")", 1, "vornik: refused [NEXT]: one\ntwo <b>\n", ""}},
            {}},
        ExampleCase{
            "OutputAndErrorApart",
            R"(<code class="command">vornik --version</code>)"
            R"(<samp class="stdout">vornik 0.1.0</samp><samp class="stderr">e</samp>)"
            R"(<samp class="stdout">second</samp><span class="status">exit status 0</span>)",
            {{"vornik --version", 0, "e\n", "vornik 0.1.0\nsecond\n"}},
            {}},
        ExampleCase{"MarkupInsideDropped",
                    R"(<code class="command">vornik --exec "[<var>x</var>]"</code>)"
                    R"(<span class="status">exit status 0</span>)",
                    {{R"(vornik --exec "[x]")", 0, "", ""}},
                    {}},
        ExampleCase{"CommandOverLines",
                    "<code class=\"command\">vornik\n--exec x</code><span class=\"status\">exit "
                    "status 0</span>",
                    {{"vornik\n--exec x", 0, "", ""}},
                    {}},
        ExampleCase{"StatusMissing",
                    R"(<code class="command">a</code><code class="command">b</code>)"
                    R"(<span class="status">exit status 1</span>)",
                    {{"a", std::nullopt, "", ""}, {"b", 1, "", ""}},
                    {}},
        ExampleCase{
            "OutputWithoutCommand",
            R"(<samp class="stderr">x</samp><span class="status">exit status 0</span>)",
            {},
            {R"(<samp class="stderr">x</samp>)", R"(<span class="status">exit status 0</span>)"}},
        ExampleCase{"SecondStatus",
                    R"(<code class="command">a</code><span class="status">exit status 0</span>)"
                    R"(<samp class="stderr">late</samp>)",
                    {{"a", 0, "", ""}},
                    {R"(<samp class="stderr">late</samp>)"}},
        ExampleCase{"OtherCodeIsNoExample",
                    R"(<code>[build/copy]</code><code class="keyword">[NEXT]</code>)",
                    {},
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReferenceCase {
    const char* name;
    const char* html;
    std::vector<std::string> references;
    std::vector<std::string> anchors;
};

class ReferencesTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferencesTest, ReadsHrefSrcAndId) {
    EXPECT_EQ(references(GetParam().html), GetParam().references);
    EXPECT_EQ(anchors(GetParam().html), GetParam().anchors);
}

INSTANTIATE_TEST_SUITE_P(
    Html, ReferencesTest,
    ::testing::Values(
        ReferenceCase{"LinkAndStylesheet",
                      R"(<link rel="stylesheet" href="guide.css"><a href="files.html#vkf">x</a>)",
                      {"guide.css", "files.html#vkf"},
                      {}},
        ReferenceCase{"ImageAndIds",
                      R"(<h2 id="units">U</h2><img src="icon.svg" alt=""><p id="x&amp;y">)",
                      {"icon.svg"},
                      {"units", "x&y"}},
        ReferenceCase{
            "AttributesOverLines", "<a\n  href=\"a.html\"\n  id=\"top\">", {"a.html"}, {"top"}},
        ReferenceCase{"LookalikesAreNot",
                      R"(<p data-id="no" data-href="no.html">href="in text"</p>)",
                      {},
                      {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct LocalCase {
    const char* reference;
    std::optional<LocalReference> local;
};

TEST(LocalReference, SplitsLocalReferencesAndLeavesOthers) {
    const LocalCase cases[] = {
        {"files.html", LocalReference{"files.html", ""}},
        {"files.html#vkf", LocalReference{"files.html", "vkf"}},
        {"#units", LocalReference{"", "units"}},
        {"https://example.org/", std::nullopt},
        {"mailto:someone@example.org", std::nullopt},
        {"//example.org/x.css", std::nullopt},
    };
    for (const LocalCase& c : cases)
        EXPECT_EQ(localReference(c.reference), c.local) << c.reference;
}

TEST(DecodeEntities, LeavesUnknownAmpersandsAlone) {
    EXPECT_EQ(decodeEntities("a &amp; b &unknown; c & d &#65;&#x41;"),
              "a & b &unknown; c & d A&#x41;");
}

} // namespace
} // namespace vornik::guide

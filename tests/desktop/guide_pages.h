#pragma once

// Reading the HTML user guide in tests: its pages, the command examples they
// mark, and the files and anchors they refer to. The guide is our own plain
// HTML, so a few patterns read it; the tests of this reader pin them.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornik::guide {

// The print queue the guide's printing examples name; those examples run on
// a queue the printing tests make, under that queue's name.
inline constexpr std::string_view kPrintingExampleQueue = "--printer office-laser";

// The guide's folder in the source tree.
[[nodiscard]] std::filesystem::path guideFolder();

// Every .html page of the guide, sorted by name.
[[nodiscard]] std::vector<std::filesystem::path> guidePages();

// TEXT with the character references the guide uses (&amp; &lt; &gt; &quot;
// &#39; and numeric ones) replaced by their characters.
[[nodiscard]] std::string decodeEntities(std::string_view text);

// One command example: the command line as a shell runs it, the exit status
// the guide states after it (nullopt when it states none), and the lines it
// shows on standard output and standard error, each ended by a line feed.
//
// In the HTML an example is
//   <code class="command">LINE</code>
//   <samp class="stdout">LINE</samp>      (none or more)
//   <samp class="stderr">LINE</samp>      (none or more)
//   <span class="status">exit status N</span>
// in this order, output and error lines mixed as they come; what stands
// between them does not matter.
struct CommandExample {
    std::string command;
    std::optional<int> exitStatus;
    std::string err;
    std::string out;

    bool operator==(const CommandExample&) const = default;
};

struct PageExamples {
    std::vector<CommandExample> examples;
    // Output or a status that follows no command, or a second status after
    // one command, quoted.
    std::vector<std::string> misplaced;
};

[[nodiscard]] PageExamples commandExamples(std::string_view html);

// What a page refers to: the values of its href and src attributes, in
// order, decoded.
[[nodiscard]] std::vector<std::string> references(std::string_view html);

// The values of a page's id attributes.
[[nodiscard]] std::vector<std::string> anchors(std::string_view html);

// A reference split into the file it names (empty for one inside the page)
// and the fragment after "#" (empty when there is none).
struct LocalReference {
    std::string file;
    std::string fragment;

    bool operator==(const LocalReference&) const = default;
};

// nullopt for a reference that leaves the guide's files: one with a scheme
// ("https:", "mailto:") or starting with "//".
[[nodiscard]] std::optional<LocalReference> localReference(std::string_view reference);

} // namespace vornik::guide

#include "cli/batch_command_line.h"

#include <charconv>
#include <string_view>

namespace vornik::cli {

namespace {

using Error = std::optional<std::string>;

struct BatchParser {
    explicit BatchParser(const std::vector<std::string>& arguments) : words(arguments) {}

    const std::vector<std::string>& words;
    std::size_t next = 0;
    BatchCommandLine line;
    int sources = 0;
    bool outputGiven = false;

    Error take();
    Error takeOption(std::string_view name, std::optional<std::string> attached);
    std::optional<std::string> value(std::optional<std::string>& attached);
    Error setColumn(const std::string& assignment);
    Error setCount(const std::string& text);
    Error setJobs(const std::string& text);
    bool* flagNamed(std::string_view name);
};

std::optional<std::size_t> wholeNumber(std::string_view text) {
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return number;
}

bool* BatchParser::flagNamed(std::string_view name) {
    if (name == "--verify")
        return &line.verify;
    if (name == "--skip-existing")
        return &line.skipExisting;
    if (name == "--stop-on-error")
        return &line.stopOnError;
    return nullptr;
}

Error BatchParser::take() {
    const std::string& word = words[next++];
    if (word.size() < 2 || !word.starts_with("-")) {
        if (line.jobFile)
            return "a batch takes one job file, but both " + *line.jobFile + " and " + word +
                   " were named";
        line.jobFile = word;
        return std::nullopt;
    }
    const auto equals = word.find('=');
    if (equals == std::string::npos)
        return takeOption(word, std::nullopt);
    return takeOption(std::string_view(word).substr(0, equals), word.substr(equals + 1));
}

std::optional<std::string> BatchParser::value(std::optional<std::string>& attached) {
    if (attached)
        return attached;
    if (next == words.size())
        return std::nullopt;
    return words[next++];
}

Error BatchParser::takeOption(std::string_view name, std::optional<std::string> attached) {
    if (bool* flag = flagNamed(name)) {
        if (attached)
            return "option " + std::string(name) + " takes no value";
        *flag = true;
        return std::nullopt;
    }
    const bool known = name == "--exec" || name == "--messages" || name == "--csv" ||
                       name == "--column" || name == "--count" || name == "--output" ||
                       name == "--jobs";
    if (!known)
        return "unknown option " + std::string(name) + " for a batch";
    const auto given = value(attached);
    if (!given || given->empty())
        return "option " + std::string(name) + " needs a value";
    if (name == "--exec") {
        line.execStrings.push_back(*given);
    } else if (name == "--messages" || name == "--csv") {
        ++sources;
        line.source = name == "--csv" ? BatchSource::Table : BatchSource::Messages;
        line.sourceFile = *given;
    } else if (name == "--column") {
        return setColumn(*given);
    } else if (name == "--count") {
        return setCount(*given);
    } else if (name == "--jobs") {
        return setJobs(*given);
    } else {
        if (outputGiven)
            return std::string("a batch takes one --output name");
        outputGiven = true;
        line.outputTemplate = *given;
    }
    return std::nullopt;
}

Error BatchParser::setColumn(const std::string& assignment) {
    const auto equals = assignment.find('=');
    const std::string field = assignment.substr(0, equals);
    std::optional<std::string>* slot = field == "message"      ? &line.messageColumn
                                       : field == "comment"    ? &line.commentColumn
                                       : field == "supplement" ? &line.supplementColumn
                                                               : nullptr;
    if (slot == nullptr || equals == std::string::npos || equals + 1 == assignment.size())
        return "--column " + assignment +
               " is not understood: write --column FIELD=NAME, FIELD being message, comment "
               "or supplement and NAME a column of the table, as in --column message=SKU";
    if (*slot)
        return "--column names the " + field + " column twice";
    *slot = assignment.substr(equals + 1);
    return std::nullopt;
}

Error BatchParser::setCount(const std::string& text) {
    const auto number = wholeNumber(text);
    if (!number || *number < 1 || *number > kMostRecords)
        return "--count " + text + " is out of range: give a number of labels from 1 to " +
               std::to_string(kMostRecords);
    ++sources;
    line.source = BatchSource::Count;
    line.count = *number;
    return std::nullopt;
}

Error BatchParser::setJobs(const std::string& text) {
    const auto number = wholeNumber(text);
    if (!number || *number < 1 || *number > kMostWorkers)
        return "--jobs " + text + " is out of range: give a number of workers from 1 to " +
               std::to_string(kMostWorkers);
    line.jobs = *number;
    return std::nullopt;
}

Error checkWhole(const BatchParser& parser) {
    const BatchCommandLine& line = parser.line;
    if (parser.sources != 1)
        return std::string(parser.sources == 0 ? "a batch needs its records: "
                                               : "a batch takes its records from one source: ") +
               "give one of --messages FILE, --csv FILE or --count N";
    if (!parser.outputGiven)
        return std::string("a batch needs --output, the name of each file, as in --output "
                           "'labels/{n:05}.png'");
    const bool columns = line.messageColumn || line.commentColumn || line.supplementColumn;
    if (columns && line.source != BatchSource::Table)
        return std::string("--column names columns of a table, and goes with --csv only");
    return std::nullopt;
}

} // namespace

std::variant<BatchCommandLine, std::string>
parseBatchCommandLine(const std::vector<std::string>& arguments) {
    BatchParser parser{arguments};
    while (parser.next < arguments.size())
        if (auto error = parser.take())
            return *error;
    if (auto error = checkWhole(parser))
        return *error;
    return parser.line;
}

} // namespace vornik::cli

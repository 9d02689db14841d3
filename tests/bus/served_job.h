#pragma once

#include "cli/run_in.h"
#include "session_bus.h"
#include "support/temp_folder.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace vornik::bus::testing {

using namespace std::chrono_literals;

inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The words of a shell command, each quoted.
inline std::string shellWords(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words)
        line += (line.empty() ? "" : " ") + cli::shellWord(word);
    return line;
}

// A test with a session bus of its own and vornik --serve on it, in a
// folder of its own; what --exec makes of the same commands is had in a
// second folder, to compare.
class ServedJob : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(bus_.failure(), "");
        ASSERT_EQ(missingGdbus(), "");
    }

    void startServer(std::vector<std::string> arguments = {}) {
        arguments.insert(arguments.begin(), {VORNIK_PROGRAM, "--serve"});
        server_ = std::make_unique<BackgroundProgram>(folder_.path(), arguments);
        ASSERT_TRUE(waitForName("org.vornik.Vornik", 10s))
            << readFile(folder_.path() / "server.err");
    }

    // The desktop program as the server, its window on Qt's offscreen
    // platform.
    void startWindow() {
        server_ = std::make_unique<BackgroundProgram>(
            folder_.path(),
            std::vector<std::string>{"env", "QT_QPA_PLATFORM=offscreen", VORNIK_DESKTOP_PROGRAM});
        ASSERT_TRUE(waitForName("org.vornik.Vornik", 10s))
            << readFile(folder_.path() / "server.err");
    }

    // Writes TEXT to NAME in the folder.
    void writeFile(const std::string& name, const std::string& text) { folder_.write(name, text); }

    // The server's exit status once it has ended, within a few seconds.
    std::optional<int> serverExit() { return server_->waitForExit(10s); }
    // Whether the server has ended in the short while a wrongly ended one
    // would take; nullopt while it runs on.
    std::optional<int> serverExitSoon() { return server_->waitForExit(300ms); }
    std::string serverErrors() const { return readFile(folder_.path() / "server.err"); }

    // gdbus call on the program's object; what gdbus prints, without the
    // line end, and its exit status.
    struct Call {
        int status;
        std::string out;
        std::string err;
    };
    Call gdbus(const std::string& method, const std::vector<std::string>& arguments) {
        std::vector<std::string> words{"gdbus",
                                       "call",
                                       "--session",
                                       "--dest",
                                       "org.vornik.Vornik",
                                       "--object-path",
                                       "/org/vornik/Vornik",
                                       "--method",
                                       method};
        words.insert(words.end(), arguments.begin(), arguments.end());
        const int status = cli::runIn(folder_.path(), shellWords(words));
        std::string out = readFile(folder_.path() / "out");
        if (!out.empty() && out.back() == '\n')
            out.pop_back();
        return {status, out, readFile(folder_.path() / "err")};
    }

    // vornik --send with the strings, in the server's folder.
    Call send(const std::vector<std::string>& strings) {
        std::vector<std::string> words{VORNIK_PROGRAM};
        for (const std::string& commands : strings)
            words.insert(words.end(), {"--send", commands});
        const int status = cli::runIn(folder_.path(), shellWords(words));
        return {status, readFile(folder_.path() / "out"), readFile(folder_.path() / "err")};
    }

    // vornik --exec with the strings, in a folder of its own.
    Call exec(const std::vector<std::string>& strings) {
        std::vector<std::string> words{VORNIK_PROGRAM};
        for (const std::string& commands : strings)
            words.insert(words.end(), {"--exec", commands});
        const int status = cli::runIn(execFolder_.path(), shellWords(words));
        return {status, readFile(execFolder_.path() / "out"), readFile(execFolder_.path() / "err")};
    }

    const std::filesystem::path& folder() const { return folder_.path(); }
    const std::string& busAddress() const { return bus_.address(); }
    void endBus() { bus_.end(); }

private:
    SessionBus bus_;
    vornik::testing::TempFolder folder_;
    vornik::testing::TempFolder execFolder_;
    std::unique_ptr<BackgroundProgram> server_;
};

// The text gdbus prints for a string (GVariant's text form).
inline std::string gvariantString(const std::string& text) {
    const bool doubleQuoted = text.find('\'') != std::string::npos;
    const char quote = doubleQuoted ? '"' : '\'';
    std::string result(1, quote);
    for (const char c : text) {
        if (c == quote || c == '\\')
            result += '\\';
        result += c;
    }
    return result + quote;
}

// How gdbus prints a reply of a boolean and a list of lines.
inline std::string gvariantReply(bool acknowledged, const std::string& lineText) {
    std::string list;
    std::istringstream lines(lineText);
    for (std::string line; std::getline(lines, line);)
        list += (list.empty() ? "" : ", ") + gvariantString(line);
    // An empty list carries its type.
    return std::string("(") + (acknowledged ? "true" : "false") + ", " +
           (list.empty() ? "@as []" : "[" + list + "]") + ")";
}

} // namespace vornik::bus::testing

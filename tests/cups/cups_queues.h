#pragma once

// The print queues with_cups_queues.sh made for this run, and what they
// printed: each queue writes its pages as PDF files into a folder of its own.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace vornik::testing {

// The queue of the kind SUFFIX names (600, 300X600, STOPPED, REJECTING);
// empty when the program was not started by with_cups_queues.sh.
inline std::string cupsQueue(const std::string& suffix) {
    const char* name = std::getenv(("VORNIK_CUPS_QUEUE_" + suffix).c_str());
    return name != nullptr ? name : "";
}

inline std::filesystem::path cupsOutput(const std::string& suffix) {
    const char* folder = std::getenv(("VORNIK_CUPS_OUT_" + suffix).c_str());
    return folder != nullptr ? folder : "";
}

inline constexpr const char* kNotStartedByScript =
    "This test needs the print queues of tests/cups/with_cups_queues.sh: run it through that "
    "script (ctest does).";

// The PDF files in FOLDER.
inline std::vector<std::filesystem::path> pdfFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".pdf")
            files.push_back(entry.path());
    return files;
}

// Whether QUEUE still holds a job that is not finished. When lpstat cannot
// tell (the service is too busy to answer), the job counts as unfinished.
inline bool jobsPending(const std::string& queue) {
    const std::string command = "jobs=$(lpstat -o 2>/dev/null) || exit 0; printf '%s\\n' "
                                "\"$jobs\" | grep -q '^" + queue + "-'";
    return std::system(command.c_str()) == 0;
}

// Whether FILE is a whole PDF file: the backend writes it in place, so it
// may be seen before its last line.
inline bool wholePdf(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(stream)),
                              std::istreambuf_iterator<char>());
    return content.rfind("%%EOF") != std::string::npos &&
           content.find_first_not_of(" \r\n", content.rfind("%%EOF") + 5) == std::string::npos;
}

// The PDF file the queue wrote for the one page sent to it, once its job is
// done; empty when none came within a minute.
inline std::filesystem::path printedPdf(const std::string& queue,
                                        const std::filesystem::path& folder) {
    for (int tenths = 0; tenths < 600; ++tenths) {
        const auto files = pdfFiles(folder);
        if (files.size() == 1 && !jobsPending(queue) && wholePdf(files.front()))
            return files.front();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return {};
}

// Removes what the queue printed, so that the next page is the only one.
inline void clearOutput(const std::filesystem::path& folder) {
    for (const auto& file : pdfFiles(folder))
        std::filesystem::remove(file);
}

} // namespace vornik::testing

#pragma once

#include <filesystem>
#include <string_view>

namespace vornik::fuzz {

// A private folder for one fuzzing run, made in /dev/shm (else the temporary
// directory) when first asked for and removed when the run ends. It holds
//   work/     the current folder while an input runs (InsideScratchFolder),
//             so that every relative file name an input gives lands here;
//   tmp/      the temporary directory ($TMPDIR), where the program keeps its
//             temporary metafile;
//   program/  the program's folder, out of reach of any relative name: a
//             read-only copy of the PDF417 pattern file.
// An input that names a file anywhere else must be passed over by the target.
class ScratchFolder {
public:
    static ScratchFolder& get();

    [[nodiscard]] const std::filesystem::path& program() const { return program_; }
    [[nodiscard]] const std::filesystem::path& work() const { return work_; }

    // Writes BYTES to a file of that name in work/; its path.
    [[nodiscard]] std::filesystem::path write(std::string_view name, std::string_view bytes) const;

    // Removes whatever the last input left in work/ and tmp/, so that each
    // input starts from the same empty folders.
    void clear() const;

private:
    ScratchFolder();

    std::filesystem::path root_;
    std::filesystem::path work_;
    std::filesystem::path temporary_;
    std::filesystem::path program_;
};

// One input's stay in the scratch folder: work/ is the current folder while
// it lives; then the folder the run started in is current again, and work/
// and tmp/ are emptied.
class InsideScratchFolder {
public:
    InsideScratchFolder();
    ~InsideScratchFolder();
    InsideScratchFolder(const InsideScratchFolder&) = delete;
    InsideScratchFolder& operator=(const InsideScratchFolder&) = delete;

private:
    int startFolder_;
};

// For LLVMFuzzerInitialize of a target whose inputs run inside the scratch
// folder: makes the folder. libFuzzer writes the input of a finding relative
// to the current folder, which may then be the scratch folder, so the
// artifact flags are made absolute, and the folder the run started in is
// named when no -artifact_prefix is given.
void prepareScratchRun(int* argc, char*** argv);

// Stops the run with a finding: libFuzzer reports the input that broke an
// invariant of the program as a crash.
[[noreturn]] void finding(std::string_view what);

} // namespace vornik::fuzz

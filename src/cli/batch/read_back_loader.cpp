#include "cli/batch/read_back_loader.h"

#include "cli/batch/vector_rasteriser.h"
#include "cli/module_entry.h"
#include "core/files/interrupt_cleanup.h"
#include "export/readback/read_back.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>
#include <utility>

namespace vornik::cli {

namespace {

using EntryPoint = decltype(&vornik_read_back);

std::string moduleFailure(const std::filesystem::path& file, const std::string& why) {
    return "the read-back module " + file.string() + " could not be loaded (" + why + ")";
}

// The longest text a symbol the program draws can carry, with room to spare.
constexpr std::size_t kLongestText = 16384;

class ReadBackModule {
public:
    explicit ReadBackModule(std::filesystem::path file) : file_(std::move(file)) {}

    ReadBackResult read(const std::string& path, const std::string& format, bool pure) {
        if (isVectorFile(path))
            return readDrawn(path, format, pure);
        return readRaster(path, format, pure);
    }

private:
    // A vector file, drawn as a PNG in a private folder, then read.
    ReadBackResult readDrawn(const std::string& path, const std::string& format, bool pure) {
        std::string folder =
            (std::filesystem::temp_directory_path() / "vornik-readback-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr)
            return {ReadBackResult::Status::Unreadable,
                    {},
                    "no private folder could be made to draw it in"};
        files::RemovalOnInterrupt folderCleanup(folder);
        const std::string png = folder + "/drawn.png";
        files::RemovalOnInterrupt pngCleanup(png);
        auto drawn = rasteriseVector(path, png);
        ReadBackResult result;
        if (!drawn)
            result = readRaster(png, format, pure);
        else if (const auto* missing = std::get_if<NoRasteriser>(&*drawn))
            result = {ReadBackResult::Status::NoReader, {}, missing->reason};
        else
            result = {ReadBackResult::Status::Unreadable, {}, std::get<std::string>(*drawn)};
        std::remove(png.c_str());
        ::rmdir(folder.c_str());
        return result;
    }

    ReadBackResult readRaster(const std::string& path, const std::string& format, bool pure) {
        if (entry_ == nullptr && !load())
            return {ReadBackResult::Status::Unreadable, {}, moduleFailure(file_, loadError_)};
        std::string text(kLongestText, '\0');
        std::array<char, 1024> error{};
        const int status = entry_(path.c_str(), format.c_str(), pure ? 1 : 0, text.data(),
                                  text.size(), error.data(), error.size());
        text.resize(text.find('\0'));
        if (status == VORNIK_READ_BACK_READ)
            return {ReadBackResult::Status::Read, std::move(text), {}};
        if (status == VORNIK_READ_BACK_NOTHING)
            return {ReadBackResult::Status::Nothing, {}, {}};
        return {ReadBackResult::Status::Unreadable, {}, error.data()};
    }

    bool load() {
        auto entry = moduleEntry(file_, exporting::kReadBackEntryPoint);
        if (const auto* failure = std::get_if<std::string>(&entry)) {
            loadError_ = *failure;
            return false;
        }
        entry_ = reinterpret_cast<EntryPoint>(std::get<void*>(entry));
        return true;
    }

    std::filesystem::path file_;
    EntryPoint entry_ = nullptr;
    std::string loadError_;
};

} // namespace

ReadBack readBackModule(std::filesystem::path programDirectory) {
    auto module =
        std::make_shared<ReadBackModule>(programDirectory / exporting::kReadBackModuleFile);
    return [module](const std::string& file, const std::string& format, bool pure) {
        return module->read(file, format, pure);
    };
}

} // namespace vornik::cli

namespace vornik::cli {

namespace {

// The module beside the program, and why it cannot be loaded, if it cannot.
std::pair<std::filesystem::path, std::optional<std::string>>
moduleLoadFailure(const std::filesystem::path& programDirectory) {
    auto file = programDirectory / exporting::kReadBackModuleFile;
    auto entry = moduleEntry(file, exporting::kReadBackEntryPoint);
    if (const auto* failure = std::get_if<std::string>(&entry))
        return {std::move(file), *failure};
    return {std::move(file), std::nullopt};
}

} // namespace

std::optional<std::string> readBackProblem(const std::filesystem::path& programDirectory) {
    const auto [file, failure] = moduleLoadFailure(programDirectory);
    if (failure)
        return "--verify needs the read-back module " + file.string() +
               ", which could not be loaded (" + *failure + ")";
    return std::nullopt;
}

std::optional<std::string> readBackModuleProblem(const std::filesystem::path& programDirectory) {
    const auto [file, failure] = moduleLoadFailure(programDirectory);
    if (failure)
        return moduleFailure(file, *failure);
    return std::nullopt;
}

} // namespace vornik::cli

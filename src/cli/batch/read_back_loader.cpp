#include "cli/batch/read_back_loader.h"

#include "cli/module_entry.h"
#include "export/readback/read_back.h"

#include <array>
#include <memory>

namespace vornik::cli {

namespace {

using EntryPoint = decltype(&vornik_read_back);

// The longest text a symbol the program draws can carry, with room to spare.
constexpr std::size_t kLongestText = 16384;

class ReadBackModule {
public:
    explicit ReadBackModule(std::filesystem::path file) : file_(std::move(file)) {}

    ReadBackResult read(const std::string& path, const std::string& format, bool pure) {
        if (entry_ == nullptr && !load())
            return {ReadBackResult::Status::Unreadable,
                    {},
                    "the read-back module " + file_.string() + " could not be loaded (" +
                        loadError_ + ")"};
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

private:
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

std::optional<std::string> readBackProblem(const std::filesystem::path& programDirectory) {
    const auto file = programDirectory / exporting::kReadBackModuleFile;
    auto entry = moduleEntry(file, exporting::kReadBackEntryPoint);
    if (const auto* failure = std::get_if<std::string>(&entry))
        return "--verify needs the read-back module " + file.string() +
               ", which could not be loaded (" + *failure + ")";
    return std::nullopt;
}

} // namespace vornik::cli

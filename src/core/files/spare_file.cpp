#include "core/files/spare_file.h"

#include <mutex>
#include <unistd.h>
#include <utility>

namespace vornik::files {

namespace {

// The one spare of the process; its destructor removes it when the program
// ends normally.
class SpareHolder {
public:
    ~SpareHolder() { remove(); }

    std::optional<SpareFile> take(const std::filesystem::path& folder) {
        const std::lock_guard lock(mutex_);
        if (!spare_)
            return std::nullopt;
        if (std::filesystem::path(spare_->path).parent_path() != folder) {
            ::unlink(spare_->path.c_str());
            spare_.reset();
            return std::nullopt;
        }
        return std::exchange(spare_, std::nullopt);
    }

    void keep(SpareFile spare) {
        const std::lock_guard lock(mutex_);
        if (spare_)
            ::unlink(spare_->path.c_str());
        spare_ = std::move(spare);
    }

    void remove() noexcept {
        const std::lock_guard lock(mutex_);
        if (spare_)
            ::unlink(spare_->path.c_str());
        spare_.reset();
    }

private:
    std::mutex mutex_;
    std::optional<SpareFile> spare_;
};

SpareHolder& holder() {
    static SpareHolder instance;
    return instance;
}

} // namespace

std::optional<SpareFile> takeSpareFile(const std::filesystem::path& folder) {
    return holder().take(folder);
}

void keepSpareFile(SpareFile spare) {
    holder().keep(std::move(spare));
}

void removeSpareFile() noexcept {
    holder().remove();
}

} // namespace vornik::files

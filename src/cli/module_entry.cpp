#include "cli/module_entry.h"

#include <dlfcn.h>

namespace vornik::cli {

std::variant<void*, std::string> moduleEntry(const std::filesystem::path& file, const char* name) {
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return std::string(::dlerror());
    void* entry = ::dlsym(handle, name);
    if (entry == nullptr) {
        ::dlclose(handle);
        return "it has no entry point " + std::string(name);
    }
    return entry;
}

} // namespace vornik::cli

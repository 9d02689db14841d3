#pragma once

#include <clocale>
#include <string>

namespace vornik::testing {

// Sets a German (comma-decimal) C locale for its lifetime, if one is
// installed, and restores the previous locale afterwards.
class GermanLocale {
public:
    GermanLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr ||
                  std::setlocale(LC_ALL, "de_DE.utf8") != nullptr;
    }
    ~GermanLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;
    [[nodiscard]] bool active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

} // namespace vornik::testing

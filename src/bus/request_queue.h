#pragma once

#include <deque>
#include <functional>

namespace vornik::bus {

// Serves requests one at a time, in order of arrival. A message box of the
// window runs an event loop of its own, in which the bus delivers the next
// request; that request waits here until the one before it has finished, so
// the interpreter is never entered twice.
class RequestQueue {
public:
    void serve(std::function<void()> request);

    [[nodiscard]] bool busy() const { return serving_; }

private:
    std::deque<std::function<void()>> waiting_;
    bool serving_ = false;
};

} // namespace vornik::bus

#include "bus/request_queue.h"

#include <utility>

namespace vornik::bus {

void RequestQueue::serve(std::function<void()> request) {
    waiting_.push_back(std::move(request));
    if (serving_)
        return;
    serving_ = true;
    while (!waiting_.empty()) {
        const std::function<void()> next = std::move(waiting_.front());
        waiting_.pop_front();
        next();
    }
    serving_ = false;
}

} // namespace vornik::bus

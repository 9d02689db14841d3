#include "bus/request_queue.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vornik::bus {
namespace {

// A request that arrives while another is served (as a message box's event
// loop delivers it) waits until that one has finished, and requests are
// served in order of arrival.
TEST(RequestQueue, ServesOneAtATimeInOrderOfArrival) {
    RequestQueue queue;
    std::vector<std::string> log;
    int depth = 0;
    auto request = [&](std::string name, std::function<void()> during = {}) {
        return [&, name, during] {
            ++depth;
            log.push_back(name + " starts at depth " + std::to_string(depth));
            if (during)
                during();
            log.push_back(name + " ends");
            --depth;
        };
    };
    queue.serve(request("first", [&] {
        queue.serve(request("second", [&] { queue.serve(request("fourth")); }));
        queue.serve(request("third"));
        log.push_back(queue.busy() ? "busy" : "idle");
    }));
    EXPECT_FALSE(queue.busy());
    const std::vector<std::string> expected{"first starts at depth 1",
                                            "busy",
                                            "first ends",
                                            "second starts at depth 1",
                                            "second ends",
                                            "third starts at depth 1",
                                            "third ends",
                                            "fourth starts at depth 1",
                                            "fourth ends"};
    EXPECT_EQ(log, expected);
}

TEST(RequestQueue, AnIdleQueueServesAtOnce) {
    RequestQueue queue;
    int served = 0;
    queue.serve([&] { ++served; });
    queue.serve([&] { ++served; });
    EXPECT_EQ(served, 2);
}

} // namespace
} // namespace vornik::bus

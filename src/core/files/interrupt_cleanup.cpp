#include "core/files/interrupt_cleanup.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace vornik::files {

namespace {

// The handler may run between any two instructions, so the names live in
// fixed storage and a slot is marked in use only once its name is whole.
constexpr int kSlots = 16;
constexpr std::size_t kLongestName = 4096;

struct Slot {
    std::atomic<bool> used{false};
    std::atomic<unsigned> order{0};
    char path[kLongestName]{};
};

std::array<Slot, kSlots> gSlots;
std::atomic<unsigned> gNextOrder{1};
std::atomic_flag gSlotClaim = ATOMIC_FLAG_INIT;

int claimSlot(const std::string& path) noexcept {
    if (path.empty() || path.size() >= kLongestName)
        return -1;
    while (gSlotClaim.test_and_set(std::memory_order_acquire)) {
    }
    int claimed = -1;
    for (int i = 0; i < kSlots && claimed < 0; ++i) {
        Slot& slot = gSlots[static_cast<std::size_t>(i)];
        if (slot.used.load())
            continue;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.order.store(gNextOrder.fetch_add(1));
        slot.used.store(true);
        claimed = i;
    }
    gSlotClaim.clear(std::memory_order_release);
    return claimed;
}

// Only async-signal-safe calls: unlink and rmdir, newest name first, so that
// a file goes before the folder that holds it.
void removeRegistered() noexcept {
    bool done[kSlots] = {};
    for (int round = 0; round < kSlots; ++round) {
        int newest = -1;
        unsigned newestOrder = 0;
        for (int i = 0; i < kSlots; ++i) {
            const Slot& slot = gSlots[static_cast<std::size_t>(i)];
            if (!done[i] && slot.used.load() && slot.order.load() >= newestOrder) {
                newest = i;
                newestOrder = slot.order.load();
            }
        }
        if (newest < 0)
            return;
        done[newest] = true;
        const char* path = gSlots[static_cast<std::size_t>(newest)].path;
        if (::unlink(path) != 0)
            ::rmdir(path);
    }
}

void onInterrupt(int signal) {
    removeRegistered();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

RemovalOnInterrupt::RemovalOnInterrupt(const std::string& path) noexcept : slot_(claimSlot(path)) {}

RemovalOnInterrupt::~RemovalOnInterrupt() {
    release();
}

RemovalOnInterrupt::RemovalOnInterrupt(RemovalOnInterrupt&& other) noexcept : slot_(other.slot_) {
    other.slot_ = -1;
}

RemovalOnInterrupt& RemovalOnInterrupt::operator=(RemovalOnInterrupt&& other) noexcept {
    if (this != &other) {
        release();
        slot_ = other.slot_;
        other.slot_ = -1;
    }
    return *this;
}

void RemovalOnInterrupt::release() noexcept {
    if (slot_ >= 0)
        gSlots[static_cast<std::size_t>(slot_)].used.store(false);
    slot_ = -1;
}

void installInterruptCleanup() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        // A signal the caller chose to ignore (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace vornik::files

#include "core/twod/aztec_high_level.h"

#include "core/twod/aztec_modes.h"

#include <array>
#include <climits>
#include <deque>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace vornik::twod {

namespace {

// What moves the encoding forward without changing its mode.
enum class Action { Direct, PunctShift, UpperShift, ByteShift };

// The cheapest way found to reach a position in a mode: the position it
// came from, the action taken there in that same mode and how many bytes
// it consumed.
struct Arrival {
    int bits = INT_MAX;
    int from = -1;
    int length = 0;
    Action action = Action::Direct;
};

// At a position, the cheapest cost in each mode after any latches, and the
// mode whose arrival the latches started from.
struct Settled {
    int bits = INT_MAX;
    AztecMode origin = AztecMode::Upper;
};

using ModeArray = std::array<Arrival, kAztecModeCount>;

constexpr std::array<AztecMode, kAztecModeCount> kModes = {
    AztecMode::Upper, AztecMode::Lower, AztecMode::Mixed, AztecMode::Punct, AztecMode::Digit};

constexpr int kLongestShortRun = 31;

int byteRunBits(int length) {
    return 5 + (length <= kLongestShortRun ? 5 : 16) + 8 * length;
}

// Which start wins when two byte runs ending at the same place cost the same.
// Either gives a shortest encoding; the choice is fixed so that a message
// always makes the same symbol.
enum class Ties { Oldest, Newest };

// The cheapest start of a byte run ending at the current position, among
// the starts still in reach: a run from `start` costs the settled cost there
// less 8 x start, plus what depends on the end alone, so the cheapest start
// is the least of those values. The values kept rise from front to back.
template <Ties ties> class StartWindow {
public:
    void add(int start, int value) {
        while (!starts_.empty() && (starts_.back().second > value ||
                                    (ties == Ties::Newest && starts_.back().second == value)))
            starts_.pop_back();
        starts_.emplace_back(start, value);
    }
    void dropBefore(int start) {
        while (!starts_.empty() && starts_.front().first < start)
            starts_.pop_front();
    }
    [[nodiscard]] std::optional<int> best() const {
        return starts_.empty() ? std::nullopt : std::optional<int>(starts_.front().first);
    }

private:
    std::deque<std::pair<int, int>> starts_; // start and value
};

// What the text at a position can be written as apart from its own mode,
// looked up once for all five modes.
struct Lookahead {
    bool punctPair = false; // a Punct pair starts here
    bool punct = false;     // the byte is a Punct character
    bool upper = false;     // the byte is an Upper character
};

// The modes with byte shift, which are the first three.
constexpr std::array<AztecMode, 3> kByteShiftModes = {AztecMode::Upper, AztecMode::Lower,
                                                      AztecMode::Mixed};

class Planner {
public:
    explicit Planner(std::string_view message)
        : message_(message), arrivals_(message.size() + 1), settled_(message.size() + 1) {
        arrivals_[0][modeIndex(AztecMode::Upper)].bits = 0;
    }

    AztecEncodedText run() {
        for (int i = 0; i <= size(); ++i) {
            pullByteRuns(i);
            settle(i);
            if (i == size())
                break;
            const Lookahead here = lookahead(i);
            for (const AztecMode mode : kModes)
                if (settledAt(i, mode).bits != INT_MAX)
                    advance(i, mode, here);
        }
        return emit();
    }

private:
    [[nodiscard]] int size() const { return static_cast<int>(message_.size()); }
    [[nodiscard]] std::uint8_t byteAt(int i) const {
        return static_cast<std::uint8_t>(message_[static_cast<std::size_t>(i)]);
    }
    Arrival& arrivalAt(int i, AztecMode mode) {
        return arrivals_[static_cast<std::size_t>(i)][static_cast<std::size_t>(modeIndex(mode))];
    }
    Settled& settledAt(int i, AztecMode mode) {
        return settled_[static_cast<std::size_t>(i)][static_cast<std::size_t>(modeIndex(mode))];
    }

    void settle(int i) {
        for (const AztecMode to : kModes)
            for (const AztecMode from : kModes) {
                const int arrived = arrivalAt(i, from).bits;
                if (arrived == INT_MAX)
                    continue;
                const int bits = arrived + latchPath(from, to).bits;
                if (bits < settledAt(i, to).bits)
                    settledAt(i, to) = {bits, from};
            }
    }

    void offer(int from, int length, AztecMode mode, Action action, int bits) {
        Arrival& target = arrivalAt(from + length, mode);
        const int total = settledAt(from, mode).bits + bits;
        if (total < target.bits)
            target = {total, from, length, action};
    }

    [[nodiscard]] Lookahead lookahead(int i) const {
        return {punctPairCode(message_.substr(static_cast<std::size_t>(i))).has_value(),
                characterCode(AztecMode::Punct, byteAt(i)).has_value(),
                characterCode(AztecMode::Upper, byteAt(i)).has_value()};
    }

    void advance(int i, AztecMode mode, const Lookahead& here) {
        if (characterCode(mode, byteAt(i)))
            offer(i, 1, mode, Action::Direct, codeBits(mode));
        if (here.punctPair && mode == AztecMode::Punct)
            offer(i, 2, mode, Action::Direct, 5);
        if (punctShiftCode(mode)) {
            if (here.punct)
                offer(i, 1, mode, Action::PunctShift, codeBits(mode) + 5);
            if (here.punctPair)
                offer(i, 2, mode, Action::PunctShift, codeBits(mode) + 5);
        }
        if (here.upper && upperShiftCode(mode))
            offer(i, 1, mode, Action::UpperShift, codeBits(mode) + 5);
    }

    // Byte runs ending at `i`: the cheapest short one (31 bytes or fewer,
    // the nearest start where several cost the same) and the cheapest long one.
    void pullByteRuns(int i) {
        for (std::size_t m = 0; m < kByteShiftModes.size(); ++m) {
            const AztecMode mode = kByteShiftModes[m];
            offerCheapestRun(i, mode, shortRuns_[m], i - 1, i - kLongestShortRun);
            offerCheapestRun(i, mode, longRuns_[m], i - kLongestShortRun - 1,
                             i - kAztecLongestByteRun);
        }
    }

    // Brings the start `newest` into the window, lets go of those before
    // `oldest`, and offers the run from the cheapest start left to `i`.
    template <Ties ties>
    void offerCheapestRun(int i, AztecMode mode, StartWindow<ties>& window, int newest,
                          int oldest) {
        if (newest >= 0 && settledAt(newest, mode).bits != INT_MAX)
            window.add(newest, settledAt(newest, mode).bits - 8 * newest);
        window.dropBefore(oldest);
        if (const std::optional<int> start = window.best())
            offer(*start, i - *start, mode, Action::ByteShift, byteRunBits(i - *start));
    }

    void emitAction(AztecBits& bits, int from, int length, AztecMode mode, Action action) const;
    AztecEncodedText emit();

    std::string_view message_;
    std::vector<ModeArray> arrivals_;
    std::vector<std::array<Settled, kAztecModeCount>> settled_;
    std::array<StartWindow<Ties::Newest>, kByteShiftModes.size()> shortRuns_;
    std::array<StartWindow<Ties::Oldest>, kByteShiftModes.size()> longRuns_;
};

void Planner::emitAction(AztecBits& bits, int from, int length, AztecMode mode,
                         Action action) const {
    const std::string_view text = message_.substr(static_cast<std::size_t>(from));
    const auto punct = [&] {
        return length == 2 ? *punctPairCode(text) : *characterCode(AztecMode::Punct, byteAt(from));
    };
    switch (action) {
    case Action::Direct:
        bits.append(
            static_cast<std::uint32_t>(length == 2 ? punct() : *characterCode(mode, byteAt(from))),
            codeBits(mode));
        return;
    case Action::PunctShift:
        bits.append(static_cast<std::uint32_t>(*punctShiftCode(mode)), codeBits(mode));
        bits.append(static_cast<std::uint32_t>(punct()), 5);
        return;
    case Action::UpperShift:
        bits.append(static_cast<std::uint32_t>(*upperShiftCode(mode)), codeBits(mode));
        bits.append(static_cast<std::uint32_t>(*characterCode(AztecMode::Upper, byteAt(from))), 5);
        return;
    case Action::ByteShift:
        bits.append(static_cast<std::uint32_t>(*byteShiftCode(mode)), 5);
        if (length <= 31)
            bits.append(static_cast<std::uint32_t>(length), 5);
        else
            bits.append(static_cast<std::uint32_t>(length - 31), 16); // five zero bits first
        for (int k = 0; k < length; ++k)
            bits.append(byteAt(from + k), 8);
        return;
    }
}

AztecEncodedText Planner::emit() {
    // The cheapest mode at the end, then the chain of actions back to the start.
    AztecMode mode = AztecMode::Upper;
    for (const AztecMode candidate : kModes)
        if (arrivalAt(size(), candidate).bits < arrivalAt(size(), mode).bits)
            mode = candidate;
    struct Link {
        AztecMode origin, mode;
        Arrival arrival;
    };
    const AztecMode endMode = mode;
    std::vector<Link> chain;
    for (int i = size(); i > 0;) {
        const Arrival arrival = arrivalAt(i, mode);
        const AztecMode origin = settledAt(arrival.from, mode).origin;
        chain.push_back({origin, mode, arrival});
        i = arrival.from;
        mode = origin;
    }
    AztecBits bits;
    for (auto link = chain.rbegin(); link != chain.rend(); ++link) {
        const AztecLatchPath& path = latchPath(link->origin, link->mode);
        AztecMode current = link->origin;
        for (int s = 0; s < path.count; ++s) {
            const AztecMode next = path.steps[static_cast<std::size_t>(s)];
            bits.append(static_cast<std::uint32_t>(*latchCode(current, next)), codeBits(current));
            current = next;
        }
        emitAction(bits, link->arrival.from, link->arrival.length, link->mode,
                   link->arrival.action);
    }
    return {bits, endMode};
}

} // namespace

AztecEncodedText aztecHighLevel(std::string_view message) {
    return Planner(message).run();
}

} // namespace vornik::twod

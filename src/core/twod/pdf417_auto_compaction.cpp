// Automatic compaction: text by default, numeric for runs of 14 or more
// digits, bytes where binary data is dense.

#include "core/twod/pdf417_auto_compaction.h"

#include "core/twod/pdf417_byte_compaction.h"
#include "core/twod/pdf417_numeric_compaction.h"
#include "core/twod/pdf417_text_compaction.h"

#include <optional>

namespace vornik::twod {

namespace {

constexpr std::size_t kNumericRun = 14;
constexpr std::size_t kTextRun = 6;
constexpr std::size_t kBinaryWindow = 6;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Characters text compaction takes without a byte shift.
bool isText(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code >= 32 && code <= 126) || code == 9 || code == 10 || code == 13;
}

bool isControlOrHigh(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code > 126;
}

Codewords textOf(std::string_view text) {
    return PdfTextCompact(text, true).value_or(Codewords{});
}

// The searches over one message. Positions are 0-based; nullopt is "none".
// A search that found nothing answers nothing from then on: every later
// search starts further on.
class Searches {
public:
    Searches(std::string_view message, bool numericAllowed)
        : message_(message), numericAllowed_(numericAllowed) {}

    std::optional<std::size_t> findNumericRun(std::size_t p) {
        if (!numericAllowed_ || noNumericRun_)
            return std::nullopt;
        std::size_t run = 0;
        for (std::size_t q = p; q < message_.size(); ++q) {
            run = isDigit(message_[q]) ? run + 1 : 0;
            if (run == kNumericRun)
                return q + 1 - kNumericRun;
        }
        noNumericRun_ = true;
        return std::nullopt;
    }

    // The last digit of the run at p, scanning on from its 14th character.
    std::size_t numericRunEnd(std::size_t p) const {
        std::size_t q = p + kNumericRun - 1;
        while (q < message_.size() && isDigit(message_[q]))
            ++q;
        return q - 1;
    }

    std::optional<std::size_t> findBinaryStart(std::size_t p) {
        if (noBinaryStart_)
            return std::nullopt;
        for (std::size_t q = p; q < message_.size(); ++q)
            if (!isText(message_[q]) && preferBinaryAt(q))
                return q;
        noBinaryStart_ = true;
        return std::nullopt;
    }

    std::optional<std::size_t> findTextRun(std::size_t p) const {
        std::size_t run = 0;
        for (std::size_t q = p; q < message_.size(); ++q) {
            run = isText(message_[q]) ? run + 1 : 0;
            if (run == kTextRun)
                return q + 1 - kTextRun;
        }
        return std::nullopt;
    }

    // Dense binary data (more than 2 of the next 6 characters), or near the
    // end, whichever compaction of the rest is not longer.
    bool preferBinaryAt(std::size_t p) const {
        if (message_.size() - p > kBinaryWindow - 1) {
            int binary = 0;
            for (std::size_t q = p; q < p + kBinaryWindow; ++q)
                binary += isControlOrHigh(message_[q]) ? 1 : 0;
            return binary > 2;
        }
        const std::string_view rest = message_.substr(p);
        return PdfByteCompact(rest).size() <= textOf(rest).size();
    }

private:
    std::string_view message_;
    bool numericAllowed_;
    bool noNumericRun_ = false;
    bool noBinaryStart_ = false;
};

enum class State { Text, Byte, Numeric };

struct Progress {
    std::size_t p = 0;
    State state = State::Text;
    State inForce = State::Text;
    bool done = false;
};

void textStep(std::string_view message, Searches& search, Progress& at, Codewords& out) {
    if (at.inForce != State::Text)
        out.push_back(kLatchText);
    at.inForce = State::Text;
    const auto b = search.findBinaryStart(at.p);
    const auto k = search.findNumericRun(at.p);
    if (!b && !k) {
        append(out, textOf(message.substr(at.p)));
        at.done = true;
        return;
    }
    const bool numericFirst = k && (!b || *k < *b);
    const std::size_t end = numericFirst ? *k : *b;
    append(out, textOf(message.substr(at.p, end - at.p)));
    at.p = end;
    at.state = numericFirst ? State::Numeric : State::Byte;
}

void byteStep(std::string_view message, Searches& search, Progress& at, Codewords& out) {
    at.inForce = State::Byte;
    const auto k = search.findNumericRun(at.p);
    const auto t = search.findTextRun(at.p);
    if (!k && !t) {
        append(out, PdfByteCompact(message.substr(at.p)));
        at.done = true;
        return;
    }
    const bool numericFirst = k && (!t || *k <= *t);
    const std::size_t end = numericFirst ? *k : *t;
    append(out, PdfByteCompact(message.substr(at.p, end - at.p)));
    at.p = end;
    at.state = numericFirst ? State::Numeric : State::Text;
}

// Two characters between two numeric runs: text when both are capitals or
// spaces, else bytes, each with its latch; numeric compaction goes on after
// them. (912 is a reserved codeword, no latch: readers stop at it, so text
// takes the text latch like any other segment.)
void bridgeNumericRuns(std::string_view pair, Codewords& out) {
    if (inSubMode(SubMode::Alpha, pair[0]) && inSubMode(SubMode::Alpha, pair[1])) {
        out.push_back(kLatchText);
        append(out, textOf(pair));
    } else {
        append(out, PdfByteCompact(pair));
    }
    out.push_back(kLatchNumeric);
}

void numericStep(std::string_view message, Searches& search, Progress& at, Codewords& out) {
    if (at.inForce != State::Numeric)
        out.push_back(kLatchNumeric);
    at.inForce = State::Numeric;
    const std::size_t e = search.numericRunEnd(at.p);
    append(out, PdfNumericCompact(message.substr(at.p, e + 1 - at.p), false).value_or(Codewords{}));
    at.p = e + 1;
    if (at.p >= message.size()) {
        at.done = true;
        return;
    }
    const auto k = search.findNumericRun(at.p);
    if (!k || *k - at.p > 2) {
        at.state = search.preferBinaryAt(at.p) ? State::Byte : State::Text;
        return;
    }
    bridgeNumericRuns(message.substr(at.p, 2), out);
    at.p += 2;
}

} // namespace

Codewords PdfAutoCompact(std::string_view message, bool numericAllowed) {
    Searches search(message, numericAllowed);
    Progress at;
    Codewords out;
    while (!at.done && at.p < message.size()) {
        switch (at.state) {
        case State::Text:
            textStep(message, search, at, out);
            break;
        case State::Byte:
            byteStep(message, search, at, out);
            break;
        case State::Numeric:
            numericStep(message, search, at, out);
            break;
        }
    }
    return out;
}

} // namespace vornik::twod

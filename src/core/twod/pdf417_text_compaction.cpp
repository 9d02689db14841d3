// Text compaction: two 30-valued characters per codeword, in four sub-modes
// with latches and shifts between them.

#include "core/twod/pdf417_text_compaction.h"

#include <array>
#include <string_view>

namespace vornik::twod {

namespace {

using namespace std::string_view_literals;

// The text compaction sub-mode tables of ISO/IEC 15438; a character's value
// is its first position. Mixed position 25, a second "&", is the latch to
// Punctuation and is never found first.
constexpr std::string_view kAlpha = "ABCDEFGHIJKLMNOPQRSTUVWXYZ "sv;
constexpr std::string_view kLower = "abcdefghijklmnopqrstuvwxyz "sv;
constexpr std::string_view kMixed = "0123456789&\r\t,:#-.$/+%*=^& "sv;
constexpr std::string_view kPunctuation = ";<>@[\\]_`~!\r\t,:\n-.$/\"|*()?{}'"sv;
static_assert(kAlpha.size() == 27 && kLower.size() == 27);
static_assert(kMixed.size() == 27 && kPunctuation.size() == 29);

// Control values inside text compaction.
constexpr int kLatchLowerOrShiftAlpha = 27;
constexpr int kLatchMixedOrAlpha = 28;
constexpr int kLatchPunctuation = 25;
constexpr int kShiftPunctuationOrPad = 29;

std::string_view tableOf(SubMode mode) {
    switch (mode) {
    case SubMode::Alpha:
        return kAlpha;
    case SubMode::Lower:
        return kLower;
    case SubMode::Mixed:
        return kMixed;
    case SubMode::Punctuation:
        return kPunctuation;
    }
    return {};
}

// These have the same value in Mixed and Punctuation.
bool sharedByMixedAndPunctuation(char c) {
    return "\r\t,:-.$/*"sv.find(c) != std::string_view::npos;
}

struct Target {
    std::optional<SubMode> mode;
    int value = 0;
};

Target targetOf(char c, SubMode current) {
    Target target;
    for (const SubMode mode :
         {SubMode::Lower, SubMode::Alpha, SubMode::Mixed, SubMode::Punctuation}) {
        const auto position = tableOf(mode).find(c);
        if (position != std::string_view::npos) {
            target = {mode, static_cast<int>(position)};
            break;
        }
    }
    if (c == ' ' && current != SubMode::Punctuation)
        target.mode = current;
    const bool mixedOrPunctuation = current == SubMode::Mixed || current == SubMode::Punctuation;
    if (sharedByMixedAndPunctuation(c) && mixedOrPunctuation)
        target.mode = current;
    return target;
}

// Text values waiting to be paired into codewords, and the finished codewords.
class TextWriter {
public:
    void values(std::initializer_list<int> list) { pending_.insert(pending_.end(), list); }
    [[nodiscard]] bool odd() const { return pending_.size() % 2 != 0; }
    void byteShift(unsigned char byte) {
        flush();
        out_.push_back(kShiftByte);
        out_.push_back(byte);
    }
    Codewords finish() {
        if (odd())
            pending_.push_back(kShiftPunctuationOrPad);
        flush();
        return std::move(out_);
    }

private:
    void flush() {
        for (std::size_t i = 0; i + 1 < pending_.size(); i += 2)
            out_.push_back(30 * pending_[i] + pending_[i + 1]);
        pending_.clear();
    }
    std::vector<int> pending_;
    Codewords out_;
};

// The two characters after position i, when there are two.
bool nextTwoIn(SubMode mode, std::string_view text, std::size_t i) {
    return i + 2 < text.size() && inSubMode(mode, text[i + 1]) && inSubMode(mode, text[i + 2]);
}

// Emits the values that reach `to` from `current` and returns the new sub-mode.
SubMode change(TextWriter& out, SubMode current, SubMode to, int v, bool latchPunctuation,
               bool latchAlpha) {
    using enum SubMode;
    constexpr int L = kLatchLowerOrShiftAlpha, M = kLatchMixedOrAlpha;
    constexpr int P = kLatchPunctuation, S = kShiftPunctuationOrPad;
    if (to == current) {
        out.values({v});
        return current;
    }
    switch (current) {
    case Alpha:
    case Lower:
        if (to == Punctuation) {
            if (latchPunctuation) {
                out.values({M, P, v});
                return Punctuation;
            }
            out.values({S, v});
            return current;
        }
        if (to == Mixed) {
            out.values({M, v});
            return Mixed;
        }
        if (current == Alpha) { // to Lower
            out.values({L, v});
            return Lower;
        }
        if (latchAlpha) { // Lower to Alpha
            out.values({M, M, v});
            return Alpha;
        }
        out.values({L, v});
        return Lower;
    case Mixed:
        if (to == Punctuation) {
            out.values(latchPunctuation ? std::initializer_list<int>{P, v}
                                        : std::initializer_list<int>{S, v});
            return latchPunctuation ? Punctuation : Mixed;
        }
        out.values({to == Alpha ? M : L, v});
        return to;
    case Punctuation:
        if (to == Alpha)
            out.values({S, v});
        else
            out.values({S, to == Lower ? L : M, v});
        return to;
    }
    return current;
}

} // namespace

bool inSubMode(SubMode mode, char c) {
    return tableOf(mode).find(c) != std::string_view::npos;
}

std::optional<Codewords> PdfTextCompact(std::string_view text, bool byteShiftsAllowed) {
    TextWriter out;
    SubMode current = SubMode::Alpha;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Target target = targetOf(text[i], current);
        if (!target.mode) {
            if (!byteShiftsAllowed)
                return std::nullopt;
            // A byte shift starts on a codeword boundary; the pad is a latch
            // back to Alpha when it is written in Punctuation.
            if (out.odd()) {
                out.values({kShiftPunctuationOrPad});
                if (current == SubMode::Punctuation)
                    current = SubMode::Alpha;
            }
            out.byteShift(static_cast<unsigned char>(text[i]));
            continue;
        }
        current =
            change(out, current, *target.mode, target.value,
                   nextTwoIn(SubMode::Punctuation, text, i), nextTwoIn(SubMode::Alpha, text, i));
    }
    return out.finish();
}

} // namespace vornik::twod

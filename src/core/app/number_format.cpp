#include "core/app/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <vector>

namespace vornik {

namespace {

// One element of a parsed picture.
struct Item {
    enum class Kind { Literal, Zero, Hash, Point };
    Kind kind;
    std::string text; // Literal only
};

std::vector<Item> parsePicture(std::string_view picture) {
    std::vector<Item> items;
    auto literal = [&items](std::string_view text) {
        if (text.empty()) {
            return;
        }
        if (items.empty() || items.back().kind != Item::Kind::Literal) {
            items.push_back({Item::Kind::Literal, {}});
        }
        items.back().text += text;
    };
    bool pointSeen = false;
    for (std::size_t pos = 0; pos < picture.size(); ++pos) {
        const char c = picture[pos];
        switch (c) {
        case '0':
            items.push_back({Item::Kind::Zero, {}});
            break;
        case '#':
            items.push_back({Item::Kind::Hash, {}});
            break;
        case '.':
            if (pointSeen) {
                literal(".");
            } else {
                pointSeen = true;
                items.push_back({Item::Kind::Point, {}});
            }
            break;
        case '\\':
            // The next character literally; a backslash ending the picture
            // stands for itself.
            if (pos + 1 < picture.size()) {
                ++pos;
            }
            literal(picture.substr(pos, 1));
            break;
        case '"': {
            // Up to the closing quote, or to the end of an unclosed quote.
            const std::size_t close = picture.find('"', pos + 1);
            const std::size_t end = close == std::string_view::npos ? picture.size() : close;
            literal(picture.substr(pos + 1, end - pos - 1));
            pos = end;
            break;
        }
        default:
            literal(picture.substr(pos, 1));
            break;
        }
    }
    return items;
}

bool isDigitSlot(const Item& item) {
    return item.kind == Item::Kind::Zero || item.kind == Item::Kind::Hash;
}

bool isPlaceholder(const Item& item) {
    return item.kind != Item::Kind::Literal;
}

// The decimal digits of a finite, non-negative value rounded to `decimals`
// places, exact halves away from zero. The rounding works on the exact
// decimal expansion of the double, so no scaling error creeps in (for up to
// four decimals this is the same as scaling by a power of ten in long double,
// where the product is exact). `whole` has no leading zeros ("" for zero);
// `fraction` has exactly `decimals` digits.
struct Digits {
    std::string whole;
    std::string fraction;
};

Digits roundedDigits(double magnitude, std::size_t decimals) {
    // A double's lowest bit is 2^(exponent - 53), which takes 53 - exponent
    // decimal places to write out; never more than 1074 (the smallest
    // subnormal), never fewer than 0.
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int exactPlaces = std::clamp(53 - exponent, 0, 1074);
    std::array<char, 309 + 1 + 1074 + 16> buffer{}; // whole digits, point, places, slack
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, exactPlaces);
    const std::string_view exact(buffer.data(),
                                 static_cast<std::size_t>(result.ptr - buffer.data()));

    const std::size_t point = exact.find('.');
    Digits digits;
    digits.whole = std::string(exact.substr(0, point));
    if (point != std::string_view::npos) {
        digits.fraction = std::string(exact.substr(point + 1));
    }

    bool roundUp = false;
    if (digits.fraction.size() > decimals) {
        roundUp = digits.fraction[decimals] >= '5';
        digits.fraction.resize(decimals);
    } else {
        digits.fraction.resize(decimals, '0');
    }
    if (roundUp) {
        // Add one unit in the last kept place, carrying leftwards.
        bool carry = true;
        for (auto it = digits.fraction.rbegin(); carry && it != digits.fraction.rend(); ++it) {
            carry = *it == '9';
            *it = carry ? '0' : static_cast<char>(*it + 1);
        }
        for (auto it = digits.whole.rbegin(); carry && it != digits.whole.rend(); ++it) {
            carry = *it == '9';
            *it = carry ? '0' : static_cast<char>(*it + 1);
        }
        if (carry) {
            digits.whole.insert(digits.whole.begin(), '1');
        }
    }
    digits.whole.erase(0, std::min(digits.whole.find_first_not_of('0'), digits.whole.size()));
    return digits;
}

// The picture-less text: the shortest text that reads back as the value.
std::string generalText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0.0) {
        return "0"; // also for -0
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::string formatNumber(double value, std::string_view picture) {
    if (picture.empty()) {
        return generalText(value);
    }
    const std::vector<Item> items = parsePicture(picture);
    const auto firstPlaceholder = std::find_if(items.begin(), items.end(), isPlaceholder);

    // Not a number or an infinity: its word takes the place of the whole
    // number field; the literal text stays.
    if (!std::isfinite(value)) {
        std::string out;
        for (auto it = items.begin(); it != items.end(); ++it) {
            if (it->kind == Item::Kind::Literal) {
                out += it->text;
            } else if (it == firstPlaceholder) {
                out += generalText(value);
            }
        }
        return out;
    }

    // The digit slots on either side of the point.
    const auto point = std::find_if(items.begin(), items.end(), [](const Item& item) {
        return item.kind == Item::Kind::Point;
    });
    std::vector<Item::Kind> wholeSlots;
    std::vector<Item::Kind> fractionSlots;
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (isDigitSlot(*it)) {
            (it < point ? wholeSlots : fractionSlots).push_back(it->kind);
        }
    }
    // As in Visual Basic, every slot from the first "0" before the point on
    // is a minimum digit, and every slot up to the last "0" after it.
    const auto firstWholeZero = std::find(wholeSlots.begin(), wholeSlots.end(), Item::Kind::Zero);
    const auto minWhole = static_cast<std::size_t>(wholeSlots.end() - firstWholeZero);
    const auto lastFractionZero =
        std::find(fractionSlots.rbegin(), fractionSlots.rend(), Item::Kind::Zero);
    const auto minFraction = static_cast<std::size_t>(fractionSlots.rend() - lastFractionZero);

    Digits digits = roundedDigits(std::fabs(value), fractionSlots.size());
    const bool zero =
        digits.whole.empty() && digits.fraction.find_first_not_of('0') == std::string::npos;
    const bool minus = std::signbit(value) && !zero;
    while (digits.fraction.size() > minFraction && digits.fraction.back() == '0') {
        digits.fraction.pop_back();
    }
    if (digits.whole.size() < minWhole) {
        digits.whole.insert(0, minWhole - digits.whole.size(), '0');
    }

    // Whole digits fill the slots right-aligned; those that do not fit go
    // where the first slot is (or, with no slot, before the point). Fraction
    // digits fill the slots left-aligned.
    std::string out;
    const std::size_t wholeCount = wholeSlots.size();
    std::size_t wholeIndex = 0;
    std::size_t fractionIndex = 0;
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (it == firstPlaceholder && minus) {
            out += '-';
        }
        if (it->kind == Item::Kind::Literal) {
            out += it->text;
        } else if (it->kind == Item::Kind::Point) {
            if (wholeCount == 0) {
                out += digits.whole;
            }
            if (!digits.fraction.empty()) {
                out += '.';
            }
        } else if (it < point) {
            const std::size_t slot = wholeIndex++;
            const std::size_t slotsRight = wholeCount - slot; // including this one
            if (slot == 0 && digits.whole.size() > wholeCount) {
                out.append(digits.whole, 0, digits.whole.size() - wholeCount);
            }
            if (digits.whole.size() >= slotsRight) {
                out += digits.whole[digits.whole.size() - slotsRight];
            }
        } else {
            const std::size_t slot = fractionIndex++;
            if (slot < digits.fraction.size()) {
                out += digits.fraction[slot];
            }
        }
    }
    return out;
}

} // namespace vornik

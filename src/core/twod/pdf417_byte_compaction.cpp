#include "core/twod/pdf417_byte_compaction.h"

#include <array>
#include <cstdint>

namespace vornik::twod {

namespace {

constexpr std::size_t kGroupBytes = 6;
constexpr std::size_t kGroupCodewords = 5;

// Six bytes as a 48-bit number, written as five base-900 digits.
void appendGroup(Codewords& out, std::string_view group) {
    std::uint64_t number = 0;
    for (const char c : group)
        number = number * 256 + static_cast<unsigned char>(c);
    std::array<int, kGroupCodewords> digits{};
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        *digit = static_cast<int>(number % 900);
        number /= 900;
    }
    out.insert(out.end(), digits.begin(), digits.end());
}

} // namespace

Codewords PdfByteCompact(std::string_view bytes) {
    Codewords out{bytes.size() % kGroupBytes == 0 ? kLatchByteSixes : kLatchByte};
    std::size_t i = 0;
    for (; i + kGroupBytes <= bytes.size(); i += kGroupBytes)
        appendGroup(out, bytes.substr(i, kGroupBytes));
    for (; i < bytes.size(); ++i)
        out.push_back(static_cast<unsigned char>(bytes[i]));
    return out;
}

} // namespace vornik::twod

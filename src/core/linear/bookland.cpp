#include "core/linear/bookland.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace vornik::linear {
namespace {

constexpr std::int32_t kIsbnError = 31;
constexpr std::int32_t kPriceError = 32;
constexpr std::size_t kIsbnDigits = 9;
constexpr std::string_view kBooklandPrefix = "978";
constexpr std::string_view kNoPrice = "90000";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string digitsOf(std::string_view text) {
    std::string digits;
    std::ranges::copy_if(text, std::back_inserter(digits), isDigit);
    return digits;
}

} // namespace

std::variant<std::string, MessageError> booklandMessage(const std::string& isbn) {
    const std::string_view body =
        std::string_view(isbn).substr(0, isbn.empty() ? 0 : isbn.size() - 1);
    const bool valid = std::ranges::all_of(body, [](char c) { return isDigit(c) || c == '-'; });
    const std::string digits = digitsOf(body);
    if (!valid || digits.size() != kIsbnDigits)
        return MessageError{kIsbnError};
    return std::string(kBooklandPrefix) + digits;
}

std::variant<std::string, MessageError> booklandAddOn(const std::string& price) {
    if (!std::ranges::all_of(price, [](char c) { return isDigit(c) || c == '.'; }))
        return MessageError{kPriceError};
    if (price == kNoPrice)
        return price;
    const std::string digits = digitsOf(price);
    if (digits.size() >= 5)
        return MessageError{kPriceError};
    if (digits.size() >= 3) // the currency digit 5, then the price in four digits
        return "5" + std::string(4 - digits.size(), '0') + digits;
    return price;
}

EncodeResult encodeBookland(const PatternTables& tables, const std::string& isbn,
                            const std::string& price, UpcEanOptions options) {
    const auto message = booklandMessage(isbn);
    if (const auto* error = std::get_if<MessageError>(&message))
        return *error;
    const auto addOn = booklandAddOn(price);
    if (const auto* error = std::get_if<MessageError>(&addOn))
        return *error;
    return encodeUpcEan(tables, UpcEanVariant::Ean13, std::get<std::string>(message),
                        std::get<std::string>(addOn), options);
}

} // namespace vornik::linear

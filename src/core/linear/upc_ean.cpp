#include "core/linear/upc_ean.h"

#include "core/linear/upc_ean_tables.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>

namespace vornik::linear {
namespace {

constexpr std::size_t kNormalGuardSlot = 128;
constexpr std::size_t kCentreGuardSlot = 0;
constexpr std::int32_t kAddOnError = 14;

struct VariantRules {
    std::size_t dataDigits; // without the check digit
    std::int32_t error;     // the message error of a broken length or character rule
};

VariantRules rulesOf(UpcEanVariant variant) {
    switch (variant) {
    case UpcEanVariant::UpcA:
        return {11, 2};
    case UpcEanVariant::UpcE:
    case UpcEanVariant::UpcE1:
        return {6, 13};
    case UpcEanVariant::Ean8:
        return {7, 3};
    case UpcEanVariant::Ean13:
        return {12, 15};
    }
    return {0, 0};
}

bool allDigits(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

int digitValue(char c) {
    return c - '0';
}

// The data digits after padding or cutting, and the digit typed after them.
struct DataDigits {
    std::string data;
    std::optional<char> supplied;
};

std::variant<DataDigits, MessageError> applyLengthRule(const std::string& message,
                                                       VariantRules rules, UpcEanOptions options) {
    if (!allDigits(message))
        return MessageError{rules.error};
    const std::size_t n = rules.dataDigits;
    const bool exact = message.size() == n || (options.userCheckDigit && message.size() == n + 1);
    if (options.messageWarnings && !exact)
        return MessageError{rules.error};
    if (message.size() <= n)
        return DataDigits{std::string(n - message.size(), '0') + message, std::nullopt};
    return DataDigits{message.substr(0, n), message[n]};
}

int checkDigitOf(std::string_view checked, const DataDigits& digits, UpcEanOptions options) {
    if (options.userCheckDigit && digits.supplied)
        return digitValue(*digits.supplied);
    return upcEanCheckDigit(checked);
}

std::string leftHand(const PatternTables& tables, std::string_view digits,
                     std::string_view parity) {
    std::string pattern;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const bool even = i < parity.size() && parity[i] == 'E';
        pattern += even ? tables.EvenParityTable[static_cast<std::size_t>(digitValue(digits[i]))]
                        : tables.PatternTable[static_cast<unsigned char>(digits[i])];
    }
    return pattern;
}

std::string rightHand(const PatternTables& tables, std::string_view digits) {
    std::string pattern;
    for (const char d : digits)
        pattern += tables.RightHandTable[static_cast<unsigned char>(d)];
    return pattern;
}

// Gap, guard, left half, centre guard, right half, guard, gap.
std::string twoHalves(const PatternTables& tables, const std::string& left,
                      const std::string& right) {
    const std::string& guard = tables.PatternTable[kNormalGuardSlot];
    return std::string(kUpcEanGap) + guard + left + tables.PatternTable[kCentreGuardSlot] + right +
           guard + std::string(kUpcEanGap);
}

LinearSymbol upcA(const PatternTables& tables, const std::string& data, char check) {
    const std::string all = data + check;
    LinearSymbol symbol;
    symbol.checkText = std::string(1, check);
    symbol.pattern =
        twoHalves(tables, leftHand(tables, all.substr(0, 6), ""), rightHand(tables, all.substr(6)));
    symbol.text =
        all.substr(0, 1) + "  " + all.substr(1, 5) + " " + all.substr(6, 5) + "  " + check;
    return symbol;
}

LinearSymbol ean13(const PatternTables& tables, const std::string& data, char check) {
    const std::string all = data + check;
    LinearSymbol symbol;
    symbol.checkText = std::string(1, check);
    symbol.pattern =
        twoHalves(tables, leftHand(tables, all.substr(1, 6), ean13Parity(digitValue(all[0]))),
                  rightHand(tables, all.substr(7)));
    symbol.text = all.substr(0, 1) + " " + all.substr(1, 6) + " " + all.substr(7) + "  ";
    return symbol;
}

LinearSymbol ean8(const PatternTables& tables, const std::string& data, char check) {
    const std::string all = data + check;
    LinearSymbol symbol;
    symbol.checkText = std::string(1, check);
    symbol.pattern =
        twoHalves(tables, leftHand(tables, all.substr(0, 4), ""), rightHand(tables, all.substr(4)));
    symbol.text = "  " + all.substr(0, 4) + " " + all.substr(4) + "  ";
    return symbol;
}

LinearSymbol upcE(const PatternTables& tables, const std::string& data, char numberSystem,
                  char check) {
    const int c = digitValue(check);
    const std::string_view parity = numberSystem == '0' ? upcEParity(c) : upcE1Parity(c);
    LinearSymbol symbol;
    symbol.checkText = std::string(1, check);
    symbol.pattern = std::string(kUpcEanGap) + tables.PatternTable[kNormalGuardSlot] +
                     leftHand(tables, data, parity) + std::string(kUpcEEndGuard) +
                     std::string(kUpcEanGap);
    symbol.text = std::string(1, numberSystem) + " " + data + " " + check;
    return symbol;
}

std::variant<std::string, MessageError> addOnPattern(const PatternTables& tables,
                                                     const std::string& supplement) {
    if (supplement.empty())
        return std::string();
    if (!allDigits(supplement) || (supplement.size() != 2 && supplement.size() != 5))
        return MessageError{kAddOnError};
    const std::string_view parity = addOnParity(supplement);
    std::string pattern(kAddOnStartGuard);
    for (std::size_t i = 0; i < supplement.size(); ++i) {
        if (i > 0)
            pattern += kAddOnSeparator;
        pattern += leftHand(tables, supplement.substr(i, 1), parity.substr(i, 1));
    }
    return pattern + std::string(kUpcEanGap);
}

char numberSystemOf(UpcEanVariant variant) {
    return variant == UpcEanVariant::UpcE1 ? '1' : '0';
}

LinearSymbol mainSymbol(const PatternTables& tables, UpcEanVariant variant,
                        const DataDigits& digits, UpcEanOptions options) {
    if (variant == UpcEanVariant::UpcE || variant == UpcEanVariant::UpcE1) {
        const char ns = numberSystemOf(variant);
        const auto check =
            static_cast<char>('0' + checkDigitOf(expandUpcE(digits.data, ns), digits, options));
        return upcE(tables, digits.data, ns, check);
    }
    const auto check = static_cast<char>('0' + checkDigitOf(digits.data, digits, options));
    if (variant == UpcEanVariant::UpcA)
        return upcA(tables, digits.data, check);
    if (variant == UpcEanVariant::Ean8)
        return ean8(tables, digits.data, check);
    return ean13(tables, digits.data, check);
}

} // namespace

int upcEanCheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += digitValue(*it) * weight;
        weight = weight == 3 ? 1 : 3;
    }
    return (10 - sum % 10) % 10;
}

std::string expandUpcE(std::string_view message, char numberSystem) {
    const std::string d(message);
    const std::string ns(1, numberSystem);
    switch (d[5]) {
    case '0':
    case '1':
    case '2':
        return ns + d.substr(0, 2) + d[5] + "0000" + d.substr(2, 3);
    case '3':
        return ns + d.substr(0, 3) + "00000" + d.substr(3, 2);
    case '4':
        return ns + d.substr(0, 4) + "00000" + d[4];
    }
    return ns + d.substr(0, 5) + "0000" + d[5];
}

std::string_view addOnParity(std::string_view digits) {
    if (digits.size() == 2)
        return twoDigitAddOnParity(digitValue(digits[0]) * 10 + digitValue(digits[1]));
    const int odd = digitValue(digits[0]) + digitValue(digits[2]) + digitValue(digits[4]);
    const int even = digitValue(digits[1]) + digitValue(digits[3]);
    return fiveDigitAddOnParity((3 * odd + 9 * even) % 10);
}

EncodeResult encodeUpcEan(const PatternTables& tables, UpcEanVariant variant,
                          const std::string& message, const std::string& supplement,
                          UpcEanOptions options) {
    const auto digits = applyLengthRule(message, rulesOf(variant), options);
    if (const auto* error = std::get_if<MessageError>(&digits))
        return *error;
    const auto addOn = addOnPattern(tables, supplement);
    if (const auto* error = std::get_if<MessageError>(&addOn))
        return *error;
    LinearSymbol symbol = mainSymbol(tables, variant, std::get<DataDigits>(digits), options);
    symbol.pattern += std::get<std::string>(addOn);
    symbol.supplement = supplement;
    return symbol;
}

} // namespace vornik::linear

#include "core/dde/execute_string.h"

#include "core/app/ascii_case.h"

namespace vornik::dde {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

std::string_view nextCommand(std::string_view& remainder) {
    remainder = trimmed(remainder);
    const auto close = remainder.find(']');
    if (close == std::string_view::npos)
        return {};
    const std::string_view command = remainder.substr(0, close + 1);
    remainder.remove_prefix(close + 1);
    return command;
}

std::string upperCased(std::string_view text) {
    return asciiUpper(text);
}

std::string decodeEscapedText(std::string_view value) {
    std::string decoded;
    bool quoted = false;
    bool inNumber = false;
    unsigned code = 0;
    auto endNumber = [&] {
        if (inNumber)
            decoded.push_back(static_cast<char>(code));
        inNumber = false;
        code = 0;
    };
    for (const char c : value) {
        if (quoted) {
            if (c == '\'')
                quoted = false;
            else
                decoded.push_back(c);
        } else if (isDigit(c)) {
            // Taken modulo 256 as the digits arrive, so no run can overflow.
            code = (code * 10 + static_cast<unsigned>(c - '0')) % 256;
            inNumber = true;
        } else {
            endNumber();
            quoted = c == '\'';
        }
    }
    endNumber();
    return decoded;
}

ColorRef decodeRgb(std::string_view value) {
    std::string channels = decodeEscapedText(value);
    channels.resize(3, '\0');
    auto channel = [&](std::size_t i) {
        return static_cast<ColorRef>(static_cast<unsigned char>(channels[i]));
    };
    return channel(0) | (channel(1) << 8) | (channel(2) << 16);
}

std::string filePath(std::string_view command, std::size_t keywordLength) {
    std::string_view path = command.substr(std::min(keywordLength, command.size()));
    if (path.ends_with(")]"))
        path.remove_suffix(2);
    else if (path.ends_with("]"))
        path.remove_suffix(1);
    const auto first = path.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = path.find_last_not_of(' ');
    return std::string(path.substr(first, last - first + 1));
}

} // namespace vornik::dde

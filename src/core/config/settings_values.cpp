// Settings values read and written: ports, scrollback, numbers and window positions.
#include "config/settings_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace vz {

namespace {

// A whole decimal number that is the entire text, or nothing.
std::optional<int> parseWhole(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

std::string IrcPort::text() const {
    return (tls ? "+" : "") + std::to_string(number);
}

// Digits beyond any port are still a number, only no port.
PortReading ReadPort(const std::string& text) {
    const bool hasSign = !text.empty() && (text[0] == '+' || text[0] == '-');
    const std::string digits = text.substr(hasSign ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return {};
    const std::size_t significant = std::min(digits.find_first_not_of('0'), digits.size());
    const int value = digits.size() - significant > 5 ? 0 : std::stoi(digits);
    if (text[0] == '-' || value < 1 || value > 65535)
        return {true, std::nullopt};
    return {true, IrcPort{value, text[0] == '+'}};
}

std::optional<IrcPort> ParsePort(const std::string& text) {
    return ReadPort(text).port;
}

IrcPort PortOrDefault(const std::string& text) {
    return ParsePort(text).value_or(IrcPort{});
}

int ScrollbackOrDefault(const std::string& text) {
    const auto value = parseWhole(text);
    return value && *value >= 0 ? *value : DefaultScrollback;
}

// from_chars and to_chars ignore the user's locale, so a decimal point is
// always ".", whatever the desktop's number format.
std::optional<float> ParseSingle(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (end - begin >= 2 && begin[0] == '+' && begin[1] != '-')
        ++begin;
    float value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (begin == end || ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseTwips(const std::string& text) {
    const auto value = ParseSingle(text);
    constexpr int halfRange = std::numeric_limits<int>::max() / 2;
    constexpr float limit = static_cast<float>(halfRange);
    if (!value || std::fabs(*value) > limit)
        return std::nullopt;
    return static_cast<int>(std::lround(*value));
}

std::string FormatSingle(float value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace vz

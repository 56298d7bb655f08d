#include "config/settings_values.h"

#include <charconv>
#include <cstdio>

namespace vz {

std::optional<int> ParsePort(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 1 || value > 65535)
        return std::nullopt;
    return value;
}

int PortOrDefault(const std::string& text) { return ParsePort(text).value_or(DefaultPort); }

std::optional<float> ParseSingle(const std::string&) { return std::nullopt; }

std::string FormatSingle(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    return buffer;
}

} // namespace vz

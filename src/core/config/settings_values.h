#pragma once

#include <optional>
#include <string>

namespace vz {

constexpr int DefaultPort = 6667;

// A port 1 to 65535 written as a whole decimal number, or nothing.
std::optional<int> ParsePort(const std::string& text);
// [Last] Port as start-up reads it: DefaultPort when missing or not valid.
int PortOrDefault(const std::string& text);
// A single-precision number when the whole text is one ("12abc" is not).
std::optional<float> ParseSingle(const std::string& text);
// The shortest C-locale text that reads back to the same single ("1440").
std::string FormatSingle(float value);

} // namespace vz

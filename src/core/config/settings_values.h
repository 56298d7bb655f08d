// Settings values read and written: ports, scrollback, numbers and window positions.
#pragma once

#include <optional>
#include <string>

namespace vz {

constexpr int DefaultPort = 6667;
constexpr int DefaultScrollback = 5000;

// A server port as it is stored and typed: its number, and a leading "+"
// for a TLS connection ("+6697").
struct IrcPort {
    int number = DefaultPort;
    bool tls = false;

    // "6667", "+6697": how the port is stored and shown.
    std::string text() const;
    bool operator==(const IrcPort&) const = default;
};

// What a port text holds: "+" (TLS) or "-" and decimal digits and nothing
// else make a number; one from 1 to 65535 is a port.
struct PortReading {
    bool isNumber = false;
    std::optional<IrcPort> port;
};
PortReading ReadPort(const std::string& text);
// The port of the text, or nothing.
std::optional<IrcPort> ParsePort(const std::string& text);
// [Last] Port as start-up reads it: DefaultPort when missing or not valid.
IrcPort PortOrDefault(const std::string& text);
// [Options] Scrollback: a whole number from 0 (no bound) up, else the default.
int ScrollbackOrDefault(const std::string& text);
// A finite single-precision number in C-locale notation when the whole text
// is one ("12abc" is not), or nothing.
std::optional<float> ParseSingle(const std::string& text);
// A [Position] value as whole twips: nothing when the text is no number or
// the number does not fit a window coordinate.
std::optional<int> ParseTwips(const std::string& text);
// The shortest C-locale text that reads back to the same single ("1440").
std::string FormatSingle(float value);

} // namespace vz

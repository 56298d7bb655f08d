// The $ identifiers of typed commands ($me, $chan, $randnick, ...).
#include "input/identifiers.h"

#include "config/version.h"
#include "interpret/protocol_host.h"
#include "text/case_fold.h"
#include "text/utf8.h"

#include <random>

namespace vz {

namespace {

// $randnick keeps this many characters of the nick and adds this many digits,
// which fits the nine characters every server accepts.
constexpr std::size_t RandomNickKept = 6;
constexpr int RandomNickDigits = 3;
const char* const RandomNickFallback = "Guest";

using Expander = std::string (*)(ProtocolHost& main, const std::string& target);

struct Identifier {
    const char* name; // lower case
    Expander value;
};

std::string targetValue(ProtocolHost&, const std::string& target) {
    return target;
}

std::string versionValue(ProtocolHost&, const std::string&) {
    return VersionText();
}

std::string nickValue(ProtocolHost& main, const std::string&) {
    return main.globals().Nick;
}

std::string serverValue(ProtocolHost& main, const std::string&) {
    return main.link().remoteHost();
}

std::string portValue(ProtocolHost& main, const std::string&) {
    const auto& port = main.link().remotePort();
    return port ? port->text() : std::string();
}

std::string dateValue(ProtocolHost& main, const std::string&) {
    return main.platform().locale.shortDate();
}

std::string timeValue(ProtocolHost& main, const std::string&) {
    return main.platform().locale.timeOfDay();
}

std::string randNickValue(ProtocolHost& main, const std::string&) {
    return RandomNick(main.globals().Nick);
}

const Identifier Identifiers[] = {
    {"version", versionValue},   {"chan", targetValue}, {"channel", targetValue},
    {"ch", targetValue},         {"me", nickValue},     {"server", serverValue},
    {"port", portValue},         {"date", dateValue},   {"time", timeValue},
    {"randnick", randNickValue},
};

} // namespace

std::string ExpandIdentifier(ProtocolHost& main, const std::string& target,
                             const std::string& name) {
    const std::string folded = foldCase(name);
    for (const Identifier& identifier : Identifiers)
        if (folded == identifier.name)
            return identifier.value(main, target);
    return {};
}

std::string RandomNick(const std::string& nick) {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> digit(0, 9);
    std::string out = nick.empty() ? RandomNickFallback : utf8::left(nick, RandomNickKept);
    for (int i = 0; i < RandomNickDigits; ++i)
        out += static_cast<char>('0' + digit(generator));
    return out;
}

} // namespace vz

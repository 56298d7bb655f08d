#include "input/identifiers.h"

#include "app/frm_main.h"
#include "app/version.h"
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

using Expander = std::string (*)(frmMain& main, const std::string& target);

struct Identifier {
    const char* name; // lower case
    Expander value;
};

std::string targetValue(frmMain&, const std::string& target) {
    return target;
}

std::string versionValue(frmMain&, const std::string&) {
    return VersionText();
}

std::string nickValue(frmMain& main, const std::string&) {
    return main.globals().Nick;
}

std::string serverValue(frmMain& main, const std::string&) {
    return main.connection().remoteHost();
}

std::string portValue(frmMain& main, const std::string&) {
    const int port = main.connection().remotePort();
    return port > 0 ? std::to_string(port) : std::string();
}

std::string dateValue(frmMain& main, const std::string&) {
    return main.platform().locale.shortDate();
}

std::string timeValue(frmMain& main, const std::string&) {
    return main.platform().locale.timeOfDay();
}

std::string randNickValue(frmMain& main, const std::string&) {
    return RandomNick(main.globals().Nick);
}

const Identifier Identifiers[] = {
    {"version", versionValue},   {"chan", targetValue}, {"channel", targetValue},
    {"ch", targetValue},         {"me", nickValue},     {"server", serverValue},
    {"port", portValue},         {"date", dateValue},   {"time", timeValue},
    {"randnick", randNickValue},
};

} // namespace

std::string ExpandIdentifier(frmMain& main, const std::string& target, const std::string& name) {
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

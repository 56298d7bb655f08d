// Channel members and modes, and how the nick list writes a member.
#include "windows/membership.h"

#include <algorithm>

namespace vz {

namespace {

// Removes every `mark` from `text`; true when there was one.
bool takeMark(std::string& text, char mark) {
    const auto end = std::remove(text.begin(), text.end(), mark);
    const bool found = end != text.end();
    text.erase(end, text.end());
    return found;
}

} // namespace

std::string FormatNick(const UserEntry& entry) {
    std::string prefix;
    if (entry.bVoice)
        prefix = "+";
    if (entry.bHelper)
        prefix = "%";
    if (entry.bOp)
        prefix = "@";
    return prefix + entry.strNick;
}

std::string StripPrefix(const std::string& text) {
    std::string out = text;
    takeMark(out, '@');
    takeMark(out, '%');
    takeMark(out, '+');
    return out;
}

bool IsMemberNick(const std::string& nick) {
    return !nick.empty() && nick.find_first_of("@%+") == std::string::npos;
}

UserEntry ParseMember(const std::string& text) {
    UserEntry entry;
    std::string nick = text;
    entry.bHelper = takeMark(nick, '%');
    entry.bVoice = takeMark(nick, '+');
    entry.bOp = takeMark(nick, '@');
    entry.strNick = std::move(nick);
    return entry;
}

} // namespace vz
